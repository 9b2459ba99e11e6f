// vqn58-cli info | read FILE [--force] | write FILE [--maker] [--yes], with --port N or
// --device PATH|sim: the desktop program's clone chains on the steady clock, without a window.

#include "app/AppCellDocument.h"
#include "app/AppCloneDocument.h"
#include "app/CloneCommands.h"
#include "app/PortText.h"
#include "cli/CliApp.h"
#include "cli/CliCloneView.h"
#include "cli/CliCommand.h"
#include "cli/SignalGuard.h"
#include "image/QcfTypes.h"
#include "link/PortPath.h"
#include "link/indCloneMan.h"
#include "link/sim/OwnerImage.h"
#include "link/sim/PtyRadio.h"
#include "link/sim/SimOptions.h"
#include "model/CellKinds.h"
#include "model/indActiveCell.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"
#include "platform/serial/SerialDevice.h"
#include "sheets/cmcCellObj.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

namespace cli {

namespace {

enum class Op { Info, Read, Write };

struct CloneArgs {
    std::string file;
    int port = 0;       // 0: none given
    std::string device; // a path, "sim", or empty when a port is given
    bool maker = false; // write only
    bool yes = false;   // write only
    bool force = false; // read only
    bool check = true;  // write only: read back and compare
};

int UsageError(const std::string& problem) {
    std::fprintf(stderr, "vqn58-cli: %s\nTry 'vqn58-cli --help'.\n", problem.c_str());
    return kExitUsage;
}

// The arguments of `op`, or the usage error's message in `problem`.
std::optional<CloneArgs> ParseCloneArgs(const std::vector<std::string>& args, Op op, std::string& problem) {
    CloneArgs parsed;
    bool hasPort = false;
    bool hasDevice = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--maker" && op == Op::Write) {
            parsed.maker = true;
        } else if (arg == "--yes" && op == Op::Write) {
            parsed.yes = true;
        } else if (arg == "--force" && op == Op::Read) {
            parsed.force = true;
        } else if (arg == "--no-check" && op == Op::Write) {
            parsed.check = false;
        } else if (arg == "--port" && i + 1 < args.size() && !hasPort) {
            const std::string& text = args[++i];
            char* end = nullptr;
            const long port = std::strtol(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || port < 1 || port > 256) {
                problem = "--port needs a number from 1 to 256";
                return std::nullopt;
            }
            parsed.port = static_cast<int>(port);
            hasPort = true;
        } else if (arg == "--device" && i + 1 < args.size() && !hasDevice && !args[i + 1].empty()) {
            parsed.device = args[++i];
            hasDevice = true;
        } else if (arg.empty() || arg[0] == '-' || !parsed.file.empty() || op == Op::Info) {
            problem = "wrong arguments: '" + arg + "'";
            return std::nullopt;
        } else {
            parsed.file = arg;
        }
    }
    if (op != Op::Info && parsed.file.empty()) {
        problem = "wrong arguments: a FILE is needed";
        return std::nullopt;
    }
    if (hasPort == hasDevice) {
        problem = "wrong arguments: give either --port N or --device PATH|sim";
        return std::nullopt;
    }
    return parsed;
}

// True when a file can be created beside `file` (the way a save starts); nothing is left behind.
bool CanSaveTo(const std::string& file) {
    platform::AtomicFile probe;
    const bool ok = probe.Open(file);
    probe.Discard();
    return ok;
}

// The identity the radio gave, with the battery type as the window's information sheet shows it.
void PrintIdentity(const CloneIdentity& id, const std::string& battery) {
    std::printf("model %04X\nsub %04X\nrevision %d.%d\ncomment %.16s\nbattery %s\nidentity",
                id.modelCode,
                id.subCode,
                id.bytes[1] >> 4,
                id.bytes[1] & 0xF,
                reinterpret_cast<const char*>(id.bytes.data() + 3),
                battery.c_str());
    for (const std::uint8_t b : id.bytes) {
        std::printf(" %02X", b);
    }
    std::printf("\n");
}

