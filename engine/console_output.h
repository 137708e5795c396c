#pragma once

#include <QByteArray>
#include <mutex>

namespace lumaskin {

// Standard output and error are shared by the program's own messages and by libraries that
// write there on their own (libwmf prints every quirk of a file it reads). Whoever writes to
// them holds this lock; a library's output is taken aside under it (see ConsoleCapture), so
// the program's lines are neither lost nor mixed with the library's.
std::mutex &ConsoleMutex();

// While alive, file descriptors 1 and 2 go to a private memory file instead of the terminal,
// pipe or log, and the program's own writes wait. Text() gives what was written meanwhile.
class ConsoleCapture
{
public:
    ConsoleCapture();
    ~ConsoleCapture();
    ConsoleCapture(const ConsoleCapture &) = delete;
    ConsoleCapture &operator=(const ConsoleCapture &) = delete;

    QByteArray Text() const;

private:
    std::unique_lock<std::mutex> m_lock;
    int m_capture = -1;
    int m_savedOutput = -1;
    int m_savedError = -1;
};

} // namespace lumaskin
