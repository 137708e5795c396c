#include "zip/zip_storage.h"

#include "zip/zip_exception.h"

#include <cstdio>

namespace lumaskin {

void ZipStorage::Open(const std::string &fullPath, bool numberedVolumes)
{
    m_file.OpenForReading(fullPath);
    m_archivePath = fullPath;
    currentVolume = -1;
    lastVolume = 0;
    spanMode = numberedVolumes ? SpanMode::numberedVolumes : SpanMode::undetermined;
}

void ZipStorage::Close() noexcept
{
    m_file.Abort();
    currentVolume = -1;
    lastVolume = 0;
    spanMode = SpanMode::singleFile;
}

std::string ZipStorage::VolumePath(int volume) const
{
    if (volume == lastVolume)
        return m_archivePath;
    const std::size_t slash = m_archivePath.rfind('/');
    std::size_t dot = m_archivePath.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        dot = m_archivePath.size();
    char extension[16];
    std::snprintf(extension, sizeof extension, ".%.3d", volume);
    return m_archivePath.substr(0, dot) + extension;
}

void ZipStorage::ChangeVolume(int volume)
{
    if (spanMode == SpanMode::singleFile || volume == currentVolume)
        return;
    if (volume < 0 || volume > lastVolume)
        ThrowDamaged();
    m_file.OpenForReading(VolumePath(volume));
    currentVolume = volume;
}

bool ZipStorage::NextVolume()
{
    if (spanMode != SpanMode::numberedVolumes || currentVolume < 0 || currentVolume >= lastVolume)
        return false;
    ChangeVolume(currentVolume + 1);
    return true;
}

void ZipStorage::ReadWhole(void *buffer, std::size_t size)
{
    if (size == 0)
        return;
    std::size_t got = m_file.Read(buffer, size);
    if (got == 0 && NextVolume())
        got = m_file.Read(buffer, size);
    if (got != size)
        ThrowDamaged();
}

void ZipStorage::ReadData(void *buffer, std::size_t size)
{
    auto *out = static_cast<char *>(buffer);
    while (size > 0) {
        const std::size_t got = m_file.Read(out, size);
        out += got;
        size -= got;
        if (size > 0 && !NextVolume())
            ThrowDamaged();
    }
}

void ZipStorage::ThrowDamaged() const
{
    CZipException::Throw(ZipCode::badZipFile, m_archivePath);
}

} // namespace lumaskin
