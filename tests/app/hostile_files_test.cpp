// The built program against hostile image files and a log that cannot be
// written: every refusal is quick, names the file and the reason, and ends
// with exit code 1; lost log lines are told on standard error.
#include <gtest/gtest.h>

#include <regex>
#include <sys/stat.h>

#include "support/crafted_bmp.h"
#include "support/process.h"
#include "support/program_copy.h"

namespace fs = std::filesystem;

namespace {

// Runs the copy until it ends by itself (each case here ends at start-up),
// its files no longer than FileLimit bytes when that is set.
TProcessResult Start(const TProgramCopy& Copy, uint64_t FileLimit = 0)
{
    return RunProgram(Copy.Exe, Copy.Folder.Path(), false, {{}, {}, FileLimit});
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
        TProgramCopy Copy;
        Case.Bmp.WriteTo(Copy.Image(Case.File));
        const TProcessResult Result = Start(Copy);
        EXPECT_EQ(Result.ExitCode, 1) << Result.Errors;
        EXPECT_LT(Result.Seconds, 5.0);
        EXPECT_TRUE(LogsRefusal(ReadFile(Copy.LogFile), Case.File, Case.Reason));
    }
}

TEST(HostileFiles, MissingAndSpecialImagesGiveTheSystemsReason)
{
    TProgramCopy Copy;
    fs::remove(Copy.Image("mouse.bmp"));
    EXPECT_EQ(Start(Copy).ExitCode, 1);
    // A missing file sends the search on to the other folders; none has it.
    const std::string Log = ReadFile(Copy.LogFile);
    EXPECT_NE(Log.find("Couldn't find the images in any of: data/images (no mouse.bmp)"), std::string::npos) << Log;

    fs::create_directory(Copy.Image("mouse.bmp"));
    EXPECT_EQ(Start(Copy).ExitCode, 1);
    EXPECT_TRUE(LogsRefusal(ReadFile(Copy.LogFile), "mouse.bmp", "Is a directory IN"));
    fs::remove(Copy.Image("mouse.bmp"));

    fs::copy_file(SourceImages / "mouse.bmp", Copy.Image("mouse.bmp"));
    fs::remove(Copy.Image("spin.bmp"));
    ASSERT_EQ(mkfifo(Copy.Image("spin.bmp").c_str(), 0600), 0);
    const TProcessResult Fifo = Start(Copy);
    EXPECT_EQ(Fifo.ExitCode, 1) << "a FIFO in place of an image";
    EXPECT_LT(Fifo.Seconds, 5.0);
    EXPECT_TRUE(LogsRefusal(ReadFile(Copy.LogFile), "spin.bmp", "not a regular file but a FIFO IN"));
}

TEST(HostileFiles, ASpecialFileInPlaceOfTheLogIsRefusedWithoutBlocking)
{
    TProgramCopy Copy;
    ASSERT_EQ(mkfifo(Copy.LogFile.c_str(), 0600), 0);
    const TProcessResult Fifo = Start(Copy);
    EXPECT_EQ(Fifo.ExitCode, 1);
    EXPECT_LT(Fifo.Seconds, 5.0);
    EXPECT_NE(Fifo.Errors.find(Copy.LogFile.string() + ": not a regular file but a FIFO"), std::string::npos)
        << Fifo.Errors;

    fs::remove(Copy.LogFile);
    fs::create_symlink("/dev/full", Copy.LogFile);
    const TProcessResult Full = Start(Copy);
    EXPECT_EQ(Full.ExitCode, 1);
    EXPECT_NE(Full.Errors.find("not a regular file but a character device"), std::string::npos) << Full.Errors;
}

TEST(HostileFiles, ALogWhoseFirstLineCannotBeWrittenEndsTheProgram)
{
    TProgramCopy Copy;
    const TProcessResult Result = Start(Copy, 10); // the disk fills ten bytes into the first line
    EXPECT_EQ(Result.ExitCode, 1);
    EXPECT_EQ(Result.Errors.rfind("kalmot: cannot write log file " + Copy.LogFile.string() + ": File too large\n", 0), 0u)
        << Result.Errors;
}

TEST(HostileFiles, LaterLinesThatCannotBeWrittenAreToldOnceAndErrorsGoToStandardError)
{
    TProgramCopy Copy;
    fs::remove(Copy.Image("check.bmp"));
    fs::create_directory(Copy.Image("check.bmp"));
    const TProcessResult Result = Start(Copy, 100); // room for the first line only
    EXPECT_EQ(Result.ExitCode, 1) << "the run went on to its end";
    // (A sanitizer build adds its own report after these lines.)
    const std::string Notice = "kalmot: cannot write to log file " + Copy.LogFile.string() +
                               ": File too large; lines from here on may be missing from it\n";
    EXPECT_EQ(Result.Errors.find(Notice), 0u) << Result.Errors;
    EXPECT_EQ(Result.Errors.find(Notice, 1), std::string::npos) << "told once";
    const std::regex ErrorLine(R"(\nkalmot: \*\*\* ERROR \*\*\* : @ \d\d:\d\d:\d\d MSG : Couldn't load data/images/check.bmp : )"
                               "Is a directory IN : Initialize\n");
    EXPECT_TRUE(std::regex_search(Result.Errors, ErrorLine)) << Result.Errors;
    EXPECT_EQ(ReadFile(Copy.LogFile).rfind("STATUS INFO : @ ", 0), 0u) << "the first line is there";
}
