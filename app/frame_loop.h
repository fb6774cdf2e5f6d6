#pragma once
// How the frames of a run are driven, the one place where the desktop and
// the browser differ in it. On the desktop a plain loop: Frame is called
// until it returns false, then End, whose exit code RunFrames returns. In
// the browser the page's display refresh calls Frame, one frame each time:
// RunFrames returns at once and End runs after the last frame (web/).

using TFrame = bool (*)();
using TRunEnd = int (*)();

int RunFrames(TFrame Frame, TRunEnd End);
