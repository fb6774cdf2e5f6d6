#include "support/files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

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

std::vector<std::string> ReadLines(const std::filesystem::path& Path)
{
    std::ifstream File(Path, std::ios::binary);
    std::vector<std::string> Lines;
    for (std::string Line; std::getline(File, Line);) Lines.push_back(Line);
    return Lines;
}
