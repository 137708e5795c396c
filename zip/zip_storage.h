#pragma once

#include "zip/zip_big_file.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace lumaskin {

// The archive's file and its volumes. A single-file archive is one file; an archive split
// into numbered volume files keeps them beside each other: volume v is the archive's name
// with the extension "%03d" of v, and the last volume is the archive file itself.
class ZipStorage
{
public:
    enum class SpanMode
    {
        singleFile,
        numberedVolumes,
        removableVolumes,
        undetermined
    };

    // Opens the archive file for reading; the current volume stays -1 (not yet known).
    // `numberedVolumes` declares a volume set up front.
    void Open(const std::string &fullPath, bool numberedVolumes);
    // Closes the file and forgets the volume state; safe in every state.
    void Close() noexcept;
    bool IsFileOpen() const { return m_file.IsOpen(); }

    // Switches to `volume`, opening its file. Does nothing for a single file.
    void ChangeVolume(int volume);

    // Reads exactly `size` bytes that must lie in one volume; a read that finds the current
    // volume already at its end moves to the next volume first. Throws cause 10 otherwise.
    void ReadWhole(void *buffer, std::size_t size);
    // Reads exactly `size` bytes of entry data, continuing on the next volumes as needed.
    // Throws cause 10 when the archive ends first.
    void ReadData(void *buffer, std::size_t size);

    std::uint64_t Seek(std::int64_t offset,
                       CZipBigFile::SeekFrom from = CZipBigFile::SeekFrom::begin)
    {
        return m_file.Seek(offset, from);
    }
    std::uint64_t GetLength() const { return m_file.GetLength(); }
    const std::string &GetArchivePath() const { return m_archivePath; }
    std::string VolumePath(int volume) const;

    int currentVolume = -1;
    SpanMode spanMode = SpanMode::singleFile;
    int lastVolume = 0;

private:
    bool NextVolume();
    [[noreturn]] void ThrowDamaged() const;

    CZipBigFile m_file;
    std::string m_archivePath;
};

} // namespace lumaskin
