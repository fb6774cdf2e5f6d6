#include "screen/screen.h"

Uint8 ScreenState = StateMenu;

void ResetScreenState() { ScreenState = StateMenu; }
