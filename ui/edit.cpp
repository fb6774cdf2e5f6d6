#include "ui/edit.h"

#include <algorithm>
#include <cstdint>

#include "input/input_state.h"
#include "draw/display.h"
#include "draw/surface.h"
#include "draw/text.h"
#include "sim/geometry/rounding.h"
#include "ui/hot_rect.h"
#include "ui/integer_text.h"
#include "ui/sheets.h"

namespace {

constexpr int CharWidth = 8; // pixels per character

// Pascal-style string editing with 1-based indices. Deleting outside
// 1 .. Length does nothing; inserting beyond the end appends, below 1
// inserts at the front.
void DeleteAt(std::string& S, int64_t Index, int64_t Count)
{
    if (Index < 1 || Index > static_cast<int64_t>(S.size()) || Count <= 0) return;
    S.erase(static_cast<size_t>(Index - 1), static_cast<size_t>(Count));
}

void InsertAt(std::string& S, int64_t Index, const std::string& Piece)
{
    const int64_t Position = std::clamp<int64_t>(Index - 1, 0, static_cast<int64_t>(S.size()));
    S.insert(static_cast<size_t>(Position), Piece);
}

int64_t Limited(int64_t Value, int64_t Low, int64_t High)
{
    if (Value > High) Value = High;
    if (Value < Low) Value = Low;
    return Value;
}

// The 1-based character index under the mouse (truncated towards zero).
int64_t MouseIndex(int64_t Left)
{
    return (int64_t{MouseX} + OriginX - Left + 3) / CharWidth;
}

// The edit as a frame works on it: the text and the three indices, held wide so
// that no step can overflow.
struct TEditWork {
    std::string Text;
    int64_t SelStart, SelEnd, Caret;
    int64_t MaxLength;
};

bool IsMovementOrDeletion(const std::string& Name)
{
    return Name == "Del" || Name == "Bksp" || Name == "Left" || Name == "Right";
}

// One key stroke, KeyName, on a focused field.
//
//  1. A selection is replaced: its characters Lo .. Hi go (N + 1 of them,
//     N = Hi - Lo) and an insertion point inside it moves to its start, one
//     after it moves back by the N + 1 characters that went.
//  2. Caret becomes the 1-based index of the character after the insertion
//     point.
//  3. Replacement: a typed name goes in at Caret. Movement and deletion keys
//     only delete the selection and leave the insertion point where it
//     began.
//  4. Otherwise by the key:
//       "Left"   Caret - 2  (one to the left as a count)
//       "Right"  unchanged  (one to the right)
//       "Del"    the character after the insertion point goes, Caret - 1
//       "Bksp"   the character before it goes, Caret - 2; a text shorter
//                than 2 becomes empty with Caret 1
//       other    the name goes in at Caret (the insertion point ends after it)
//  5. Caret is limited to 0 .. MaxLength and the selection collapses onto
//     it, after a replacement too: a highlight left standing over the new
//     text would make the next key delete characters nobody selected.
//  6. A stroke that leaves the text longer than MaxLength and longer than
//     it was is refused: text, caret and selection stay as they were, so a
//     full field never loses its last character to a key typed in its
//     middle. Any other stroke leaves the text cut to MaxLength characters
//     (a text made longer than its field keeps losing its end to deletions).
//
//  "Hello!", Caret 4, selection 1..4:  "X" -> "Xo!", Caret 1, no selection;
//  then "Y" -> "XYo!".
//  "Hello!", Caret 5, selection 1..2:  "z" -> "lloz!", Caret 4.
void ApplyKeyStroke(TEditWork& Work, const std::string& Name)
{
    const TEditWork Before = Work;
    bool Replacement = false;
    int64_t SelectionBegan = 0; // the insertion point before the selection, as a count
    if (Work.SelStart != Work.SelEnd) {
        const int64_t Lo = std::min(Work.SelStart, Work.SelEnd);
        const int64_t Hi = std::max(Work.SelStart, Work.SelEnd);
        const int64_t N = Hi - Lo;
        DeleteAt(Work.Text, Lo, N + 1);
        if (Lo <= Work.Caret && Work.Caret <= Hi)
            Work.Caret = Lo - 1;
        else if (Hi < Work.Caret)
            Work.Caret -= N + 1;
        Replacement = true;
        SelectionBegan = Lo - 1;
    }

    Work.Caret += 1;

    if (Replacement) {
        if (IsMovementOrDeletion(Name))
            Work.Caret = SelectionBegan;
        else
            InsertAt(Work.Text, Work.Caret, Name);
    } else if (Name == "Left") {
        Work.Caret -= 2;
    } else if (Name == "Right") {
        // the insertion point is one further right already
    } else if (Name == "Del") {
        DeleteAt(Work.Text, Work.Caret, 1);
        Work.Caret -= 1;
    } else if (Name == "Bksp") {
        if (Work.Text.size() >= 2) {
            DeleteAt(Work.Text, Work.Caret - 1, 1);
            Work.Caret -= 2;
        } else {
            Work.Text.clear();
            Work.Caret = 1;
        }
    } else {
        InsertAt(Work.Text, Work.Caret, Name);
    }
    Work.Caret = Limited(Work.Caret, 0, Work.MaxLength);
    Work.SelStart = Work.SelEnd = Work.Caret;

    const auto Length = static_cast<int64_t>(Work.Text.size());
    if (Length > Work.MaxLength && Length > static_cast<int64_t>(Before.Text.size())) {
        Work = Before;
        return;
    }
    if (Length > Work.MaxLength)
        Work.Text.resize(static_cast<size_t>(std::max<int64_t>(Work.MaxLength, 0)));
}

} // namespace

