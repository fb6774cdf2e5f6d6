#include "app/frame_loop.h"

#include <chrono>
#include <thread>

#include "app/pace.h"

namespace {

using TClock = std::chrono::steady_clock;

double Seconds(TClock::time_point At) { return std::chrono::duration<double>(At.time_since_epoch()).count(); }

TClock::time_point At(double Seconds)
{
    return TClock::time_point(std::chrono::duration_cast<TClock::duration>(std::chrono::duration<double>(Seconds)));
}

} // namespace

int RunFrames(TFrame Frame, TRunEnd End, bool Paced)
{
    if (!Paced) {
        while (Frame(1)) {
        }
        return End();
    }
    // A frame starts no earlier than its tick; the program sleeps between.
    TPaceClock Pace;
    for (;;) {
        const int Ticks = Pace.Start(Seconds(TClock::now()));
        if (!Frame(Ticks)) break;
        std::this_thread::sleep_until(At(Pace.NextTick()));
    }
    return End();
}
