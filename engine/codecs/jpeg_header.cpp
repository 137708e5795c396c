#include "engine/codecs/jpeg_header.h"

#include "engine/codecs/byte_reader.h"
#include "engine/codecs/metadata_library.h"

#include <algorithm>
#include <string_view>

using namespace std::literals;

namespace lumaskin {

namespace {

bool IsStartOfFrame(std::uint8_t marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

constexpr std::string_view kExifName = "Exif\0\0"sv;
constexpr std::string_view kXmpName = "http://ns.adobe.com/xap/1.0/\0"sv;
constexpr std::string_view kIccName = "ICC_PROFILE\0"sv;

} // namespace

JpegHeader ParseJpegHeader(Bytes bytes)
{
    JpegHeader header;
    const ByteReader in(bytes);
    if (!in.StartsWith(0, "\xFF\xD8"sv))
        return header;
    std::size_t pos = 2;
    int bitsPerBlock = 0; // the least entropy-coded data per 8x8 block
    int hMax = 1, vMax = 1;
    struct Sampling
    {
        int h = 1, v = 1;
    };
    Sampling sampling[4];
    while (in.Has(pos, 2)) {
        if (in.U8(pos) != 0xFF)
            return header; // garbage between segments
        const std::uint8_t marker = in.U8(pos + 1);
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // no length field
            pos += 2;
            continue;
        }
        if (marker == 0xD9) // EOI before any scan
            return header;
        if (!in.Has(pos + 2, 2))
            return header;
        const std::size_t length = in.Be16(pos + 2);
        if (length < 2 || !in.Has(pos + 2, length))
            return header;
        const std::size_t body = pos + 4;
        const std::span<const std::uint8_t> payload = bytes.subspan(body, length - 2);
        if (IsStartOfFrame(marker) && length >= 8) {
            header.height = in.Be16(body + 1);
            header.width = in.Be16(body + 3);
            header.components = in.U8(body + 5);
            bitsPerBlock = marker == 0xC0 || marker == 0xC1 ? 2 : marker == 0xC2 ? 1 : 0;
            for (int c = 0; c < std::min(header.components, 4); ++c) {
                if (!in.Has(body + 6 + 3 * c, 3))
                    break;
                const std::uint8_t hv = in.U8(body + 7 + 3 * c);
                sampling[c] = {std::max(1, hv >> 4), std::max(1, hv & 15)};
                hMax = std::max(hMax, sampling[c].h);
                vMax = std::max(vMax, sampling[c].v);
            }
            header.mcuHeight = 8 * vMax;
            for (int c = 0; c < std::min(header.components, 4); ++c)
                header.verticalSubsampling = header.verticalSubsampling || sampling[c].v != vMax;
        } else if (marker == 0xE1 && header.exif.empty() &&
                   ByteReader(payload).StartsWith(0, kExifName)) {
            header.exif = payload.subspan(kExifName.size());
        } else if (marker == 0xE1 && header.xmp.empty() &&
                   ByteReader(payload).StartsWith(0, kXmpName)) {
            header.xmp = payload.subspan(kXmpName.size());
        } else if (marker == 0xE2 && payload.size() > kIccName.size() + 2 &&
                   ByteReader(payload).StartsWith(0, kIccName)) {
            header.iccChunks.push_back({payload[kIccName.size()], payload[kIccName.size() + 1],
                                        payload.subspan(kIccName.size() + 2)});
        } else if (marker == 0xDA) {
            header.complete = header.width > 0 && header.height > 0 && header.components > 0;
            if (header.complete && bitsPerBlock > 0 && header.components <= 4) {
                std::int64_t blocks = 0;
                for (int c = 0; c < header.components; ++c) {
                    const std::int64_t w =
                        CeilDiv(std::int64_t{header.width} * sampling[c].h, hMax);
                    const std::int64_t h =
                        CeilDiv(std::int64_t{header.height} * sampling[c].v, vMax);
                    blocks += CeilDiv(w, 8) * CeilDiv(h, 8);
                }
                header.minimumFileSize = static_cast<std::int64_t>(pos) + blocks * bitsPerBlock / 8;
            }
            return header;
        }
        pos += 2 + length;
    }
    return header;
}

ImageMetadata JpegMetadata(const JpegHeader &header)
{
    ImageMetadata metadata;
    metadata.exif = ExifTiffStructure(header.exif);
    metadata.xmp = QByteArray(reinterpret_cast<const char *>(header.xmp.data()),
                              static_cast<qsizetype>(header.xmp.size()));
    // Chunks are numbered from 1 to their count, and may come in any order.
    const std::size_t count = header.iccChunks.size();
    std::vector<Bytes> ordered(count);
    for (const JpegHeader::IccChunk &chunk : header.iccChunks) {
        if (chunk.count != static_cast<int>(count) || chunk.number < 1 ||
            chunk.number > static_cast<int>(count) || !ordered[chunk.number - 1].empty())
            return metadata;
        ordered[chunk.number - 1] = chunk.data;
    }
    for (const Bytes &piece : ordered) {
        if (piece.empty())
            return metadata;
    }
    for (const Bytes &piece : ordered)
        metadata.icc.append(reinterpret_cast<const char *>(piece.data()),
                            static_cast<qsizetype>(piece.size()));
    return metadata;
}

} // namespace lumaskin
