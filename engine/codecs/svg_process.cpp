#include "engine/codecs/svg_process.h"

#include "engine/codecs/codec_modules.h"
#include "engine/codecs/poppler_library.h"
#include "engine/codecs/svg_library.h"

#include <QCoreApplication>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace lumaskin {

namespace {

std::atomic<bool> drawnInHelper{true};

// What the helper sends back: 'P', the width and height (native 32-bit), then the rows of
// straight RGBA bytes, packed; or 'E' and the reason in UTF-8.
constexpr char kPixels = 'P';
constexpr char kFailure = 'E';
constexpr std::size_t kHeaderSize = 1 + 2 * sizeof(std::int32_t);
constexpr qsizetype kLongestReason = 4096;

bool WriteAll(int fd, const void *data, std::size_t size)
{
    const auto *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Reads what the helper sends into `image` or `reason` as it arrives.
class Reply
{
public:
    // Takes bytes; false when they make no sense (the helper broke).
    bool Take(const char *data, std::size_t size)
    {
        while (size > 0) {
            if (static_cast<std::size_t>(m_header.size()) < kHeaderSize) {
                const std::size_t part =
                    std::min(size, kHeaderSize - static_cast<std::size_t>(m_header.size()));
                m_header.append(data, static_cast<qsizetype>(part));
                data += part;
                size -= part;
                if (static_cast<std::size_t>(m_header.size()) == kHeaderSize &&
                    m_header[0] == kPixels && !Start())
                    return false;
                continue;
            }
            if (m_header[0] == kFailure) {
                m_reason.append(
                    data, static_cast<qsizetype>(std::min<std::size_t>(size, kLongestReason)));
                m_reason.truncate(kLongestReason);
                return true;
            }
            if (m_header[0] != kPixels || m_row >= m_image.Height())
                return false;
            const std::size_t rowBytes = 4 * static_cast<std::size_t>(m_image.Width());
            const std::size_t part = std::min(size, rowBytes - m_column);
            std::memcpy(m_image.Row(m_row) + m_column, data, part);
            data += part;
            size -= part;
            m_column += part;
            if (m_column == rowBytes) {
                m_column = 0;
                ++m_row;
            }
        }
        return true;
    }

    // A failure's reason when the helper sent one.
    bool Failed() const
    {
        return static_cast<std::size_t>(m_header.size()) == kHeaderSize && m_header[0] == kFailure;
    }
    QString Reason() const { return QString::fromUtf8(m_reason); }
    bool Complete() const
    {
        return !m_image.IsNull() && m_row == m_image.Height() && m_column == 0;
    }
    Image TakeImage() { return std::move(m_image); }

private:
    // The picture the header announces, within what reading allows.
    bool Start()
    {
        std::int32_t width = 0, height = 0;
        std::memcpy(&width, m_header.constData() + 1, sizeof width);
        std::memcpy(&height, m_header.constData() + 1 + sizeof width, sizeof height);
        if (width <= 0 || height <= 0 || !Image::SizeIsAcceptable(width, height))
            return false;
        m_image = Image(width, height);
        return !m_image.IsNull();
    }

    QByteArray m_header;
    QByteArray m_reason;
    Image m_image;
    int m_row = 0;
    std::size_t m_column = 0;
};

} // namespace

void SetSvgDrawnInHelper(bool inHelper)
{
    drawnInHelper.store(inHelper, std::memory_order_relaxed);
}

bool SvgDrawnInHelper()
{
    return drawnInHelper.load(std::memory_order_relaxed);
}

Image RenderSvgInHelper(Bytes bytes, QString *error)
{
    std::string helper = CodecModuleFolder() + "/lumaskin-svg-draw";
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return Fail(error, reason::OutOfMemory());
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    // librsvg's own complaints stay out of this program's output.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string limit = std::to_string(ReadPixelLimit());
    std::string parent = std::to_string(::getpid());
    char *arguments[] = {helper.data(), limit.data(), parent.data(), nullptr};
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, helper.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    if (spawned != 0) {
        ::close(ends[0]);
        return Fail(error, QCoreApplication::translate(
                               "Codec", "Lumaskin's SVG helper cannot be started (%1); "
                                        "reinstall Lumaskin")
                               .arg(QString::fromLocal8Bit(std::strerror(spawned))));
    }
    const int socket = ends[0];
    ::fcntl(socket, F_SETFL, O_NONBLOCK);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(
                           std::chrono::duration<double>(PdfRenderSeconds()));
    const std::atomic<bool> *cancel = PdfRenderCancelFlag();
    enum class Ending
    {
        Running,
        Done,
        TimedOut,
        Cancelled,
        Broken
    } ending = Ending::Running;
    Reply reply;
    std::size_t sent = 0;
    bool shut = false;
    std::vector<char> buffer(1 << 16);
    while (ending == Ending::Running) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            ending = Ending::Cancelled;
            break;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            ending = Ending::TimedOut;
            break;
        }
        pollfd watched{socket, static_cast<short>(POLLIN | (sent < bytes.size() ? POLLOUT : 0)), 0};
        // Woken now and then to look at the cancel flag.
        if (::poll(&watched, 1, static_cast<int>(std::min<long long>(left, 50))) < 0) {
            if (errno == EINTR)
                continue;
            ending = Ending::Broken;
            break;
        }
        if ((watched.revents & POLLOUT) && sent < bytes.size()) {
            const ssize_t written =
                ::send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (written > 0)
                sent += static_cast<std::size_t>(written);
            else if (written < 0 && errno != EAGAIN && errno != EINTR)
                sent = bytes.size(); // the helper stopped reading; its reply says why
        }
        if (sent == bytes.size() && !shut) {
            ::shutdown(socket, SHUT_WR);
            shut = true;
        }
        if (watched.revents & (POLLIN | POLLHUP | POLLERR)) {
            for (;;) {
                const ssize_t got = ::read(socket, buffer.data(), buffer.size());
                if (got > 0) {
                    if (!reply.Take(buffer.data(), static_cast<std::size_t>(got))) {
                        ending = Ending::Broken;
                        break;
                    }
                    continue;
                }
                if (got == 0)
                    ending = Ending::Done;
                else if (errno != EAGAIN && errno != EINTR)
                    ending = Ending::Broken;
                break;
            }
        }
    }
    if (ending != Ending::Done)
        ::kill(pid, SIGKILL);
    ::close(socket);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    switch (ending) {
    case Ending::TimedOut:
        return Fail(error, QCoreApplication::translate(
                               "Codec", "the SVG drawing takes too long to draw (more than %1 "
                                        "seconds)")
                               .arg(PdfRenderSeconds()));
    case Ending::Cancelled:
        return Fail(error, QCoreApplication::translate("Codec", "the reading was cancelled"));
    default:
        break;
    }
    if (reply.Failed())
        return Fail(error, reply.Reason());
    if (ending == Ending::Done && reply.Complete())
        return reply.TakeImage();
    // Ended by a signal: out of memory under its limit, or a fault in the libraries.
    if (WIFSIGNALED(status))
        return Fail(error, QCoreApplication::translate(
                               "Codec", "the SVG drawing could not be drawn: drawing it "
                                        "stopped part way (it may need more memory than a "
                                        "drawing is given)"));
    return Fail(error, reason::Damaged("SVG"));
}

