#pragma once

#include <stdexcept>
#include <string>

namespace lumaskin {

// The reader's own error codes. zlib's codes (Z_STREAM_END = 1 ... Z_VERSION_ERROR = -6) share
// the same number space, so one table maps both kinds to causes.
enum class ZipCode : int
{
    badZipFile = -101,
    badCrc = -102,
    noCallback = -103,
    aborted = -104,
    nonRemovable = -105,
    tooManyVolumes = -106,
    tooLongFileName = -107,
    badPassword = -108,
    cdirNotFound = -109,
};

// Archive damage or a decompression failure while reading a ZIP archive. Thrown by value and
// caught by reference; callers choose their message from `cause`.
class CZipException : public std::runtime_error
{
public:
    enum Cause : int
    {
        generic = 1,       // unclassified error
        streamEnd = 2,     // zlib: end of stream reported as an error
        needDict = 3,      // zlib: dictionary needed
        errNo = 4,         // zlib: system error
        streamError = 5,   // zlib: inconsistent stream state
        dataError = 6,     // zlib: invalid deflate data
        memError = 7,      // zlib: out of memory
        bufError = 8,      // zlib: no progress possible
        versionError = 9,  // zlib: version mismatch
        badZipFile = 10,   // damaged or unsupported archive
        badCrc = 11,       // CRC-32 of the extracted data differs from the header
        noCallback = 12,   // archive on removable-media volumes
        aborted = 13,      // operation aborted
        nonRemovable = 14, // multi-volume writing needs a removable drive
        tooManyVolumes = 15,
        tooLongFileName = 16,
        badPassword = 17,
        cdirNotFound = 18, // end of central directory record not found
    };

    CZipException(int cause, std::string fileName);

    // The one table from zlib and internal codes to causes; unknown codes give `generic`.
    static int CauseFromCode(int code);

    // Maps `code` and throws; `fileName` is the archive's full path.
    [[noreturn]] static void Throw(int code, const std::string &fileName);
    [[noreturn]] static void Throw(ZipCode code, const std::string &fileName);

    std::string fileName; // full path of the archive; empty when not given
    int cause;
};

} // namespace lumaskin
