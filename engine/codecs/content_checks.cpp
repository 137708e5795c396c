#include "engine/codecs/content_checks.h"

#include "engine/codecs/byte_reader.h"
#include "engine/codecs/jpeg_header.h"
#include "engine/codecs/pnm_codec.h"
#include "engine/codecs/text_header.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <zlib.h>

using namespace std::literals;

namespace lumaskin {

namespace {

std::int64_t CeilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

Probe Certain(std::int64_t width, std::int64_t height, std::int64_t minimum = 0)
{
    Probe p;
    p.match = Match::Certain;
    p.width = width;
    p.height = height;
    p.sizeKnown = true;
    // A minimum from absurd sizes would overflow; the size check refuses those first.
    p.minimumFileSize = Image::SizeIsAcceptable(width, height) ? minimum : 0;
    return p;
}

Probe CertainOfUnknownSize()
{
    Probe p;
    p.match = Match::Certain;
    return p;
}

} // namespace

Probe ProbeJpeg(Bytes bytes)
{
    if (!ByteReader(bytes).StartsWith(0, "\xFF\xD8\xFF"sv))
        return {};
    const JpegHeader header = ParseJpegHeader(bytes);
    if (!header.complete)
        return CertainOfUnknownSize(); // the decoder names the fault
    return Certain(header.width, header.height, header.minimumFileSize);
}

Probe ProbePng(Bytes bytes)
{
    const ByteReader in(bytes);
    if (!in.StartsWith(0, "\x89PNG\r\n\x1A\n"sv))
        return {};
    if (!in.StartsWith(12, "IHDR"sv) || in.Be32(8) != 13)
        return CertainOfUnknownSize();
    const std::int64_t width = in.Be32(16);
    const std::int64_t height = in.Be32(20);
    const int depth = in.U8(24);
    const int colourType = in.U8(25);
    const int channels = colourType == 2 ? 3 : colourType == 4 ? 2 : colourType == 6 ? 4 : 1;
    std::int64_t minimum = 0;
    if (in.Ok() && Image::SizeIsAcceptable(width, height)) {
        // Deflate packs at most 1032 bytes into one.
        const std::int64_t raw = height * (1 + CeilDiv(width * channels * depth, 8));
        minimum = 8 + 25 + raw / 1032;
    }
    return Certain(width, height, minimum);
}

Probe ProbePdf(Bytes bytes)
{
    // Readers accept up to 1 KB of anything before the header.
    const std::string_view text(reinterpret_cast<const char *>(bytes.data()),
                                std::min<std::size_t>(bytes.size(), 1024));
    if (text.find("%PDF-") == std::string_view::npos)
        return {};
    return CertainOfUnknownSize();
}

Probe ProbeBmp(Bytes bytes)
{
    const ByteReader in(bytes);
    if (!in.StartsWith(0, "BM"sv) || !in.Has(0, 26))
        return {};
    const std::uint32_t headerSize = in.Le32(14);
    const std::uint32_t offset = in.Le32(10);
    std::int64_t width, height;
    int bitsPerPixel;
    std::uint32_t compression = 0;
    if (headerSize == 12) {
        width = in.Le16(18);
        height = in.Le16(20);
        bitsPerPixel = in.Le16(24);
    } else if (headerSize >= 16 && headerSize <= 124) {
        width = static_cast<std::int32_t>(in.Le32(18));
        height = std::abs(std::int64_t{static_cast<std::int32_t>(in.Le32(22))}); // < 0: top-down
        bitsPerPixel = in.Le16(28);
        if (headerSize >= 20)
            compression = in.Le32(30);
    } else {
        return {};
    }
    if (!in.Ok() || offset < 14 + headerSize)
        return {};
    std::int64_t minimum = 0;
    // Uncompressed and bit-field pictures have a fixed size.
    if ((compression == 0 || compression == 3 || compression == 6) && bitsPerPixel > 0 &&
        Image::SizeIsAcceptable(width, height)) {
        const std::int64_t rowBytes = CeilDiv(width * bitsPerPixel, 32) * 4;
        minimum = offset + rowBytes * (height - 1) + CeilDiv(width * bitsPerPixel, 8);
    }
    return Certain(width, height, minimum);
}

Probe ProbeGif(Bytes bytes)
{
    const ByteReader in(bytes);
    if (!in.StartsWith(0, "GIF87a"sv) && !in.StartsWith(0, "GIF89a"sv))
        return {};
    const std::int64_t width = in.Le16(6);
    const std::int64_t height = in.Le16(8);
    if (!in.Ok())
        return CertainOfUnknownSize();
    return Certain(width, height);
}

Probe ProbePcx(Bytes bytes)
{
    const ByteReader in(bytes);
    if (!in.Has(0, 128) || in.U8(0) != 0x0A)
        return {};
    const int version = in.U8(1);
    const int encoding = in.U8(2);
    const int bits = in.U8(3);
    const int planes = in.U8(65);
    const std::int64_t bytesPerLine = in.Le16(66);
    if ((version != 0 && (version < 2 || version > 5)) || encoding > 1 ||
        (bits != 1 && bits != 2 && bits != 4 && bits != 8) || planes < 1 || planes > 4)
        return {};
    const std::int64_t width = std::int64_t{in.Le16(8)} - in.Le16(4) + 1;
    const std::int64_t height = std::int64_t{in.Le16(10)} - in.Le16(6) + 1;
    if (bytesPerLine * 8 < width * bits)
        return {};
    const std::int64_t scanLines = height * planes * bytesPerLine;
    // A run-length byte pair holds at most 63 bytes.
    const std::int64_t data = encoding == 1 ? CeilDiv(scanLines, 63) * 2 : scanLines;
    return Certain(width, height, 128 + data);
}

Probe ProbeTga(Bytes bytes)
{
    const ByteReader in(bytes);
    if (!in.Has(0, 18))
        return {};
    const int idLength = in.U8(0);
    const int mapType = in.U8(1);
    const int type = in.U8(2);
    const std::int64_t mapLength = in.Le16(5);
    const int mapEntryBits = in.U8(7);
    const std::int64_t width = in.Le16(12);
    const std::int64_t height = in.Le16(14);
    const int depth = in.U8(16);
    const int descriptor = in.U8(17);
    const int baseType = type & ~8;
    if (mapType > 1 ||
        (type != 1 && type != 2 && type != 3 && type != 9 && type != 10 && type != 11))
        return {};
    if ((descriptor & 0xC0) != 0 || (descriptor & 15) > 8 || width == 0 || height == 0)
        return {};
    if (baseType == 1 && (mapType != 1 || (depth != 8 && depth != 16)))
        return {};
    if (baseType == 2 && depth != 15 && depth != 16 && depth != 24 && depth != 32)
        return {};
    if (baseType == 3 && depth != 8 && depth != 16)
        return {};
    if (mapType == 1 && mapEntryBits != 15 && mapEntryBits != 16 && mapEntryBits != 24 &&
        mapEntryBits != 32)
        return {};
    const std::int64_t pixelBytes = CeilDiv(depth, 8);
    const std::int64_t header =
        18 + idLength + (mapType == 1 ? mapLength * CeilDiv(mapEntryBits, 8) : 0);
    const std::int64_t pixels = width * height;
    // Run-length packets hold up to 128 pixels each.
    const std::int64_t data =
        type & 8 ? CeilDiv(pixels, 128) * (1 + pixelBytes) : pixels * pixelBytes;
    Probe p = Certain(width, height, header + data);
    // Version 2 files end with a signature; older ones can only be judged by their header.
    const std::size_t n = bytes.size();
    if (n < 44 || !in.StartsWith(n - 18, "TRUEVISION-XFILE.\0"sv))
        p.match = Match::Plausible;
    return p;
}

Probe ProbeIco(Bytes bytes)
{
    const ByteReader in(bytes);
    const int kind = in.Le16(2);
    const std::int64_t count = in.Le16(4);
    if (!in.Ok() || in.Le16(0) != 0 || (kind != 1 && kind != 2) || count == 0)
        return {};
    const std::int64_t directoryEnd = 6 + 16 * count;
    std::int64_t minimum = directoryEnd;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        if (!in.Has(entry, 16))
            return CertainOfUnknownSize(); // the directory itself is cut short
        const std::int64_t size = in.Le32(entry + 8);
        const std::int64_t offset = in.Le32(entry + 12);
        if (size == 0 || offset < directoryEnd || (kind == 1 && in.Le16(entry + 4) > 1))
            return {};
        minimum = std::max(minimum, offset + size);
    }
    Probe p = CertainOfUnknownSize();
    p.minimumFileSize = minimum;
    return p;
}

