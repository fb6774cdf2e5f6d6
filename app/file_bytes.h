#pragma once
// Reading a whole file the user or the installation put somewhere, without
// trusting it: opened without blocking (a FIFO in its place would otherwise
// hold the open until some program wrote to it), refused unless it is a
// regular file, and never read beyond a limit, even when it grows while
// being read.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Says why a file of Size bytes (or more) is too large.
using TTooLarge = std::function<std::string(uint64_t Size)>;

// The bytes of the regular file at Path, at most Limit of them, or nothing
// with Reason saying why: the system's own reason when the file cannot be
// opened or read ("No such file or directory", "Is a directory", ...), "not
// a regular file but a FIFO" and the like, or TooLarge's text.
std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& Path, uint64_t Limit, const TTooLarge& TooLarge,
                                                    std::string& Reason);
