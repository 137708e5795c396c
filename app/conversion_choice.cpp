#include "app/conversion_choice.h"

#include "app/app_settings.h"
#include "engine/formats.h"
#include "engine/image_io.h"

#include <algorithm>

namespace lumaskin {

void ConversionChoice::RememberIn(AppSettings *settings)
{
    m_settings = settings;
    if (!settings)
        return;
    // Earlier versions remembered the format by its label ("PNG"), which names the same
    // format in another letter case.
    if (const lumaskin::Format *format = FindWrittenFormat(settings->OutputFormat()))
        m_format = format->extension;
    for (const QString &extension : WritableFormats()) {
        if (const std::optional<int> quality = settings->Quality(extension))
            m_quality[extension] = std::clamp(*quality, 1, 100);
        if (const QString folder = settings->OutputFolder(extension); !folder.isEmpty())
            m_folder[extension] = folder;
    }
    m_lastFolder = settings->OutputFolder();
}

QString ConversionChoice::Format() const
{
    return m_format.isEmpty() ? QString::fromLatin1(kFirstFormat) : m_format;
}

bool ConversionChoice::ChooseFormat(const QString &extension)
{
    const lumaskin::Format *format = FindWrittenFormat(extension);
    if (!format)
        return false;
    m_format = format->extension;
    if (m_settings) {
        m_settings->SetOutputFormat(m_format);
        m_settings->Sync();
    }
    return true;
}

int ConversionChoice::Quality() const
{
    return m_quality.value(Format(), kDefaultQuality);
}

void ConversionChoice::SetQuality(int quality)
{
    m_quality[Format()] = std::clamp(quality, 1, 100);
    if (m_settings) {
        m_settings->SetQuality(Format(), m_quality[Format()]);
        m_settings->Sync();
    }
}

QString ConversionChoice::Folder() const
{
    return m_folder.value(Format(), m_lastFolder);
}

void ConversionChoice::SetFolder(const QString &folder)
{
    if (folder.isEmpty())
        return;
    m_folder[Format()] = folder;
    m_lastFolder = folder;
    if (m_settings) {
        m_settings->SetOutputFolder(Format(), folder);
        m_settings->SetOutputFolder(folder);
        m_settings->Sync();
    }
}

} // namespace lumaskin
