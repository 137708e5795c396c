#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace lumaskin::test {

// Limits a hostile case runs under, in a child process of its own.
struct ChildLimits
{
    // Address space (RLIMIT_AS); 0 for none. Not applied in sanitizer builds, whose shadow
    // memory needs terabytes of address space.
    long long addressSpaceMb = 4096;
    // Processor time (RLIMIT_CPU); the child is ended by SIGXCPU beyond it.
    int cpuSeconds = 60;
    // Wall time, after which the child's process group is killed.
    int wallSeconds = 90;
    // Asked every few milliseconds while the child runs; once it says yes, `stopSignal` is
    // sent to the child (to end a run at a chosen moment).
    std::function<bool()> stopWhen;
    int stopSignal = 15; // SIGTERM
};

struct ChildRun
{
    int exitStatus = -1; // -1 when ended by a signal
    int signal = 0;
    bool timedOut = false;
    double peakMb = 0; // the program's largest resident set
    double cpuSeconds = 0;
    double wallSeconds = 0;
    std::string output; // standard output
    std::string errors; // standard error
};

// Runs `argv` with the environment changed by `environment` (an empty value removes a
// variable) in `cwd`. `beforeExec`, when given, runs in the child just before exec; it may
// use only system calls, and returning a non-zero errno value ends the child with status 125
// and that value on standard error.
ChildRun RunBounded(const std::vector<std::string> &argv,
                    const std::map<std::string, std::string> &environment,
                    const std::filesystem::path &cwd, const ChildLimits &limits,
                    const std::function<int()> &beforeExec = {});

// Whether this test binary (and so the programs beside it) is built with AddressSanitizer.
bool Sanitized();

// Records one case's figures, printed in a table when the suite ends.
void RecordFigures(const std::string &name, const ChildRun &run);

} // namespace lumaskin::test
