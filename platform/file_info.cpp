#include "platform/file_info.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace lumaskin {

std::time_t DosDateTimeToTime(std::uint16_t dosDate, std::uint16_t dosTime)
{
    std::tm local{};
    local.tm_sec = 2 * (dosTime & 0x1F);
    local.tm_min = (dosTime >> 5) & 0x3F;
    local.tm_hour = (dosTime >> 11) & 0x1F;
    local.tm_mday = dosDate & 0x1F;
    local.tm_mon = ((dosDate >> 5) & 0x0F) - 1;
    local.tm_year = 80 + ((dosDate >> 9) & 0x7F);
    local.tm_isdst = -1; // let the time zone rules decide whether summer time applied
    return std::mktime(&local);
}

bool SetFileModificationTime(const std::string &path, std::time_t modified)
{
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_NOW;
    times[1].tv_sec = modified;
    times[1].tv_nsec = 0;
    return utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

namespace {

bool ChangeMode(const std::string &path, mode_t mode)
{
    // chmod follows symbolic links, so a link is refused before it could be followed.
    struct stat st
    {
    };
    if (lstat(path.c_str(), &st) != 0)
        return false;
    if (S_ISLNK(st.st_mode)) {
        errno = ELOOP;
        return false;
    }
    return chmod(path.c_str(), mode) == 0;
}

} // namespace

bool SetFilePermissions(const std::string &path, mode_t mode)
{
    return ChangeMode(path, mode & 0777);
}

bool MakeFileReadOnly(const std::string &path)
{
    struct stat st
    {
    };
    if (lstat(path.c_str(), &st) != 0)
        return false;
    return ChangeMode(path, st.st_mode & 0777 & ~mode_t{0222});
}

} // namespace lumaskin
