#include "skin/skin_switcher.h"

#include "skin/skin_installer.h"
#include "skin/skin_package.h"
#include "skin/skin_switch_host.h"
#include "skin/skin_working_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <algorithm>
#include <vector>

namespace lumaskin {

bool SkinSwitcher::LoadSkinPackage(const QString &packagePath)
{
    // A private folder of our own, so nothing in the user's folder is written or emptied.
    SkinWorkingFolder workingFolder;
    m_skinPackageFailed = true;
    if (workingFolder.IsValid()) {
        const SkinPackageOutcome outcome = ExtractSkinPackage(
            m_archive, QFile::encodeName(packagePath).toStdString(), workingFolder.Path(),
            [this] { return m_host.RetryOpeningPackage(); });
        m_skinPackageFailed = outcome.result != SkinPackageResult::Extracted;
        QString problem = outcome.reason;
        // Extracted is not enough: its files may sit in a folder inside it, say.
        if (!m_skinPackageFailed) {
            problem = ExtractedSkinProblem(workingFolder);
            if (!problem.isEmpty()) {
                m_skinPackageFailed = true;
                problem = QCoreApplication::translate("SkinSwitcher", "%1 gives no skin: %2")
                              .arg(QFileInfo(packagePath).fileName(), problem);
            }
        }
        if (!problem.isEmpty())
            m_host.ShowSkinProblem(problem);
    }
    // A skin that is worn stays on when the new one gives none.
    if (m_skinPackageFailed && m_host.WearsSkin())
        return false;
    m_host.LoadSkinFile(QString::fromStdString(workingFolder.SkinFilePath()));
    // Every bitmap is in memory now.
    workingFolder.DeleteWorkingFolder();
    return !m_skinPackageFailed;
}

bool SkinSwitcher::LoadFirstPackageFound(const QString &preferred)
{
    struct Candidate
    {
        QString file;
        int skinIndex; // -1 for one of the user's own packages
    };
    std::vector<Candidate> candidates;
    const auto bundledIndex = [](const QString &file) {
        if (file == QLatin1String(kStartupPackageFile))
            return kStartupPackageIndex;
        for (std::size_t i = 0; i < kSkinCommands.size(); ++i) {
            if (file == QLatin1String(kSkinCommands[i].packageFile))
                return static_cast<int>(i);
        }
        return -1;
    };
    if (!preferred.isEmpty())
        candidates.push_back({preferred, bundledIndex(preferred)});
    candidates.push_back({QLatin1String(kStartupPackageFile), kStartupPackageIndex});
    for (std::size_t i = 0; i < kSkinCommands.size(); ++i)
        candidates.push_back({QLatin1String(kSkinCommands[i].packageFile), static_cast<int>(i)});
    for (const QString &file : m_locator.UserPackages(BundledPackages()))
        candidates.push_back({file, -1});

    for (const Candidate &candidate : candidates) {
        const QString path = m_locator.Find(candidate.file);
        if (path.isEmpty())
            continue;
        if (candidate.skinIndex >= 0) {
            m_skinIndex = candidate.skinIndex;
            m_userPackage.clear();
        } else {
            m_userPackage = candidate.file;
        }
        LoadSkinPackage(path);
        return true;
    }
    return false;
}

QStringList SkinSwitcher::BundledPackages()
{
    QStringList names{QLatin1String(kStartupPackageFile)};
    for (const SkinCommand &command : kSkinCommands)
        names << QLatin1String(command.packageFile);
    return names;
}

QString SkinSwitcher::CurrentPackage() const
{
    if (!m_userPackage.isEmpty())
        return m_userPackage;
    if (m_skinIndex < 0 || m_skinIndex >= static_cast<int>(kSkinCommands.size()))
        return {};
    return QLatin1String(kSkinCommands[static_cast<std::size_t>(m_skinIndex)].packageFile);
}

void SkinSwitcher::OnChangeSkin(int id)
{
    const int index = id - kFirstSkinCommand;
    if (index < 0 || index >= static_cast<int>(kSkinCommands.size()) || !m_host.CanChangeSkin())
        return;
    const Worn before{m_skinIndex, m_userPackage};
    m_skinIndex = index;
    m_userPackage.clear();
    const QString file = QLatin1String(kSkinCommands[static_cast<std::size_t>(index)].packageFile);
    const QString found = m_locator.Find(file);
    // A package found nowhere is reported as missing from the first folder.
    ChangePackage(found.isEmpty() ? m_locator.PathInFirstFolder(file) : found, before);
}

void SkinSwitcher::ChangeToUserPackage(const QString &fileName)
{
    if (!m_host.CanChangeSkin())
        return;
    const Worn before{m_skinIndex, m_userPackage};
    m_userPackage = fileName;
    const QString found = m_locator.Find(fileName);
    ChangePackage(found.isEmpty() ? QDir(m_locator.UserFolder()).filePath(fileName) : found,
                  before);
}

void SkinSwitcher::ChangePackage(const QString &path, const Worn &before)
{
    m_failedPackage.clear();
    m_host.BeginSkinChange();
    if (!LoadSkinPackage(path) && m_host.WearsSkin()) {
        // Still wearing the skin it had: that is the current one, the failed one only named.
        m_failedPackage = CurrentPackage();
        m_skinIndex = before.skinIndex;
        m_userPackage = before.userPackage;
    }
    m_host.EndSkinChange();
}

bool SkinSwitcher::InstallSkinPackage(const QString &path)
{
    const QString fileName = QFileInfo(path).fileName();
    const auto refuse = [this](const QString &reason) {
        m_host.ShowSkinProblem(reason);
        return false;
    };
    if (!SkinLocator::IsPackageName(fileName))
        return refuse(
            QCoreApplication::translate("SkinSwitcher",
                                        "%1 is not a skin package: skin packages are files ending "
                                        "in .zip or .skn.")
                .arg(fileName));
    if (m_locator.UserFolder().isEmpty())
        return refuse(QCoreApplication::translate("SkinSwitcher",
                                                  "There is no skin folder to install %1 into.")
                          .arg(fileName));
    if (!m_host.CanChangeSkin())
        return false;
    if (QString why; !CheckSkinPackage(path, &why))
        return refuse(why);

    const QString target = QDir(m_locator.UserFolder()).filePath(fileName);
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical != QFileInfo(target).canonicalFilePath()) {
        if (QFileInfo::exists(target) && !m_host.ReplaceInstalledPackage(fileName))
            return false;
        QString error;
        if (CopyPackageInto(path, m_locator.UserFolder(), &error).isEmpty())
            return refuse(error);
    }

