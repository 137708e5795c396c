#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lumaskin {

// The four archive operations that extracting a skin package uses. The program's ZipArchive
// provides them (see skin_package.h); tests put scripted archives in its place.
class SkinArchive
{
public:
    // What the archive says of one entry before it is extracted.
    struct EntrySummary
    {
        std::string name;
        // The size once extracted; the reader never writes more than this.
        std::uint64_t size = 0;
        bool isDirectory = false;
    };

    virtual ~SkinArchive() = default;
    virtual void Open(const std::string &path, int mode, int volumeSize) = 0;
    virtual int GetEntryCount() const = 0;
    virtual bool ExtractEntry(std::uint16_t index, const std::string &folder, bool keepPath,
                              const std::optional<std::string> &newName,
                              std::uint32_t bufferSize) = 0;
    virtual void Close(bool afterError) = 0;
    // Nothing for an archive that cannot tell (scripted archives of tests).
    virtual std::optional<EntrySummary> GetEntrySummary(std::uint16_t) const
    {
        return std::nullopt;
    }
};

} // namespace lumaskin
