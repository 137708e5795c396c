// lumaskin-svg-draw PIXEL-LIMIT PARENT-PID
// Draws the SVG drawing on standard input and writes the picture to standard output, for the
// program that started it (see svg_process.h). Ends with that program.
#include "engine/codecs/svg_process.h"

#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != static_cast<pid_t>(std::atoll(argv[2])))
        return 1; // the program that wanted the drawing is gone already
// AddressSanitizer reserves terabytes of address space: no bound there. (Qt defines
// __has_feature as 0 where the compiler lacks it, so GCC's own macro is asked first.)
#if defined(__SANITIZE_ADDRESS__)
#define LUMASKIN_ADDRESS_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LUMASKIN_ADDRESS_SANITIZED 1
#endif
#endif
#ifndef LUMASKIN_ADDRESS_SANITIZED
    // The largest drawing is 256 MB of pixels, and filters hold a few surfaces of that size; a
    // drawing that needs more fails rather than taking the machine's memory.
    const rlimit bound{4ull << 30, 4ull << 30};
    ::setrlimit(RLIMIT_AS, &bound);
#endif
    // Ends at once: what the libraries hold is the system's to take back, and nothing is
    // left to flush.
    std::_Exit(lumaskin::ServeSvgDrawing(STDIN_FILENO, STDOUT_FILENO, std::atoll(argv[1])));
}
