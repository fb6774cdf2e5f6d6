#include "app/video_driver.h"

#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

TInitSdl InitSdlFunction = SDL_Init;
int RetryPauseMs = 100;

namespace {

const char* const DriverVariable = "SDL_VIDEODRIVER";

// The driver the first start chose; "" before it.
std::string ChosenDriver;

// The user's own SDL_VIDEODRIVER, if set to a name (SDL ignores an empty one).
std::optional<std::string> UserDriver()
{
    const char* Value = std::getenv(DriverVariable);
    if (Value == nullptr || *Value == '\0') return std::nullopt;
    return std::string(Value);
}

// Names Driver in SDL_VIDEODRIVER while it lives and then puts the user's
// own setting back, or removes it if there was none.
class TDriverRequest {
public:
    explicit TDriverRequest(const std::string& Driver)
    {
        if (Driver.empty()) return;
        if (const char* Old = std::getenv(DriverVariable)) Previous = Old;
        Set = true;
        setenv(DriverVariable, Driver.c_str(), 1);
    }
    ~TDriverRequest()
    {
        if (!Set) return;
        if (Previous)
            setenv(DriverVariable, Previous->c_str(), 1);
        else
            unsetenv(DriverVariable);
    }
    TDriverRequest(const TDriverRequest&) = delete;
    TDriverRequest& operator=(const TDriverRequest&) = delete;

private:
    bool Set = false;
    std::optional<std::string> Previous;
};

bool Named(const char* Variable)
{
    const char* Value = std::getenv(Variable);
    return Value != nullptr && *Value != '\0';
}

// One start; Reason says why it failed.
TTry TryStart(std::string& Reason)
{
    const bool Asked = !ChosenDriver.empty() || UserDriver().has_value();
    {
        const TDriverRequest Request(ChosenDriver);
        if (InitSdlFunction(SDL_INIT_VIDEO) == -1) {
            Reason = SDL_GetError();
            SDL_Quit();
            return TTry::Failed;
        }
    }
    const std::string Driver = RunningVideoDriver();
    if (!Asked && ShowsNothing(Driver)) {
        SDL_Quit();
        Reason = "no display (SDL fell back to its video driver \"" + Driver + "\", which shows nothing)";
        return Named("DISPLAY") || Named("WAYLAND_DISPLAY") ? TTry::Failed : TTry::FailedForGood;
    }
    return TTry::Succeeded;
}

} // namespace

bool ShowsNothing(const std::string& Driver) { return Driver == "offscreen" || Driver == "dummy" || Driver == "evdev"; }

std::string RunningVideoDriver()
{
    char Name[64] = {};
    return SDL_VideoDriverName(Name, sizeof Name) != nullptr ? std::string(Name) : std::string();
}

std::string StartSdlVideo()
{
    std::string Reason;
    if (!RetryBriefly([&] { return TryStart(Reason); })) return Reason;
    if (ChosenDriver.empty()) ChosenDriver = RunningVideoDriver();
    return "";
}

void ForgetVideoDriver()
{
    ChosenDriver.clear();
    InitSdlFunction = SDL_Init;
    RetryPauseMs = 100;
}

bool RetryBriefly(const std::function<TTry()>& Attempt)
{
    for (int Try = 1;; ++Try) {
        const TTry Result = Attempt();
        if (Result == TTry::Succeeded) return true;
        if (Result == TTry::FailedForGood || Try == StartAttempts) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(RetryPauseMs));
    }
}
