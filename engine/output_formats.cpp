#include "engine/output_formats.h"

namespace lumaskin {

namespace {

constexpr OutputFormat kOutputFormats[] = {
    {"Bmp", "bmp", "BMP", false},        {"JPG", "jpg", "JPEG", true},
    {"PDF", "pdf", "PDF", false},        {"WBMP", "wbmp", "WBMP", false},
    {"GIF", "gif", "GIF", false},        {"PCX", "pcx", "PCX", false},
    {"TGA", "tga", "TGA", false},        {"ICO", "ico", "icon", false},
    {"JP2", "jp2", "JPEG 2000", false},  {"JPC", "jpc", "JPEG 2000", false},
    {"RAS", "ras", "Sun raster", false}, {"PGX", "pgx", "PGX", false},
    {"PNM", "pnm", "PNM", false},        {"PNG", "png", "PNG", false},
    {"WEBP", "webp", "WebP", true},      {"AVIF", "avif", "AVIF", true},
    {"TIF", "tif", "TIFF", false},
};

} // namespace

std::span<const OutputFormat> OutputFormats()
{
    return kOutputFormats;
}

const OutputFormat *FindOutputFormat(const QString &extension)
{
    for (const OutputFormat &format : kOutputFormats)
        if (extension.compare(format.ExtensionText(), Qt::CaseInsensitive) == 0)
            return &format;
    return nullptr;
}

QStringList WritableFormats()
{
    QStringList formats;
    for (const OutputFormat &format : kOutputFormats)
        formats << format.ExtensionText();
    return formats;
}

bool FormatHasQuality(const QString &format)
{
    const OutputFormat *found = FindOutputFormat(format);
    return found && found->hasQuality;
}

} // namespace lumaskin
