#pragma once

#include <string>

namespace lumaskin {

// A private folder that one skin package is extracted into and that is deleted as soon as
// the skin has been loaded into memory. Each object makes a fresh folder of its own
// (lumaskin-skin-XXXXXX under the system's temporary folder, readable only by the user), so
// no folder of the user's is ever written to or emptied, and a read-only current folder
// does not stop skins from loading.
class SkinWorkingFolder
{
public:
    SkinWorkingFolder();
    ~SkinWorkingFolder();
    SkinWorkingFolder(SkinWorkingFolder &&other) noexcept;
    SkinWorkingFolder &operator=(SkinWorkingFolder &&other) noexcept;
    SkinWorkingFolder(const SkinWorkingFolder &) = delete;
    SkinWorkingFolder &operator=(const SkinWorkingFolder &) = delete;

    // False when no folder could be made; then every path below is empty.
    bool IsValid() const { return !m_path.empty(); }

    // The folder's absolute path, without a trailing '/'.
    const std::string &Path() const { return m_path; }

    // The folder with a trailing '/', the form file names of the skin are joined to.
    std::string FolderWithSlash() const;

    // The skin description file inside the folder.
    std::string SkinFilePath() const;

    // Removes the folder with everything in it, sub-folders and read-only files included.
    // Does nothing when it is already gone; never follows a symbolic link out of it.
    void DeleteWorkingFolder();

private:
    std::string m_path;
};

} // namespace lumaskin
