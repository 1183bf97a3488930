// Races the project's CSV reader against libcsv, Python's csv module and the floor (one read and
// a memchr pass), each a whole process on the same generated file. Runs alternate between the
// programs; each figure is the fastest of its runs, its memory the highest peak.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

// One header and `lines` data lines of 73 bytes: CRLF, a quoted name holding a comma, two fax
// columns and three more fields. Written through a small buffer: the race's own peak memory is
// the floor of every child's, since a spawned child starts out sharing it.
std::size_t WriteRaceFile(const std::string& path, int lines) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::size_t size = 0;
    int length = std::fprintf(file, "Name,Business Fax,Home Fax,Company,Street,City\r\n");
    for (int i = 0; length > 0; ++i) {
        size += static_cast<std::size_t>(length);
        if (i == lines) {
            break;
        }
        length = std::fprintf(
            file, "\"Meyer, Anna %07d\",+4930 %07d,+4940 %07d,ACME,Main St %d,Berlin\r\n", i, i,
            lines - i, i % 10);
    }
    if (length < 0 || std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::exit(1);
    }
    return size;
}

struct Program {
    std::string label;
    std::vector<std::string> command;  // the file's path is appended
    double fastestSeconds = 1e300;
    long peakKilobytes = 0;
    std::string output{};
};

struct Run {
    double seconds = 0;
    long peakKilobytes = 0;
    std::string output{};
};

// Starts the command with its standard output in a pipe and waits for it. Exits on failure: a
// figure from a failed run would mean nothing.
Run RunOnce(const std::vector<std::string>& command) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    Run run{elapsed.count(), usage.ru_maxrss, {}};
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        run.output.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(1);
    }
    while (!run.output.empty() && run.output.back() == '\n') {
        run.output.pop_back();
    }
    return run;
}

std::string Sibling(const char* name) {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
}

double Mebibytes(double bytes) {
    return bytes / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    int lines = 1'000'000;
    int rounds = 7;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--lines") {
            lines = std::atoi(argv[i + 1]);
        } else if (option == "--rounds") {
            rounds = std::atoi(argv[i + 1]);
        }
    }
    if (lines <= 0 || rounds <= 0 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: reader_race [--lines N] [--rounds N]\n");
        return 2;
    }

    const std::string path = (std::filesystem::temp_directory_path() /
                              ("reader_race_" + std::to_string(getpid()) + ".csv"))
                                 .string();
    const std::size_t fileBytes = WriteRaceFile(path, lines);

    std::vector<Program> programs = {
        {"floor", {Sibling("floor_read_process")}},
        {"reader", {Sibling("csv_read_process")}},
        {"libcsv", {Sibling("libcsv_read_process")}},
        {"python", {"/usr/bin/python3", PYTHON_CSV_SCRIPT}},
    };
    // One unmeasured round puts the file and the programs in the page cache.
    for (int round = -1; round < rounds; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program& program =
                programs[(k + static_cast<std::size_t>(round + 1)) % programs.size()];
            std::vector<std::string> command = program.command;
            command.push_back(path);
            const Run run = RunOnce(command);
            if (round < 0) {
                continue;
            }
            program.fastestSeconds = std::min(program.fastestSeconds, run.seconds);
            program.peakKilobytes = std::max(program.peakKilobytes, run.peakKilobytes);
            program.output = run.output;
        }
    }
    std::filesystem::remove(path);

    const char* const tunables = std::getenv("GLIBC_TUNABLES");
    std::printf("file: %.1f MB (%.1f MiB), %d data lines, fastest of %d alternating runs\n",
                static_cast<double>(fileBytes) / 1e6, Mebibytes(static_cast<double>(fileBytes)),
                lines, rounds);
    std::printf("every program with GLIBC_TUNABLES=%s\n\n",
                tunables != nullptr ? tunables : "(unset)");
    std::printf("%-8s %10s %10s %10s  %s\n", "program", "seconds", "MB/s", "peak MiB", "output");
    for (const Program& program : programs) {
        std::printf(
            "%-8s %10.3f %10.0f %10.1f  %s\n", program.label.c_str(), program.fastestSeconds,
            static_cast<double>(fileBytes) / 1e6 / program.fastestSeconds,
            Mebibytes(static_cast<double>(program.peakKilobytes) * 1024), program.output.c_str());
    }
    const double floor = programs[0].fastestSeconds;
    const double reader = programs[1].fastestSeconds - floor;
    const double candidates = std::strtod(programs[1].output.c_str(), nullptr);
    const double budget = static_cast<double>(fileBytes) + 16 * candidates + 8 * 1024 * 1024;
    std::printf("\n(reader - floor) / (libcsv - floor) = %.2f   goal <= 0.50\n",
                reader / (programs[2].fastestSeconds - floor));
    std::printf("(reader - floor) / (python - floor) = %.2f   goal <= 0.20\n",
                reader / (programs[3].fastestSeconds - floor));
    std::printf("reader / floor                      = %.2f\n", programs[1].fastestSeconds / floor);
    std::printf("reader peak %.1f MiB, budget %.1f MiB (file + 16 B a candidate + 8 MiB)\n",
                Mebibytes(static_cast<double>(programs[1].peakKilobytes) * 1024),
                Mebibytes(budget));
    return 0;
}
