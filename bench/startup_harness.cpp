// Times the program's start against a bare Qt Widgets program: each probe is started as a
// fresh process, again and again, the two interleaved, and timed from spawn to the line it
// prints at its first paint. Prints the medians and their ratios: that wall time, the
// resident memory at the first paint, and the whole process's CPU time (user and system)
// and peak resident memory, as the kernel counts them when it ends.
//   bw_startup_harness <program probe> <minimal probe> [--runs N] [--platforms offscreen,xcb]
// The xcb platform runs under an Xvfb server of its own, started for the run.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double milliseconds;
    double residentKb;
    double cpuMilliseconds;
    double peakResidentKb;
};
// Named once: clang-format 14 and 19 space a member pointer's declarator differently.
using Measure = double Sample::*;

struct Options {
    std::string programProbe;
    std::string minimalProbe;
    int runs = 30;
    std::vector<std::string> platforms{"offscreen", "xcb"};
};

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) {
        if (!part.empty()) parts.push_back(part);
    }
    return parts;
}

Options parse(int argc, char** argv) {
    Options options;
    std::vector<std::string> probes;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            options.runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--platforms" && i + 1 < argc) {
            options.platforms = split(argv[++i], ',');
        } else {
            probes.push_back(arg);
        }
    }
    if (probes.size() != 2) {
        throw std::runtime_error(
            "usage: bw_startup_harness <program probe> <minimal probe> [--runs N] "
            "[--platforms offscreen,xcb]");
    }
    options.programProbe = probes[0];
    options.minimalProbe = probes[1];
    return options;
}

// The harness's own environment with some variables replaced.
class Environment {
  public:
    Environment(const std::vector<std::pair<std::string, std::string>>& overrides) {
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            const bool replaced = std::any_of(overrides.begin(), overrides.end(), [&](auto& o) {
                return entry.rfind(o.first + "=", 0) == 0;
            });
            if (!replaced) entries_.push_back(entry);
        }
        for (const auto& [name, value] : overrides) entries_.push_back(name + "=" + value);
        for (std::string& entry : entries_) pointers_.push_back(entry.data());
        pointers_.push_back(nullptr);
    }
    char** get() { return pointers_.data(); }

  private:
    std::vector<std::string> entries_;
    std::vector<char*> pointers_;
};

// Starts a program with its standard output on a pipe; returns the read end. Its messages
// go to the harness's standard error unless quiet.
pid_t spawnWithOutputPipe(const std::vector<std::string>& command, char** env, int& readEnd,
                          bool quiet = false) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    std::vector<char*> args;
    for (const std::string& a : command) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (failed) {
        close(fds[0]);
        throw std::runtime_error("cannot start " + command[0] + ": " + std::strerror(failed));
    }
    readEnd = fds[0];
    return pid;
}

// Reads up to the first newline, or to the end of the output.
std::string readLine(int fd) {
    std::string line;
    char c = 0;
    while (read(fd, &c, 1) == 1 && c != '\n') line += c;
    return line;
}

Sample runOnce(const std::string& probe, Environment& env, bool quiet) {
    int output = -1;
    const auto start = Clock::now();
    const pid_t pid = spawnWithOutputPipe({probe}, env.get(), output, quiet);
    const std::string line = readLine(output);
    const auto painted = Clock::now();
    close(output);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    long rss = -1;
    if (std::sscanf(line.c_str(), "rss_kb %ld", &rss) != 1 || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error(probe + " did not reach its first paint and end cleanly");
    }
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {std::chrono::duration<double, std::milli>(painted - start).count(),
            static_cast<double>(rss), ms(usage.ru_utime) + ms(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// An Xvfb server on a free display, ended with the harness's run on that platform.
class VirtualDisplay {
  public:
    VirtualDisplay() {
        Environment env({});
        int output = -1;
        pid_ = spawnWithOutputPipe(
            {"Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"},
            env.get(), output, true);
        // Xvfb writes the display number once it accepts clients.
        const std::string number = readLine(output);
        close(output);
        if (number.empty()) {
            stop();
            throw std::runtime_error("Xvfb did not start");
        }
        name_ = ":" + number;
    }
    ~VirtualDisplay() { stop(); }
    const std::string& name() const { return name_; }

  private:
    void stop() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    pid_t pid_ = -1;
    std::string name_;
};

// The median of one measure over all runs of a probe.
double medianOf(const std::vector<Sample>& samples, Measure measure) {
    std::vector<double> values;
    for (const Sample& s : samples) values.push_back(s.*measure);
    return median(values);
}

void measure(const Options& options, const std::string& platform) {
    std::optional<VirtualDisplay> display;
    std::vector<std::pair<std::string, std::string>> overrides{{"QT_QPA_PLATFORM", platform}};
    if (platform == "xcb") {
        display.emplace();
        overrides.emplace_back("DISPLAY", display->name());
    }
    Environment env(overrides);
    // One untimed start of each warms the file cache, as any start after the first is; its
    // messages show, those of the timed starts that repeat them do not.
    runOnce(options.programProbe, env, false);
    runOnce(options.minimalProbe, env, false);
    std::vector<Sample> program, minimal;
    for (int i = 0; i < options.runs; ++i) {
        program.push_back(runOnce(options.programProbe, env, true));
        minimal.push_back(runOnce(options.minimalProbe, env, true));
    }
    const struct {
        const char* name;
        Measure measure;
        const char* unit;
    } rows[] = {{"start-up", &Sample::milliseconds, "ms"},
                {"memory", &Sample::residentKb, "kB"},
                {"cpu time", &Sample::cpuMilliseconds, "ms"},
                {"peak mem", &Sample::peakResidentKb, "kB"}};
    for (const auto& row : rows) {
        const double p = medianOf(program, row.measure);
        const double m = medianOf(minimal, row.measure);
        std::printf("%-10s %4d runs  %-9s program %7.1f %s, minimal %7.1f %s, ratio %.3f\n",
                    platform.c_str(), options.runs, row.name, p, row.unit, m, row.unit, p / m);
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        std::printf(
            "Medians: spawn to first paint, resident memory (VmRSS) then; CPU time (user+sys)\n"
            "and peak resident memory (maxrss) of the whole process\n");
        for (const std::string& platform : options.platforms) measure(options, platform);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bw_startup_harness: %s\n", error.what());
        return 1;
    }
}