TEdit CreateEdit(int X, int Y, int MaxLength, const std::string& Text, int SelStart, int SelEnd, int Caret,
                 bool Numeric)
{
    TEdit E;
    E.Pos = MakeVector(X, Y);
    E.MaxLength = MaxLength;
    E.Text = Text;
    E.SelStart = SelStart;
    E.SelEnd = SelEnd;
    E.Caret = Caret;
    E.Numeric = Numeric;
    return E;
}

void DrawEdit(TEdit& E, double OffX, double OffY)
{
    const int64_t L = Round(Extended(E.Pos.X) + Extended(OffX));
    const int64_t T = Round(Extended(E.Pos.Y) + Extended(OffY));
    const int64_t W = int64_t{CharWidth} * E.MaxLength;

    DrawPiece(EditImage, EditLeftCap, L, T);
    DrawStretched(EditImage, EditMiddle, L + 2, T, W + 4, 1);
    DrawPiece(EditImage, EditRightCap, L + W + 6, T);

    // The highlight covers characters First .. Last; the caret mark is a
    // 9-pixel block over character SelStart.
    const int64_t Start = E.SelStart;
    const int64_t End = E.SelEnd;
    const Uint32 AlphaFlag = EditImage->flags & SDL_SRCALPHA;
    const Uint8 Alpha = EditImage->format->alpha;
    SDL_SetAlpha(EditImage, SDL_SRCALPHA, Alpha / 2);
    int64_t First = 0;
    int64_t Last = -1;
    if (End > Start) {
        First = CharWidth * (Start - 1) + 3;
        Last = CharWidth * End + 3;
    } else if (End < Start) {
        First = CharWidth * (End - 1) + 3;
        Last = CharWidth * Start + 3;
    } else if (E.Focused) {
        First = CharWidth * (Start - 1) + 3;
        Last = CharWidth * Start + 3;
    }
    DrawStretched(EditImage, EditSelection, L + First, T, Last - First + 1, 1);
    SDL_SetAlpha(EditImage, AlphaFlag, Alpha);

    const size_t Shown = static_cast<size_t>(std::max(E.MaxLength, 0));
    DrawText(BlitterCoord(L + 3), BlitterCoord(T + 3), MapColour(0, 0, 0), E.Text.substr(0, Shown), false, 0);
}

void UpdateEdit(TEdit& E, bool Active, double OffX, double OffY)
{
    TEditWork Work = {E.Text, E.SelStart, E.SelEnd, E.Caret, E.MaxLength};
    const int64_t Index = MouseIndex(Round(Extended(E.Pos.X) + Extended(OffX)));

    // Focus: a press on the text area of the focused window takes the
    // keyboard; a press anywhere else gives it up.
    const THotRect Hot = {ExtendedSum(E.Pos.X, OffX, 3), ExtendedSum(E.Pos.Y, OffY, 3),
                          ExtendedSum(E.Pos.X, OffX, static_cast<Extended>(CharWidth) * E.MaxLength),
                          ExtendedSum(E.Pos.Y, OffY, 22)};
    if (MouseOver(Hot) && MousePressed && Active) {
        E.Focused = true;
        Work.SelStart = Index;
    } else if (MousePressed) {
        E.Focused = false;
    }

    // Mouse selection, wherever the mouse goes while held.
    if (Active) {
        if (MouseHeld && E.Focused) Work.SelEnd = Index;
        if (MouseReleased && E.Focused) Work.Caret = Work.SelEnd < Work.SelStart ? Work.SelEnd - 1 : Work.SelEnd;
    }

    // Indices inside the text (all 0 for an empty text).
    const auto Length = static_cast<int64_t>(Work.Text.size());
    Work.SelStart = std::min(std::max<int64_t>(Work.SelStart, 1), Length);
    Work.SelEnd = std::min(std::max<int64_t>(Work.SelEnd, 1), Length);
    Work.Caret = std::max<int64_t>(std::min(Work.Caret, Length), 0);

    // The frame's key.
    if (E.Focused && KeyDown) ApplyKeyStroke(Work, KeyName);

    // The caret stays within the field, whatever the key did.
    Work.Caret = Limited(Work.Caret, 0, Work.MaxLength);

    // A numeric field keeps only texts that read as integers, rewritten
    // canonically; the indices move all the same.
    if (E.Numeric) {
        if (Work.Text.empty()) Work.Text = "0";
        if (Work.Text == "-") Work.Text = "-1";
        if (const std::optional<int> Value = ReadInteger(Work.Text)) E.Text = WriteInteger(*Value);
    } else {
        E.Text = Work.Text;
    }
    E.SelStart = static_cast<int>(Work.SelStart);
    E.SelEnd = static_cast<int>(Work.SelEnd);
    E.Caret = static_cast<int>(Work.Caret);
}
