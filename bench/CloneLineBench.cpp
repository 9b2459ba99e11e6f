// The clone read and write through the paced simulated radio (960 bytes per second, the real line
// rate), each run by vqn58-cli against a vqn58-radiosim of its own, as separate processes. Reports the
// wall time against the wire time of the bytes the line carried (ratio), and the CPU time the command
// used. The write writes back what the read saved, and the radio's memory must then match it byte for
// byte over the written range.

#include <benchmark/benchmark.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const std::string kBin = VQN58_BIN_DIR;
constexpr double kLineBytesPerSecond = 960.0;

struct Child {
    pid_t pid = -1;
    int out = -1; // its standard output
    int err = -1; // its standard error
};

Child Spawn(const std::vector<std::string>& argv) {
    int out[2];
    int err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0) {
        return {};
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        ::close(out[0]);
        ::close(err[0]);
        std::vector<char*> args;
        for (const auto& a : argv) {
            args.push_back(const_cast<char*>(a.c_str()));
        }
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    return {pid, out[0], err[0]};
}

std::string ReadLine(int fd) {
    std::string line;
    char c = 0;
    while (::read(fd, &c, 1) == 1 && c != '\n') {
        line += c;
    }
    return line;
}

std::string ReadAll(int fd) {
    std::string all;
    char buffer[512];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
        all.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return all;
}

struct Measured {
    int status = -1;
    double wallSeconds = 0;
    double cpuSeconds = 0;
    long wireBytes = 0;
};

// Runs one vqn58-cli command against a fresh paced radio started with `simArgs`.
Measured RunAgainstPacedRadio(std::vector<std::string> simArgs, std::vector<std::string> cliArgs) {
    simArgs.insert(simArgs.begin(), {kBin + "/vqn58-radiosim", "--pace"});
    Child sim = Spawn(simArgs);
    const std::string device = ReadLine(sim.out);
    cliArgs.insert(cliArgs.begin(), kBin + "/vqn58-cli");
    cliArgs.insert(cliArgs.end(), {"--device", device});
    Measured m;
    const auto start = std::chrono::steady_clock::now();
    Child cli = Spawn(cliArgs);
    rusage usage{};
    int status = 0;
    ::wait4(cli.pid, &status, 0, &usage); // its few lines of messages fit in the pipes
    ::close(cli.out);
    ::close(cli.err);
    m.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    m.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    ::kill(sim.pid, SIGTERM);
    ::waitpid(sim.pid, nullptr, 0);
    ::close(sim.out);
    std::istringstream report(ReadAll(sim.err).substr(std::string("vqn58-radiosim: ").size()));
    report >> m.wireBytes;
    return m;
}

void Report(benchmark::State& state, const Measured& m) {
    const double wire = static_cast<double>(m.wireBytes) / kLineBytesPerSecond;
    state.SetIterationTime(m.wallSeconds);
    state.counters["wall_s"] = m.wallSeconds;
    state.counters["wire_s"] = wire;
    state.counters["wall_per_wire"] = wire > 0 ? m.wallSeconds / wire : 0;
    state.counters["cpu_ms"] = m.cpuSeconds * 1000;
    state.counters["line_bytes"] = static_cast<double>(m.wireBytes);
}

std::string TempPath(const char* name) {
    return (std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/vqn58_bench_" +
            std::to_string(::getpid()) + "_" + name);
}

// Data lines of a clone file ("AAAANN..." after the header lines), keyed by address.
std::vector<std::string> DataLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    std::string line;
    for (std::getline(in, line); std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') {
            lines.push_back(line.substr(0, line.find_last_not_of("\r\n") + 1));
        }
    }
    return lines;
}

// Arguments: 0 a read; 1 a write without the check; 2 a write read back and compared.
void BM_CloneReadThenWrite(benchmark::State& state) {
    const bool write = state.range(0) >= 1;
    const bool check = state.range(0) == 2;
    const std::string readFile = TempPath("read.qcf");
    const std::string savedFile = TempPath("radio.qcf");
    for (auto _ : state) {
        Measured read = RunAgainstPacedRadio({}, {"read", readFile});
        if (read.status != 0) {
            state.SkipWithError("the read failed");
            break;
        }
        if (!write) {
            Report(state, read);
            continue;
        }
        // A radio that starts from other data, so the write must really carry every byte.
        std::vector<std::string> command{"write", readFile, "--yes"};
        if (!check) {
            command.emplace_back("--no-check");
        }
        Measured written = RunAgainstPacedRadio({"--blank", "--save", savedFile}, command);
        if (written.status != 0) {
            state.SkipWithError("the write failed");
            break;
        }
        const auto sent = DataLines(readFile);
        const auto kept = DataLines(savedFile);
        // 16 bytes per line: the normal write range 0x000-0x6FF is the first 112 lines.
        if (sent.size() < 112 || kept.size() < 112 || !std::equal(sent.begin(), sent.begin() + 112, kept.begin())) {
            state.SkipWithError("the radio's memory differs from the file written");
            break;
        }
        Report(state, written);
    }
    std::remove(readFile.c_str());
    std::remove(savedFile.c_str());
}

BENCHMARK(BM_CloneReadThenWrite)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgNames({"write"})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace
