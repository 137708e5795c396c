#include "skin/skin_working_folder.h"

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace lumaskin {

namespace fs = std::filesystem;

namespace {

// Deletes a folder tree that this program made. Folders are made writable first so that
// their entries can be removed; links are removed as links, never followed.
void RemoveTree(const fs::path &folder)
{
    std::error_code error;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::file_status status = it->symlink_status(error);
        if (fs::is_directory(status)) {
            RemoveTree(it->path());
            continue;
        }
        if (fs::is_regular_file(status))
            fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, error);
        fs::remove(it->path(), error);
    }
    fs::remove(folder, error);
}

} // namespace

SkinWorkingFolder::SkinWorkingFolder()
{
    std::string pattern =
        QFile::encodeName(QDir::tempPath() + QStringLiteral("/lumaskin-skin-XXXXXX")).toStdString();
    // mkdtemp makes a new folder with mode 0700 and fails rather than reuse one.
    if (mkdtemp(pattern.data()))
        m_path = std::move(pattern);
}

SkinWorkingFolder::~SkinWorkingFolder()
{
    DeleteWorkingFolder();
}

SkinWorkingFolder::SkinWorkingFolder(SkinWorkingFolder &&other) noexcept
    : m_path(std::exchange(other.m_path, {}))
{}

SkinWorkingFolder &SkinWorkingFolder::operator=(SkinWorkingFolder &&other) noexcept
{
    if (this != &other) {
        DeleteWorkingFolder();
        m_path = std::exchange(other.m_path, {});
    }
    return *this;
}

std::string SkinWorkingFolder::FolderWithSlash() const
{
    return IsValid() ? m_path + "/" : std::string();
}

std::string SkinWorkingFolder::SkinFilePath() const
{
    return IsValid() ? m_path + "/Skin.ini" : std::string();
}

void SkinWorkingFolder::DeleteWorkingFolder()
{
    if (!IsValid())
        return;
    std::error_code error;
    // Only a real folder is removed: if something else now stands at the path, it is not ours.
    if (fs::is_directory(fs::symlink_status(m_path, error)))
        RemoveTree(m_path);
}

} // namespace lumaskin