Probe ProbeWbmp(Bytes bytes)
{
    const ByteReader in(bytes);
    if (in.U8(0) != 0 || in.U8(1) != 0 || !in.Ok())
        return {};
    std::size_t pos = 2;
    auto multiByte = [&]() -> std::optional<std::int64_t> {
        std::int64_t value = 0;
        for (int i = 0; i < 4; ++i) {
            if (!in.Has(pos, 1))
                return std::nullopt;
            const std::uint8_t b = in.U8(pos++);
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80))
                return value;
        }
        return std::nullopt;
    };
    const auto width = multiByte();
    const auto height = multiByte();
    if (!width || !height || *width == 0 || *height == 0)
        return {};
    // Without a signature, only a body of exactly the right size makes a wireless bitmap.
    const std::int64_t body = CeilDiv(*width, 8) * *height;
    const std::int64_t rest = static_cast<std::int64_t>(bytes.size() - pos);
    if (rest < body || rest > body + 16)
        return {};
    Probe p = Certain(*width, *height);
    p.match = Match::Plausible;
    return p;
}

Probe ProbeTiff(Bytes bytes)
{
    const ByteReader in(bytes);
    const bool little = in.StartsWith(0, "II\x2A\0"sv);
    if (!little && !in.StartsWith(0, "MM\0\x2A"sv)) {
        if (in.StartsWith(0, "II\x2B\0"sv) || in.StartsWith(0, "MM\0\x2B"sv))
            return CertainOfUnknownSize(); // BigTIFF: libtiff reads its header
        return {};
    }
    const auto u16 = [&](std::size_t at) { return little ? in.Le16(at) : in.Be16(at); };
    const auto u32 = [&](std::size_t at) { return little ? in.Le32(at) : in.Be32(at); };
    // The first directory: its entry count, entries and next offset must all be in the file.
    const std::int64_t directory = u32(4);
    Probe p = CertainOfUnknownSize();
    if (!in.Has(static_cast<std::size_t>(directory), 2)) {
        p.minimumFileSize = directory + 2;
        return p;
    }
    const std::int64_t count = u16(static_cast<std::size_t>(directory));
    p.minimumFileSize = directory + 2 + 12 * count + 4;
    std::int64_t width = -1, height = -1;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::size_t entry = static_cast<std::size_t>(directory + 2 + 12 * i);
        if (!in.Has(entry, 12))
            break;
        const int tag = u16(entry);
        const int type = u16(entry + 2);
        if ((tag != 256 && tag != 257) || u32(entry + 4) != 1)
            continue;
        const std::int64_t value = type == 3 ? u16(entry + 8) : type == 4 ? u32(entry + 8) : -1;
        (tag == 256 ? width : height) = value;
    }
    if (width >= 0 && height >= 0) {
        const std::int64_t minimum = p.minimumFileSize;
        p = Certain(width, height);
        p.minimumFileSize = minimum;
    }
    return p;
}

