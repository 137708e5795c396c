#include "engine/formats.h"

#include <algorithm>

namespace lumaskin {

const Format *FindFormatByContent(Bytes bytes, Probe *probe)
{
    const Format *plausible = nullptr;
    Probe plausibleProbe;
    for (const Format &format : Formats()) {
        const Probe p = format.probe(bytes);
        if (p.match == Match::Certain) {
            *probe = p;
            return &format;
        }
        if (p.match == Match::Plausible && !plausible) {
            plausible = &format;
            plausibleProbe = p;
        }
    }
    *probe = plausibleProbe;
    return plausible;
}

const Format *FindWrittenFormat(const QString &extension)
{
    if (extension.isEmpty())
        return nullptr;
    for (const Format &format : Formats())
        if (extension.compare(format.extension, Qt::CaseInsensitive) == 0)
            return &format;
    return nullptr;
}

std::vector<const Format *> WrittenFormats()
{
    std::vector<const Format *> written;
    for (const Format &format : Formats())
        if (!format.extension.isEmpty())
            written.push_back(&format);
    std::stable_sort(written.begin(), written.end(), [](const Format *a, const Format *b) {
        return a->listPosition < b->listPosition;
    });
    return written;
}

QStringList WritableFormats()
{
    QStringList extensions;
    for (const Format *format : WrittenFormats())
        extensions << format->extension;
    return extensions;
}

bool FormatHasQuality(const QString &extension)
{
    const Format *format = FindWrittenFormat(extension);
    return format && format->hasQuality;
}

std::vector<FormatFamily> FormatFamilies()
{
    std::vector<FormatFamily> families;
    for (const Format &format : Formats()) {
        auto family = std::find_if(families.begin(), families.end(),
                                   [&](const FormatFamily &f) { return f.title == format.title; });
        if (family == families.end())
            family = families.insert(families.end(), FormatFamily{format.title, {}, {}});
        family->extensionsRead << format.extensionsRead;
        if (!format.extension.isEmpty())
            family->extensionsWritten << format.extension;
    }
    return families;
}

} // namespace lumaskin
