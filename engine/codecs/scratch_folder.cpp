#include "engine/codecs/scratch_folder.h"

#include <QDir>
#include <QFile>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace lumaskin {

namespace {

constexpr char kPrefix[] = "lumaskin-scratch-";

// The folder's path in a fixed buffer, so that a signal handler can read it without
// allocating.
std::array<char, 4096> g_path{};

// Removes the files in the folder and the folder itself using only calls that are safe in a
// signal handler. The folder holds plain files only.
void RemoveScratchFolder() noexcept
{
    if (g_path[0] == '\0')
        return;
    const int folder = ::open(g_path.data(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder >= 0) {
        alignas(8) char buffer[4096];
        for (;;) {
            const long count = ::syscall(SYS_getdents64, folder, buffer, sizeof buffer);
            if (count <= 0)
                break;
            for (long at = 0; at < count;) {
                // struct linux_dirent64: inode (8), offset (8), length (2), type (1), name.
                unsigned short length = 0;
                std::memcpy(&length, buffer + at + 16, sizeof length);
                const char *name = buffer + at + 19;
                if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0)
                    ::unlinkat(folder, name, 0);
                at += length;
            }
        }
        ::close(folder);
    }
    ::rmdir(g_path.data());
}

void OnTerminatingSignal(int signal)
{
    const int saved = errno;
    RemoveScratchFolder();
    // Then end the way the signal would have ended the program.
    struct sigaction plain = {};
    plain.sa_handler = SIG_DFL;
    ::sigaction(signal, &plain, nullptr);
    errno = saved;
    ::raise(signal);
}

// Takes over the signals that would end the program, unless the program handles them itself.
void CatchTerminatingSignals()
{
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current = {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL ||
            (current.sa_flags & SA_SIGINFO))
            continue;
        struct sigaction handler = {};
        handler.sa_handler = OnTerminatingSignal;
        sigemptyset(&handler.sa_mask);
        handler.sa_flags = SA_RESETHAND;
        ::sigaction(signal, &handler, nullptr);
    }
}

// Folders of this kind whose process is gone, owned by this user.
void RemoveAbandonedFolders(const std::filesystem::path &temporary)
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::directory_iterator it(temporary, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(kPrefix))
            continue;
        const pid_t pid = static_cast<pid_t>(std::atol(name.c_str() + sizeof kPrefix - 1));
        struct stat status = {};
        if (pid <= 0 || pid == ::getpid() || ::lstat(it->path().c_str(), &status) != 0 ||
            !S_ISDIR(status.st_mode) || status.st_uid != ::geteuid())
            continue;
        if (::kill(pid, 0) == 0 || errno != ESRCH)
            continue;
        for (fs::directory_iterator file(it->path(), error), last; !error && file != last;
             file.increment(error))
            fs::remove(file->path(), error);
        fs::remove(it->path(), error);
    }
}

std::once_flag g_swept;

void SweepOnce()
{
    std::call_once(
        g_swept, [] { RemoveAbandonedFolders(QFile::encodeName(QDir::tempPath()).toStdString()); });
}

std::string MakeScratchFolder()
{
    const QByteArray temporary = QFile::encodeName(QDir::tempPath());
    SweepOnce();
    std::string pattern =
        temporary.toStdString() + "/" + kPrefix + std::to_string(::getpid()) + "-XXXXXX";
    if (pattern.size() >= g_path.size() || !::mkdtemp(pattern.data()))
        return {};
    std::memcpy(g_path.data(), pattern.c_str(), pattern.size() + 1);
    std::atexit(RemoveScratchFolder);
    CatchTerminatingSignals();
    return pattern;
}

} // namespace

void RemoveAbandonedScratchFolders()
{
    SweepOnce();
}

const std::string &ScratchFolder()
{
    static const std::string folder = MakeScratchFolder();
    return folder;
}

} // namespace lumaskin
