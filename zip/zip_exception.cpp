#include "zip/zip_exception.h"

#include <array>
#include <utility>
#include <zlib.h>

namespace lumaskin {

namespace {

struct CodeCause
{
    int code;
    int cause;
};

constexpr std::array<CodeCause, 17> kCauses = {{
    {Z_STREAM_END, CZipException::streamEnd},
    {Z_NEED_DICT, CZipException::needDict},
    {Z_ERRNO, CZipException::errNo},
    {Z_STREAM_ERROR, CZipException::streamError},
    {Z_DATA_ERROR, CZipException::dataError},
    {Z_MEM_ERROR, CZipException::memError},
    {Z_BUF_ERROR, CZipException::bufError},
    {Z_VERSION_ERROR, CZipException::versionError},
    {static_cast<int>(ZipCode::badZipFile), CZipException::badZipFile},
    {static_cast<int>(ZipCode::badCrc), CZipException::badCrc},
    {static_cast<int>(ZipCode::noCallback), CZipException::noCallback},
    {static_cast<int>(ZipCode::aborted), CZipException::aborted},
    {static_cast<int>(ZipCode::nonRemovable), CZipException::nonRemovable},
    {static_cast<int>(ZipCode::tooManyVolumes), CZipException::tooManyVolumes},
    {static_cast<int>(ZipCode::tooLongFileName), CZipException::tooLongFileName},
    {static_cast<int>(ZipCode::badPassword), CZipException::badPassword},
    {static_cast<int>(ZipCode::cdirNotFound), CZipException::cdirNotFound},
}};

const char *Describe(int cause)
{
    switch (cause) {
    case CZipException::badZipFile:
        return "The archive is damaged or of an unsupported kind";
    case CZipException::badCrc:
        return "An extracted file does not match its checksum";
    case CZipException::noCallback:
        return "The archive spans removable disks";
    case CZipException::cdirNotFound:
        return "The archive's central directory was not found";
    case CZipException::dataError:
    case CZipException::bufError:
    case CZipException::streamError:
        return "The archive's compressed data is damaged";
    case CZipException::memError:
        return "Not enough memory to decompress the archive";
    default:
        return "The archive could not be read";
    }
}

} // namespace

CZipException::CZipException(int cause_, std::string fileName_)
    : std::runtime_error(Describe(cause_)), fileName(std::move(fileName_)), cause(cause_)
{}

int CZipException::CauseFromCode(int code)
{
    for (const CodeCause &entry : kCauses)
        if (entry.code == code)
            return entry.cause;
    return generic;
}

void CZipException::Throw(int code, const std::string &fileName)
{
    throw CZipException(CauseFromCode(code), fileName);
}

void CZipException::Throw(ZipCode code, const std::string &fileName)
{
    Throw(static_cast<int>(code), fileName);
}

} // namespace lumaskin
