#include "app/frame_loop.h"

int RunFrames(TFrame Frame, TRunEnd End)
{
    while (Frame()) {
    }
    return End();
}
