// The desktop's side of the pause label's key (pause.h).
#include "screen/pause.h"

const char* PauseKeyName() { return "F5"; }