// The text the behaviour object draws for a cell of `kind` from the application's identity bytes.
std::string DrawIdentityCell(indMain& app, cmcEvMan& events, std::int32_t kind) {
    AppCellDocument document(app, events);
    indActiveCell behaviour(document);
    cmcCellObj cell;
    cell.SetKind(kind);
    cmcCellCapsule capsule;
    capsule.Cell = &cell;
    behaviour.Answer(capsule, ICellBehaviour::kDraw);
    return capsule.OutText;
}

// Read does not replace an existing file unless forced: there is no dialog to ask first. The usage
// error's status, none when the command may go on.
std::optional<int> RefuseExistingFile(const CloneArgs& args, Op op) {
    std::error_code error;
    if (op == Op::Read && !args.force && std::filesystem::exists(args.file, error)) {
        return UsageError(args.file + ": the file exists; add --force to replace it");
    }
    return std::nullopt;
}

// The document the command works on, as the window would have it: the tool's settings (never saved)
// for the port, maker mode when asked, the file opened as Open does for a write, and for a read a
// file that can be saved, found before the radio is asked for anything rather than after a whole read.
// The exit status when the command ends here, none when it goes on.
std::optional<int> PrepareDocument(CliApp& cli, const CloneArgs& args, Op op) {
    cli.About(args.file);                                         // read and write name their file; info has none
    cli.Settings().comPort = args.device.empty() ? args.port : 1; // the tool's settings are never saved
    cli.Settings().checkAfterWrite = args.check;
    indMain& app = cli.App();
    app.BuildDocument();
    if (args.maker) {
        app.SwitchMakerModeOn();
        if (!app.IsMakerMode()) {
            return kExitDeclined; // a signal during the question turns into 128 + n on the way out
        }
    }
    if (op == Op::Write) {
        if (const int code = app.OpenFile(args.file); code != 0) {
            return CliApp::ExitStatus(code);
        }
    }
    if (op == Op::Read && !CanSaveTo(args.file)) {
        app.Messages().ShowCloneFileResult(qcf::kFileOpen);
        return kExitCloneFileBase + qcf::kFileOpen;
    }
    return std::nullopt;
}

// What the progress names: the device given, or the one the port stands for.
clonelink::PortInUse PortOf(const CloneArgs& args) {
    clonelink::PortInUse port;
    port.port = args.port;
    port.path = args.device.empty() ? clonelink::DefaultDevicePath(args.port) : args.device;
    return port;
}

// The desktop program's clone chains on the steady clock, with the line they talk over: the device of
// the port or path given, or the simulated radio on a pseudo-terminal. Made in the order of the
// members and ended in reverse: the manager may still close the progress display when a signal ends
// the command part-way, and closes the device on its way out, which releases the port and clears its
// exclusive mode.
class CloneSession {
public:
    CloneSession(CliApp& cli, const CloneArgs& args)
        : m_app(cli.App()), m_events(cli.Events()), m_args(args), m_document(m_app, m_events), m_port(PortOf(args)),
          m_view([this](int operation) { return porttext::Doing(m_app.Definitions(), operation, m_port); },
                 [this](const clonelink::CloneProgress& progress) {
                     return porttext::Detail(m_app.Definitions(), progress);
                 }),
          m_manager(m_app.Messages(), m_device, m_timers, m_clock),
          m_commands(m_manager, m_app.Messages(), m_document) {
        m_manager.SetView(&m_view);
    }

    // For "--device sim": the simulated radio, on the same timers, so one loop drives both ends of the
    // line. False, with a message, when it has no pseudo-terminal.
    bool StartSimulatedRadio() {
        if (m_args.device != "sim") {
            return true;
        }
        m_radio = std::make_unique<radiosim::RadioSim>(radiosim::OwnerImage(0));
        m_line = std::make_unique<radiosim::PtyRadio>(*m_radio);
        std::string failure;
        if (!m_line->Create(failure)) {
            std::fprintf(stderr, "vqn58-cli: no pseudo-terminal for the simulated radio: %s\n", failure.c_str());
            return false;
        }
        m_line->Attach(m_timers, m_clock);
        return true;
    }

