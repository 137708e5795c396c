#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

namespace lumaskin {

// One format the program writes.
struct OutputFormat
{
    std::string_view label;     // as the main window's format list shows it ("JPG")
    std::string_view extension; // of the files written, and the name `-f` takes ("jpg")
    std::string_view codec;     // the codec that writes it, as messages name it ("JPEG")
    bool hasQuality;            // the files depend on the quality setting

    QString LabelText() const { return Text(label); }
    QString ExtensionText() const { return Text(extension); }

private:
    static QString Text(std::string_view view)
    {
        return QString::fromLatin1(view.data(), static_cast<qsizetype>(view.size()));
    }
};

// Every format written, in the order the program offers them. The main window's list keeps the
// first fourteen in their places; later formats follow them.
std::span<const OutputFormat> OutputFormats();

// The format written under `extension` (any case); null when none is.
const OutputFormat *FindOutputFormat(const QString &extension);

// The extensions of OutputFormats(), in its order.
QStringList WritableFormats();

// True for the formats whose files depend on the quality: jpg, webp and avif.
bool FormatHasQuality(const QString &format);

} // namespace lumaskin
