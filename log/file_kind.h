#pragma once
// Files that are not regular files (FIFOs, devices, sockets) in the place
// of one the program reads or writes. Opening a FIFO for reading or writing
// waits for a program at its other end, so they are found out without
// blocking and refused.

#include <string>
#include <sys/types.h>

// "a FIFO", "a character device", ... for a file of that mode.
std::string SpecialFileKind(mode_t Mode);

// Why the file at Path may not be written as a log: "not a regular file
// but a FIFO" and the like. Empty when it is a regular file, does not exist
// yet, or cannot be opened at all (the open that follows gives the reason).
// Never blocks.
std::string RefuseSpecialFile(const std::string& Path);
