#include "engine/preset_file.h"

#include "engine/file_name.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace lumaskin {

namespace {

constexpr char kMagic[] = "lumaskin-preset";

std::optional<std::vector<PresetLine>> Refuse(QString *error, const QString &file, int line,
                                              const QString &why)
{
    if (error)
        *error = line > 0 ? QCoreApplication::translate("PresetFile", "%1, line %2: %3")
                                .arg(QuotedFileName(file))
                                .arg(line)
                                .arg(why)
                          : QStringLiteral("%1: %2").arg(QuotedFileName(file), why);
    return std::nullopt;
}

} // namespace

std::optional<std::vector<PresetLine>> ParsePreset(const QByteArray &text, const QString &file,
                                                   QString *error)
{
    const QList<QByteArray> lines = text.split('\n');
    const QString first = QString::fromUtf8(lines.first()).trimmed();
    const QStringList head = first.split(u' ', Qt::SkipEmptyParts);
    if (head.size() != 2 || head[0] != QLatin1String(kMagic))
        return Refuse(
            error, file, 1,
            QCoreApplication::translate("PresetFile", "not a Lumaskin preset (it starts \"%1 %2\")")
                .arg(QLatin1String(kMagic))
                .arg(kPresetVersion));
    bool ok = false;
    const int version = head[1].toInt(&ok);
    if (!ok || version < 1)
        return Refuse(error, file, 1,
                      QStringLiteral("\"%1\" is not a preset version").arg(head[1]));
    if (version > kPresetVersion)
        return Refuse(error, file, 1,
                      QCoreApplication::translate(
                          "PresetFile", "the preset is of version %1, written by a newer Lumaskin; "
                                        "this one reads version %2 and older")
                          .arg(version)
                          .arg(kPresetVersion));
    std::vector<PresetLine> parsed;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        const QString line = QString::fromUtf8(lines[i]);
        if (line.contains(QChar::ReplacementCharacter))
            return Refuse(error, file, number,
                          QCoreApplication::translate("PresetFile", "the line is not UTF-8 text"));
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        const qsizetype equals = trimmed.indexOf(u'=');
        if (equals <= 0)
            return Refuse(error, file, number,
                          QStringLiteral("\"%1\" is not OPTION = VALUE").arg(trimmed));
        parsed.push_back(
            {number, trimmed.left(equals).trimmed(), trimmed.mid(equals + 1).trimmed()});
    }
    return parsed;
}

std::optional<std::vector<PresetLine>> ReadPreset(const QString &file, QString *error)
{
    QFile in(file);
    // Presets are a few lines; anything far larger is not one.
    constexpr qint64 kLargest = 1 << 20;
    if (!in.open(QIODevice::ReadOnly))
        return Refuse(
            error, file, 0,
            QCoreApplication::translate("PresetFile", "cannot be read: %1").arg(in.errorString()));
    if (in.size() > kLargest)
        return Refuse(error, file, 0,
                      QCoreApplication::translate("PresetFile", "too large for a preset"));
    return ParsePreset(in.read(kLargest), file, error);
}

QByteArray PresetText(const std::vector<std::pair<QString, QString>> &options)
{
    QByteArray text = QByteArray(kMagic) + ' ' + QByteArray::number(kPresetVersion) + '\n';
    for (const auto &[option, value] : options)
        text += option.toUtf8() + " = " + value.toUtf8() + '\n';
    return text;
}

bool WritePreset(const QString &file, const std::vector<std::pair<QString, QString>> &options,
                 QString *error)
{
    const QString folder = QFileInfo(file).absolutePath();
    QSaveFile out(file);
    if (!QDir().mkpath(folder) || !out.open(QIODevice::WriteOnly) ||
        out.write(PresetText(options)) < 0 || !out.commit()) {
        if (error)
            *error =
                QCoreApplication::translate("PresetFile", "the preset %1 cannot be written: %2")
                    .arg(QuotedFileName(file), out.errorString());
        return false;
    }
    return true;
}

QString PresetFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Lumaskin/presets");
}

QString PresetPath(const QString &name)
{
    if (name.contains(u'/') || QFileInfo::exists(name))
        return name;
    return PresetFolder() + u'/' + name + QStringLiteral(".preset");
}

} // namespace lumaskin
