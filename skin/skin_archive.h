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
    virtual ~SkinArchive() = default;
    virtual void Open(const std::string &path, int mode, int volumeSize) = 0;
    virtual int GetEntryCount() const = 0;
    virtual bool ExtractEntry(std::uint16_t index, const std::string &folder, bool keepPath,
                              const std::optional<std::string> &newName,
                              std::uint32_t bufferSize) = 0;
    virtual void Close(bool afterError) = 0;
};

} // namespace lumaskin
