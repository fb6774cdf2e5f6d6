// The browser's side of the pause label's key (screen/pause.h): F5 reloads
// the page there, F8 pauses.
#include "screen/pause.h"

const char* PauseKeyName() { return "F8"; }
