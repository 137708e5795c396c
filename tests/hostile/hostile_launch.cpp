// hostile_launch REPORT PROGRAM [ARGUMENT]...
// Runs PROGRAM, writes its process id to REPORT.pid at once and its peak resident memory (kB)
// and processor time (s) to REPORT at the end, then ends as it ended. The suite starts programs
// through this small process because the kernel counts a child's peak memory from the moment it was
// forked: forked straight from a large test process, every program would seem to need what that
// process holds.
#include <csignal>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void Ignore(int) {}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return 126;
    // Signals sent to the whole group are meant for the program; this process waits for it.
    // A handler, unlike SIG_IGN, does not pass on to the program through exec.
    struct sigaction waiting = {};
    waiting.sa_handler = Ignore;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &waiting, nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }
    if (pid < 0)
        return 126;
    // Where a signal meant for the program alone goes.
    const std::string pidPath = std::string(argv[1]) + ".pid";
    if (std::FILE *file = std::fopen(pidPath.c_str(), "w")) {
        std::fprintf(file, "%d\n", static_cast<int>(pid));
        std::fclose(file);
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
    }
    if (std::FILE *report = std::fopen(argv[1], "w")) {
        std::fprintf(report, "%ld %.3f\n", usage.ru_maxrss,
                     usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                         usage.ru_stime.tv_usec / 1e6);
        std::fclose(report);
    }
    if (WIFSIGNALED(status)) {
        struct sigaction plain = {};
        plain.sa_handler = SIG_DFL;
        sigaction(WTERMSIG(status), &plain, nullptr);
        raise(WTERMSIG(status));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 126;
}
