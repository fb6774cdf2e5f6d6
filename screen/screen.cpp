#include "screen/screen.h"

Uint8 ScreenState = StateMenu;
