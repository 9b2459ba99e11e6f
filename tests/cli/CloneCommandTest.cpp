// Runs the built vqn58-cli's radio commands against its in-process simulated radio and checks the exit
// status and the messages.

#include "CliRun.h"
#include "support/Pty.h"
#include "support/TempDir.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

using clitest::CliRun;
using clitest::Quoted;

CliRun RunCli(const std::string& arguments) {
    return clitest::RunCliCommand(arguments);
}

using testsupport::Pty;

// The built program `program` started in the background with `args` and the file actions `files`.
pid_t SpawnProgram(const char* program, const std::vector<std::string>& args, posix_spawn_file_actions_t& files) {
    std::vector<std::string> all{std::string(VQN58_BIN_DIR) + "/" + program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    ::posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ);
    return pid;
}

// The tool started in the background with `args`, standard input from `input` (a path), standard
// output to `output` and standard error to `errors` (empty: to `output` as well).
pid_t Spawn(const std::vector<std::string>& args,
            const std::string& input,
            const std::string& output,
            const std::string& errors = {}) {
    posix_spawn_file_actions_t files;
    ::posix_spawn_file_actions_init(&files);
    ::posix_spawn_file_actions_addopen(&files, 0, input.c_str(), O_RDWR | O_NOCTTY, 0);
    ::posix_spawn_file_actions_addopen(&files, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (errors.empty()) {
        ::posix_spawn_file_actions_adddup2(&files, 1, 2);
    } else {
        ::posix_spawn_file_actions_addopen(&files, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    const pid_t pid = SpawnProgram("vqn58-cli", args, files);
    ::posix_spawn_file_actions_destroy(&files);
    return pid;
}

// The exit status of `pid`, or -1 when it did not exit normally.
int ExitStatus(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CliClone, InfoReadAndWriteAgainstTheSimulatedRadio) {
    testsupport::TempDir dir;
    const std::string file = (dir / "radio.qcf").string();

    const CliRun info = RunCli("info --device sim");
    EXPECT_EQ(info.status, 0) << info.output;
    EXPECT_NE(info.output.find("model 2691"), std::string::npos) << info.output;
    // The comment of the radio's memory, and the battery type as the window's information sheet names it.
    EXPECT_NE(info.output.find("\ncomment SEA OTTER  WA   \n"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("\nbattery Nickel-metal hydride\n"), std::string::npos) << info.output;

    const CliRun read = RunCli("read " + file + " --device sim");
    ASSERT_EQ(read.status, 0) << read.output;
    EXPECT_EQ(RunCli("check " + file).status, 0); // saved as Save saves: Open takes it back
    // The simulated radio is an owner's radio: the export reads like a real channel list.
    const CliRun exported = RunCli("export " + file);
    ASSERT_EQ(exported.status, 0) << exported.output;
    for (const char* line : {"usa,32,16,P,0,1,0,0,1,,,\n", "free,0,1,,,,,,,156425000,156425000,CLb\n"}) {
        EXPECT_NE(exported.output.find(line), std::string::npos) << line;
    }
    // An existing file is replaced only when asked to.
    const std::string saved = testsupport::ReadFileBytes(file);
    EXPECT_EQ(RunCli("read " + file + " --device sim").status, 2);
    EXPECT_EQ(RunCli("read " + file + " --force --device sim").status, 0);

    for (const char* maker : {"", " --maker"}) {
        const CliRun write = RunCli("write " + file + maker + " --yes --device sim");
        EXPECT_EQ(write.status, 0) << write.output;
    }
    // Without a terminal to ask and without --yes, nothing is written.
    const CliRun refused = RunCli("write " + file + " --device sim </dev/null");
    EXPECT_EQ(refused.status, 1) << refused.output;
    EXPECT_NE(refused.output.find("no terminal"), std::string::npos) << refused.output;
    EXPECT_EQ(testsupport::ReadFileBytes(file), saved);
}

// The simulated radio as its own program with `options`; it prints the device to open on its first
// line of output, then runs until it is ended.
class SimulatedRadioProcess {
public:
    explicit SimulatedRadioProcess(const std::vector<std::string>& options) {
        int out[2];
        if (::pipe(out) != 0) {
            return;
        }
        posix_spawn_file_actions_t files;
        ::posix_spawn_file_actions_init(&files);
        ::posix_spawn_file_actions_adddup2(&files, out[1], 1);
        ::posix_spawn_file_actions_addclose(&files, out[0]);
        m_pid = SpawnProgram("vqn58-radiosim", options, files);
        ::posix_spawn_file_actions_destroy(&files);
        ::close(out[1]);
        char c = 0;
        while (::read(out[0], &c, 1) == 1 && c != '\n') {
            m_device += c;
        }
        ::close(out[0]);
    }
    ~SimulatedRadioProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ExitStatus(m_pid);
        }
    }
    const std::string& Device() const { return m_device; }

private:
    pid_t m_pid = -1;
    std::string m_device;
};

// A write is read back: a radio that keeps a byte wrong ends the write with 38 and the address and
// place in the message; --no-check skips the read.
TEST(CliClone, TheWriteIsReadBackAndADifferenceIsNamed) {
    testsupport::TempDir dir;
    const std::string file = (dir / "radio.qcf").string();
    ASSERT_EQ(RunCli("read " + file + " --device sim").status, 0);

    const CliRun checked = RunCli("write " + file + " --yes --device sim");
    EXPECT_EQ(checked.status, 0) << checked.output;
    EXPECT_NE(checked.output.find("read back"), std::string::npos) << checked.output;
    EXPECT_NE(checked.output.find("simulated radio"), std::string::npos) << checked.output;

    SimulatedRadioProcess radio({"--misstore", "3AC"}); // the first letter of free channel 4's name
    ASSERT_FALSE(radio.Device().empty());
    const CliRun differs = RunCli("write " + file + " --yes --device " + radio.Device());
    EXPECT_EQ(differs.status, 38) << differs.output;
    EXPECT_NE(differs.output.find("other data at address 0x3AC (Free channels: 4, Name)"), std::string::npos)
        << differs.output;
    const CliRun unchecked = RunCli("write " + file + " --yes --no-check --device " + radio.Device());
    EXPECT_EQ(unchecked.status, 0) << unchecked.output;
    EXPECT_EQ(unchecked.output.find("read back"), std::string::npos) << unchecked.output;
}

TEST(CliClone, FailuresEndWithTheirExitStatusAndOneMessage) {
    testsupport::TempDir dir;
    const std::string noTty = (dir / "no-such-tty").string();
    const std::string existing = dir.Write("existing.qcf", "kept as it is").string();
    dir.Write("plain", "a file, so nothing can be created under it");
    ::setenv("VQN58_COM256", noTty.c_str(), 1);
    const struct {
        std::string arguments;
        int status;
        std::string message;
    } cases[] = {
        {"info --device " + noTty, 22, "The serial device " + noTty + " could not be opened"},
        {"read " + (dir / "r.qcf").string() + " --device " + noTty, 22, noTty + " does not exist"},
        {"read " + existing + " --force --device " + noTty, 22, "could not be opened"},
        {"read " + existing + " --device sim", 2, "add --force"},
        {"read " + (dir / "plain" / "r.qcf").string() + " --device " + noTty, 11, "cannot be opened"},
        {"write " + (dir / "missing.qcf").string() + " --yes --device sim", 11, "cannot be opened"},
        {"read --device sim", 2, "wrong arguments"},
        {"info", 2, "--port N or --device"},
        {"read " + (dir / "r.qcf").string(), 2, "--port N or --device"},
        {"write " + existing, 2, "--port N or --device"},
        {"info --port 1 --device sim", 2, "--port N or --device"},
        {"info --port 0", 2, "--port needs"},
        {"info --port 257", 2, "--port needs"},
        {"info --port 256", 22, "COM256 could not be opened"},
        {"read " + (dir / "r.qcf").string() + " --yes --device sim", 2, "wrong arguments"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << "\n" << run.output;
    }
    ::unsetenv("VQN58_COM256");
    EXPECT_FALSE(std::filesystem::exists(dir / "r.qcf"));                             // a failed read saves nothing
    EXPECT_EQ(testsupport::ReadFileBytes(existing), "kept as it is");                 // nor spoils what was there
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2); // no stray file
}

TEST(CliClone, AFailedWriteToStandardOutputIsReported) {
    testsupport::TempDir dir;
    const std::string file = (dir / "radio.qcf").string();
    ASSERT_EQ(RunCli("read " + file + " --device sim").status, 0);
    const std::string errors = (dir / "errors").string();
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"info", "--device", "sim"}, std::vector<std::string>{"export", file}}) {
        EXPECT_EQ(ExitStatus(Spawn(command, "/dev/null", "/dev/full", errors)), 5) << command[0];
        const std::string said = testsupport::ReadFileBytes(errors);
        EXPECT_NE(said.find("standard output could not be written"), std::string::npos) << said;
    }
}

