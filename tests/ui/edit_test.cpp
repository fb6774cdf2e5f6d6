// The edit: focus, mouse selection, the key-stroke algorithm and the numeric
// store, then the highlight on the display.
#include <gtest/gtest.h>

#include "draw/display.h"
#include "ui/edit.h"
#include "support/headless.h"
#include "ui_input.h"

namespace {

// The menu's edit at offset (100, 200): the field starts at L = 105, its
// text area (the hot rectangle) is (108, 208)-(233, 227), and character k
// lies under the pointer for x from 102 + 8k to 109 + 8k.
constexpr double OffX = 100;
constexpr double OffY = 200;
int CharX(int K) { return 104 + 8 * K; }
constexpr int FieldY = 215;

class EditTest : public ::testing::Test {
protected:
    TEdit E = CreateEdit(5, 5, 16, "Hello!", 0, 0, 0, false);
    void SetUp() override { ResetInput(); }
    void Update(bool Active = true) { UpdateEdit(E, Active, OffX, OffY); }
    // A focused field with these indices, as a mouse selection leaves it.
    void Focus(const std::string& Text, int SelStart, int SelEnd, int Caret, int MaxLength = 16)
    {
        E = CreateEdit(5, 5, MaxLength, Text, SelStart, SelEnd, Caret, E.Numeric);
        E.Focused = true;
    }
    void Type(const std::string& Name)
    {
        Key(Name);
        Update();
    }
};

} // namespace

TEST_F(EditTest, PressOnTheTextAreaTakesTheKeyboardAndAnyOtherPressGivesItUp)
{
    Press(CharX(2), FieldY);
    Update(false);
    EXPECT_FALSE(E.Focused); // only in the focused window

    Press(CharX(2), FieldY);
    Update();
    EXPECT_TRUE(E.Focused);
    EXPECT_EQ(E.SelStart, 2);
    Release(CharX(2), FieldY);
    Update();
    EXPECT_EQ(E.Caret, 2);

    Press(500, 500);
    Update(false); // even from an inactive window
    EXPECT_FALSE(E.Focused);
    Type("x");
    EXPECT_EQ(E.Text, "Hello!");
}

TEST_F(EditTest, DraggingSelectsAndPutsTheCaretAtTheEndOfTheDrag)
{
    Press(CharX(4), FieldY);
    Update();
    Hold(CharX(2), 400); // the selection follows the pointer wherever it goes
    Update();
    EXPECT_EQ(E.SelStart, 4);
    EXPECT_EQ(E.SelEnd, 2);
    Release(CharX(2), 400);
    Update();
    EXPECT_EQ(E.Caret, 1); // a backward selection leaves the caret before its first character

    Press(CharX(1), FieldY);
    Update();
    Hold(600, FieldY); // far past the text: bounded to its length
    Update();
    EXPECT_EQ(E.SelEnd, 6);
    Release(600, FieldY);
    Update();
    EXPECT_EQ(E.Caret, 6);
}

TEST_F(EditTest, TypingReplacesTheSelectionAndKeepsItsPositions)
{
    Press(CharX(1), FieldY);
    Update();
    Hold(CharX(4), FieldY);
    Update();
    Release(CharX(4), FieldY);
    Update();
    ASSERT_EQ(E.SelStart, 1);
    ASSERT_EQ(E.SelEnd, 4);
    ASSERT_EQ(E.Caret, 4);

    Type("X");
    EXPECT_EQ(E.Text, "Xo!");
    EXPECT_EQ(E.SelStart, 1);
    EXPECT_EQ(E.SelEnd, 4);
    EXPECT_EQ(E.Caret, 1);
    Rest(CharX(4), FieldY);
    Update();
    EXPECT_EQ(E.SelEnd, 3); // the highlight now covers characters 1 to 3

    Type("Y");
    EXPECT_EQ(E.Text, "Y");
}

TEST_F(EditTest, ReplacingASelectionBeforeTheCaretMovesItBackByAllDeletedCharacters)
{
    Focus("Hello!", 1, 2, 5);
    Type("z");
    EXPECT_EQ(E.Text, "lloz!");
    EXPECT_EQ(E.Caret, 4);

    Focus("Hello!", 2, 3, 4); // the caret right after the selection
    Type("Del");              // movement and deletion keys only delete it
    EXPECT_EQ(E.Text, "Hlo!");
    EXPECT_EQ(E.Caret, 3); // left as the index after the insertion point
}

TEST_F(EditTest, KeysMoveAndDeleteAroundTheCaret)
{
    Focus("Hello!", 3, 3, 3);
    Type("Left");
    EXPECT_EQ(E.Caret, 2);
    EXPECT_EQ(E.SelStart, 2);
    EXPECT_EQ(E.SelEnd, 2);
    Type("Right");
    EXPECT_EQ(E.Caret, 3);
    Type("Del");
    EXPECT_EQ(E.Text, "Helo!");
    EXPECT_EQ(E.Caret, 3);
    Type("Bksp");
    EXPECT_EQ(E.Text, "Heo!");
    EXPECT_EQ(E.Caret, 2);
    Type("a");
    EXPECT_EQ(E.Text, "Heao!");
    EXPECT_EQ(E.Caret, 3);
    Type(" ");
    EXPECT_EQ(E.Text, "Hea o!");

    Focus("Hello!", 1, 1, 0);
    Type("Bksp"); // nothing before the caret
    EXPECT_EQ(E.Text, "Hello!");
    EXPECT_EQ(E.Caret, 0);
}

