#include "engine/codecs/pgx_writer.h"

#include "engine/codecs/pixel_rows.h"

#include <vector>

namespace lumaskin {

QByteArray EncodePgx(const Image &image)
{
    const int width = image.Width();
    QByteArray out = QByteArray("PG ML + 8 ") + QByteArray::number(width) + ' ' +
                     QByteArray::number(image.Height()) + '\n';
    const qsizetype header = out.size();
    out.resize(header + static_cast<qsizetype>(width) * image.Height());
    std::vector<std::uint8_t> rgb(3 * static_cast<std::size_t>(width));
    for (int y = 0; y < image.Height(); ++y) {
        CompositeRowOverWhite(image.Row(y), rgb.data(), width);
        auto *grey = reinterpret_cast<std::uint8_t *>(out.data() + header) +
                     static_cast<std::size_t>(width) * y;
        for (int x = 0; x < width; ++x) {
            const unsigned r = rgb[3 * x], g = rgb[3 * x + 1], b = rgb[3 * x + 2];
            grey[x] = static_cast<std::uint8_t>((299 * r + 587 * g + 114 * b + 500) / 1000);
        }
    }
    return out;
}

} // namespace lumaskin