Probe ProbeWebp(Bytes bytes)
{
    const ByteReader in(bytes);
    if (!in.StartsWith(0, "RIFF"sv) || !in.StartsWith(8, "WEBP"sv))
        return {};
    // The RIFF size counts everything after its own field.
    const std::int64_t fileSize = std::int64_t{in.Le32(4)} + 8;
    std::int64_t width = 0, height = 0;
    if (in.StartsWith(12, "VP8X"sv)) {
        width = 1 + (in.Le32(24) & 0xFFFFFF);
        height = 1 + (in.Le32(27) & 0xFFFFFF);
    } else if (in.StartsWith(12, "VP8L"sv) && in.U8(20) == 0x2F) {
        const std::uint32_t bits = in.Le32(21);
        width = 1 + (bits & 0x3FFF);
        height = 1 + ((bits >> 14) & 0x3FFF);
    } else if (in.StartsWith(12, "VP8 "sv) && in.StartsWith(23, "\x9D\x01\x2A"sv)) {
        width = in.Le16(26) & 0x3FFF;
        height = in.Le16(28) & 0x3FFF;
    }
    Probe p = CertainOfUnknownSize();
    if (in.Ok() && width > 0 && height > 0)
        p = Certain(width, height);
    p.minimumFileSize = fileSize;
    return p;
}

