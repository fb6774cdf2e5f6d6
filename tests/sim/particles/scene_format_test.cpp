// The scene file: exact doubles, every field back as it went out, and a
// clear refusal of everything else, with nothing half-read.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <nlohmann/json.hpp>
#include <random>

#include "sim/particles/scene_format.h"
#include "support/busy_scene.h"

namespace {

using nlohmann::json;

std::string Written(const TScene& Scene)
{
    std::string Reason;
    const std::optional<std::string> Text = WriteScene(Scene, Reason);
    EXPECT_TRUE(Text.has_value()) << Reason;
    return Text.value_or("");
}

// Why Text is refused; fails the test when it is read.
std::string Refusal(const std::string& Text)
{
    std::string Reason;
    const std::optional<TScene> Scene = ReadScene(Text, Reason);
    EXPECT_FALSE(Scene.has_value()) << "read: " << Text.substr(0, 200);
    EXPECT_FALSE(Reason.empty());
    return Reason;
}

// The busy scene's text with one change made to its JSON.
template <typename TChange>
std::string Changed(TChange Change)
{
    json Root = json::parse(Written(BusyScene()));
    Change(Root);
    return Root.dump();
}

// Doubles that a decimal writer and reader most easily get wrong.
std::vector<double> ExtremeDoubles()
{
    const double Max = DBL_MAX, Min = DBL_MIN, Tiny = std::numeric_limits<double>::denorm_min();
    std::vector<double> Values = {0.0,        -0.0,         Tiny,         -Tiny,      2 * Tiny,   Min - Tiny,
                                  Min,        -Min,         Max,          -Max,       0.1,        1.0 / 3,
                                  5e-324,     1e-310,       9007199254740993.0, 1e23, 8.98846567431158e307,
                                  2.2250738585072011e-308, 4.9406564584124654e-324, 123456789012345678.0};
    // Neighbours one unit in the last place apart.
    for (const double Value : {1.0, 0.1, 1e300, 1e-300, Min, 360.0, 0.7, 0.999})
        for (const double Toward : {0.0, Max}) Values.push_back(std::nextafter(Value, Toward));
    return Values;
}

} // namespace

TEST(SceneFormat, EveryDoubleReadsBackToTheSameBits)
{
    std::vector<double> Values = ExtremeDoubles();
    std::mt19937_64 Random(1208);
    while (Values.size() < 4000) {
        const uint64_t Bits = Random();
        double Value;
        std::memcpy(&Value, &Bits, sizeof Value);
        if (std::isfinite(Value)) Values.push_back(Value);
    }
    // Every double in every kind of field: settings, walls, particles.
    TScene Scene;
    InitPhysics(Scene.World);
    size_t Next = 0;
    const auto Take = [&] { return Values[Next++ % Values.size()]; };
    const auto Fill = [&](TVector& V) { V = {Take(), Take(), Take(), Take()}; };
    Fill(Scene.World.Gravity);
    Fill(Scene.World.Force);
    Scene.World.WallFriction = Take();
    Scene.World.AirFriction = Take();
    Scene.World.TimeStep = Take();
    while (Next < Values.size()) {
        TSegment Wall;
        Fill(Wall.A), Fill(Wall.B), Fill(Wall.Delta);
        Scene.World.Walls.push_back(Wall);
        TParticle P;
        Fill(P.Pos), Fill(P.OldPos), Fill(P.Vel), Fill(P.OldVel), Fill(P.Path.A), Fill(P.Path.B), Fill(P.Path.Delta);
        Scene.World.Particles.push_back(P);
    }
    std::string Reason;
    const std::optional<TScene> Read = ReadScene(Written(Scene), Reason);
    ASSERT_TRUE(Read.has_value()) << Reason;
    EXPECT_TRUE(SameBits(Scene.World, Read->World));
    EXPECT_TRUE(std::signbit(Read->World.Gravity.X) == std::signbit(Scene.World.Gravity.X));
}

TEST(SceneFormat, EveryControlAndTheOriginAreKept)
{
    const TScene Scene = BusyScene();
    const std::string Text = Written(Scene);
    const json Root = json::parse(Text);
    EXPECT_EQ(Root["format"], "kalmot-scene");
    EXPECT_EQ(Root["version"], SceneFormatVersion);
    EXPECT_EQ(Root["arithmetic"], KALMOT_X87_EXTENDED ? "extended" : "double");
    EXPECT_FALSE(Root["kalmot"].get<std::string>().empty());

    std::string Reason;
    for (const TSceneGesture Gesture : {TSceneGesture::None, TSceneGesture::Particle, TSceneGesture::Wall}) {
        TScene Other = Scene;
        Other.Gesture = Gesture;
        Other.DrawForces = Gesture == TSceneGesture::Particle;
        Other.Thick = Gesture != TSceneGesture::Particle;
        Other.GravityValue = 1000, Other.WallFrictionValue = 0, Other.AirFrictionValue = static_cast<int>(Gesture);
        const std::optional<TScene> Read = ReadScene(Written(Other), Reason);
        ASSERT_TRUE(Read.has_value()) << Reason;
        EXPECT_EQ(Read->Gesture, Gesture);
        EXPECT_EQ(Read->DrawForces, Other.DrawForces);
        EXPECT_EQ(Read->Thick, Other.Thick);
        EXPECT_EQ(Read->GravityValue, 1000);
        EXPECT_EQ(Read->WallFrictionValue, 0);
        EXPECT_EQ(Read->AirFrictionValue, Other.AirFrictionValue);
        EXPECT_TRUE(SameBits(Read->World, Scene.World));
    }
}

