#include "bench/tools/png_check.h"

#include <QFile>
#include <array>
#include <cstdint>

namespace lumaskin::bench {

namespace {

std::uint32_t BigEndian(const char *bytes)
{
    const auto *b = reinterpret_cast<const unsigned char *>(bytes);
    return std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 |
           std::uint32_t{b[3]};
}

bool Fail(QString *error, const QString &path, const QString &why)
{
    *error = QStringLiteral("%1: %2").arg(path, why);
    return false;
}

} // namespace

bool CheckPngFile(const QString &path, int width, int height, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(error, path, QStringLiteral("missing or unreadable"));
    const qint64 size = file.size();
    static constexpr char kSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
    char head[8 + 8 + 13];
    if (file.read(head, sizeof head) != sizeof head ||
        !std::equal(std::begin(kSignature), std::end(kSignature), head))
        return Fail(error, path, QStringLiteral("not a PNG file"));
    if (BigEndian(head + 8) != 13 || QByteArray(head + 12, 4) != "IHDR")
        return Fail(error, path, QStringLiteral("no header chunk"));
    const std::uint32_t w = BigEndian(head + 16), h = BigEndian(head + 20);
    if (w != static_cast<std::uint32_t>(width) || h != static_cast<std::uint32_t>(height))
        return Fail(
            error, path,
            QStringLiteral("%1 x %2 instead of %3 x %4").arg(w).arg(h).arg(width).arg(height));
    // Walk the chunks by their lengths: a truncated file runs past its end before IEND.
    qint64 offset = 8;
    for (;;) {
        std::array<char, 8> chunk{};
        if (!file.seek(offset) || file.read(chunk.data(), 8) != 8)
            return Fail(error, path, QStringLiteral("cut short at byte %1").arg(offset));
        const qint64 length = BigEndian(chunk.data());
        const qint64 next = offset + 8 + length + 4;
        if (length > 0x7FFFFFFF || next > size)
            return Fail(error, path, QStringLiteral("cut short at byte %1").arg(offset));
        if (QByteArray(chunk.data() + 4, 4) == "IEND") {
            if (next != size)
                return Fail(error, path, QStringLiteral("bytes after the end chunk"));
            return true;
        }
        offset = next;
    }
}

} // namespace lumaskin::bench
