#include "app/app_settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

namespace lumaskin {

namespace {

constexpr char kSkin[] = "skin/package";
constexpr char kOutputFormat[] = "conversion/format";
constexpr char kFileFolder[] = "choosers/files";
constexpr char kSkinFolder[] = "choosers/skins";
constexpr char kOutputFolder[] = "choosers/output";

// The keys of one output format's own choices: "conversion/jpg/quality".
QString FormatKey(const QString &extension, const char *what)
{
    return QStringLiteral("conversion/%1/%2").arg(extension.toLower(), QLatin1String(what));
}
constexpr char kWindowPosition[] = "window/position";
constexpr char kNotesShown[] = "notifier/shown";

// Whether `path` holds something other than a file: a pipe would block the start for good (the
// file is read as QSettings is made), a folder cannot be read.
bool IsSpecial(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists() || file.isFile())
        return false;
    std::fputs(
        qPrintable(
            QCoreApplication::translate(
                "AppSettings",
                "lumaskin: %1 is not a file; settings start from the defaults and are not kept "
                "this time\n")
                .arg(path)),
        stderr);
    return true;
}

} // namespace

AppSettings::AppSettings()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/lumaskin/lumaskin.conf");
    if (IsSpecial(path))
        UseStandIn();
    else
        m_settings =
            std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                        QStringLiteral("lumaskin"), QStringLiteral("lumaskin"));
}

AppSettings::AppSettings(const QString &file)
{
    if (IsSpecial(file))
        UseStandIn();
    else
        m_settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
}

void AppSettings::UseStandIn()
{
    m_standIn = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<QSettings>(m_standIn->filePath(QStringLiteral("lumaskin.conf")),
                                             QSettings::IniFormat);
}

AppSettings::~AppSettings() = default;

QString AppSettings::Text(const QString &key) const
{
    const QVariant value = m_settings->value(key);
    return value.canConvert<QString>() ? value.toString() : QString();
}

void AppSettings::SetText(const QString &key, const QString &value)
{
    if (value.isEmpty())
        m_settings->remove(key);
    else
        m_settings->setValue(key, value);
}

QString AppSettings::Skin() const
{
    return Text(QLatin1String(kSkin));
}

void AppSettings::SetSkin(const QString &packageFile)
{
    SetText(QLatin1String(kSkin), packageFile);
}

QString AppSettings::OutputFormat() const
{
    return Text(QLatin1String(kOutputFormat));
}

void AppSettings::SetOutputFormat(const QString &extension)
{
    SetText(QLatin1String(kOutputFormat), extension);
}

std::optional<int> AppSettings::Quality(const QString &extension) const
{
    bool ok = false;
    const int quality = m_settings->value(FormatKey(extension, "quality")).toInt(&ok);
    return ok ? std::optional<int>(quality) : std::nullopt;
}

void AppSettings::SetQuality(const QString &extension, int quality)
{
    m_settings->setValue(FormatKey(extension, "quality"), quality);
}

QString AppSettings::FileFolder() const
{
    return Text(QLatin1String(kFileFolder));
}

void AppSettings::SetFileFolder(const QString &folder)
{
    SetText(QLatin1String(kFileFolder), folder);
}

QString AppSettings::SkinFolder() const
{
    return Text(QLatin1String(kSkinFolder));
}

void AppSettings::SetSkinFolder(const QString &folder)
{
    SetText(QLatin1String(kSkinFolder), folder);
}

QString AppSettings::OutputFolder() const
{
    return Text(QLatin1String(kOutputFolder));
}

void AppSettings::SetOutputFolder(const QString &folder)
{
    SetText(QLatin1String(kOutputFolder), folder);
}

QString AppSettings::OutputFolder(const QString &extension) const
{
    return Text(FormatKey(extension, "folder"));
}

void AppSettings::SetOutputFolder(const QString &extension, const QString &folder)
{
    SetText(FormatKey(extension, "folder"), folder);
}

std::optional<QPoint> AppSettings::WindowPosition() const
{
    const QVariant value = m_settings->value(QLatin1String(kWindowPosition));
    if (!value.canConvert<QPoint>())
        return std::nullopt;
    return value.toPoint();
}

void AppSettings::SetWindowPosition(const QPoint &position)
{
    m_settings->setValue(QLatin1String(kWindowPosition), position);
}

QString AppSettings::BatchPreset() const
{
    return Text(QStringLiteral("batch/preset"));
}

void AppSettings::SetBatchPreset(const QString &text)
{
    SetText(QStringLiteral("batch/preset"), text);
}

bool AppSettings::NotesShown() const
{
    return m_settings->value(QLatin1String(kNotesShown), true).toBool();
}

void AppSettings::SetNotesShown(bool shown)
{
    m_settings->setValue(QLatin1String(kNotesShown), shown);
}

void AppSettings::Sync()
{
    m_settings->sync();
}

QString AppSettings::FileName() const
{
    return m_settings->fileName();
}

} // namespace lumaskin