TEST(SceneFormat, ASceneOfTheOtherArithmeticIsRead)
{
    const std::string Text = Changed([](json& Root) {
        Root["arithmetic"] = KALMOT_X87_EXTENDED ? "double" : "extended";
        Root["kalmot"] = "0.1.0";
    });
    std::string Reason;
    EXPECT_TRUE(ReadScene(Text, Reason).has_value()) << Reason;
}

TEST(SceneFormat, NotJsonTruncatedOrOfTheWrongShapeIsRefused)
{
    EXPECT_NE(Refusal("").find("not JSON"), std::string::npos);
    EXPECT_NE(Refusal("kalmot").find("not JSON"), std::string::npos);
    EXPECT_NE(Refusal("\x89PNG\r\n\x1a\n").find("not JSON"), std::string::npos);
    const std::string Text = Written(BusyScene());
    for (const size_t Cut : {size_t{1}, size_t{40}, Text.size() / 2, Text.size() - 3})
        EXPECT_NE(Refusal(Text.substr(0, Cut)).find("not JSON"), std::string::npos) << Cut;
    EXPECT_NE(Refusal("[1, 2]").find("not a scene"), std::string::npos);
    EXPECT_NE(Refusal("{\"format\": \"png\", \"version\": 1}").find("not a Kalmot scene"), std::string::npos);

    EXPECT_NE(Refusal(Changed([](json& R) { R.erase("walls"); })).find("no field \"walls\""), std::string::npos);
    EXPECT_NE(Refusal(Changed([](json& R) { R["particles"] = json::object(); })).find("not an array"),
              std::string::npos);
    EXPECT_NE(Refusal(Changed([](json& R) { R["particles"][3]["vel"] = json::array({1, 2, 3}); }))
                  .find("particle 3's \"vel\" is not a vector"),
              std::string::npos);
    EXPECT_NE(Refusal(Changed([](json& R) { R["walls"][1]["a"][0] = "1"; })).find("wall 1's \"a\"'s x is not a number"),
              std::string::npos);
    EXPECT_NE(Refusal(Changed([](json& R) { R["controls"]["thick"] = 1; })).find("not true or false"),
              std::string::npos);
    EXPECT_NE(Refusal(Changed([](json& R) { R["controls"]["gesture"] = "fire"; })).find("\"gesture\""),
              std::string::npos);
    EXPECT_NE(Refusal(Changed([](json& R) { R["arithmetic"] = "float"; })).find("\"arithmetic\""), std::string::npos);
}

TEST(SceneFormat, ANewerVersionIsRefusedSayingSo)
{
    const std::string Reason = Refusal(Changed([](json& R) {
        R["version"] = SceneFormatVersion + 1;
        R.erase("walls"); // a newer format may differ in anything else
    }));
    EXPECT_NE(Reason.find("format version " + std::to_string(SceneFormatVersion + 1)), std::string::npos) << Reason;
    EXPECT_NE(Reason.find("newer"), std::string::npos) << Reason;
    EXPECT_NE(Refusal(Changed([](json& R) { R["version"] = 0; })).find("does not fit"), std::string::npos);
    EXPECT_NE(Refusal(Changed([](json& R) { R["version"] = 1.5; })).find("not a whole number"), std::string::npos);
}

TEST(SceneFormat, NumbersNotFiniteOrOutOfRangeAreRefused)
{
    const std::string Text = Written(BusyScene());
    const std::string Written = "\"timeStep\":1.0";
    const size_t At = Text.find(Written);
    ASSERT_NE(At, std::string::npos);
    std::string Huge = Text;
    Huge.replace(At, Written.size(), "\"timeStep\":1e400");
    EXPECT_NE(Refusal(Huge).find("a number does not fit: number overflow parsing '1e400'"), std::string::npos);
    std::string Negative = Text;
    Negative.replace(At, Written.size(), "\"timeStep\":-1e999");
    EXPECT_NE(Refusal(Negative).find("does not fit"), std::string::npos);
    for (const char* Word : {"NaN", "Infinity", "null"}) {
        std::string Other = Text;
        Other.replace(At, Written.size(), std::string("\"timeStep\":") + Word);
        EXPECT_FALSE(Refusal(Other).empty()) << Word;
    }
    for (const json& Value : {json(1001), json(-1), json(2.5), json(18446744073709551615ULL), json("500")})
        EXPECT_FALSE(Refusal(Changed([&](json& R) { R["controls"]["gravity"] = Value; })).empty()) << Value;
}

TEST(SceneFormat, TooManyParticlesOrWallsOrBytesAreRefused)
{
    std::string Many = "[";
    for (size_t I = 0; I <= MaxSceneItems; ++I) Many += I == 0 ? "0" : ",0";
    Many += "]";
    for (const char* Key : {"particles", "walls"}) {
        std::string Text = Changed([&](json& R) { R[Key] = json::array(); });
        const std::string Empty = std::string("\"") + Key + "\":[]";
        Text.replace(Text.find(Empty), Empty.size(), std::string("\"") + Key + "\":" + Many);
        EXPECT_NE(Refusal(Text).find("holds 100001 " + std::string(Key)), std::string::npos) << Key;
    }
    std::string Large = Written(BusyScene());
    Large.resize(MaxSceneBytes + 1, ' ');
    EXPECT_NE(Refusal(Large).find("more than the 67108864"), std::string::npos);
}

TEST(SceneFormat, AWorldHoldingANumberNotFiniteIsNotWritten)
{
    for (const double Bad : {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()}) {
        TScene Scene = BusyScene();
        Scene.World.Particles[7].OldVel.Length = Bad;
        std::string Reason;
        EXPECT_FALSE(WriteScene(Scene, Reason).has_value());
        EXPECT_NE(Reason.find("particle 7"), std::string::npos) << Reason;
    }
}