// A signal ends a command cleanly: the port is released with its exclusive mode cleared, and the
// status is 128 + the signal.
TEST(CliClone, ASignalEndsACommandAndReleasesThePort) {
    testsupport::TempDir dir;
    for (const int signal : {SIGINT, SIGTERM}) {
        Pty pty; // a line that never answers
        const pid_t pid = Spawn({"info", "--device", pty.path}, "/dev/null", (dir / "out").string());
        ASSERT_GT(pid, 0);
        ASSERT_TRUE(pty.AwaitBytes(5000)); // the request is on its way: the port is open
        ::kill(pid, signal);
        EXPECT_EQ(ExitStatus(pid), 128 + signal) << testsupport::ReadFileBytes(dir / "out");
        const int probe = ::open(pty.path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(probe, 0) << "still held exclusively";
        int exclusive = 1;
        EXPECT_EQ(::ioctl(probe, TIOCGEXCL, &exclusive), 0);
        EXPECT_EQ(exclusive, 0) << signal;
        ::close(probe);
    }
}

// The write confirmation is asked on the terminal, and only "y" goes on.
TEST(CliClone, TheWriteIsConfirmedOnTheTerminal) {
    testsupport::TempDir dir;
    const std::string file = (dir / "radio.qcf").string();
    ASSERT_EQ(RunCli("read " + file + " --device sim").status, 0);
    for (const auto& [reply, status] : {std::pair{"y\n", 0}, std::pair{"\n", 1}, std::pair{"no\n", 1}}) {
        Pty terminal;
        const pid_t pid =
            Spawn({"write", file, "--device", "sim"}, terminal.path, (dir / "out").string(), terminal.path);
        ASSERT_GT(pid, 0);
        std::string said;
        const bool asked = terminal.AwaitText("[y/N]", 60000, said);
        if (asked) {
            EXPECT_EQ(::write(terminal.Master(), reply, std::strlen(reply)), static_cast<ssize_t>(std::strlen(reply)));
        } else {
            ::kill(pid, SIGTERM); // it would wait for an answer for ever
        }
        // The terminal is read on until the tool ends, so what it says after the answer never fills it.
        int raw = 0;
        for (pid_t ended = 0; ended != pid;) {
            said += terminal.Read(50);
            ended = ::waitpid(pid, &raw, WNOHANG);
            ASSERT_TRUE(ended >= 0 || errno == EINTR) << std::strerror(errno);
        }
        EXPECT_TRUE(asked) << "the write asks on the terminal first: " << said;
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, status) << reply << said;
    }
}

} // namespace
