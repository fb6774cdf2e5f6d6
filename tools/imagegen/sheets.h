#pragma once
// Every image the program loads, drawn in code. Each sheet has exactly the
// size its cells need; the cell layouts are the ones the widgets read.

#include "canvas.h"
#include "psf_font.h"

// The pointer: an arrow whose tip, the hot spot, is the top-left pixel.
TCanvas MakeCursorSheet();
// 904x32: the 112 glyphs of FontCharset, regular above and bold below.
// Throws std::runtime_error naming any character a font lacks.
TCanvas MakeFontSheet(const TPsfFont& Regular, const TPsfFont& Bold);
// 7x14: the nine-slice block of a button, normal above and pressed below.
TCanvas MakeButtonSheet();
// 39x26: check box cells, idle / hover / pressed across, unchecked / checked down.
TCanvas MakeCheckSheet();
// 39x26: radio box cells, laid out as the check box cells.
TCanvas MakeRadioSheet();
// 35x27: the window frame, cut at column 6 and row 23.
TCanvas MakeWindowSheet();
// 8x22: edit caps and middle, then the selection column.
TCanvas MakeEditSheet();
// 45x22: spin arrows, idle / hover / pressed across, up / down.
TCanvas MakeSpinSheet();
// 17x17: progress bar caps and middle, then the fill block.
TCanvas MakeProgressSheet();
// A plain surface the fire paints one pixel at a time.
TCanvas MakeEmptySheet();

// The desktop icon, Size x Size: a miniature window over a funnel and a fire.
TCanvas MakeIcon(int Size);
