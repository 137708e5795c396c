#include "tests/hostile/bounded_child.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <mutex>
#include <signal.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace lumaskin::test {

namespace {

std::string ReadAll(const std::filesystem::path &path)
{
    std::string text;
    if (std::FILE *file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            text.append(buffer, n);
        std::fclose(file);
    }
    return text;
}

struct Figures
{
    std::string name;
    ChildRun run;
};

std::mutex g_figuresMutex;
std::vector<Figures> g_figures;

// Prints every case's figures once the suite has run.
class FiguresPrinter : public testing::Environment
{
public:
    void TearDown() override
    {
        const std::lock_guard lock(g_figuresMutex);
        if (g_figures.empty())
            return;
        std::printf("\n%-44s %8s %8s %8s %s\n", "hostile case", "peak MB", "cpu s", "wall s",
                    "ended");
        for (const Figures &f : g_figures)
            std::printf("%-44s %8.1f %8.2f %8.2f %s\n", f.name.c_str(), f.run.peakMb,
                        f.run.cpuSeconds, f.run.wallSeconds,
                        f.run.timedOut ? "killed at the wall-time limit"
                        : f.run.signal ? ("signal " + std::to_string(f.run.signal)).c_str()
                                       : ("status " + std::to_string(f.run.exitStatus)).c_str());
    }
};

[[maybe_unused]] const auto *g_printer = testing::AddGlobalTestEnvironment(new FiguresPrinter);

} // namespace

bool Sanitized()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

void RecordFigures(const std::string &name, const ChildRun &run)
{
    std::printf("[hostile] %s: peak %.1f MB, cpu %.2f s, wall %.2f s\n", name.c_str(), run.peakMb,
                run.cpuSeconds, run.wallSeconds);
    const std::lock_guard lock(g_figuresMutex);
    g_figures.push_back({name, run});
}

ChildRun RunBounded(const std::vector<std::string> &argv,
                    const std::map<std::string, std::string> &environment,
                    const std::filesystem::path &cwd, const ChildLimits &limits,
                    const std::function<int()> &beforeExec)
{
    ChildRun run;
    char pattern[] = "/tmp/lumaskin-hostile-XXXXXX";
    if (!mkdtemp(pattern))
        return run;
    const std::filesystem::path logs = pattern;
    const std::string outPath = (logs / "out").string(), errPath = (logs / "err").string();

    // Everything the child needs is prepared before fork: after it, only system calls.
    std::map<std::string, std::string> merged;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        const auto eq = entry.find('=');
        if (eq != std::string::npos)
            merged[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const auto &[key, value] : environment) {
        if (value.empty())
            merged.erase(key);
        else
            merged[key] = value;
    }
    std::vector<std::string> envStrings;
    for (const auto &[key, value] : merged)
        envStrings.push_back(key + "=" + value);
    std::vector<char *> envp, args;
    for (std::string &s : envStrings)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    // Through the launcher, which measures the program alone (see hostile_launch.cpp).
    const std::string reportPath = (logs / "report").string();
    std::vector<std::string> argvCopy{LUMASKIN_LAUNCH_PATH, reportPath};
    argvCopy.insert(argvCopy.end(), argv.begin(), argv.end());
    for (std::string &s : argvCopy)
        args.push_back(s.data());
    args.push_back(nullptr);
    const std::string workDir = cwd.string();
    const bool limitAddressSpace = limits.addressSpaceMb > 0 && !Sanitized();

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = open("/dev/null", O_RDONLY);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        if (!workDir.empty() && chdir(workDir.c_str()) != 0)
            _exit(126);
        if (limitAddressSpace) {
            const rlim_t bytes = static_cast<rlim_t>(limits.addressSpaceMb) << 20;
            const rlimit as{bytes, bytes};
            setrlimit(RLIMIT_AS, &as);
        }
        const rlimit cpu{static_cast<rlim_t>(limits.cpuSeconds),
                         static_cast<rlim_t>(limits.cpuSeconds + 5)};
        setrlimit(RLIMIT_CPU, &cpu);
        if (beforeExec) {
            if (const int error = beforeExec(); error != 0) {
                const char *text = strerror(error);
                if (write(2, text, strlen(text)) < 0)
                    _exit(125);
                _exit(125);
            }
        }
        execve(args[0], args.data(), envp.data());
        _exit(127);
    }
    if (pid < 0)
        return run;
    setpgid(pid, pid);
    int status = 0;
    bool stopped = false;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (!stopped && limits.stopWhen && limits.stopWhen()) {
            // To the program, not the launcher that measures it.
            int program = 0;
            if (std::FILE *file = std::fopen((reportPath + ".pid").c_str(), "r")) {
                if (std::fscanf(file, "%d", &program) != 1)
                    program = 0;
                std::fclose(file);
            }
            if (program > 0) {
                stopped = true;
                kill(program, limits.stopSignal);
            }
        }
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(limits.wallSeconds)) {
            run.timedOut = true;
            kill(-pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // Whatever the child left running in its group goes too.
    kill(-pid, SIGKILL);
    run.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (WIFEXITED(status))
        run.exitStatus = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        run.signal = WTERMSIG(status);
    long peakKb = 0;
    if (std::FILE *report = std::fopen(reportPath.c_str(), "r")) {
        if (std::fscanf(report, "%ld %lf", &peakKb, &run.cpuSeconds) != 2)
            peakKb = 0;
        std::fclose(report);
    }
    run.peakMb = peakKb / 1024.0;
    run.output = ReadAll(outPath);
    run.errors = ReadAll(errPath);
    std::error_code error;
    std::filesystem::remove_all(logs, error);
    return run;
}

} // namespace lumaskin::test
