// Draws every image the program loads and writes them as BMP files.
//
//   kalmot_imagegen <out-dir> [<font-dir>]
//   kalmot_imagegen --icon <size> <file.png>
//
// <font-dir> holds the Terminus console fonts (Debian's console-setup-linux
// package installs them in /usr/share/consolefonts, the default).

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <filesystem>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "png_writer.h"
#include "sheets.h"

namespace {

constexpr const char* DefaultFontDirectory = "/usr/share/consolefonts";
constexpr const char* RegularFont = "Lat2-Terminus16.psf.gz";
constexpr const char* BoldFont = "Lat2-TerminusBold16.psf.gz";

struct TImage {
    const char* FileName;
    TCanvas Sheet;
};

int Run(const std::filesystem::path& OutDirectory, const std::filesystem::path& FontDirectory)
{
    const TPsfFont Regular = TPsfFont::Load((FontDirectory / RegularFont).string());
    const TPsfFont Bold = TPsfFont::Load((FontDirectory / BoldFont).string());
    // Everything is drawn before anything is written, so a failure leaves
    // the previous set of images whole.
    const std::vector<TImage> Images = {
        {"mouse.bmp", MakeCursorSheet()},
        {"font.bmp", MakeFontSheet(Regular, Bold)},
        {"button.bmp", MakeButtonSheet()},
        {"check.bmp", MakeCheckSheet()},
        {"radio.bmp", MakeRadioSheet()},
        {"window.bmp", MakeWindowSheet()},
        {"edit.bmp", MakeEditSheet()},
        {"spin.bmp", MakeSpinSheet()},
        {"progress.bmp", MakeProgressSheet()},
        {"empty.bmp", MakeEmptySheet()},
    };
    std::filesystem::create_directories(OutDirectory);
    for (const TImage& Image : Images) {
        const std::filesystem::path Path = OutDirectory / Image.FileName;
        WriteBmp(Image.Sheet, Path.string());
        std::printf("%s %dx%d\n", Path.string().c_str(), Image.Sheet.Width(), Image.Sheet.Height());
    }
    return 0;
}

int WriteIcon(const std::string& SizeText, const std::string& Path)
{
    const int Size = std::stoi(SizeText);
    if (Size < 16 || Size > 1024) throw std::runtime_error("icon size " + SizeText + " is not within 16..1024");
    WritePng(MakeIcon(Size), Path);
    return 0;
}

} // namespace

int main(int Argc, char** Argv)
{
    const bool Icon = Argc == 4 && std::string(Argv[1]) == "--icon";
    if (!Icon && (Argc < 2 || Argc > 3)) {
        std::fprintf(stderr, "usage: %s <out-dir> [<font-dir>]\n       %s --icon <size> <file.png>\n", Argv[0],
                     Argv[0]);
        return 2;
    }
    try {
        if (Icon) return WriteIcon(Argv[2], Argv[3]);
        return Run(Argv[1], Argc == 3 ? Argv[2] : DefaultFontDirectory);
    } catch (const std::exception& Error) {
        std::fprintf(stderr, "%s: %s\n", Argv[0], Error.what());
        return 1;
    }
}
