#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <sys/types.h>

namespace lumaskin {

// Small shims for the file times and attributes that archives carry.

// A DOS date and time (2-second resolution, local time) as a point in time. Out-of-range
// fields (month 0, day 0, hour 31, ...) are normalised by the C library the way mktime does.
std::time_t DosDateTimeToTime(std::uint16_t dosDate, std::uint16_t dosTime);

// Sets the last-modification time of `path` and its last-access time to now. A symbolic
// link is never followed. Returns false (errno set) on failure.
bool SetFileModificationTime(const std::string &path, std::time_t modified);

// Replaces the permission bits of `path` with `mode` (only the read, write and execute bits
// of owner, group and others are applied). A symbolic link is refused, never followed.
bool SetFilePermissions(const std::string &path, mode_t mode);

// Removes every write permission of `path` (the read-only attribute); the other bits stay.
bool MakeFileReadOnly(const std::string &path);

} // namespace lumaskin
