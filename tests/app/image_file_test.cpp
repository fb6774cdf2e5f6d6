// One image file opened, checked and decoded: the system's reason for what
// cannot be opened, special files refused without blocking, and only what
// passed the checks handed to SDL.
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

#include "app/image_file.h"
#include "support/crafted_bmp.h"
#include "support/files.h"

namespace fs = std::filesystem;

namespace {

const TImageBounds Cursor = {1, 1, 64, 64};

struct TRead {
    bool Ok;
    std::string Reason;
    size_t Size;
};

TRead Read(const fs::path& Path, const TImageBounds& Bounds = Cursor)
{
    std::string Reason;
    const std::optional<std::vector<uint8_t>> Bytes = ReadImageFile(Path.string(), Bounds, Reason);
    return {Bytes.has_value(), Reason, Bytes ? Bytes->size() : 0};
}

} // namespace

TEST(ImageFile, GivesTheSystemsReasonForWhatCannotBeOpened)
{
    TTempFolder Folder;
    const fs::path Bmp = Folder.Path() / "mouse.bmp";
    EXPECT_EQ(Read(Bmp).Reason, "No such file or directory");

    fs::create_directory(Bmp);
    EXPECT_EQ(Read(Bmp).Reason, "Is a directory");
    fs::remove(Bmp);

    fs::create_symlink("mouse.bmp", Bmp); // a link to itself
    EXPECT_EQ(Read(Bmp).Reason, "Too many levels of symbolic links");
    fs::remove(Bmp);

    TCraftedBmp{}.WriteTo(Bmp);
    EXPECT_EQ(Read(Bmp / "x").Reason, "Not a directory");
    if (geteuid() != 0) { // the superuser reads whatever the mode says
        fs::permissions(Bmp, fs::perms::none);
        EXPECT_EQ(Read(Bmp).Reason, "Permission denied");
    }
}

TEST(ImageFile, AFifoIsRefusedWithoutWaitingForAWriter)
{
    TTempFolder Folder;
    const fs::path Fifo = Folder.Path() / "font.bmp";
    ASSERT_EQ(mkfifo(Fifo.c_str(), 0600), 0);
    auto Reading = std::async(std::launch::async, [&] { return Read(Fifo); });
    if (Reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        close(open(Fifo.c_str(), O_WRONLY | O_NONBLOCK)); // lets the stuck open go
        FAIL() << "the read waited for a writer";
    }
    const TRead Result = Reading.get();
    EXPECT_FALSE(Result.Ok);
    EXPECT_EQ(Result.Reason, "not a regular file but a FIFO");
    EXPECT_EQ(Read("/dev/zero").Reason, "not a regular file but a character device");
}

TEST(ImageFile, AFileLargerThanItsPictureCanNeedIsNotRead)
{
    TTempFolder Folder;
    const fs::path Bmp = Folder.Path() / "mouse.bmp";
    TCraftedBmp Good = {.Width = 64, .Height = 64, .Bits = 32};
    Good.WriteTo(Bmp);
    EXPECT_TRUE(Read(Bmp).Ok);
    fs::resize_file(Bmp, MaxBmpFileBytes(Cursor) + 1); // trailing bytes beyond any use
    const TRead Large = Read(Bmp);
    EXPECT_FALSE(Large.Ok);
    EXPECT_NE(Large.Reason.find("more than the " + std::to_string(MaxBmpFileBytes(Cursor))), std::string::npos)
        << Large.Reason;
}

TEST(ImageFile, CheckedBytesAreDecodedAndTheRestIsRefusedBeforeDecoding)
{
    TTempFolder Folder;
    const fs::path Bmp = Folder.Path() / "mouse.bmp";
    TCraftedBmp{.Width = 12, .Height = 19}.WriteTo(Bmp);
    std::string Reason;
    const auto Bytes = ReadImageFile(Bmp.string(), Cursor, Reason);
    ASSERT_TRUE(Bytes) << Reason;
    EXPECT_EQ(Bytes->size(), fs::file_size(Bmp));
    SDL_Surface* Image = DecodeImage(*Bytes, Reason);
    ASSERT_NE(Image, nullptr) << Reason;
    EXPECT_EQ(Image->w, 12);
    EXPECT_EQ(Image->h, 19);
    SDL_FreeSurface(Image);

    TCraftedBmp{.Width = 12, .Height = 19, .PixelBytes = 100}.WriteTo(Bmp);
    EXPECT_NE(Read(Bmp).Reason.find("too few for its 12x19 pixels"), std::string::npos);

    // What only SDL knows to refuse carries SDL's reason.
    std::ofstream(Bmp, std::ios::binary) << "not a picture";
    const auto Text = ReadImageFile(Bmp.string(), Cursor, Reason);
    ASSERT_TRUE(Text);
    EXPECT_EQ(DecodeImage(*Text, Reason), nullptr);
    EXPECT_FALSE(Reason.empty());
}
