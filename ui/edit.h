#pragma once
// TEdit: a single-line text field with mouse selection, a block caret and
// editing by the key names of the input layer; optionally it holds only a
// canonical integer.
//
// Character indices are 1-based. SelStart = SelEnd means no selection;
// otherwise characters min .. max of the two are selected, both included.
// Caret counts the characters before the insertion point.

#include <string>

#include "sim/geometry/vector.h"

struct TEdit {
    TVector Pos;           // top-left corner, pixels from the window's content origin
    int MaxLength = 0;     // field width in characters; the longest text a key stroke leaves
    std::string Text;      // the content, Windows-1250
    int SelStart = 0;      // character index under the mouse when the press on the field began
    int SelEnd = 0;        // character index under the mouse while the button is held
    int Caret = 0;         // characters before the insertion point, 0 .. MaxLength
    bool Focused = false;  // the field has the keyboard
    bool Numeric = false;  // Text always holds a canonical integer
};

// An edit at (X, Y) with these values, not focused; Text is not cut to
// MaxLength.
TEdit CreateEdit(int X, int Y, int MaxLength, const std::string& Text, int SelStart, int SelEnd, int Caret,
                 bool Numeric);

// Frame, selection or caret mark at half the sheet's alpha, and the first
// MaxLength characters, offset by (OffX, OffY) display pixels. The field is
// 8 * MaxLength + 9 pixels wide and 22 high.
void DrawEdit(TEdit& E, double OffX, double OffY);

// Focus, mouse selection and at most one key stroke from this frame's input.
void UpdateEdit(TEdit& E, bool Active, double OffX, double OffY);