namespace {

// The brands of an ISO base media file's leading 'ftyp' box: the major one, then the
// compatible ones.
std::vector<std::string_view> FileTypeBrands(Bytes bytes)
{
    const ByteReader in(bytes);
    if (!in.StartsWith(4, "ftyp"sv))
        return {};
    const std::size_t size = in.Be32(0);
    if (size < 16 || size > 4096 || !in.Has(0, size) || size % 4 != 0)
        return {};
    std::vector<std::string_view> brands;
    const auto brand = [&](std::size_t at) {
        return std::string_view(reinterpret_cast<const char *>(bytes.data()) + at, 4);
    };
    brands.push_back(brand(8));
    for (std::size_t at = 16; at + 4 <= size; at += 4)
        brands.push_back(brand(at));
    return brands;
}

bool HasBrand(const std::vector<std::string_view> &brands,
              std::initializer_list<std::string_view> wanted)
{
    return std::any_of(brands.begin(), brands.end(), [&](std::string_view b) {
        return std::find(wanted.begin(), wanted.end(), b) != wanted.end();
    });
}

} // namespace

Probe ProbeAvif(Bytes bytes)
{
    if (!HasBrand(FileTypeBrands(bytes), {"avif"sv, "avis"sv}))
        return {};
    return CertainOfUnknownSize();
}

Probe ProbeHeif(Bytes bytes)
{
    const auto brands = FileTypeBrands(bytes);
    if (HasBrand(brands, {"avif"sv, "avis"sv}) ||
        !HasBrand(brands, {"heic"sv, "heix"sv, "hevc"sv, "hevx"sv, "heim"sv, "heis"sv, "hevm"sv,
                           "hevs"sv, "mif1"sv, "msf1"sv}))
        return {};
    return CertainOfUnknownSize();
}

Probe ProbeJxl(Bytes bytes)
{
    const ByteReader in(bytes);
    if (in.StartsWith(0, "\xFF\x0A"sv) || in.StartsWith(0, "\0\0\0\x0CJXL \r\n\x87\n"sv))
        return CertainOfUnknownSize();
    return {};
}

namespace {

// True when the text starts like an SVG document: after an optional byte-order mark, the XML
// declaration, comments, processing instructions and a document type, the first element is
// <svg> (with or without a namespace prefix).
bool StartsLikeSvg(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"sv))
        text.remove_prefix(3);
    const auto skip = [&](std::string_view end) {
        const std::size_t at = text.find(end);
        if (at == std::string_view::npos)
            return false;
        text.remove_prefix(at + end.size());
        return true;
    };
    for (int items = 0; items < 256; ++items) {
        const std::size_t start = text.find_first_not_of(" \t\r\n"sv);
        if (start == std::string_view::npos)
            return false;
        text.remove_prefix(start);
        if (text.starts_with("<?"sv)) {
            if (!skip("?>"sv))
                return false;
        } else if (text.starts_with("<!--"sv)) {
            if (!skip("-->"sv))
                return false;
        } else if (text.starts_with("<!DOCTYPE"sv) || text.starts_with("<!doctype"sv)) {
            // An internal subset in brackets may hold '>' of its own.
            const std::size_t bracket = text.find('[');
            const std::size_t close = text.find('>');
            if (bracket != std::string_view::npos && bracket < close) {
                if (!skip("]"sv) || !skip(">"sv))
                    return false;
            } else if (!skip(">"sv)) {
                return false;
            }
        } else {
            for (std::string_view open : {"<svg"sv, "<svg:svg"sv}) {
                if (text.starts_with(open) && text.size() > open.size()) {
                    const char next = text[open.size()];
                    if (next == ' ' || next == '>' || next == '/' || next == '\t' || next == '\r' ||
                        next == '\n')
                        return true;
                }
            }
            return false;
        }
    }
    return false;
}

// Looks this far into a drawing for its first element.
constexpr std::size_t kSvgLookAhead = 64 * 1024;

} // namespace

Probe ProbeSvg(Bytes bytes)
{
    const ByteReader in(bytes);
    if (in.StartsWith(0, "\x1F\x8B\x08"sv)) {
        // Compressed drawings (.svgz): the start of the text decides.
        std::string text(4096, '\0');
        z_stream zs{};
        if (inflateInit2(&zs, 16 + MAX_WBITS) != Z_OK)
            return {};
        zs.next_in = const_cast<Bytef *>(bytes.data());
        zs.avail_in = static_cast<uInt>(std::min<std::size_t>(bytes.size(), 1u << 20));
        zs.next_out = reinterpret_cast<Bytef *>(text.data());
        zs.avail_out = static_cast<uInt>(text.size());
        inflate(&zs, Z_SYNC_FLUSH);
        text.resize(text.size() - zs.avail_out);
        inflateEnd(&zs);
        return StartsLikeSvg(text) ? CertainOfUnknownSize() : Probe{};
    }
    const std::string_view text(reinterpret_cast<const char *>(bytes.data()),
                                std::min(bytes.size(), kSvgLookAhead));
    return StartsLikeSvg(text) ? CertainOfUnknownSize() : Probe{};
}

