#include "tests/zip/zip_fixture.h"

#include <random>
#include <stdexcept>
#include <zlib.h>

namespace lumaskin::test {

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

std::string RawDeflate(std::string_view data, int level)
{
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw std::runtime_error("deflate");
    return out;
}

std::uint32_t Crc32(std::string_view data)
{
    return static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef *>(data.data()), static_cast<uInt>(data.size())));
}

std::string BuildArchive(const std::vector<FixtureEntry> &entries, const FixtureOptions &options)
{
    std::string body;
    std::string directory;
    const std::uint32_t base =
        options.adjustOffsets ? static_cast<std::uint32_t>(options.prefix.size()) : 0;
    for (const FixtureEntry &entry : entries) {
        const std::string payload = entry.payload       ? *entry.payload
                                    : entry.method == 8 ? RawDeflate(entry.data)
                                                        : entry.data;
        const std::uint32_t crc = entry.crc ? *entry.crc : Crc32(entry.data);
        std::uint16_t flags = entry.flags;
        if (entry.descriptor != Descriptor::none)
            flags |= 0x0008;
        const auto compressed = static_cast<std::uint32_t>(payload.size());
        const auto uncompressed = static_cast<std::uint32_t>(entry.data.size());
        const auto offset = static_cast<std::uint32_t>(base + body.size());
        std::string localExtra = entry.extraField;
        if (entry.descriptor == Descriptor::zip64) {
            Append16(localExtra, 0x0001);
            Append16(localExtra, 16);
            localExtra += std::string(16, '\0');
        }

        const bool deferred = entry.descriptor != Descriptor::none;
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
            if (entry.descriptor != Descriptor::withoutSignature)
                Append32(body, 0x08074B50);
            Append32(body, crc);
            Append32(body, compressed);
            if (entry.descriptor == Descriptor::zip64)
                Append32(body, 0);
            Append32(body, uncompressed);
            if (entry.descriptor == Descriptor::zip64)
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
        Append16(directory, 0);
        Append16(directory, 0);
        Append16(directory, 0);
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

std::string EmptyArchive(std::string_view comment)
{
    FixtureOptions options;
    options.comment = std::string(comment);
    return BuildArchive({}, options);
}

std::size_t EndRecordOffset(const std::string &archive)
{
    return archive.rfind(std::string("PK\x05\x06", 4));
}

void Put16(std::string &bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void Put32(std::string &bytes, std::size_t at, std::uint32_t value)
{
    Put16(bytes, at, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::string TextData(std::size_t size, unsigned seed)
{
    static const char *const kWords[] = {"skin ",  "button ", "slider ", "bitmap ", "colour ",
                                         "label ", "window ", "\n",      "= ",      "0x00FF00, "};
    std::mt19937 random(seed);
    std::string out;
    out.reserve(size + 16);
    while (out.size() < size)
        out += kWords[random() % 10];
    out.resize(size);
    return out;
}

std::string NoiseData(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string out(size, '\0');
    for (char &c : out)
        c = static_cast<char>(random() & 0xFF);
    return out;
}

} // namespace lumaskin::test
