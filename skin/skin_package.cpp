#include "skin/skin_package.h"

#include "skin/skin_ini.h"
#include "zip/zip_archive.h"
#include "zip/zip_exception.h"

#include <QCoreApplication>
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
        return QCoreApplication::translate(
                   "SkinPackage", "This skin package holds %1 files; a skin may hold at most %2.")
            .arg(count)
            .arg(kMaxSkinPackageEntries);
    std::uint64_t total = 0;
    for (int index = 0; index < count; ++index) {
        const auto entry = archive.GetEntrySummary(static_cast<std::uint16_t>(index));
        if (!entry || entry->isDirectory)
            continue;
        total += entry->size;
        if (IsSkinIniEntry(entry->name) && entry->size > SkinIni::kMaxFileBytes)
            return QCoreApplication::translate(
                       "SkinPackage", "The Skin.ini of this skin package is %1 KB; it may be at "
                                      "most %2 KB.")
                .arg((entry->size + 1023) / 1024)
                .arg(SkinIni::kMaxFileBytes / 1024);
    }
    if (total > kMaxSkinPackageBytes)
        return QCoreApplication::translate(
                   "SkinPackage",
                   "This skin package unpacks to %1 MB; a skin may take at most %2 MB.")
            .arg((total + (1 << 20) - 1) >> 20)
            .arg(kMaxSkinPackageBytes >> 20);
    return {};
}

bool OpenWithRetry(SkinArchive &archive, const std::string &packagePath, const RetryOpening &retry)
{
    for (;;) {
        try {
            archive.Open(packagePath, 0, 0);
            return true;
        } catch (const CZipException &error) {
            if (error.cause == CZipException::cdirNotFound && retry && retry()) {
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
        return EntrySummary{header->name, header->ExtractedSize(), header->IsDirectory()};
    }

private:
    ZipArchive &m_archive;
};

} // namespace

SkinPackageOutcome ExtractSkinPackage(SkinArchive &archive, const std::string &packagePath,
                                      const std::string &folder, const RetryOpening &retry)
{
    CloseAfterError(archive);
    if (!OpenWithRetry(archive, packagePath, retry)) {
        CloseAfterError(archive);
        return {SkinPackageResult::OpenFailed, QString::fromUtf8(kOpenFailedText)};
    }

    if (QString refusal = Oversized(archive); !refusal.isEmpty()) {
        CloseAfterError(archive);
        return {SkinPackageResult::TooLarge, std::move(refusal)};
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
    if (failed)
        CloseAfterError(archive);
    CloseAfterError(archive);
    if (failed)
        return {SkinPackageResult::ExtractFailed, QString::fromUtf8(kExtractFailedText)};
    return {};
}

SkinPackageOutcome ExtractSkinPackage(ZipArchive &archive, const std::string &packagePath,
                                      const std::string &folder, const RetryOpening &retry)
{
    ZipSkinArchive adapter(archive);
    return ExtractSkinPackage(adapter, packagePath, folder, retry);
}

} // namespace lumaskin