TEST_F(EditTest, CaretStopsAtBothEnds)
{
    Focus("Hello!", 1, 1, 0);
    Type("Left");
    EXPECT_EQ(E.Caret, 0);
    Focus("Hello!", 6, 6, 6, 6);
    Type("Right");
    EXPECT_EQ(E.Caret, 6);
}

TEST_F(EditTest, BackspaceOnOneCharacterEmptiesItWhereverTheCaretIs)
{
    for (int Caret : {0, 1}) {
        Focus("a", 1, 1, Caret);
        Type("Bksp");
        EXPECT_EQ(E.Text, "") << Caret;
        EXPECT_EQ(E.Caret, 1) << Caret;
        Rest(0, 0);
        Update();
        EXPECT_EQ(E.Caret, 0) << Caret;
    }
}

TEST_F(EditTest, FullFieldCutsTheLastCharacterOff)
{
    Focus("Hello!", 2, 2, 2, 6);
    Type("x");
    EXPECT_EQ(E.Text, "Hexllo");
    EXPECT_EQ(E.Caret, 3);
}

TEST_F(EditTest, LongTextFromCreateIsShownCutButKeptUntilAKey)
{
    E = CreateEdit(5, 5, 3, "Hello!", 0, 0, 0, false);
    Rest(0, 0);
    Update();
    EXPECT_EQ(E.Text, "Hello!");
    EXPECT_EQ(E.SelStart, 1);
    E.Focused = true;
    Type("Right");
    EXPECT_EQ(E.Text, "Hel");
}

TEST_F(EditTest, NumericFieldStoresOnlyCanonicalIntegers)
{
    E.Numeric = true;
    Focus("", 0, 0, 0);
    Rest(0, 0);
    Update();
    EXPECT_EQ(E.Text, "0");

    Focus("-5", 2, 2, 2);
    Type("Bksp");
    EXPECT_EQ(E.Text, "-1");

    Focus("12", 2, 2, 2);
    Type("a");
    EXPECT_EQ(E.Text, "12");
    EXPECT_EQ(E.Caret, 3); // the stroke is discarded, the caret moved all the same

    Focus("12", 0, 0, 0);
    Type("0");
    EXPECT_EQ(E.Text, "12"); // "012" is 12
    Focus("12", 2, 2, 2);
    Type("x"); // "12x" is no number; "x12" would be hexadecimal
    EXPECT_EQ(E.Text, "12");
    Focus("12", 0, 0, 0);
    Type("x");
    EXPECT_EQ(E.Text, "18");
}

namespace {

class EditLook : public ::testing::Test {
protected:
    THeadless Program;
    void SetUp() override { ResetInput(); }

    // Row T + 1 of the field, where the text never reaches.
    std::vector<Uint32> TopRow(TEdit E)
    {
        SDL_FillRect(Screen, nullptr, MapColour(0, 0, 0));
        DrawEdit(E, OffX, OffY);
        std::vector<Uint32> Row;
        for (int X = 100; X < 250; ++X) Row.push_back(DisplayPixel(X, 206));
        return Row;
    }
};

// Columns (from 100) where two renderings differ.
std::vector<int> Differences(const std::vector<Uint32>& A, const std::vector<Uint32>& B)
{
    std::vector<int> Columns;
    for (size_t I = 0; I < A.size(); ++I)
        if (A[I] != B[I]) Columns.push_back(100 + static_cast<int>(I));
    return Columns;
}

std::vector<int> Span(int First, int Last)
{
    std::vector<int> Columns;
    for (int X = First; X <= Last; ++X) Columns.push_back(X);
    return Columns;
}

} // namespace

TEST_F(EditLook, CaretMarkIsANinePixelBlockOverItsCharacter)
{
    TEdit E = CreateEdit(5, 5, 16, "Hello!", 2, 2, 2, false);
    const std::vector<Uint32> Plain = TopRow(E);
    E.Focused = true;
    // L + 8 (2 - 1) + 3 .. L + 8 * 2 + 3
    EXPECT_EQ(Differences(Plain, TopRow(E)), Span(116, 124));
    EXPECT_EQ(EditImage->format->alpha, 255); // restored after the highlight
}

TEST_F(EditLook, SelectionCoversItsCharactersEitherWay)
{
    TEdit E = CreateEdit(5, 5, 16, "Hello!", 2, 4, 2, false);
    const std::vector<Uint32> Forward = TopRow(E);
    E.SelStart = 4;
    E.SelEnd = 2;
    EXPECT_EQ(TopRow(E), Forward);
    E.SelEnd = 4;
    EXPECT_EQ(Differences(TopRow(E), Forward), Span(116, 140)); // L + 11 .. L + 35
}

TEST_F(EditLook, FieldIsEightPixelsPerCharacterPlusNine)
{
    TEdit E = CreateEdit(5, 5, 16, "", 0, 0, 0, false);
    const std::vector<Uint32> Row = TopRow(E);
    const Uint32 Black = MapColour(0, 0, 0);
    EXPECT_EQ(Row[105 - 100 - 1], Black);
    EXPECT_NE(Row[105 - 100], Black);
    EXPECT_NE(Row[105 + 136 - 100], Black); // L + W + 8
    EXPECT_EQ(Row[105 + 137 - 100], Black);
}
