#include "zip/zip_writer.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <limits>
#include <zlib.h>

namespace lumaskin {

namespace {

void Append16(std::string &out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Append32(std::string &out, std::uint32_t value)
{
    Append16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Append16(out, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

std::string RawDeflate(std::string_view data, int level, int memory)
{
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, memory, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return result == Z_STREAM_END ? out : std::string();
}

std::uint32_t Crc32(std::string_view data)
{
    return static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef *>(data.data()), static_cast<uInt>(data.size())));
}

std::string LayOutZip(const std::vector<ZipEntryLayout> &entries, const ZipLayoutOptions &options)
{
    std::string body;
    std::string directory;
    const std::uint32_t base =
        options.adjustOffsets ? static_cast<std::uint32_t>(options.prefix.size()) : 0;
    for (const ZipEntryLayout &entry : entries) {
        const std::string payload =
            entry.payload       ? *entry.payload
            : entry.method == 8 ? RawDeflate(entry.data, entry.deflateLevel, entry.deflateMemory)
                                : entry.data;
        const std::uint32_t crc = entry.crc ? *entry.crc : Crc32(entry.data);
        std::uint16_t flags = entry.flags;
        if (entry.descriptor != ZipDescriptor::None)
            flags |= 0x0008;
        const auto compressed = static_cast<std::uint32_t>(payload.size());
        const auto uncompressed = static_cast<std::uint32_t>(entry.data.size());
        const auto offset = static_cast<std::uint32_t>(base + body.size());
        std::string localExtra = entry.extraField;
        if (entry.descriptor == ZipDescriptor::Zip64) {
            Append16(localExtra, 0x0001);
            Append16(localExtra, 16);
            localExtra += std::string(16, '\0');
        }

        const bool deferred = entry.descriptor != ZipDescriptor::None;
        Append32(body, 0x04034B50);
        Append16(body, 20);
        Append16(body, flags);
        Append16(body, entry.method);
        Append16(body, entry.dosTime);
        Append16(body, entry.dosDate);
        Append32(body, deferred ? 0 : crc);
        Append32(body, deferred ? 0 : compressed);
        Append32(body, deferred ? 0 : uncompressed);
        Append16(body, static_cast<std::uint16_t>(entry.name.size()));
        Append16(body, static_cast<std::uint16_t>(localExtra.size()));
        body += entry.name;
        body += localExtra;
        body += payload;
        if (deferred) {
            if (entry.descriptor != ZipDescriptor::WithoutSignature)
                Append32(body, 0x08074B50);
            Append32(body, crc);
            Append32(body, compressed);
            if (entry.descriptor == ZipDescriptor::Zip64)
                Append32(body, 0);
            Append32(body, uncompressed);
            if (entry.descriptor == ZipDescriptor::Zip64)
                Append32(body, 0);
        }

        Append32(directory, 0x02014B50);
        Append16(directory, entry.versionMadeBy);
        Append16(directory, 20);
        Append16(directory, flags);
        Append16(directory, entry.method);
        Append16(directory, entry.dosTime);
        Append16(directory, entry.dosDate);
        Append32(directory, crc);
        Append32(directory, compressed);
        Append32(directory, uncompressed);
        Append16(directory, static_cast<std::uint16_t>(entry.name.size()));
        Append16(directory, static_cast<std::uint16_t>(entry.extraField.size()));
        Append16(directory, 0); // comment
        Append16(directory, 0); // disk
        Append16(directory, 0); // internal attributes
        Append32(directory, entry.externalAttr);
        Append32(directory, offset);
        directory += entry.name;
        directory += entry.extraField;
    }
    std::string out = options.prefix + body + directory;
    Append32(out, 0x06054B50);
    Append16(out, 0);
    Append16(out, 0);
    Append16(out, static_cast<std::uint16_t>(entries.size()));
    Append16(out, static_cast<std::uint16_t>(entries.size()));
    Append32(out, static_cast<std::uint32_t>(directory.size()));
    Append32(out, static_cast<std::uint32_t>(base + body.size()));
    Append16(out, static_cast<std::uint16_t>(options.comment.size()));
    out += options.comment;
    return out;
}

bool WriteZip(const std::vector<ZipItem> &items, const QString &path, QString *error)
{
    constexpr std::size_t kLimit = std::numeric_limits<std::uint32_t>::max() / 2;
    if (items.size() > 0xFFFF) {
        *error = QStringLiteral("too many files for one archive");
        return false;
    }
    std::vector<ZipEntryLayout> entries;
    std::size_t size = 0;
    for (const ZipItem &item : items) {
        ZipEntryLayout entry;
        entry.name = item.name;
        entry.data = item.bytes;
        entry.versionMadeBy = (3 << 8) | 20; // made on Unix, so that the mode below is read
        entry.externalAttr = 0100644u << 16; // a regular file, rw-r--r--
        entry.dosTime = 0;
        entry.dosDate = (44 << 9) | (1 << 5) | 1; // 2024-01-01
        entry.deflateLevel = Z_BEST_COMPRESSION;
        entry.deflateMemory = 9;
        entry.payload = RawDeflate(item.bytes, entry.deflateLevel, entry.deflateMemory);
        if (item.bytes.size() > kLimit || item.name.size() > 0xFFFF || item.name.empty() ||
            entry.payload->empty()) {
            *error = QStringLiteral("%1: cannot be stored").arg(QString::fromStdString(item.name));
            return false;
        }
        size += entry.payload->size() + item.name.size();
        if (size > kLimit) {
            *error = QStringLiteral("the archive grows too large");
            return false;
        }
        entries.push_back(std::move(entry));
    }
    const std::string archive = LayOutZip(entries);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(archive.data(), static_cast<qint64>(archive.size())) !=
            static_cast<qint64>(archive.size()) ||
        !file.commit()) {
        *error = QStringLiteral("%1: cannot write").arg(path);
        return false;
    }
    return true;
}

bool PackFolder(const QString &folder, const QString &path, QString *error)
{
    const QDir dir(folder);
    // Sorted by their bytes, whatever the locale.
    std::vector<std::string> names;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        names.push_back(QFile::encodeName(name).toStdString());
    std::sort(names.begin(), names.end());
    if (names.empty()) {
        *error = QStringLiteral("%1: no files to pack").arg(folder);
        return false;
    }
    std::vector<ZipItem> items;
    for (const std::string &name : names) {
        QFile file(dir.filePath(QFile::decodeName(QByteArray::fromStdString(name))));
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: cannot read").arg(file.fileName());
            return false;
        }
        const QByteArray bytes = file.readAll();
        items.push_back({name, bytes.toStdString()});
    }
    return WriteZip(items, path, error);
}

} // namespace lumaskin
