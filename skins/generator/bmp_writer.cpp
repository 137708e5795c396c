#include "skins/generator/bmp_writer.h"

#include <QSaveFile>
#include <cstdint>
#include <vector>

namespace lumaskin::skingen {

namespace {

void Put16(std::vector<char> &out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void Put32(std::vector<char> &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

} // namespace

bool WriteBmp24(const QImage &image, const QString &path)
{
    if (image.isNull())
        return false;
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const auto width = static_cast<std::uint32_t>(pixels.width());
    const auto height = static_cast<std::uint32_t>(pixels.height());
    const std::uint32_t rowBytes = (width * 3 + 3) & ~3u;
    constexpr std::uint32_t kHeaderBytes = 14 + 40;

    std::vector<char> out;
    out.reserve(kHeaderBytes + rowBytes * height);
    // File header.
    out.push_back('B');
    out.push_back('M');
    Put32(out, kHeaderBytes + rowBytes * height);
    Put32(out, 0);
    Put32(out, kHeaderBytes);
    // Information header: 24 bits, no compression, 96 dots per inch.
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, rowBytes * height);
    Put32(out, 3780);
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);

    for (int y = pixels.height() - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (std::uint32_t x = 0; x < width; ++x) {
            out.push_back(static_cast<char>(qBlue(row[x])));
            out.push_back(static_cast<char>(qGreen(row[x])));
            out.push_back(static_cast<char>(qRed(row[x])));
        }
        for (std::uint32_t pad = width * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(out.data(), static_cast<qint64>(out.size())) != static_cast<qint64>(out.size()))
        return false;
    return file.commit();
}

} // namespace lumaskin::skingen
