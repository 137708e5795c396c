#include "app/app_settings.h"

namespace lumaskin {

namespace {

constexpr char kSkin[] = "skin/package";
constexpr char kOutputFormat[] = "conversion/format";
constexpr char kFileFolder[] = "choosers/files";
constexpr char kOutputFolder[] = "choosers/output";
constexpr char kWindowPosition[] = "window/position";

} // namespace

AppSettings::AppSettings()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("lumaskin"),
                                             QStringLiteral("lumaskin")))
{}

AppSettings::AppSettings(const QString &file)
    : m_settings(std::make_unique<QSettings>(file, QSettings::IniFormat))
{}

AppSettings::~AppSettings() = default;

QString AppSettings::Text(const char *key) const
{
    const QVariant value = m_settings->value(QLatin1String(key));
    return value.canConvert<QString>() ? value.toString() : QString();
}

void AppSettings::SetText(const char *key, const QString &value)
{
    if (value.isEmpty())
        m_settings->remove(QLatin1String(key));
    else
        m_settings->setValue(QLatin1String(key), value);
}

QString AppSettings::Skin() const
{
    return Text(kSkin);
}

void AppSettings::SetSkin(const QString &packageFile)
{
    SetText(kSkin, packageFile);
}

QString AppSettings::OutputFormat() const
{
    return Text(kOutputFormat);
}

void AppSettings::SetOutputFormat(const QString &format)
{
    SetText(kOutputFormat, format);
}

QString AppSettings::FileFolder() const
{
    return Text(kFileFolder);
}

void AppSettings::SetFileFolder(const QString &folder)
{
    SetText(kFileFolder, folder);
}

QString AppSettings::OutputFolder() const
{
    return Text(kOutputFolder);
}

void AppSettings::SetOutputFolder(const QString &folder)
{
    SetText(kOutputFolder, folder);
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

void AppSettings::Sync()
{
    m_settings->sync();
}

QString AppSettings::FileName() const
{
    return m_settings->fileName();
}

} // namespace lumaskin
