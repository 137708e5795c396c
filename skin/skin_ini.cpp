#include "skin/skin_ini.h"

#include "skin/ini_document.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <fstream>
#include <mutex>
#include <optional>
#include <sys/stat.h>

namespace lumaskin {

namespace {

// What identifies one version of a file on disk. The change time is included so that a
// rewrite that restores the modification time and size is still noticed.
struct FileStamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    long long changedNs = 0;
    bool operator==(const FileStamp &) const = default;
};

std::optional<FileStamp> StampOf(const std::string &path)
{
    struct stat status = {};
    if (path.empty() || stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    auto nanoseconds = [](const timespec &time) {
        return static_cast<long long>(time.tv_sec) * 1000000000LL + time.tv_nsec;
    };
    return FileStamp{status.st_dev, status.st_ino, status.st_size, nanoseconds(status.st_mtim),
                     nanoseconds(status.st_ctim)};
}

std::optional<std::string> ReadWholeFile(const std::string &path, std::size_t limit)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // One byte beyond the limit tells a file that is too large from one that just fits.
    std::string text(limit + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad() || static_cast<std::size_t>(in.gcount()) > limit)
        return std::nullopt;
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

// The skin engine reads one file section after section, so remembering the last file
// parsed is enough.
struct ParsedFileCache
{
    std::mutex mutex;
    std::string path;
    FileStamp stamp;
    std::shared_ptr<const IniDocument> document;
};

ParsedFileCache &Cache()
{
    static ParsedFileCache cache;
    return cache;
}

void Forget(const std::string &path)
{
    ParsedFileCache &cache = Cache();
    const std::lock_guard lock(cache.mutex);
    if (cache.path == path)
        cache.document.reset();
}

bool IsWritableName(std::string_view name)
{
    return !name.empty() && name.find_first_of("\r\n") == std::string_view::npos;
}

std::string Rewritten(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value)
{
    const bool hasBom = text.starts_with(kUtf8Bom);
    const std::string_view body = hasBom ? text.substr(kUtf8Bom.size()) : text;
    const std::vector<std::string_view> lines = SplitIniLines(body);
    const bool crlf = !lines.empty() && lines.front().ends_with("\r\n");
    const std::string_view newline = crlf ? "\r\n" : "\n";

    // Find the first occurrence of the section, the key's line within it, and the line after
    // which a new key goes (the section's last key, or its header).
    std::optional<size_t> keyLine, insertAfter;
    bool inSection = false, sectionSeen = false;
    for (size_t i = 0; i < lines.size() && !keyLine; ++i) {
        const IniLine line = ClassifyIniLine(StripLineEnding(lines[i]));
        if (line.kind == IniLine::Kind::Section) {
            if (inSection)
                break;
            inSection = !sectionSeen && EqualsIgnoreCase(line.name, section);
            if (inSection) {
                sectionSeen = true;
                insertAfter = i;
            }
        } else if (inSection && line.kind == IniLine::Kind::Key) {
            if (EqualsIgnoreCase(line.name, key))
                keyLine = i;
            insertAfter = i;
        }
    }

    std::string result(hasBom ? kUtf8Bom : "");
    auto appendLine = [&](std::string_view content) {
        if (!result.empty() && !result.ends_with('\n') && result != kUtf8Bom)
            result += newline;
        result += content;
        result += newline;
    };
    const std::string keyValue = std::string(key) + "=" + std::string(value);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (keyLine && i == *keyLine) {
            // Keep the key as it was spelt and anything in front of it.
            const std::string_view line = StripLineEnding(lines[i]);
            result += line.substr(0, line.find('=') + 1);
            result += value;
            result += lines[i].substr(line.size());
            continue;
        }
        result += lines[i];
        if (!keyLine && insertAfter && i == *insertAfter)
            appendLine(keyValue);
    }
    if (!sectionSeen) {
        appendLine("[" + std::string(section) + "]");
        appendLine(keyValue);
    }
    return result;
}

} // namespace

std::shared_ptr<const IniDocument> SkinIni::Load() const
{
    static const auto empty = std::make_shared<const IniDocument>();
    const std::optional<FileStamp> stamp = StampOf(m_path);
    if (!stamp)
        return empty;

    ParsedFileCache &cache = Cache();
    const std::lock_guard lock(cache.mutex);
    if (cache.document && cache.path == m_path && cache.stamp == *stamp)
        return cache.document;

    if (static_cast<std::size_t>(stamp->size) > kMaxFileBytes)
        return empty;
    // The stamp was taken before reading: if the file changes in between, the next call
    // sees a new stamp and parses again.
    const std::optional<std::string> text = ReadWholeFile(m_path, kMaxFileBytes);
    if (!text)
        return empty;
    cache.path = m_path;
    cache.stamp = *stamp;
    cache.document = std::make_shared<const IniDocument>(IniDocument::Parse(*text));
    return cache.document;
}

std::string SkinIni::GetString(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const
{
    const auto document = Load();
    if (const IniDocument::Section *found = document->FindSection(section))
        if (const std::string *value = IniDocument::FindValue(*found, key))
            return *value;
    return std::string(defaultValue);
}

bool SkinIni::GetSectionNames(std::vector<std::string> &list) const
{
    list.clear();
    for (const IniDocument::Section &section : Load()->Sections())
        list.push_back(section.name);
    return !list.empty();
}

bool SkinIni::GetKeyNames(std::string_view section, std::vector<std::string> &list) const
{
    list.clear();
    if (const IniDocument::Section *found = Load()->FindSection(section))
        for (const auto &entry : found->keys)
            list.push_back(entry.first);
    return !list.empty();
}

bool SkinIni::WriteString(std::string_view section, std::string_view key,
                          std::string_view value) const
{
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (m_path.empty() || !IsWritableName(section) || !IsWritableName(key) ||
        section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos ||
        key.front() == ';' || key.front() == '[' ||
        value.find_first_of("\r\n") != std::string_view::npos)
        return false;

    std::string text;
    if (StampOf(m_path)) {
        const std::optional<std::string> current = ReadWholeFile(m_path, kMaxFileBytes);
        if (!current)
            return false;
        text = *current;
    }
    const std::string updated = Rewritten(text, section, key, value);

    QSaveFile file(QString::fromStdString(m_path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(updated.size());
    if (file.write(updated.data(), size) != size)
        return false;
    const bool written = file.commit();
    Forget(m_path);
    return written;
}

} // namespace lumaskin
