#pragma once

#include "skin/skin_archive.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

namespace lumaskin {

class ZipArchive;

enum class SkinPackageResult
{
    Extracted,
    OpenFailed,
    ExtractFailed,
    // Larger than a skin may be (see the limits below); nothing was extracted.
    TooLarge
};

// What a skin package may hold. Real skins hold a few dozen bitmaps of a few megabytes; the
// limits keep a hostile package from filling the temporary folder or the memory at every
// start while leaving room for skins many times larger than any real one.
inline constexpr int kMaxSkinPackageEntries = 2048;
inline constexpr std::uint64_t kMaxSkinPackageBytes = std::uint64_t{256} << 20;

// The reasons a package cannot be used, as the user is told them.
inline constexpr char kOpenFailedText[] = "Open failed";
inline constexpr char kExtractFailedText[] = "Extract failed";

struct SkinPackageOutcome
{
    SkinPackageResult result = SkinPackageResult::Extracted;
    // Why the package cannot be used, in words for the user; empty when it was extracted.
    QString reason;
};

// Asked when an archive's central directory is missing (a truncated file, say): whether to
// try opening it again.
using RetryOpening = std::function<bool()>;

// Extracts every entry of the skin package at `packagePath` into `folder` (normally a
// SkinWorkingFolder), keeping the entries' paths. A package beyond the limits above, or
// whose Skin.ini is larger than SkinIni reads, is refused before anything is extracted, with
// the reason why. An archive whose central directory is missing is opened again for as long
// as `retry` says so; any failure to open is "Open failed"; the first entry that fails to
// extract ends the extraction with "Extract failed", keeping the entries written before it.
// The archive is closed on return in every case.
SkinPackageOutcome ExtractSkinPackage(SkinArchive &archive, const std::string &packagePath,
                                      const std::string &folder, const RetryOpening &retry);

// The same with the program's own archive reader.
SkinPackageOutcome ExtractSkinPackage(ZipArchive &archive, const std::string &packagePath,
                                      const std::string &folder, const RetryOpening &retry);

} // namespace lumaskin
