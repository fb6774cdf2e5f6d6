#include "sim/particles/scene_format.h"

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <stdexcept>

#ifndef KALMOT_VERSION
#define KALMOT_VERSION "unknown"
#endif

namespace {

// The writer keeps the fields in the order the format lists them; the
// reader does not care for order.
using TJson = nlohmann::ordered_json;

constexpr const char* FormatName = "kalmot-scene";
constexpr int SpinEditMax = 1000; // the control window's spin edits run from 0 to this

// A scene refused while reading, with the reason for the user.
struct TRefusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// --- Writing --------------------------------------------------------------

TJson VectorJson(const TVector& V) { return TJson::array({V.X, V.Y, V.Length, V.Angle}); }

TJson SegmentJson(const TSegment& S)
{
    TJson Json = TJson::object();
    Json["a"] = VectorJson(S.A);
    Json["b"] = VectorJson(S.B);
    Json["delta"] = VectorJson(S.Delta);
    return Json;
}

bool Finite(const TVector& V)
{
    return std::isfinite(V.X) && std::isfinite(V.Y) && std::isfinite(V.Length) && std::isfinite(V.Angle);
}

bool Finite(const TSegment& S) { return Finite(S.A) && Finite(S.B) && Finite(S.Delta); }

// What of the world holds a number that is not finite, or an empty text.
std::string NotFinite(const TPhysics& World)
{
    if (!Finite(World.Gravity) || !Finite(World.Force) || !std::isfinite(World.WallFriction) ||
        !std::isfinite(World.AirFriction) || !std::isfinite(World.TimeStep))
        return "the world's settings";
    for (size_t I = 0; I < World.Walls.size(); ++I)
        if (!Finite(World.Walls[I])) return "wall " + std::to_string(I);
    for (size_t I = 0; I < World.Particles.size(); ++I) {
        const TParticle& P = World.Particles[I];
        if (!Finite(P.Pos) || !Finite(P.OldPos) || !Finite(P.Vel) || !Finite(P.OldVel) || !Finite(P.Path))
            return "particle " + std::to_string(I);
    }
    return {};
}

const char* GestureName(TSceneGesture Gesture)
{
    switch (Gesture) {
    case TSceneGesture::Particle: return "particle";
    case TSceneGesture::Wall: return "wall";
    case TSceneGesture::None: break;
    }
    return "none";
}

// --- Reading --------------------------------------------------------------

const TJson& Field(const TJson& Object, const char* Key, const std::string& Where)
{
    const auto Found = Object.find(Key);
    if (Found == Object.end()) throw TRefusal(Where + " has no field \"" + Key + "\"");
    return *Found;
}

const TJson& ObjectField(const TJson& Object, const char* Key, const std::string& Where)
{
    const TJson& Value = Field(Object, Key, Where);
    if (!Value.is_object()) throw TRefusal(Where + "'s \"" + Key + "\" is not an object");
    return Value;
}

const TJson& ArrayField(const TJson& Object, const char* Key, const std::string& Where)
{
    const TJson& Value = Field(Object, Key, Where);
    if (!Value.is_array()) throw TRefusal(Where + "'s \"" + Key + "\" is not an array");
    return Value;
}

std::string TextField(const TJson& Object, const char* Key, const std::string& Where)
{
    const TJson& Value = Field(Object, Key, Where);
    if (!Value.is_string()) throw TRefusal(Where + "'s \"" + Key + "\" is not a text");
    return Value.get<std::string>();
}

bool TruthField(const TJson& Object, const char* Key, const std::string& Where)
{
    const TJson& Value = Field(Object, Key, Where);
    if (!Value.is_boolean()) throw TRefusal(Where + "'s \"" + Key + "\" is not true or false");
    return Value.get<bool>();
}

// A whole number from Least to Most, written without a fraction or exponent.
int64_t Whole(const TJson& Value, const std::string& What, int64_t Least, int64_t Most)
{
    const std::string Range = " (" + std::to_string(Least) + " to " + std::to_string(Most) + ")";
    if (Value.is_number_unsigned()) {
        const uint64_t Number = Value.get<uint64_t>();
        if (Number > static_cast<uint64_t>(Most) || static_cast<int64_t>(Number) < Least)
            throw TRefusal(What + " does not fit" + Range);
        return static_cast<int64_t>(Number);
    }
    if (Value.is_number_integer()) {
        const int64_t Number = Value.get<int64_t>();
        if (Number < Least || Number > Most) throw TRefusal(What + " does not fit" + Range);
        return Number;
    }
    throw TRefusal(What + " is not a whole number");
}

// Any finite double; a decimal too large for a double reads as infinite and
// is refused with the rest.
double Real(const TJson& Value, const std::string& What)
{
    if (!Value.is_number()) throw TRefusal(What + " is not a number");
    const double Number = Value.get<double>();
    if (!std::isfinite(Number)) throw TRefusal(What + " is not a finite number");
    return Number;
}

double RealField(const TJson& Object, const char* Key, const std::string& Where)
{
    return Real(Field(Object, Key, Where), Where + "'s \"" + Key + "\"");
}

TVector VectorFrom(const TJson& Value, const std::string& What)
{
    if (!Value.is_array() || Value.size() != 4)
        throw TRefusal(What + " is not a vector (an array of x, y, length and angle)");
    TVector V;
    V.X = Real(Value[0], What + "'s x");
    V.Y = Real(Value[1], What + "'s y");
    V.Length = Real(Value[2], What + "'s length");
    V.Angle = Real(Value[3], What + "'s angle");
    return V;
}

TVector VectorField(const TJson& Object, const char* Key, const std::string& Where)
{
    return VectorFrom(Field(Object, Key, Where), Where + "'s \"" + Key + "\"");
}

TSegment SegmentFrom(const TJson& Value, const std::string& What)
{
    if (!Value.is_object()) throw TRefusal(What + " is not an object");
    return {VectorField(Value, "a", What), VectorField(Value, "b", What), VectorField(Value, "delta", What)};
}

// The version comes first: a newer file may differ in anything else.
void CheckVersion(const TJson& Root)
{
    if (!Root.is_object()) throw TRefusal("the file holds JSON but not a scene (no object at the top)");
    const auto Format = Root.find("format");
    if (Format == Root.end() || !Format->is_string() || Format->get<std::string>() != FormatName)
        throw TRefusal("the file is JSON but not a Kalmot scene (its \"format\" is not \"kalmot-scene\")");
    const TJson& Version = Field(Root, "version", "the scene");
    const int64_t Number = Whole(Version, "the format version", 1, INT64_MAX);
    if (Number > SceneFormatVersion)
        throw TRefusal("the scene is of format version " + std::to_string(Number) + ", newer than this Kalmot reads (" +
                       std::to_string(SceneFormatVersion) + "); open it with a newer Kalmot");
}

const TJson& ItemsField(const TJson& Root, const char* Key, const char* Items)
{
    const TJson& List = ArrayField(Root, Key, "the scene");
    if (List.size() > MaxSceneItems)
        throw TRefusal("the scene holds " + std::to_string(List.size()) + " " + Items + ", more than the " +
                       std::to_string(MaxSceneItems) + " a scene may hold");
    return List;
}

TScene SceneFrom(const TJson& Root)
{
    CheckVersion(Root);
    TextField(Root, "kalmot", "the scene");
    const std::string Arithmetic = TextField(Root, "arithmetic", "the scene");
    if (Arithmetic != "extended" && Arithmetic != "double")
        throw TRefusal("the scene's \"arithmetic\" is \"" + Arithmetic + "\", neither \"extended\" nor \"double\"");

    TScene Scene;
    const TJson& Controls = ObjectField(Root, "controls", "the scene");
    const auto Spin = [&](const char* Key) {
        return static_cast<int>(
            Whole(Field(Controls, Key, "\"controls\""), std::string("\"controls\"'s \"") + Key + "\"", 0, SpinEditMax));
    };
    Scene.GravityValue = Spin("gravity");
    Scene.WallFrictionValue = Spin("wallFriction");
    Scene.AirFrictionValue = Spin("airFriction");
    Scene.DrawForces = TruthField(Controls, "drawForces", "\"controls\"");
    Scene.Thick = TruthField(Controls, "thick", "\"controls\"");
    const std::string Gesture = TextField(Controls, "gesture", "\"controls\"");
    if (Gesture == "particle") Scene.Gesture = TSceneGesture::Particle;
    else if (Gesture == "wall") Scene.Gesture = TSceneGesture::Wall;
    else if (Gesture != "none")
        throw TRefusal("\"controls\"'s \"gesture\" is \"" + Gesture + "\", not \"none\", \"particle\" or \"wall\"");

    TPhysics& World = Scene.World;
    const TJson& Settings = ObjectField(Root, "world", "the scene");
    World.Gravity = VectorField(Settings, "gravity", "\"world\"");
    World.Force = VectorField(Settings, "force", "\"world\"");
    World.WallFriction = RealField(Settings, "wallFriction", "\"world\"");
    World.AirFriction = RealField(Settings, "airFriction", "\"world\"");
    World.TimeStep = RealField(Settings, "timeStep", "\"world\"");

    const TJson& Walls = ItemsField(Root, "walls", "walls");
    World.Walls.reserve(Walls.size());
    for (size_t I = 0; I < Walls.size(); ++I) World.Walls.push_back(SegmentFrom(Walls[I], "wall " + std::to_string(I)));

    const TJson& Particles = ItemsField(Root, "particles", "particles");
    World.Particles.reserve(Particles.size());
    for (size_t I = 0; I < Particles.size(); ++I) {
        const std::string Where = "particle " + std::to_string(I);
        const TJson& Item = Particles[I];
        if (!Item.is_object()) throw TRefusal(Where + " is not an object");
        World.Particles.push_back({VectorField(Item, "pos", Where), VectorField(Item, "oldPos", Where),
                                   VectorField(Item, "vel", Where), VectorField(Item, "oldVel", Where),
                                   SegmentFrom(Field(Item, "path", Where), Where + "'s \"path\"")});
    }
    return Scene;
}

} // namespace

