#include "skins/generator/zip_writer.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <zlib.h>

namespace lumaskin::skingen {

namespace {

constexpr std::uint16_t kVersion = 20;                       // deflate needs 2.0
constexpr std::uint16_t kMadeOnUnix = 3 << 8;                // so that the mode below is read
constexpr std::uint32_t kMode = 0100644u << 16;              // a regular file, rw-r--r--
constexpr std::uint16_t kDosDate = (44 << 9) | (1 << 5) | 1; // 2024-01-01
constexpr std::uint16_t kDosTime = 0;

void Put16(std::string &out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void Put32(std::string &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// Raw deflate at the best compression.
bool Deflate(const std::string &in, std::string &out)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        return false;
    out.resize(deflateBound(&stream, static_cast<uLong>(in.size())));
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.data()));
    stream.avail_in = static_cast<uInt>(in.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return result == Z_STREAM_END;
}

} // namespace

bool WriteZip(const std::vector<ZipItem> &items, const QString &path, QString &error)
{
    constexpr std::size_t kLimit = std::numeric_limits<std::uint32_t>::max() / 2;
    if (items.size() > 0xFFFF) {
        error = QStringLiteral("too many files for one archive");
        return false;
    }
    std::string archive;
    std::string directory;
    for (const ZipItem &item : items) {
        std::string packed;
        if (item.bytes.size() > kLimit || item.name.size() > 0xFFFF || item.name.empty() ||
            !Deflate(item.bytes, packed)) {
            error = QStringLiteral("%1: cannot be stored").arg(QString::fromStdString(item.name));
            return false;
        }
        const auto crc =
            static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef *>(item.bytes.data()),
                                             static_cast<uInt>(item.bytes.size())));
        const auto offset = static_cast<std::uint32_t>(archive.size());
        const auto nameLength = static_cast<std::uint16_t>(item.name.size());

        Put32(archive, 0x04034B50);
        Put16(archive, kVersion);
        Put16(archive, 0); // flags
        Put16(archive, Z_DEFLATED);
        Put16(archive, kDosTime);
        Put16(archive, kDosDate);
        Put32(archive, crc);
        Put32(archive, static_cast<std::uint32_t>(packed.size()));
        Put32(archive, static_cast<std::uint32_t>(item.bytes.size()));
        Put16(archive, nameLength);
        Put16(archive, 0); // extra field
        archive += item.name;
        archive += packed;

        Put32(directory, 0x02014B50);
        Put16(directory, kMadeOnUnix | kVersion);
        Put16(directory, kVersion);
        Put16(directory, 0);
        Put16(directory, Z_DEFLATED);
        Put16(directory, kDosTime);
        Put16(directory, kDosDate);
        Put32(directory, crc);
        Put32(directory, static_cast<std::uint32_t>(packed.size()));
        Put32(directory, static_cast<std::uint32_t>(item.bytes.size()));
        Put16(directory, nameLength);
        Put16(directory, 0); // extra field
        Put16(directory, 0); // comment
        Put16(directory, 0); // disk
        Put16(directory, 0); // internal attributes
        Put32(directory, kMode);
        Put32(directory, offset);
        directory += item.name;
        if (archive.size() > kLimit) {
            error = QStringLiteral("the archive grows too large");
            return false;
        }
    }
    const auto directoryOffset = static_cast<std::uint32_t>(archive.size());
    archive += directory;
    Put32(archive, 0x06054B50);
    Put16(archive, 0);
    Put16(archive, 0);
    Put16(archive, static_cast<std::uint16_t>(items.size()));
    Put16(archive, static_cast<std::uint16_t>(items.size()));
    Put32(archive, static_cast<std::uint32_t>(directory.size()));
    Put32(archive, directoryOffset);
    Put16(archive, 0); // comment

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(archive.data(), static_cast<qint64>(archive.size())) !=
            static_cast<qint64>(archive.size()) ||
        !file.commit()) {
        error = QStringLiteral("%1: cannot write").arg(path);
        return false;
    }
    return true;
}

bool PackFolder(const QString &folder, const QString &path, QString &error)
{
    const QDir dir(folder);
    // Sorted by their bytes, whatever the locale.
    std::vector<std::string> names;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        names.push_back(QFile::encodeName(name).toStdString());
    std::sort(names.begin(), names.end());
    if (names.empty()) {
        error = QStringLiteral("%1: no files to pack").arg(folder);
        return false;
    }
    std::vector<ZipItem> items;
    for (const std::string &name : names) {
        QFile file(dir.filePath(QFile::decodeName(QByteArray::fromStdString(name))));
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("%1: cannot read").arg(file.fileName());
            return false;
        }
        const QByteArray bytes = file.readAll();
        items.push_back({name, bytes.toStdString()});
    }
    return WriteZip(items, path, error);
}

} // namespace lumaskin::skingen
