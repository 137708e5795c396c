#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumaskin::test {

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes out of scope.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &Path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Whole-file helpers for fixtures.
std::string ReadFile(const std::filesystem::path &path);
void WriteFile(const std::filesystem::path &path, std::string_view bytes);

// Runs a shell command with `cwd` as its working folder and returns its exit status.
int RunCommand(const std::string &command, const std::filesystem::path &cwd = {});

// The repository root, for tests that need files kept beside the sources.
std::filesystem::path SourceDir();

} // namespace lumaskin::test
