#include "skin/skin_package.h"

#include "skin/skin_ini.h"
#include "zip/zip_archive.h"
#include "zip/zip_exception.h"

#include <QString>
#include <algorithm>

namespace lumaskin {

namespace {

constexpr std::uint32_t kExtractBufferSize = 65535;

// Closing after an error only releases memory and handles; should it throw all the same,
// the caller's clean-up must still go on.
void CloseAfterError(SkinArchive &archive) noexcept
{
    try {
        archive.Close(true);
    } catch (...) {
    }
}

void ShowStop(MessageBoxes &messages, const char *text)
{
    messages.Show(QString::fromUtf8(text), MessageButtons::Ok, MessageIcon::Stop);
}

// Asks whether to try again after the central directory was not found.
bool RetryWanted(const CZipException &error, MessageBoxes &messages)
{
    return error.cause == CZipException::cdirNotFound &&
           messages.Show(QString::fromUtf8(kCentralDirectoryRetryText), MessageButtons::YesNo,
                         MessageIcon::Stop) == MessageAnswer::Yes;
}

bool IsSkinIniEntry(const std::string &name)
{
    return name.size() == 8 && QString::fromStdString(name).compare(QLatin1String("Skin.ini"),
                                                                    Qt::CaseInsensitive) == 0;
}

// Why the package is more than a skin may be; empty when it is not. Only what the archive
// declares is looked at: extraction never writes more than an entry declares.
QString Oversized(const SkinArchive &archive)
{
    const int count = archive.GetEntryCount();
    if (count > kMaxSkinPackageEntries)
        return QStringLiteral("This skin package holds %1 files; a skin may hold at most %2.")
            .arg(count)
            .arg(kMaxSkinPackageEntries);
    std::uint64_t total = 0;
    for (int index = 0; index < count; ++index) {
        const auto entry = archive.GetEntrySummary(static_cast<std::uint16_t>(index));
        if (!entry || entry->isDirectory)
            continue;
        total += entry->size;
        if (IsSkinIniEntry(entry->name) && entry->size > SkinIni::kMaxFileBytes)
            return QStringLiteral("The Skin.ini of this skin package is %1 KB; it may be at "
                                  "most %2 KB.")
                .arg((entry->size + 1023) / 1024)
                .arg(SkinIni::kMaxFileBytes / 1024);
    }
    if (total > kMaxSkinPackageBytes)
        return QStringLiteral("This skin package unpacks to %1 MB; a skin may take at most %2 MB.")
            .arg((total + (1 << 20) - 1) >> 20)
            .arg(kMaxSkinPackageBytes >> 20);
    return {};
}

bool OpenWithRetry(SkinArchive &archive, const std::string &packagePath, MessageBoxes &messages)
{
    for (;;) {
        try {
            archive.Open(packagePath, 0, 0);
            return true;
        } catch (const CZipException &error) {
            if (RetryWanted(error, messages)) {
                CloseAfterError(archive);
                continue;
            }
        } catch (...) {
        }
        return false;
    }
}

class ZipSkinArchive final : public SkinArchive
{
public:
    explicit ZipSkinArchive(ZipArchive &archive) : m_archive(archive) {}

    void Open(const std::string &path, int mode, int volumeSize) override
    {
        m_archive.Open(path, mode, volumeSize);
    }
    int GetEntryCount() const override { return m_archive.GetEntryCount(); }
    bool ExtractEntry(std::uint16_t index, const std::string &folder, bool keepPath,
                      const std::optional<std::string> &newName, std::uint32_t bufferSize) override
    {
        return m_archive.ExtractEntry(index, folder, keepPath, newName, bufferSize);
    }
    void Close(bool afterError) override { m_archive.Close(afterError); }
    std::optional<EntrySummary> GetEntrySummary(std::uint16_t index) const override
    {
        const std::optional<ZipFileHeader> header = m_archive.GetEntryInfo(index);
        if (!header)
            return std::nullopt;
        return EntrySummary{header->name, header->uncompressedSize, header->IsDirectory()};
    }

private:
    ZipArchive &m_archive;
};

} // namespace

SkinPackageResult ExtractSkinPackage(SkinArchive &archive, const std::string &packagePath,
                                     const std::string &folder, MessageBoxes &messages)
{
    CloseAfterError(archive);
    if (!OpenWithRetry(archive, packagePath, messages)) {
        CloseAfterError(archive);
        ShowStop(messages, kOpenFailedText);
        return SkinPackageResult::OpenFailed;
    }

    if (const QString refusal = Oversized(archive); !refusal.isEmpty()) {
        CloseAfterError(archive);
        messages.Show(refusal, MessageButtons::Ok, MessageIcon::Stop);
        return SkinPackageResult::TooLarge;
    }

    bool failed = folder.empty(); // never extract into the current folder by mistake
    try {
        // Entry numbers are 16 bits wide; a count beyond that cannot come from a real archive.
        const int count = failed ? 0 : std::min(archive.GetEntryCount(), 65536);
        for (int index = 0; index < count; ++index)
            archive.ExtractEntry(static_cast<std::uint16_t>(index), folder, true, std::nullopt,
                                 kExtractBufferSize);
    } catch (...) {
        failed = true;
    }
    if (failed) {
        CloseAfterError(archive);
        ShowStop(messages, kExtractFailedText);
    }
    CloseAfterError(archive);
    return failed ? SkinPackageResult::ExtractFailed : SkinPackageResult::Extracted;
}

SkinPackageResult ExtractSkinPackage(ZipArchive &archive, const std::string &packagePath,
                                     const std::string &folder, MessageBoxes &messages)
{
    ZipSkinArchive adapter(archive);
    return ExtractSkinPackage(adapter, packagePath, folder, messages);
}

} // namespace lumaskin
