#include "engine/file_name.h"

#include <QFile>
#include <QStringList>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace lumaskin {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool IsEscapedByte(char16_t c)
{
    return c >= 0xDC80 && c <= 0xDCFF;
}

// The length of the valid UTF-8 sequence at the front of `bytes`, or 0 when the first byte
// does not start one (overlong forms, surrogates and values above U+10FFFF are not valid).
int ValidSequenceLength(const unsigned char *bytes, qsizetype available, char32_t *codePoint)
{
    const unsigned char lead = bytes[0];
    if (lead < 0x80) {
        *codePoint = lead;
        return 1;
    }
    int length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (available < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return 0;
        value = value << 6 | (bytes[i] & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *codePoint = value;
    return length;
}

} // namespace

QByteArray NativeFileName(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = name[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < size &&
            QChar::isLowSurrogate(name[i + 1].unicode())) {
            bytes += QStringView(name).mid(i, 2).toUtf8();
            ++i;
        } else if (IsEscapedByte(c)) {
            bytes += static_cast<char>(c - kEscapeBase);
        } else {
            bytes += QStringView(&name.data()[i], 1).toUtf8();
        }
    }
    return bytes;
}

QString FileNameFromNative(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype at = 0;
    while (at < size) {
        char32_t codePoint = 0;
        const int length = ValidSequenceLength(data + at, size - at, &codePoint);
        if (length == 0) {
            name += QChar(static_cast<char16_t>(kEscapeBase + data[at]));
            ++at;
            continue;
        }
        const char32_t text[] = {codePoint};
        name += QString::fromUcs4(text, 1);
        at += length;
    }
    return name;
}

QString ResolveFileName(const QString &name)
{
    // Only a name that Qt has decoded lossily holds U+FFFD, and only one that names nothing
    // needs looking for.
    struct stat status = {};
    if (!name.contains(QChar::ReplacementCharacter) ||
        lstat(NativeFileName(name).constData(), &status) == 0)
        return name;
    const QStringList parts = name.split(u'/');
    QString resolved;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (i > 0)
            resolved += u'/';
        if (!part.contains(QChar::ReplacementCharacter)) {
            resolved += part;
            continue;
        }
        const QByteArray folder =
            NativeFileName(resolved.isEmpty() ? QStringLiteral(".") : resolved);
        const std::unique_ptr<DIR, int (*)(DIR *)> listing(opendir(folder.constData()), closedir);
        if (!listing)
            return name;
        QString match;
        int matches = 0;
        while (const dirent *entry = readdir(listing.get())) {
            const QByteArray bytes(entry->d_name);
            if (QFile::decodeName(bytes) == part && ++matches == 1)
                match = FileNameFromNative(bytes);
        }
        if (matches != 1)
            return name;
        resolved += match;
    }
    return resolved;
}

QString QuotedFileName(const QString &name)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            quoted += u'\\';
            quoted += c;
        } else if (u == u'\n') {
            quoted += QStringLiteral("\\n");
        } else if (u == u'\r') {
            quoted += QStringLiteral("\\r");
        } else if (u == u'\t') {
            quoted += QStringLiteral("\\t");
        } else if (IsEscapedByte(u)) {
            quoted += QStringLiteral("\\x%1").arg(u - kEscapeBase, 2, 16, QLatin1Char('0'));
        } else if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0x2028 || u == 0x2029 || u == 0x85) {
            quoted += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        } else {
            quoted += c;
        }
    }
    quoted += u'"';
    return quoted;
}

bool NativeNameLess(const QString &a, const QString &b)
{
    return NativeFileName(a) < NativeFileName(b);
}

QString FolderWithSlash(const QString &folder)
{
    if (folder.isEmpty())
        return folder;
    qsizetype end = folder.size();
    while (end > 1 && folder[end - 1] == u'/')
        --end;
    QString result = folder.left(end);
    if (!result.endsWith(u'/'))
        result += u'/';
    return result;
}

QString JoinedPath(const QString &folder, const QString &name)
{
    return folder.isEmpty() ? name : FolderWithSlash(folder) + name;
}

} // namespace lumaskin