    // The installed copy is what the window wears now, whatever folders come before it.
    const auto command =
        std::find_if(kSkinCommands.begin(), kSkinCommands.end(), [&](const SkinCommand &c) {
            return fileName == QLatin1String(c.packageFile);
        });
    const Worn before{m_skinIndex, m_userPackage};
    if (command != kSkinCommands.end()) {
        m_skinIndex = static_cast<int>(command - kSkinCommands.begin());
        m_userPackage.clear();
    } else {
        m_userPackage = fileName;
    }
    ChangePackage(target, before);
    return true;
}

std::unique_ptr<QMenu> SkinSwitcher::CreateSkinMenu(QWidget *owner)
{
    auto menu =
        std::make_unique<QMenu>(QCoreApplication::translate("SkinSwitcher", "&Change Skin"), owner);
    // Every change destroys every control, so it waits until the menu and whatever event
    // opened it have finished.
    const auto later = [owner](auto change) {
        return [owner, change] { QMetaObject::invokeMethod(owner, change, Qt::QueuedConnection); };
    };
    for (std::size_t i = 0; i < kSkinCommands.size(); ++i) {
        const SkinCommand &command = kSkinCommands[i];
        QAction *action = menu->addAction(QString::fromLatin1(command.menuText));
        action->setCheckable(true);
        action->setChecked(m_userPackage.isEmpty() && static_cast<int>(i) == m_skinIndex);
        action->setEnabled(!m_locator.Find(QLatin1String(command.packageFile)).isEmpty());
        const int id = command.id;
        QObject::connect(action, &QAction::triggered, owner,
                         later([this, id] { OnChangeSkin(id); }));
    }
    const QStringList own = m_locator.UserPackages(BundledPackages());
    if (!own.isEmpty())
        menu->addSeparator();
    for (const QString &file : own) {
        QString text = QFileInfo(file).completeBaseName();
        QAction *action = menu->addAction(text.replace(u'&', QLatin1String("&&")));
        action->setCheckable(true);
        action->setChecked(file == m_userPackage);
        QObject::connect(action, &QAction::triggered, owner,
                         later([this, file] { ChangeToUserPackage(file); }));
    }
    menu->addSeparator();
    QAction *install =
        menu->addAction(QCoreApplication::translate("SkinSwitcher", "Install &Skin..."));
    install->setEnabled(!m_locator.UserFolder().isEmpty());
    QObject::connect(install, &QAction::triggered, owner, later([this] {
                         if (const QString path = m_host.ChooseSkinPackage(); !path.isEmpty())
                             InstallSkinPackage(path);
                     }));
    return menu;
}

} // namespace lumaskin
