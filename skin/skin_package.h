#pragma once

#include "platform/message_box.h"
#include "skin/skin_archive.h"

#include <cstdint>
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

// The program's texts for the dialogue of a package that cannot be used.
inline constexpr char kCentralDirectoryRetryText[] =
    "The central directory was not found. If you're opening a multi-disk archive, make sure "
    "you have inserted the last disk. Retry?";
inline constexpr char kOpenFailedText[] = "Open failed";
inline constexpr char kExtractFailedText[] = "Extract failed";

// Extracts every entry of the skin package at `packagePath` into `folder` (normally a
// SkinWorkingFolder), keeping the entries' paths. A package beyond the limits above, or
// whose Skin.ini is larger than SkinIni reads, is refused before anything is extracted, with
// a message saying why. An archive whose central directory is
// missing (a truncated file, say) asks whether to retry until the user says No; any failure
// to open shows "Open failed"; the first entry that fails to extract ends the extraction
// with "Extract failed", keeping the entries written before it. The archive is closed on
// return in every case.
SkinPackageResult ExtractSkinPackage(SkinArchive &archive, const std::string &packagePath,
                                     const std::string &folder, MessageBoxes &messages);

// The same with the program's own archive reader.
SkinPackageResult ExtractSkinPackage(ZipArchive &archive, const std::string &packagePath,
                                     const std::string &folder, MessageBoxes &messages);

} // namespace lumaskin
