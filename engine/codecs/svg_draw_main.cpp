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
#if !defined(__SANITIZE_ADDRESS__) && !defined(__has_feature)
#define LUMASKIN_BOUND_ADDRESS_SPACE 1
#elif defined(__has_feature)
#if !__has_feature(address_sanitizer)
#define LUMASKIN_BOUND_ADDRESS_SPACE 1
#endif
#endif
#ifdef LUMASKIN_BOUND_ADDRESS_SPACE
    // The largest drawing is 256 MB of pixels, and filters hold a few surfaces of that size; a
    // drawing that needs more fails rather than taking the machine's memory.
    const rlimit bound{4ull << 30, 4ull << 30};
    ::setrlimit(RLIMIT_AS, &bound);
#endif
    return lumaskin::ServeSvgDrawing(STDIN_FILENO, STDOUT_FILENO, std::atoll(argv[1]));
}
