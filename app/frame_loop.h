#pragma once
// How the frames of a run are driven, the one place where the desktop and
// the browser differ in it. On the desktop a plain loop: Frame is called
// until it returns false, then End, whose exit code RunFrames returns. In
// the browser the page's display refresh calls Frame, one frame each time:
// RunFrames returns at once and End runs after the last frame (web/).
//
// Paced, both start a frame on the ticks of the pace's clock (app/pace.h)
// and tell Frame how many ticks it covers; unpaced, the frames come as fast
// as the machine draws them, each covering one tick.

using TFrame = bool (*)(int Ticks);
using TRunEnd = int (*)();

int RunFrames(TFrame Frame, TRunEnd End, bool Paced = true);
