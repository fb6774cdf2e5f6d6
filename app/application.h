#pragma once
// The program's main block: start-up, the loop over screens, shutdown.

// Runs the screen named by ScreenState until one of them stores the quit
// state.
void RunScreenLoop();

// The whole run: log, display, screens, shutdown. Returns the exit code:
// 0 after a normal end, 1 when the log or the display could not be opened.
int RunApplication();
