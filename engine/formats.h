#pragma once

#include "engine/codecs/codec.h"
#include "engine/image_io.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace lumaskin {

// One picture format: how its bytes are recognised, read and written, and everything the
// program says about it. The main window's format list, the Add dialog's filter, the folder
// scan, `lumaskin-convert --help` and the desktop entry are all made from these rows.
struct Format
{
    // As messages name it ("JPEG", "icon").
    QString name;
    // As users know it: in the Add dialog's filter, --help and the documentation ("Windows
    // icon"). Rows of one title make one entry there.
    QString title;
    // As the main window's format list shows it ("JPG"), at `listPosition` (0 first); empty for
    // formats that are only read.
    QString label;
    int listPosition = -1;
    // Of the files written, and the name `-f` takes ("jpg"); empty for formats only read.
    QString extension;
    // The extensions its files go by, lower case. Pictures are read by their content whatever
    // their names; these make the Add dialog's filter, and a folder gives a file whose content
    // only plausibly fits a format without a signature when the file has one of them.
    QStringList extensionsRead;
    // What the desktop entry offers to open.
    QStringList mimeTypes;

    // A cheap look at the first bytes.
    std::function<Probe(Bytes)> probe;
    // Decodes a file whose probe matched, with the metadata the file carries. Sets *error on
    // failure.
    std::function<Image(Bytes, QString *error)> read;
    // Reads as `read` does, decoding at 1/2, 1/4 or 1/8 of the size as far as the hints allow;
    // empty for the formats that are read whole whatever the hints.
    std::function<Image(Bytes, const ReadHints &, QString *error)> readShrunk;
    // Encodes into `out`; empty for formats only read.
    std::function<bool(const Image &, const EncodeSettings &, QByteArray &out, QString *error)>
        write;
    // Writes `target` from the file `source` when nothing is done to the picture in between,
    // or only work a band of rows at a time, faster than reading and writing would, to the same
    // bytes. Declined when that does not apply to the source; the picture is then read and
    // written the usual way.
    std::function<Shortcut(const QString &source, const QString &target,
                           const WriteSettings &settings, const RowWork *work, QString *error)>
        transcode;

    // The files depend on the quality setting.
    bool hasQuality = false;
    // The written file holds EXIF, XMP and a colour profile. Pictures with a profile other
    // than sRGB are converted to sRGB before a format without one is written.
    bool holdsMetadata = false;
    // The picture is stored as the camera saw it and the EXIF orientation says how to turn it
    // upright (JPEG, PNG, WebP). Formats with an orientation of their own turn it in the reader.
    bool orientedByExif = false;
    // The codec module its library is loaded from ("magick"); empty when the engine holds it.
    QString module;
    // The size a conversion writes, when the format has one: the picture is fitted inside and
    // centred on a transparent background.
    QSize fixedSize;
};

// Every format, in the order their content checks are tried.
const std::vector<Format> &Formats();

// The format whose content check fits the bytes best: the first sure match in table order,
// else the first plausible one. nullptr when none fits; *probe gets the winner's probe.
const Format *FindFormatByContent(Bytes bytes, Probe *probe);

// The format written under `extension` (any case), or nullptr.
const Format *FindWrittenFormat(const QString &extension);

// The formats written, in the order of the main window's format list.
std::vector<const Format *> WrittenFormats();

// Their extensions, in that order.
QStringList WritableFormats();

// True for the formats whose files depend on the quality (jpg, webp and avif).
bool FormatHasQuality(const QString &extension);

// A format as users know it: the rows of one title together.
struct FormatFamily
{
    QString title;
    QStringList extensionsRead;
    QStringList extensionsWritten;
};

// One family per title, in table order.
std::vector<FormatFamily> FormatFamilies();

} // namespace lumaskin
