#include "app/main_dialog_prompts.h"

#include "app/app_settings.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

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

// The entry an open-file chooser starts on: every file when the filter offers that, since
// pictures are recognised by their content whatever their names; else the first.
QString StartFilter(const QStringList &filters)
{
    for (const QString &filter : filters)
        if (filter.endsWith(QLatin1String(" (*)")))
            return filter;
    return filters.value(0);
}

QFileDialog::Options DialogOptions()
{
    // The same dialog everywhere; it also keeps the choosers scriptable.
    return QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails;
}

} // namespace

void QtMainDialogPrompts::RememberIn(AppSettings *settings)
{
    m_settings = settings;
    if (settings) {
        m_lastFileFolder = settings->FileFolder();
        m_lastSkinFolder = settings->SkinFolder();
    }
}

QString QtMainDialogPrompts::StartFolder(const QString &last) const
{
    if (!last.isEmpty() && QDir(last).exists())
        return last;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(pictures).exists() ? pictures : QDir::homePath();
}

QStringList QtMainDialogPrompts::OpenFiles(const QString &filter)
{
    const QStringList filters = NameFilters(filter);
    QString shown = StartFilter(filters);
    const QStringList files =
        QFileDialog::getOpenFileNames(nullptr, QString(), StartFolder(m_lastFileFolder),
                                      filters.join(QStringLiteral(";;")), &shown, DialogOptions());
    if (!files.isEmpty()) {
        m_lastFileFolder = QFileInfo(files.last()).absolutePath();
        if (m_settings)
            m_settings->SetFileFolder(m_lastFileFolder);
    }
    return files;
}

bool MainDialogPrompts::ShowFolder(const QString &folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

QString MainDialogPrompts::OpenFile(const QString &filter)
{
    const QStringList files = OpenFiles(filter);
    return files.isEmpty() ? QString() : files.first();
}

QString QtMainDialogPrompts::OpenFile(const QString &filter)
{
    const QStringList filters = NameFilters(filter);
    QString shown = StartFilter(filters);
    const QString file =
        QFileDialog::getOpenFileName(nullptr, QString(), StartFolder(m_lastFileFolder),
                                     filters.join(QStringLiteral(";;")), &shown, DialogOptions());
    if (!file.isEmpty()) {
        m_lastFileFolder = QFileInfo(file).absolutePath();
        if (m_settings)
            m_settings->SetFileFolder(m_lastFileFolder);
    }
    return file;
}

QString QtMainDialogPrompts::SkinPackage(const QString &filter)
{
    const QString file = QFileDialog::getOpenFileName(
        m_folderOwner, QCoreApplication::translate("MainDialogPrompts", "Install Skin"),
        StartFolder(m_lastSkinFolder), NameFilters(filter).join(QStringLiteral(";;")), nullptr,
        DialogOptions());
    if (!file.isEmpty()) {
        m_lastSkinFolder = QFileInfo(file).absolutePath();
        if (m_settings)
            m_settings->SetSkinFolder(m_lastSkinFolder);
    }
    return file;
}

QString QtMainDialogPrompts::SaveFile(const QString &filter)
{
    const QString file =
        QFileDialog::getSaveFileName(nullptr, QString(), StartFolder(m_lastFileFolder),
                                     NameFilters(filter).join(QStringLiteral(";;")), nullptr,
                                     DialogOptions() | QFileDialog::DontConfirmOverwrite);
    if (!file.isEmpty()) {
        m_lastFileFolder = QFileInfo(file).absolutePath();
        if (m_settings)
            m_settings->SetFileFolder(m_lastFileFolder);
    }
    return file;
}

QString QtMainDialogPrompts::Folder(const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(m_folderOwner, title, StartFolder(start),
                                             DialogOptions() | QFileDialog::ShowDirsOnly);
}

QString QtMainDialogPrompts::ConversionFolder(const QString &title, const QString &start,
                                              int *quality)
{
    QFileDialog dialog(m_folderOwner, title, StartFolder(start));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(DialogOptions() | QFileDialog::ShowDirsOnly);
    QSpinBox *box = nullptr;
    // Qt's own chooser lays itself out on a grid: the quality takes a row below the rest.
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()); grid && quality) {
        box = new QSpinBox(&dialog);
        box->setObjectName(QStringLiteral("qualityBox"));
        box->setRange(1, 100);
        box->setValue(std::clamp(*quality, 1, 100));
        box->setToolTip(QCoreApplication::translate("MainDialogPrompts",
                                                    "Higher keeps more detail in larger files. "
                                                    "WebP and AVIF are lossless at 100."));
        auto *label =
            new QLabel(QCoreApplication::translate("MainDialogPrompts", "&Quality:"), &dialog);
        label->setBuddy(box);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1, Qt::AlignLeft);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString folder = dialog.selectedFiles().constFirst();
    if (box)
        *quality = box->value();
    return folder;
}

} // namespace lumaskin