int ServeSvgDrawing(int in, int out, std::int64_t pixelLimit)
{
    std::vector<std::uint8_t> drawing;
    std::vector<std::uint8_t> buffer(1 << 16);
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return 1;
        if (got == 0)
            break;
        drawing.insert(drawing.end(), buffer.begin(), buffer.begin() + got);
    }
    SetReadPixelLimit(pixelLimit);
    QString error;
    const auto *svg = CodecModule<SvgModule>("svg", &error);
    const Image image = svg ? svg->render({drawing.data(), drawing.size()}, &error) : Image();
    if (image.IsNull()) {
        const QByteArray reason = error.toUtf8();
        return WriteAll(out, &kFailure, 1) && WriteAll(out, reason.constData(), reason.size()) ? 0
                                                                                               : 1;
    }
    char header[kHeaderSize] = {kPixels};
    const std::int32_t width = image.Width(), height = image.Height();
    std::memcpy(header + 1, &width, sizeof width);
    std::memcpy(header + 1 + sizeof width, &height, sizeof height);
    if (!WriteAll(out, header, sizeof header))
        return 1;
    for (int y = 0; y < image.Height(); ++y)
        if (!WriteAll(out, image.Row(y), 4 * static_cast<std::size_t>(image.Width())))
            return 1;
    return 0;
}

} // namespace lumaskin