const char* SceneArithmetic() { return KALMOT_X87_EXTENDED ? "extended" : "double"; }

std::optional<std::string> WriteScene(const TScene& Scene, std::string& Reason)
{
    const TPhysics& World = Scene.World;
    if (const std::string Bad = NotFinite(World); !Bad.empty()) {
        Reason = Bad + " holds a number that is not finite, which a scene cannot keep";
        return std::nullopt;
    }
    TJson Root = TJson::object();
    Root["format"] = FormatName;
    Root["version"] = SceneFormatVersion;
    Root["kalmot"] = KALMOT_VERSION;
    Root["arithmetic"] = SceneArithmetic();

    TJson& Controls = Root["controls"] = TJson::object();
    Controls["gravity"] = Scene.GravityValue;
    Controls["wallFriction"] = Scene.WallFrictionValue;
    Controls["airFriction"] = Scene.AirFrictionValue;
    Controls["drawForces"] = Scene.DrawForces;
    Controls["thick"] = Scene.Thick;
    Controls["gesture"] = GestureName(Scene.Gesture);

    TJson& Settings = Root["world"] = TJson::object();
    Settings["gravity"] = VectorJson(World.Gravity);
    Settings["force"] = VectorJson(World.Force);
    Settings["wallFriction"] = World.WallFriction;
    Settings["airFriction"] = World.AirFriction;
    Settings["timeStep"] = World.TimeStep;

    TJson& Walls = Root["walls"] = TJson::array();
    for (const TSegment& Wall : World.Walls) Walls.push_back(SegmentJson(Wall));
    TJson& Particles = Root["particles"] = TJson::array();
    for (const TParticle& P : World.Particles) {
        TJson Item = TJson::object();
        Item["pos"] = VectorJson(P.Pos);
        Item["oldPos"] = VectorJson(P.OldPos);
        Item["vel"] = VectorJson(P.Vel);
        Item["oldVel"] = VectorJson(P.OldVel);
        Item["path"] = SegmentJson(P.Path);
        Particles.push_back(std::move(Item));
    }
    std::string Text = Root.dump();
    Text += '\n';
    if (Text.size() > MaxSceneBytes) {
        Reason = "the scene would take " + std::to_string(Text.size()) + " bytes, more than the " +
                 std::to_string(MaxSceneBytes) + " a scene may have";
        return std::nullopt;
    }
    return Text;
}

std::optional<TScene> ReadScene(std::string_view Bytes, std::string& Reason)
{
    if (Bytes.size() > MaxSceneBytes) {
        Reason = "the file holds " + std::to_string(Bytes.size()) + " bytes, more than the " +
                 std::to_string(MaxSceneBytes) + " a scene may have";
        return std::nullopt;
    }
    try {
        return SceneFrom(TJson::parse(Bytes.begin(), Bytes.end()));
    } catch (const TRefusal& Refusal) {
        Reason = Refusal.what();
    } catch (const nlohmann::json::exception& Error) {
        // "[json.exception.parse_error.101] parse error at line 1, ...": the library's tag is left out.
        const std::string What = Error.what();
        const size_t Tag = What.find("] ");
        const std::string Said = Tag == std::string::npos ? What : What.substr(Tag + 2);
        if (dynamic_cast<const nlohmann::json::parse_error*>(&Error) != nullptr) Reason = "not JSON: " + Said;
        else if (dynamic_cast<const nlohmann::json::out_of_range*>(&Error) != nullptr) Reason = "a number does not fit: " + Said;
        else Reason = "not a scene: " + Said;
    } catch (const std::bad_alloc&) {
        Reason = "the scene is too large to read";
    }
    return std::nullopt;
}
