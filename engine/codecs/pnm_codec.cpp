#include "engine/codecs/pnm_codec.h"

#include "engine/codecs/pixel_rows.h"
#include "engine/codecs/text_header.h"

#include <algorithm>
#include <vector>

namespace lumaskin {

namespace {

std::int64_t CeilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

bool IsBlank(std::uint8_t c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

PnmHeader ParsePnmHeader(Bytes bytes)
{
    PnmHeader header;
    if (bytes.size() < 3 || bytes[0] != 'P' || bytes[1] < '1' || bytes[1] > '7')
        return header;
    header.kind = static_cast<char>(bytes[1]);
    TextHeader text(bytes, 2, true);
    if (!text.SkipBlanks())
        return header;
    if (header.kind == '7') {
        // PAM: keyword lines up to ENDHDR.
        bool ended = false;
        for (int line = 0; line < 64 && !ended; ++line) {
            const std::string_view key = text.Word();
            if (key == "ENDHDR") {
                ended = true;
            } else if (key == "TUPLTYPE") {
                text.Word();
            } else {
                const auto value = text.Number();
                if (key.empty() || !value)
                    return header;
                if (key == "WIDTH")
                    header.width = *value;
                else if (key == "HEIGHT")
                    header.height = *value;
                else if (key == "DEPTH")
                    header.depth = *value;
                else if (key == "MAXVAL")
                    header.maxValue = *value;
            }
        }
        if (!ended || header.depth < 1 || header.depth > 4)
            return header;
    } else {
        const auto width = text.Number();
        const auto height = text.Number();
        if (!width || !height)
            return header;
        header.width = *width;
        header.height = *height;
        if (header.kind != '1' && header.kind != '4') {
            const auto maxValue = text.Number();
            if (!maxValue)
                return header;
            header.maxValue = *maxValue;
        }
        header.depth = header.kind == '3' || header.kind == '6' ? 3 : 1;
    }
    if (header.maxValue < 1 || header.maxValue > 65535)
        return header;
    // One blank separates the header from the samples.
    if (text.Pos() < bytes.size() && !IsBlank(bytes[text.Pos()]))
        return header;
    header.dataOffset = text.Pos() + 1;
    header.valid = true;
    return header;
}

std::int64_t PnmMinimumDataBytes(const PnmHeader &h)
{
    const std::int64_t samples = h.width * h.height * h.depth;
    switch (h.kind) {
    case '1':
        return samples; // the digits may run together
    case '2':
    case '3':
        return 2 * samples - 1; // a digit and a blank each
    case '4':
        return CeilDiv(h.width, 8) * h.height;
    default:
        return samples * (h.maxValue > 255 ? 2 : 1);
    }
}

Image DecodePnm(Bytes bytes, QString *error)
{
    const PnmHeader h = ParsePnmHeader(bytes);
    if (!h.valid)
        return Fail(error, reason::Damaged("PNM"));
    if (RefuseSize(h.width, h.height, error))
        return {};
    if (static_cast<std::int64_t>(bytes.size()) <
        static_cast<std::int64_t>(h.dataOffset) + PnmMinimumDataBytes(h))
        return Fail(error, reason::Truncated());
    Image image(static_cast<int>(h.width), static_cast<int>(h.height));
    if (image.IsNull())
        return Fail(error, reason::OutOfMemory());

    const int width = image.Width();
    const int depth = static_cast<int>(h.depth);
    const std::int64_t maxValue = h.maxValue;
    // Sample to 8 bits; values above the maximum are taken as the maximum.
    auto scale = [maxValue](std::int64_t v) {
        v = std::min(v, maxValue);
        return static_cast<std::uint8_t>(maxValue == 255 ? v : (v * 255 + maxValue / 2) / maxValue);
    };
    auto store = [&](int x, int y, const std::uint8_t *samples) {
        std::uint8_t *p = image.Pixel(x, y);
        switch (depth) {
        case 1:
            p[0] = p[1] = p[2] = samples[0], p[3] = 255;
            break;
        case 2:
            p[0] = p[1] = p[2] = samples[0], p[3] = samples[1];
            break;
        case 3:
            p[0] = samples[0], p[1] = samples[1], p[2] = samples[2], p[3] = 255;
            break;
        default:
            p[0] = samples[0], p[1] = samples[1], p[2] = samples[2], p[3] = samples[3];
            break;
        }
    };

    std::size_t pos = h.dataOffset;
    std::uint8_t samples[4] = {};
    if (h.kind == '4') {
        const std::size_t rowBytes = static_cast<std::size_t>(CeilDiv(width, 8));
        for (int y = 0; y < image.Height(); ++y, pos += rowBytes)
            for (int x = 0; x < width; ++x) {
                const bool black = (bytes[pos + x / 8] >> (7 - x % 8)) & 1;
                samples[0] = black ? 0 : 255;
                store(x, y, samples);
            }
    } else if (h.kind == '1') {
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < width; ++x) {
                while (pos < bytes.size() && bytes[pos] != '0' && bytes[pos] != '1') {
                    if (bytes[pos] == '#') {
                        while (pos < bytes.size() && bytes[pos] != '\n')
                            ++pos;
                    } else if (!IsBlank(bytes[pos])) {
                        return Fail(error, reason::Damaged("PNM"));
                    } else {
                        ++pos;
                    }
                }
                if (pos >= bytes.size())
                    return Fail(error, reason::Truncated());
                samples[0] = bytes[pos++] == '1' ? 0 : 255;
                store(x, y, samples);
            }
    } else if (h.kind == '2' || h.kind == '3') {
        TextHeader text(bytes, pos, true);
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < width; ++x) {
                for (int c = 0; c < depth; ++c) {
                    const auto value = text.Number();
                    if (!value)
                        return Fail(error, text.Pos() >= bytes.size() ? reason::Truncated()
                                                                      : reason::Damaged("PNM"));
                    samples[c] = scale(*value);
                }
                store(x, y, samples);
            }
    } else {
        const bool wide = maxValue > 255;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < width; ++x) {
                for (int c = 0; c < depth; ++c, pos += wide ? 2 : 1)
                    samples[c] = scale(wide ? (bytes[pos] << 8) | bytes[pos + 1] : bytes[pos]);
                store(x, y, samples);
            }
    }
    return image;
}

QByteArray EncodePnm(const Image &image)
{
    const bool grey = Summarise(image).grey;
    const int width = image.Width();
    const int channels = grey ? 1 : 3;
    QByteArray out = QByteArray(grey ? "P5\n" : "P6\n") + QByteArray::number(width) + ' ' +
                     QByteArray::number(image.Height()) + "\n255\n";
    const qsizetype header = out.size();
    out.resize(header + static_cast<qsizetype>(width) * image.Height() * channels);
    std::vector<std::uint8_t> rgb(3 * static_cast<std::size_t>(width));
    for (int y = 0; y < image.Height(); ++y) {
        auto *dst = reinterpret_cast<std::uint8_t *>(out.data() + header) +
                    static_cast<std::size_t>(width) * channels * y;
        CompositeRowOverWhite(image.Row(y), grey ? rgb.data() : dst, width);
        if (grey)
            for (int x = 0; x < width; ++x)
                dst[x] = rgb[3 * x];
    }
    return out;
}

} // namespace lumaskin