    // Runs `op` until it finishes or a signal comes. The chain's result code; none when it did not finish.
    std::optional<int> Run(Op op) {
        ConnectCommands();
        m_commands.OnFinished([this](int code) { m_finished = code; });
        switch (op) {
        case Op::Info:
            m_commands.CloneInfo();
            break;
        case Op::Read:
            m_commands.CloneRead();
            break;
        case Op::Write:
            m_commands.CloneWrite();
            break;
        }
        platform::RunLoopUntil(m_timers, [this] { return m_finished.has_value() || SignalGuard::Pending() != 0; });
        return m_finished;
    }

private:
    // The device the commands open, the note that names the simulated radio, and the identity printed
    // where the window shows its information window.
    void ConnectCommands() {
        OverlayMessages& messages = m_app.Messages();
        if (m_port.Simulated()) {
            m_commands.SetDeviceNote(
                [&messages] { return messages.Overlay().GetLongText("GI_Mess_Clone_SimulatedRadio"); });
        }
        if (!m_args.device.empty()) {
            // The commands installed the settings' device of the port, which a path replaces.
            const std::string path = m_line ? m_line->DevicePath() : m_args.device;
            // Each open asks again, so the resolver returns a copy and keeps its own.
            m_manager.Driver().Comm().SetPathResolver(
                [path](int) { return path; }); // NOLINT(performance-no-automatic-move)
            m_manager.SetDeviceName(path);
        }
        m_document.SetInfoWindow([this] {
            m_app.SetCloneIdentityBytes(m_commands.Identity().bytes);
            PrintIdentity(m_commands.Identity(),
                          DrawIdentityCell(m_app, m_events, model::KindFromName("CL_CloneInfo_BattType")));
        });
    }

    indMain& m_app;
    cmcEvMan& m_events;
    const CloneArgs& m_args;
    AppCloneDocument m_document;
    platform::SteadyClock m_clock;
    platform::ManualTimerSource m_timers{m_clock};
    platform::SerialDevice m_device;
    clonelink::PortInUse m_port;
    CliCloneView m_view;
    indCloneMan m_manager;
    std::unique_ptr<radiosim::RadioSim> m_radio;
    std::unique_ptr<radiosim::PtyRadio> m_line;
    std::optional<int> m_finished; // the chain's result code, once it finished
    CloneCommands m_commands;
};

// The exit status of a clone command by the chain's result (none: it never finished).
int FinishedStatus(const std::optional<int>& finished) {
    if (!finished) {
        return kExitCloneBase + clonecode::kPortFailed;
    }
    if (*finished == CloneCommands::kStoppedDataErrors) {
        return kExitRefused; // the window's data-error message has been shown
    }
    if (*finished < 0) {
        return kExitDeclined;
    }
    if (*finished != 0) {
        return kExitCloneBase + *finished;
    }
    return kExitOk;
}

int Run(CliContext& context, Op op) {
    std::string problem;
    const auto args = ParseCloneArgs(context.args, op, problem);
    if (!args) {
        return UsageError(problem);
    }
    if (const std::optional<int> refused = RefuseExistingFile(*args, op)) {
        return *refused;
    }
    context.assumeYes = args->yes;
    CliApp cli(context);
    if (const std::optional<int> stopped = PrepareDocument(cli, *args, op)) {
        return *stopped;
    }
    CloneSession session(cli, *args);
    if (!session.StartSimulatedRadio()) {
        return kExitCloneBase + clonecode::kPortFailed;
    }
    const std::optional<int> finished = session.Run(op);
    if (SignalGuard::Pending() != 0) {
        return kExitSignalBase + SignalGuard::Pending();
    }
    const int status = FinishedStatus(finished);
    if (status != kExitOk || op != Op::Read) {
        return status;
    }
    // The image read is saved as the desktop program's Save does, unless a signal came first.
    return SignalGuard::SaveUnlessSignalled([&] { return CliApp::ExitStatus(cli.App().SaveToFile(args->file)); });
}

} // namespace

int RunCloneInfo(CliContext& context) {
    return Run(context, Op::Info);
}

int RunCloneRead(CliContext& context) {
    return Run(context, Op::Read);
}

int RunCloneWrite(CliContext& context) {
    return Run(context, Op::Write);
}

} // namespace cli
