// The edit: mouse selection and the key-stroke algorithm, and its caret on
// the display.
#include <gtest/gtest.h>

#include "draw/display.h"
#include "ui/edit.h"
#include "support/headless.h"
#include "ui_input.h"

namespace {

// The menu's edit at offset (100, 200): the field starts at L = 105, and
// character k lies under the pointer for x from 102 + 8k to 109 + 8k.
int CharX(int K) { return 104 + 8 * K; }

// One key stroke on a focused field: before, the key, after.
struct TStroke {
    const char* Text;
    int SelStart, SelEnd, Caret, MaxLength;
    bool Numeric;
    const char* Key; // nullptr: an update without a key
    const char* Result;
    int ResultCaret;
};

const TStroke Strokes[] = {
    {"Hello!", 1, 2, 5, 16, false, "z", "lloz!", 4},      // back by all N + 1 deleted characters
    {"Hello!", 2, 3, 4, 16, false, "Del", "Hlo!", 1},     // deletion keys only delete a selection,
    {"Hello!", 4, 2, 1, 16, false, "Bksp", "Ho!", 1},     // leaving the insertion point where it began
    {"Hello!", 2, 4, 4, 16, false, "Left", "Ho!", 1},
    {"Hello!", 2, 4, 0, 16, false, "Right", "Ho!", 1},
    {"Hello!", 3, 3, 3, 16, false, "Left", "Hello!", 2},
    {"Hello!", 3, 3, 3, 16, false, "Del", "Helo!", 3},
    {"Hello!", 3, 3, 3, 16, false, "Bksp", "Helo!", 2},
    {"Hello!", 3, 3, 3, 16, false, " ", "Hel lo!", 4},
    {"a", 1, 1, 0, 16, false, "Bksp", "", 1},             // one character goes wherever the caret is
    {"a", 1, 1, 1, 16, false, "Bksp", "", 1},
    {"Hello!", 1, 1, 0, 16, false, "Left", "Hello!", 0},
    {"Hello!", 6, 6, 6, 6, false, "Right", "Hello!", 6},
    {"Hello!", 2, 2, 2, 6, false, "x", "Hello!", 2},      // a full field refuses what would not fit,
    {"Hello!", 6, 6, 6, 6, false, "x", "Hello!", 6},      // at its end too,
    {"Hello!", 2, 3, 3, 6, false, "x", "Hxlo!", 2},       // but takes a replacement of a selection
    {"Hello!", 1, 1, 0, 4, false, "Del", "ello", 0},      // a text longer than its field is cut
    {"Hello!", 1, 1, 0, 4, false, "x", "Hello!", 0},      // and never made longer
    {"1000", 1, 1, 0, 4, true, "5", "1000", 0},
    {"", 0, 0, 0, 16, true, nullptr, "0", 0},
    {"-5", 2, 2, 2, 16, true, "Bksp", "-1", 1},
    {"12", 2, 2, 2, 16, true, "a", "12", 3},              // discarded, though the caret moved
    {"12", 0, 0, 0, 16, true, "x", "18", 1},              // "x12" is hexadecimal
};

} // namespace

TEST(Edit, KeyStrokes)
{
    for (const TStroke& S : Strokes) {
        ResetInput();
        TEdit E = CreateEdit(5, 5, S.MaxLength, S.Text, S.SelStart, S.SelEnd, S.Caret, S.Numeric);
        E.Focused = true;
        if (S.Key != nullptr) Key(S.Key);
        UpdateEdit(E, true, 100, 200);
        EXPECT_EQ(E.Text, S.Result) << S.Text << " + " << (S.Key ? S.Key : "nothing");
        EXPECT_EQ(E.Caret, S.ResultCaret) << S.Text << " + " << (S.Key ? S.Key : "nothing");
    }
}

TEST(Edit, TypingOverAMouseSelectionReplacesItOnceAndTheNextKeyInserts)
{
    ResetInput();
    TEdit E = CreateEdit(5, 5, 16, "Hello!", 0, 0, 0, false);
    const auto Update = [&E](bool Active = true) { UpdateEdit(E, Active, 100, 200); };
    const auto Indices = [&E] { return std::vector<int>({E.SelStart, E.SelEnd, E.Caret}); };
    Press(CharX(1), 215);
    Update(false);
    EXPECT_FALSE(E.Focused); // only in the focused window
    Update();
    Hold(CharX(4), 400); // the selection follows the pointer wherever it goes
    Update();
    Release(CharX(4), 400);
    Update();
    EXPECT_EQ(Indices(), std::vector<int>({1, 4, 4}));

    Key("X");
    Update();
    EXPECT_EQ(E.Text, "Xo!");
    EXPECT_EQ(Indices(), std::vector<int>({1, 1, 1})) << "no highlight left over the new text";
    Rest(0, 0);
    Update();
    EXPECT_EQ(Indices(), std::vector<int>({1, 1, 1}));
    Key("Y");
    Update();
    EXPECT_EQ(E.Text, "XYo!");
    EXPECT_EQ(E.Caret, 2);

    Press(500, 500);
    Update(false); // a press anywhere else gives the keyboard up, active or not
    EXPECT_FALSE(E.Focused);
}

TEST(Edit, TypingOverASelectionInTheMiddleKeepsTheRest)
{
    // "hello world", "ello" selected by the mouse, then "x" and "y".
    ResetInput();
    TEdit E = CreateEdit(5, 5, 16, "hello world", 0, 0, 0, false);
    const auto Update = [&E] { UpdateEdit(E, true, 100, 200); };
    Press(CharX(2), 215);
    Update();
    Hold(CharX(5), 215);
    Update();
    Release(CharX(5), 215);
    Update();
    for (const char* Name : {"x", "y"}) {
        Key(Name);
        Update();
    }
    EXPECT_EQ(E.Text, "hxy world");
    EXPECT_EQ(E.Caret, 3);
    EXPECT_EQ(E.SelStart, E.SelEnd);
}

TEST(Edit, CaretMarkIsANinePixelBlockOverItsCharacter)
{
    THeadless Program;
    // Row T + 1 (206) of the field, above the text, with and without focus.
    const auto TopRow = [](TEdit E) {
        SDL_FillRect(Screen, nullptr, MapColour(0, 0, 0));
        DrawEdit(E, 100, 200);
        std::vector<Uint32> Row;
        for (int X = 100; X < 250; ++X) Row.push_back(DisplayPixel(X, 206));
        return Row;
    };
    TEdit E = CreateEdit(5, 5, 16, "Hello!", 2, 2, 2, false);
    const std::vector<Uint32> Plain = TopRow(E);
    E.Focused = true;
    const std::vector<Uint32> Caret = TopRow(E);
    std::vector<int> Marked;
    for (size_t I = 0; I < Plain.size(); ++I)
        if (Plain[I] != Caret[I]) Marked.push_back(100 + static_cast<int>(I));
    EXPECT_EQ(Marked, (std::vector<int>{116, 117, 118, 119, 120, 121, 122, 123, 124})); // L + 11 .. L + 19
    EXPECT_EQ(EditImage->format->alpha, 255);
}
