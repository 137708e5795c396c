#include "engine/console_output.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace lumaskin {

namespace {

// Points `fd` at `target`, returning a copy of what it pointed at before (-1 on failure).
int Redirect(int fd, int target)
{
    const int saved = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (saved >= 0 && ::dup2(target, fd) < 0) {
        ::close(saved);
        return -1;
    }
    return saved;
}

void Restore(int fd, int saved)
{
    if (saved < 0)
        return;
    ::dup2(saved, fd);
    ::close(saved);
}

} // namespace

std::mutex &ConsoleMutex()
{
    static std::mutex mutex;
    return mutex;
}

ConsoleCapture::ConsoleCapture() : m_lock(ConsoleMutex())
{
    std::fflush(stdout);
    std::fflush(stderr);
    m_capture = ::memfd_create("lumaskin-console", MFD_CLOEXEC);
    if (m_capture < 0)
        return;
    m_savedOutput = Redirect(STDOUT_FILENO, m_capture);
    m_savedError = Redirect(STDERR_FILENO, m_capture);
}

ConsoleCapture::~ConsoleCapture()
{
    std::fflush(stdout);
    std::fflush(stderr);
    Restore(STDOUT_FILENO, m_savedOutput);
    Restore(STDERR_FILENO, m_savedError);
    if (m_capture >= 0)
        ::close(m_capture);
}

QByteArray ConsoleCapture::Text() const
{
    if (m_capture < 0)
        return {};
    std::fflush(stdout);
    std::fflush(stderr);
    QByteArray text;
    char buffer[4096];
    off_t at = 0;
    // A library that never stops writing is not worth reading to the end.
    while (text.size() < (1 << 20)) {
        const ssize_t count = ::pread(m_capture, buffer, sizeof buffer, at);
        if (count <= 0)
            break;
        text.append(buffer, count);
        at += count;
    }
    return text;
}

} // namespace lumaskin
