// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts programs in turn, many times, and compares them as whole processes: wall-clock time
// from start to exit, and peak resident memory as the kernel counts it for the child. The last
// program is the yardstick that the others are measured against. NAME=VALUE before a program
// sets that variable for it alone, as `LANGUAGE=de PROGRAM` does in a shell.
// Usage: tarrowind_startup_compare [--runs N] [NAME=VALUE] PROGRAM... [NAME=VALUE] YARDSTICK
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    double peakMiB;
};

struct Program {
    const char *path;
    const char *variable; // NAME=VALUE for this program alone, or nullptr
};

Run RunOnce(const Program &program) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        if (program.variable) {
            putenv(const_cast<char *>(program.variable));
        }
        execl(program.path, program.path, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) {
        std::perror("tarrowind_startup_compare");
        std::exit(2);
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not exit cleanly (status %d)\n", program.path, status);
        std::exit(2);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Summary {
    double time, timeMin, timeMax, memory;
};

Summary Summarise(const std::vector<Run> &runs) {
    std::vector<double> times, memories;
    for (const Run &run : runs) {
        times.push_back(run.milliseconds);
        memories.push_back(run.peakMiB);
    }
    return {Median(times), *std::min_element(times.begin(), times.end()),
            *std::max_element(times.begin(), times.end()), Median(memories)};
}

} // namespace

int main(int argc, char *argv[]) {
    int runs = 30;
    std::vector<Program> programs;
    const char *variable = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (std::strchr(argv[i], '=') && !std::strchr(argv[i], '/')) {
            variable = argv[i];
        } else {
            programs.push_back({argv[i], variable});
            variable = nullptr;
        }
    }
    if (programs.size() < 2) {
        std::fprintf(stderr, "usage: %s [--runs N] [NAME=VALUE] PROGRAM... YARDSTICK\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    for (int i = 0; i < 3; ++i) { // warm the file cache for all of them
        for (const Program &program : programs) {
            RunOnce(program);
        }
    }
    std::vector<std::vector<Run>> measured(programs.size());
    for (int i = 0; i < runs; ++i) { // interleaved, in turns, so drift affects all alike
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t next = (k + static_cast<std::size_t>(i)) % programs.size();
            measured[next].push_back(RunOnce(programs[next]));
        }
    }

    std::vector<Summary> summaries;
    for (const std::vector<Run> &runsOfOne : measured) {
        summaries.push_back(Summarise(runsOfOne));
    }
    const Summary &yardstick = summaries.back();
    std::printf("%d runs each, QT_QPA_PLATFORM=%s, medians; ratios to the last\n\n", runs,
                getenv("QT_QPA_PLATFORM"));
    std::printf(
        "| process | start-up to exposed window, ms (min-max) | x | peak memory, MiB | x |\n");
    std::printf("|---|---|---|---|---|\n");
    for (std::size_t k = 0; k < programs.size(); ++k) {
        const Summary &summary = summaries[k];
        std::printf("| %s%s%s | %.1f (%.1f-%.1f) | %.2f | %.1f | %.2f |\n",
                    programs[k].variable ? programs[k].variable : "",
                    programs[k].variable ? " " : "", programs[k].path, summary.time,
                    summary.timeMin, summary.timeMax, summary.time / yardstick.time, summary.memory,
                    summary.memory / yardstick.memory);
    }
    return 0;
}
