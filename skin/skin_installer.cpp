#include "skin/skin_installer.h"

#include "controls/bitmap_helpers.h"
#include "skin/control_factory.h"
#include "skin/skin_package.h"
#include "skin/skin_sections.h"
#include "skin/skin_working_folder.h"
#include "zip/zip_archive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

namespace lumaskin {

namespace {

constexpr qint64 kCopyChunk = 1 << 20;

} // namespace

bool CheckSkinPackage(const QString &path, QString *reason)
{
    const auto refuse = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile())
        return refuse(QCoreApplication::translate("SkinInstaller", "%1 is not a file.").arg(name));
    SkinWorkingFolder folder;
    if (!folder.IsValid())
        return refuse(QCoreApplication::translate(
                          "SkinInstaller", "No working folder could be made to look into %1.")
                          .arg(name));
    ZipArchive archive;
    // Nobody is asked anything on the way: a package without its central directory is no skin.
    const SkinPackageOutcome outcome =
        ExtractSkinPackage(archive, QFile::encodeName(path).toStdString(), folder.Path(), {});
    switch (outcome.result) {
    case SkinPackageResult::OpenFailed:
        return refuse(
            QCoreApplication::translate(
                "SkinInstaller", "%1 is not a skin package: it cannot be opened as a ZIP archive.")
                .arg(name));
    case SkinPackageResult::ExtractFailed:
        return refuse(
            QCoreApplication::translate(
                "SkinInstaller", "%1 is not a usable skin package: its files cannot be extracted.")
                .arg(name));
    case SkinPackageResult::TooLarge:
        return refuse(
            QCoreApplication::translate("SkinInstaller", "%1 is not a usable skin package. %2")
                .arg(name, outcome.reason));
    case SkinPackageResult::Extracted:
        break;
    }
    if (const QString problem = ExtractedSkinProblem(folder); !problem.isEmpty())
        return refuse(
            QCoreApplication::translate("SkinInstaller", "%1 is not a usable skin package: %2")
                .arg(name, problem));
    return true;
}

QString ExtractedSkinProblem(const SkinWorkingFolder &folder)
{
    if (!QFileInfo(QString::fromStdString(folder.SkinFilePath())).isFile())
        return QCoreApplication::translate("SkinInstaller",
                                           "it holds no Skin.ini at its top level.");
    const SkinIni ini(folder.SkinFilePath());
    const std::string background = ReadBackgroundBitmap(ini);
    QImage bitmap;
    if (background.empty() ||
        !LoadBitmapFile(SkinFilePath(QString::fromStdString(folder.FolderWithSlash()), background),
                        bitmap))
        return QCoreApplication::translate("SkinInstaller",
                                           "its background bitmap is missing or cannot be read.");
    return {};
}

QString CopyPackageInto(const QString &path, const QString &folder, QString *error)
{
    const QString target = QDir(folder).filePath(QFileInfo(path).fileName());
    if (!QDir().mkpath(folder)) {
        *error = QCoreApplication::translate("SkinInstaller", "The skin folder %1 cannot be made.")
                     .arg(folder);
        return {};
    }
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("SkinInstaller", "%1 cannot be read: %2")
                     .arg(path, source.errorString());
        return {};
    }
    QSaveFile copy(target);
    if (!copy.open(QIODevice::WriteOnly)) {
        *error = QCoreApplication::translate("SkinInstaller", "%1 cannot be written: %2")
                     .arg(target, copy.errorString());
        return {};
    }
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(kCopyChunk);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError) {
            copy.cancelWriting();
            *error = QCoreApplication::translate("SkinInstaller", "%1 cannot be read: %2")
                         .arg(path, source.errorString());
            return {};
        }
        if (copy.write(chunk) != chunk.size()) {
            copy.cancelWriting();
            *error = QCoreApplication::translate("SkinInstaller", "%1 cannot be written: %2")
                         .arg(target, copy.errorString());
            return {};
        }
    }
    if (!copy.commit()) {
        *error = QCoreApplication::translate("SkinInstaller", "%1 cannot be written: %2")
                     .arg(target, copy.errorString());
        return {};
    }
    return target;
}

} // namespace lumaskin
