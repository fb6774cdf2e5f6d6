// The built program against hostile image files and a log that cannot be
// written: every refusal is quick, names the file and the reason, and ends
// with exit code 1; lost log lines are told on standard error.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <regex>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/crafted_bmp.h"
#include "support/process.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// A copy of the program in a folder of its own, with the images beside it.
struct TCopy {
    TTempFolder Folder;
    fs::path Exe = Folder.Path() / "kalmot";
    fs::path LogFile = Folder.Path() / "kalmot.log";

    TCopy()
    {
        fs::copy_file(KALMOT_EXECUTABLE, Exe);
        fs::create_directories(Folder.Path() / "data");
        fs::copy(fs::path(KALMOT_SOURCE_DIR) / "data" / "images", Folder.Path() / "data" / "images",
                 fs::copy_options::recursive);
    }
    fs::path Image(const std::string& Name) const { return Folder.Path() / "data" / "images" / Name; }
    std::string Log() const { return ReadFile(LogFile); }
};

struct TRun {
    int ExitCode = -1;      // -1: killed after the deadline
    std::string Errors;     // standard error
    double Seconds = 0;
};

// Runs the copy until it ends by itself (each case here ends at start-up),
// its standard error through a pipe, its files no longer than FileLimit
// bytes when that is set.
TRun Start(const TCopy& Copy, rlim_t FileLimit = RLIM_INFINITY)
{
    int Pipe[2];
    if (pipe(Pipe) != 0) return {};
    const auto Start = Clock::now();
    const pid_t Pid = fork();
    if (Pid == 0) {
        dup2(Pipe[1], STDERR_FILENO);
        close(Pipe[0]);
        close(Pipe[1]);
        if (chdir(Copy.Folder.Path().c_str()) != 0) _exit(127);
        signal(SIGXFSZ, SIG_IGN); // an over-long write fails instead of ending the process
        const rlimit Limit = {FileLimit, FileLimit};
        setrlimit(RLIMIT_FSIZE, &Limit);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        execl(Copy.Exe.c_str(), Copy.Exe.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(Pipe[1]);
    TRun Result;
    const auto Deadline = Start + std::chrono::seconds(30);
    for (;;) {
        pollfd Wait = {Pipe[0], POLLIN, 0};
        if (poll(&Wait, 1, 100) > 0) {
            char Buffer[4096];
            const ssize_t Got = read(Pipe[0], Buffer, sizeof Buffer);
            if (Got <= 0) break; // the program has ended (or closed its standard error)
            Result.Errors.append(Buffer, static_cast<size_t>(Got));
        }
        if (Clock::now() > Deadline) {
            kill(Pid, SIGKILL);
            break;
        }
    }
    close(Pipe[0]);
    int Status = 0;
    waitpid(Pid, &Status, 0);
    Result.Seconds = std::chrono::duration<double>(Clock::now() - Start).count();
    Result.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
    return Result;
}

// The log's error line for File, with its reason.
::testing::AssertionResult LogsRefusal(const std::string& Log, const std::string& File, const std::string& Reason)
{
    const std::string Line = "MSG : Couldn't load data/images/" + File + " : " + Reason;
    if (Log.find(Line) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no \"" << Line << "\" in the log:\n" << Log;
}

} // namespace

TEST(HostileFiles, ImagesClaimingHugePicturesAreRefusedAtOnce)
{
    struct TCase {
        std::string File;
        TCraftedBmp Bmp;
        std::string Reason;
    };
    const TCase Cases[] = {
        {"mouse.bmp", {.Width = 4000, .Height = 4000, .Bits = 8, .Compression = 1, .PixelBytes = 10},
         "the image claims 4000x4000 pixels, more than the 64x64"},
        {"empty.bmp", {.Width = 8, .Height = -268435448, .PixelBytes = 36}, "the image claims 8x-268435448 pixels"},
        {"font.bmp", {.Width = 65544, .Height = 65544, .Bits = 32, .PixelBytes = 31},
         "the image claims 65544x65544 pixels, more than the 1808x64"},
        {"button.bmp", {.Width = 7, .Height = 14, .PixelBytes = 100}, "the file holds 154 bytes, too few for its 7x14 pixels at 24 bits (390 needed)"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.File);
        TCopy Copy;
        Case.Bmp.WriteTo(Copy.Image(Case.File));
        const TRun Result = Start(Copy);
        EXPECT_EQ(Result.ExitCode, 1) << Result.Errors;
        EXPECT_LT(Result.Seconds, 5.0);
        EXPECT_TRUE(LogsRefusal(Copy.Log(), Case.File, Case.Reason));
    }
}

TEST(HostileFiles, MissingAndSpecialImagesGiveTheSystemsReason)
{
    TCopy Copy;
    fs::remove(Copy.Image("mouse.bmp"));
    EXPECT_EQ(Start(Copy).ExitCode, 1);
    // A missing file sends the search on to the other folders; none has it.
    EXPECT_NE(Copy.Log().find("Couldn't find the images in any of: data/images (no mouse.bmp)"), std::string::npos)
        << Copy.Log();

    fs::create_directory(Copy.Image("mouse.bmp"));
    EXPECT_EQ(Start(Copy).ExitCode, 1);
    EXPECT_TRUE(LogsRefusal(Copy.Log(), "mouse.bmp", "Is a directory IN"));
    fs::remove(Copy.Image("mouse.bmp"));

    fs::copy_file(fs::path(KALMOT_SOURCE_DIR) / "data/images/mouse.bmp", Copy.Image("mouse.bmp"));
    fs::remove(Copy.Image("spin.bmp"));
    ASSERT_EQ(mkfifo(Copy.Image("spin.bmp").c_str(), 0600), 0);
    const TRun Fifo = Start(Copy);
    EXPECT_EQ(Fifo.ExitCode, 1) << "a FIFO in place of an image";
    EXPECT_LT(Fifo.Seconds, 5.0);
    EXPECT_TRUE(LogsRefusal(Copy.Log(), "spin.bmp", "not a regular file but a FIFO IN"));
}

TEST(HostileFiles, ASpecialFileInPlaceOfTheLogIsRefusedWithoutBlocking)
{
    TCopy Copy;
    ASSERT_EQ(mkfifo(Copy.LogFile.c_str(), 0600), 0);
    const TRun Fifo = Start(Copy);
    EXPECT_EQ(Fifo.ExitCode, 1);
    EXPECT_LT(Fifo.Seconds, 5.0);
    EXPECT_NE(Fifo.Errors.find(Copy.LogFile.string() + ": not a regular file but a FIFO"), std::string::npos)
        << Fifo.Errors;

    fs::remove(Copy.LogFile);
    fs::create_symlink("/dev/full", Copy.LogFile);
    const TRun Full = Start(Copy);
    EXPECT_EQ(Full.ExitCode, 1);
    EXPECT_NE(Full.Errors.find("not a regular file but a character device"), std::string::npos) << Full.Errors;
}

TEST(HostileFiles, ALogWhoseFirstLineCannotBeWrittenEndsTheProgram)
{
    TCopy Copy;
    const TRun Result = Start(Copy, 10); // the disk fills ten bytes into the first line
    EXPECT_EQ(Result.ExitCode, 1);
    EXPECT_EQ(Result.Errors.rfind("kalmot: cannot write log file " + Copy.LogFile.string() + ": File too large\n", 0), 0u)
        << Result.Errors;
}

TEST(HostileFiles, LaterLinesThatCannotBeWrittenAreToldOnceAndErrorsGoToStandardError)
{
    TCopy Copy;
    fs::remove(Copy.Image("check.bmp"));
    fs::create_directory(Copy.Image("check.bmp"));
    const TRun Result = Start(Copy, 100); // room for the first line only
    EXPECT_EQ(Result.ExitCode, 1) << "the run went on to its end";
    // (A sanitizer build adds its own report after these lines.)
    const std::string Notice = "kalmot: cannot write to log file " + Copy.LogFile.string() +
                               ": File too large; lines from here on may be missing from it\n";
    EXPECT_EQ(Result.Errors.find(Notice), 0u) << Result.Errors;
    EXPECT_EQ(Result.Errors.find(Notice, 1), std::string::npos) << "told once";
    const std::regex ErrorLine(R"(\nkalmot: \*\*\* ERROR \*\*\* : @ \d\d:\d\d:\d\d MSG : Couldn't load data/images/check.bmp : )"
                               "Is a directory IN : Initialize\n");
    EXPECT_TRUE(std::regex_search(Result.Errors, ErrorLine)) << Result.Errors;
    EXPECT_EQ(Copy.Log().rfind("STATUS INFO : @ ", 0), 0u) << "the first line is there";
}
