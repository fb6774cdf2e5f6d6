#pragma once
// Which folder the sprite sheets are read from. Kalmot runs from its source
// folder, from its build folder, from anywhere by its full path, and
// installed (also after the installed tree has been moved), so the sheets
// are looked for in several places and the first complete set wins.

#include <string>
#include <vector>

// The folder chosen at start-up; "data/images" (under the working
// directory) until then.
extern std::string ImageFolder;

// ImageFolder as before start-up.
void ResetImageFolder();

// The path of the sheet Name inside ImageFolder.
std::string ImagePath(const std::string& Name);

// The folders to look in, in order, with repeats left out: data/images
// under the working directory; data/images and ../data/images beside the
// executable at ExePath; ../share/kalmot/images beside it (a moved install);
// InstalledFolder (the install prefix's, fixed at build time) if not empty.
std::vector<std::string> ImageFolderCandidates(const std::string& ExePath, const std::string& InstalledFolder);

// The install prefix's image folder this program was built for.
std::string InstalledImageFolder();

// What a folder lacks for holding every file of Names: "" when each is
// there, else a short reason ("no such folder", "no mouse.bmp"). Whether a
// file that is there loads is checked when it is loaded.
std::string MissingFrom(const std::string& Folder, const std::vector<std::string>& Names);

// Sets ImageFolder to the first of Candidates holding every file of Names.
// When none does, writes one error line naming every folder tried (and
// what each lacks) to the log and to standard error, and returns false.
bool ChooseImageFolder(const std::vector<std::string>& Candidates, const std::vector<std::string>& Names);
