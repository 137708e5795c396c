// Opens the input as an archive from a temporary file and extracts every entry into a
// temporary folder, as the skin engine does. Any crash, hang or leak is a finding; the
// reader's own exceptions are the expected outcome for damaged input.
#include "platform/file_exception.h"
#include "zip/zip_archive.h"
#include "zip/zip_exception.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Plain storage, so the exit handler can still read it after static objects are gone.
char g_workFolder[4096];

const fs::path &WorkFolder()
{
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "lumaskin-fuzz-XXXXXX").string();
        if (pattern.size() >= sizeof g_workFolder || !mkdtemp(pattern.data()))
            std::abort();
        pattern.copy(g_workFolder, pattern.size());
        std::atexit([] {
            std::error_code error;
            fs::remove_all(g_workFolder, error);
        });
        return fs::path(pattern);
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fs::path archivePath = WorkFolder() / "input.zip";
    const fs::path out = WorkFolder() / "out";
    {
        // A new file each time: rewriting one in place makes the file system flush it first.
        unlink(archivePath.c_str());
        std::ofstream file(archivePath, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    }
    lumaskin::ZipArchive archive;
    try {
        archive.Close(true);
        archive.Open(archivePath.string(), 0, 0);
        const int count = archive.GetEntryCount();
        for (int i = 0; i < count; ++i) {
            try {
                archive.ExtractEntry(static_cast<std::uint16_t>(i), out.string(), true,
                                     std::nullopt, 65535);
            } catch (const lumaskin::CZipException &) {
            } catch (const lumaskin::FileException &) {
            }
        }
    } catch (const lumaskin::CZipException &) {
    } catch (const lumaskin::FileException &) {
    }
    archive.Close(true);
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(out, error); !error && it != fs::end(it);
         it.increment(error))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(out, error);
    return 0;
}
