#include "tools/convert_sources.h"

#include "engine/batch_conversion.h"
#include "engine/file_name.h"
#include "engine/picture_probe.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace lumaskin {

namespace {

QString systemReason(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// "X (n)" with n a whole number: the stem X it would be numbered after, else nothing.
std::optional<QString> numberedBase(const QString &stem)
{
    if (!stem.endsWith(QLatin1Char(')')))
        return std::nullopt;
    const qsizetype open = stem.lastIndexOf(QLatin1String(" ("));
    if (open <= 0 || open + 3 > stem.size() - 1)
        return std::nullopt;
    for (qsizetype i = open + 2; i < stem.size() - 1; ++i)
        if (!stem[i].isDigit() || stem[i].unicode() > 0x7f)
            return std::nullopt;
    return stem.left(open);
}

struct FolderId
{
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FolderId &) const = default;
};

size_t qHash(const FolderId &id, size_t seed = 0)
{
    return ::qHash(static_cast<quint64>(id.inode) ^ (static_cast<quint64>(id.device) << 32), seed);
}

bool isPlainFile(const QString &path)
{
    struct stat info = {};
    return ::lstat(NativeFileName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

class SourceGatherer
{
public:
    explicit SourceGatherer(const SourceRules &rules) : m_rules(rules)
    {
        struct stat info = {};
        if (!rules.outputFolder.isEmpty() &&
            ::stat(NativeFileName(rules.outputFolder).constData(), &info) == 0)
            m_output = FolderId{info.st_dev, info.st_ino};
    }

    ConvertSources Gather(const QStringList &paths)
    {
        for (const QString &path : paths) {
            struct stat info = {};
            const bool folder =
                ::stat(NativeFileName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
            if (folder && m_rules.recursive) {
                // A folder given twice, or inside one given before, is taken once.
                if (!m_visited.contains(FolderId{info.st_dev, info.st_ino})) {
                    m_visited.insert(FolderId{info.st_dev, info.st_ino});
                    Walk(path, QString());
                }
            } else if (m_rules.parents) {
                AddWithParents(path);
            } else {
                // Converting says what is wrong with a folder or a missing file.
                m_result.files << path;
                m_result.names << QString();
            }
        }
        return std::move(m_result);
    }

private:
    void Walk(const QString &folder, const QString &relative)
    {
        QStringList entries;
        QString error;
        if (!ListFolder(folder, &entries, &error)) {
            m_result.problems << error;
            return;
        }
        QStringList pictures;
        QStringList folders;
        for (const QString &name : entries) {
            const QString path = JoinedPath(folder, name);
            struct stat info = {};
            if (::lstat(NativeFileName(path).constData(), &info) != 0) {
                // Gone since the folder was listed, or out of reach (a path longer than the
                // system takes): said, not left out in silence.
                if (errno != ENOENT)
                    m_result.problems
                        << QCoreApplication::translate("ConvertSources", "cannot read %1: %2")
                               .arg(QuotedFileName(path), systemReason(errno));
                continue;
            }
            // Links are never followed: they may lead out of the tree or round in a loop.
            if (S_ISLNK(info.st_mode))
                continue;
            if (S_ISDIR(info.st_mode)) {
                const FolderId id{info.st_dev, info.st_ino};
                if ((m_output && *m_output == id) || m_visited.contains(id))
                    continue;
                m_visited.insert(id);
                folders << name;
            } else if (S_ISREG(info.st_mode) && LooksLikePicture(path)) {
                pictures << name;
            } else if (S_ISREG(info.st_mode) &&
                       ::access(NativeFileName(path).constData(), R_OK) != 0) {
                // Not left out in silence: it may well be a picture.
                m_result.problems << QCoreApplication::translate("ConvertSources",
                                                                 "cannot read %1: %2")
                                         .arg(QuotedFileName(path), systemReason(errno));
            }
        }
        const QStringList stems = MirrorNames(pictures);
        for (qsizetype i = 0; i < pictures.size(); ++i) {
            m_result.files << JoinedPath(folder, pictures[i]);
            m_result.names << JoinedPath(relative, stems[i]);
        }
        for (const QString &name : folders)
            Walk(JoinedPath(folder, name), JoinedPath(relative, name));
    }

    void AddWithParents(const QString &path)
    {
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        const QString fileName = path.mid(slash + 1);
        QStringList kept;
        for (const QString &part :
             path.left(std::max<qsizetype>(slash, 0)).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            if (part == QLatin1String(".."))
                return Refuse(
                    path, QCoreApplication::translate("ConvertSources",
                                                      "a name with \"..\" has no place under the "
                                                      "output folder"));
            if (part != QLatin1String("."))
                kept << part;
        }
        if (fileName.isEmpty() || fileName == QLatin1String(".") || fileName == QLatin1String(".."))
            return Refuse(path, QCoreApplication::translate("ConvertSources", "not a file"));
        const QString folder = slash < 0    ? QStringLiteral(".")
                               : slash == 0 ? QStringLiteral("/")
                                            : path.left(slash);
        m_result.files << path;
        m_result.names << JoinedPath(kept.join(QLatin1Char('/')),
                                     StemAmongSiblings(folder, fileName));
    }

    // The file's name among the pictures beside it that could take the same one.
    QString StemAmongSiblings(const QString &folder, const QString &fileName)
    {
        const QString stem = ConversionName(fileName);
        auto found = m_folders.find(folder);
        if (found == m_folders.end()) {
            QHash<QString, QStringList> byStem;
            QStringList entries;
            QString ignored; // an unreadable folder leaves the file its plain name
            ListFolder(folder, &entries, &ignored);
            for (const QString &name : entries) {
                const QString own = ConversionName(name);
                byStem[own] << name;
                if (const auto base = numberedBase(own))
                    byStem[*base] << name;
            }
            found = m_folders.insert(folder, byStem);
        }
        QStringList siblings;
        for (const QString &name : found->value(stem))
            if (name == fileName || (isPlainFile(JoinedPath(folder, name)) &&
                                     LooksLikePicture(JoinedPath(folder, name))))
                siblings << name;
        if (!siblings.contains(fileName)) {
            siblings << fileName;
            std::sort(siblings.begin(), siblings.end(), NativeNameLess);
        }
        return MirrorNames(siblings)[siblings.indexOf(fileName)];
    }

    void Refuse(const QString &path, const QString &why)
    {
        m_result.problems << QStringLiteral("%1: %2").arg(QuotedFileName(path), why);
    }

    const SourceRules &m_rules;
    std::optional<FolderId> m_output;
    QSet<FolderId> m_visited;
    QHash<QString, QHash<QString, QStringList>> m_folders;
    ConvertSources m_result;
};

} // namespace

bool ReadFileList(const QString &path, bool nul, QStringList *files, QString *error)
{
    const bool standardInput = path == QLatin1String("-");
    const int fd = standardInput ? STDIN_FILENO
                                 : ::open(NativeFileName(path).constData(), O_RDONLY | O_CLOEXEC);
    const QString shown = standardInput
                              ? QCoreApplication::translate("ConvertSources", "standard input")
                              : QuotedFileName(path);
    if (fd < 0) {
        *error = QCoreApplication::translate("ConvertSources", "cannot read the list %1: %2")
                     .arg(shown, systemReason(errno));
        return false;
    }
    const char separator = nul ? '\0' : '\n';
    // No name holds a NUL byte: a line that does is a NUL-separated list read by lines, whose
    // names would run together.
    const auto take = [&](QByteArrayView name) {
        if (!nul && name.contains('\0')) {
            *error =
                QCoreApplication::translate(
                    "ConvertSources", "%1 is no list of file names by lines: an entry holds a NUL "
                                      "byte (NUL-separated? use -0)")
                    .arg(shown);
            return false;
        }
        files->append(FileNameFromNative(name));
        return true;
    };
    QByteArray pending;
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            *error = QCoreApplication::translate("ConvertSources", "cannot read the list %1: %2")
                         .arg(shown, systemReason(errno));
            ok = false;
            break;
        }
        if (got > 0)
            pending.append(buffer, got);
        // Names are taken as they end, so that memory holds the names and not the list.
        qsizetype start = 0;
        for (qsizetype end; ok && (end = pending.indexOf(separator, start)) >= 0; start = end + 1)
            if (end > start)
                ok = take(QByteArrayView(pending).sliced(start, end - start));
        pending.remove(0, start);
        if (ok && got == 0 && !pending.isEmpty())
            ok = take(pending);
        if (!ok || got == 0)
            break;
        // No file name is this long: a list of another kind was given by mistake.
        if (pending.size() > PATH_MAX) {
            *error = (nul ? QCoreApplication::translate(
                                "ConvertSources", "%1 is no list of file names: an entry is "
                                                  "longer than any path can be")
                          : QCoreApplication::translate(
                                "ConvertSources", "%1 is no list of file names: an entry is "
                                                  "longer than any path can be (NUL-separated? "
                                                  "use -0)"))
                         .arg(shown);
            ok = false;
            break;
        }
    }
    if (!standardInput)
        ::close(fd);
    return ok;
}

QStringList MirrorNames(const QStringList &sortedNames)
{
    // As the batch planner does within one list: every picture takes its own stem while it is
    // free, then the others are numbered in order.
    QStringList stems;
    QSet<QString> claimed;
    std::vector<bool> numbered(static_cast<std::size_t>(sortedNames.size()), false);
    for (qsizetype i = 0; i < sortedNames.size(); ++i) {
        stems << ConversionName(sortedNames[i]);
        if (claimed.contains(stems[i]))
            numbered[static_cast<std::size_t>(i)] = true;
        else
            claimed.insert(stems[i]);
    }
    QHash<QString, int> next;
    for (qsizetype i = 0; i < sortedNames.size(); ++i) {
        if (!numbered[static_cast<std::size_t>(i)])
            continue;
        int &n = next[stems[i]];
        for (n = std::max(n, 2);; ++n) {
            const QString candidate = QStringLiteral("%1 (%2)").arg(stems[i]).arg(n);
            if (!claimed.contains(candidate)) {
                claimed.insert(candidate);
                stems[i] = candidate;
                break;
            }
        }
    }
    return stems;
}

ConvertSources GatherSources(const QStringList &paths, const SourceRules &rules)
{
    return SourceGatherer(rules).Gather(paths);
}

} // namespace lumaskin
