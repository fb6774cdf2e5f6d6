#pragma once
// The line the top strip (top_strip.h) shows while a screen's world stands
// still because its control window has the focus: why nothing moves, and
// what lets it run again.

#include <string>

// The line, Windows-1250.
std::string FocusHoldLabel();