Probe ProbePsd(Bytes bytes)
{
    const ByteReader in(bytes);
    if (!in.StartsWith(0, "8BPS"sv))
        return {};
    const int version = in.Be16(4);
    const std::int64_t height = in.Be32(14);
    const std::int64_t width = in.Be32(18);
    if (!in.Ok() || (version != 1 && version != 2))
        return CertainOfUnknownSize();
    return Certain(width, height);
}

Probe ProbeWmf(Bytes bytes)
{
    const ByteReader in(bytes);
    if (in.StartsWith(0, "\xD7\xCD\xC6\x9A"sv))
        return CertainOfUnknownSize();
    // A metafile without the placeable header starts with its own: type, header size 9 and
    // the Windows version.
    const int type = in.Le16(0);
    const int version = in.Le16(4);
    if (in.Ok() && (type == 1 || type == 2) && in.Le16(2) == 9 &&
        (version == 0x0100 || version == 0x0300))
        return CertainOfUnknownSize();
    return {};
}

Probe ProbeJp2(Bytes bytes)
{
    if (ByteReader(bytes).StartsWith(0, "\0\0\0\x0CjP  \r\n\x87\n"sv))
        return CertainOfUnknownSize();
    return {};
}

Probe ProbeJ2k(Bytes bytes)
{
    const ByteReader in(bytes);
    if (!in.StartsWith(0, "\xFF\x4F\xFF\x51"sv))
        return {};
    const std::int64_t xsiz = in.Be32(8), ysiz = in.Be32(12);
    const std::int64_t xoff = in.Be32(16), yoff = in.Be32(20);
    if (!in.Ok())
        return CertainOfUnknownSize();
    return Certain(xsiz - xoff, ysiz - yoff);
}

Probe ProbePnm(Bytes bytes)
{
    const PnmHeader header = ParsePnmHeader(bytes);
    if (!header.valid)
        return {};
    if (!Image::SizeIsAcceptable(header.width, header.height))
        return Certain(header.width, header.height);
    return Certain(header.width, header.height,
                   static_cast<std::int64_t>(header.dataOffset) + PnmMinimumDataBytes(header));
}

Probe ProbePgx(Bytes bytes)
{
    const ByteReader in(bytes);
    if (!in.StartsWith(0, "PG"sv))
        return {};
    TextHeader text(bytes, 2, false);
    const std::string_view order = text.Word();
    if (order != "ML" && order != "LM")
        return {};
    text.SkipBlanks();
    if (text.At('+') || text.At('-'))
        text.Advance();
    const auto depth = text.Number();
    const auto width = text.Number();
    const auto height = text.Number();
    if (!depth || !width || !height || *depth < 1 || *depth > 32)
        return {};
    if (text.At('\r'))
        text.Advance();
    if (!text.At('\n'))
        return {};
    text.Advance();
    if (!Image::SizeIsAcceptable(*width, *height))
        return Certain(*width, *height);
    const std::int64_t sampleBytes = *depth <= 8 ? 1 : *depth <= 16 ? 2 : 4;
    return Certain(*width, *height,
                   static_cast<std::int64_t>(text.Pos()) + *width * *height * sampleBytes);
}

Probe ProbeRas(Bytes bytes)
{
    const ByteReader in(bytes);
    if (!in.StartsWith(0, "\x59\xA6\x6A\x95"sv))
        return {};
    const std::int64_t width = in.Be32(4);
    const std::int64_t height = in.Be32(8);
    const std::int64_t depth = in.Be32(12);
    const std::uint32_t type = in.Be32(20);
    const std::int64_t mapLength = in.Be32(28);
    if (!in.Ok())
        return CertainOfUnknownSize();
    if (!Image::SizeIsAcceptable(width, height))
        return Certain(width, height);
    std::int64_t minimum = 0;
    if (type != 2 && (depth == 1 || depth == 8 || depth == 24 || depth == 32)) // not run-length
        minimum = 32 + mapLength + height * (CeilDiv(width * depth, 16) * 2);
    return Certain(width, height, minimum);
}

} // namespace lumaskin
