#include "support/process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// True once the process catches SIGTERM, i.e. SDL has installed its handler.
bool CatchesTerm(pid_t Pid)
{
    std::ifstream Status("/proc/" + std::to_string(Pid) + "/status");
    for (std::string Line; std::getline(Status, Line);)
        if (Line.rfind("SigCgt:", 0) == 0) {
            const unsigned long long Mask = std::stoull(Line.substr(7), nullptr, 16);
            return (Mask >> (SIGTERM - 1)) & 1;
        }
    return false;
}

} // namespace

TProcessResult RunProgram(const std::filesystem::path& Executable, const std::filesystem::path& WorkingDir,
                          bool AskToQuit, const TRunRequest& Request)
{
    TTempFolder Scratch;
    const std::string ErrorsPath = (Scratch.Path() / "stderr").string();
    const std::string OutputPath = (Scratch.Path() / "stdout").string();
    const std::string StateHome = (Scratch.Path() / "state").string();
    std::vector<std::string> Arguments = {Executable.string()};
    Arguments.insert(Arguments.end(), Request.Arguments.begin(), Request.Arguments.end());
    std::vector<char*> Argv;
    for (std::string& Argument : Arguments) Argv.push_back(Argument.data());
    Argv.push_back(nullptr);

    const pid_t Pid = fork();
    if (Pid < 0) throw std::runtime_error("fork failed");
    if (Pid == 0) {
        const int Errors = open(ErrorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (Errors >= 0) dup2(Errors, STDERR_FILENO);
        const int Output = open(OutputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (Output >= 0) dup2(Output, STDOUT_FILENO);
        if (chdir(WorkingDir.c_str()) != 0) _exit(127);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("XDG_STATE_HOME", StateHome.c_str(), 1);
        for (const auto& [Name, Value] : Request.Environment) {
            if (Value.empty())
                unsetenv(Name.c_str());
            else
                setenv(Name.c_str(), Value.c_str(), 1);
        }
        execv(Executable.c_str(), Argv.data());
        _exit(127);
    }

    using Clock = std::chrono::steady_clock;
    const auto Deadline = Clock::now() + std::chrono::seconds(60);
    bool Asked = false;
    int Status = 0;
    for (;;) {
        const pid_t Done = waitpid(Pid, &Status, WNOHANG);
        if (Done == Pid) break;
        if (Clock::now() > Deadline) {
            kill(Pid, SIGKILL);
            waitpid(Pid, &Status, 0);
            return {-1, ReadFile(ErrorsPath), ReadFile(OutputPath)};
        }
        if (AskToQuit && !Asked && CatchesTerm(Pid)) {
            kill(Pid, SIGTERM);
            Asked = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    TProcessResult Result;
    Result.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
    Result.Errors = ReadFile(ErrorsPath);
    Result.Output = ReadFile(OutputPath);
    return Result;
}

TTempFolder::TTempFolder()
{
    char Template[] = "/tmp/kalmot-test-XXXXXX";
    if (mkdtemp(Template) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    Folder = Template;
}

TTempFolder::~TTempFolder()
{
    std::error_code Ignored;
    std::filesystem::remove_all(Folder, Ignored);
}

std::string ReadFile(const std::filesystem::path& Path)
{
    std::ifstream File(Path, std::ios::binary);
    std::ostringstream Text;
    Text << File.rdbuf();
    return Text.str();
}
