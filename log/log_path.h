#pragma once
// Where the log file goes: beside the running executable, or, where that
// folder cannot be written, in the user's state folder. A program running
// from an installed tree logs to the state folder alone: its folder is a
// system one (/usr/bin) even where it can be written, as by root.

#include <string>

// The full path of the running executable, as the system reports it.
std::string RunningExecutablePath();

// Where the executable at ExePath logs: its directory, its name with a
// four-character extension (".exe") replaced, or with none appended, + ".log".
std::string LogPathFor(const std::string& ExePath);

// $XDG_STATE_HOME/kalmot/kalmot.log, with ~/.local/state standing in for
// XDG_STATE_HOME when it is unset, empty or not an absolute path. Empty when
// not even a home folder is known.
std::string FallbackLogPath();

// Whether the executable at ExePath runs from an installed tree: its
// images lie in ../share/kalmot/images beside it.
bool RunsFromInstalledTree(const std::string& ExePath);

// Creates the folders above the file at Path that do not exist yet (new
// ones readable by the user alone). Returns "" on success, else the reason.
std::string MakeParentFolders(const std::string& Path);
