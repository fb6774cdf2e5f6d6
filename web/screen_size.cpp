// The browser's side of the screen size seam (app/screen_size.h): the page
// sizes the picture itself, and there is no window to fit.
#include "app/screen_size.h"

bool ScreenSize(int&, int&) { return false; }
