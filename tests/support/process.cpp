#include "support/process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/files.h"

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

// In the child, before exec: its output into the pipes, its folder, its
// file size limit and its environment.
void PrepareChild(const int (&ErrorPipe)[2], const int (&OutputPipe)[2], const std::filesystem::path& WorkingDir,
                  const TRunRequest& Request, const std::string& StateHome)
{
    dup2(ErrorPipe[1], STDERR_FILENO);
    dup2(OutputPipe[1], STDOUT_FILENO);
    for (const int End : {ErrorPipe[0], ErrorPipe[1], OutputPipe[0], OutputPipe[1]}) close(End);
    if (chdir(WorkingDir.c_str()) != 0) _exit(127);
    if (Request.FileSizeLimit > 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlim_t Bytes = static_cast<rlim_t>(Request.FileSizeLimit);
        const rlimit Limit = {Bytes, Bytes};
        setrlimit(RLIMIT_FSIZE, &Limit);
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("XDG_STATE_HOME", StateHome.c_str(), 1);
    for (const auto& [Name, Value] : Request.Environment) {
        if (Value.empty())
            unsetenv(Name.c_str());
        else
            setenv(Name.c_str(), Value.c_str(), 1);
    }
}

} // namespace

TProcessResult RunProgram(const std::filesystem::path& Executable, const std::filesystem::path& WorkingDir,
                          bool AskToQuit, const TRunRequest& Request)
{
    TTempFolder Scratch;
    const std::string StateHome = (Scratch.Path() / "state").string();
    std::vector<std::string> Arguments = {Executable.string()};
    Arguments.insert(Arguments.end(), Request.Arguments.begin(), Request.Arguments.end());
    std::vector<char*> Argv;
    for (std::string& Argument : Arguments) Argv.push_back(Argument.data());
    Argv.push_back(nullptr);

    int ErrorPipe[2], OutputPipe[2];
    if (pipe(ErrorPipe) != 0) throw std::runtime_error("pipe failed");
    if (pipe(OutputPipe) != 0) throw std::runtime_error("pipe failed");
    using Clock = std::chrono::steady_clock;
    const auto Start = Clock::now();
    const pid_t Pid = fork();
    if (Pid < 0) throw std::runtime_error("fork failed");
    if (Pid == 0) {
        PrepareChild(ErrorPipe, OutputPipe, WorkingDir, Request, StateHome);
        execv(Executable.c_str(), Argv.data());
        _exit(127);
    }
    close(ErrorPipe[1]);
    close(OutputPipe[1]);

    // Both pipes are read as the program writes, so it never blocks on a
    // full one, until it has ended.
    TProcessResult Result;
    pollfd Ends[2] = {{ErrorPipe[0], POLLIN, 0}, {OutputPipe[0], POLLIN, 0}};
    std::string* Into[2] = {&Result.Errors, &Result.Output};
    bool Asked = false, Killed = false;
    int Status = 0;
    for (;;) {
        if (poll(Ends, 2, 10) > 0)
            for (int I = 0; I < 2; ++I) {
                if (Ends[I].revents == 0) continue;
                char Buffer[4096];
                const ssize_t Got = read(Ends[I].fd, Buffer, sizeof Buffer);
                if (Got > 0) {
                    Into[I]->append(Buffer, static_cast<size_t>(Got));
                } else {
                    close(Ends[I].fd);
                    Ends[I].fd = -1; // poll passes over it from now on
                }
            }
        if (Ends[0].fd < 0 && Ends[1].fd < 0 && waitpid(Pid, &Status, WNOHANG) == Pid) break;
        if (!Killed && Clock::now() - Start > std::chrono::seconds(60)) {
            kill(Pid, SIGKILL);
            Killed = true;
        }
        if (AskToQuit && !Asked && CatchesTerm(Pid)) {
            kill(Pid, SIGTERM);
            Asked = true;
        }
    }
    Result.Seconds = std::chrono::duration<double>(Clock::now() - Start).count();
    Result.ExitCode = !Killed && WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
    return Result;
}
