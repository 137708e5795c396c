#include "app/main_dialog_prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace lumaskin {

QStringList QtMainDialogPrompts::NameFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &text = parts[i];
        if (text.isEmpty())
            break;
        QStringList patterns;
        for (QString pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            // "*.gif " matches names ending in ".gif", as the chooser shows it.
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) {
                patterns << QStringLiteral("*");
                continue;
            }
            patterns << pattern;
            if (pattern.toUpper() != pattern)
                patterns << pattern.toUpper();
        }
        filters << QStringLiteral("%1 (%2)").arg(text.trimmed(), patterns.join(u' '));
    }
    return filters;
}

namespace {

QFileDialog::Options DialogOptions()
{
    // The same dialog everywhere; it also keeps the choosers scriptable.
    return QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails;
}

} // namespace

QStringList QtMainDialogPrompts::OpenFiles(const QString &filter)
{
    return QFileDialog::getOpenFileNames(nullptr, QString(), QString(),
                                         NameFilters(filter).join(QStringLiteral(";;")), nullptr,
                                         DialogOptions());
}

QString QtMainDialogPrompts::SaveFile(const QString &filter)
{
    return QFileDialog::getSaveFileName(nullptr, QString(), QString(),
                                        NameFilters(filter).join(QStringLiteral(";;")), nullptr,
                                        DialogOptions() | QFileDialog::DontConfirmOverwrite);
}

QString QtMainDialogPrompts::Folder(const QString &title)
{
    QString start = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!QDir(start).exists())
        start = QDir::homePath();
    return QFileDialog::getExistingDirectory(m_folderOwner, title, start,
                                             DialogOptions() | QFileDialog::ShowDirsOnly);
}

} // namespace lumaskin
