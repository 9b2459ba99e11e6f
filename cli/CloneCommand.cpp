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

int Run(CliContext& context, Op op) {
    std::string problem;
    const auto args = ParseCloneArgs(context.args, op, problem);
    if (!args) {
        return UsageError(problem);
    }
    // There is no dialog to ask before a file is replaced: an existing file is kept unless forced.
    std::error_code error;
    if (op == Op::Read && !args->force && std::filesystem::exists(args->file, error)) {
        return UsageError(args->file + ": the file exists; add --force to replace it");
    }
    context.assumeYes = args->yes;
    CliApp cli(context);
    cli.About(args->file);                                          // read and write name their file; info has none
    cli.Settings().comPort = args->device.empty() ? args->port : 1; // the tool's settings are never saved
    cli.Settings().checkAfterWrite = args->check;
    indMain& app = cli.App();
    app.BuildDocument();
    if (args->maker) {
        app.SwitchMakerModeOn();
        if (!app.IsMakerMode()) {
            return kExitDeclined; // a signal during the question turns into 128 + n on the way out
        }
    }
    if (op == Op::Write) {
        // The file is opened exactly as the desktop program's Open does.
        if (const int code = app.OpenFile(args->file); code != 0) {
            return CliApp::ExitStatus(code);
        }
    }
    if (op == Op::Read && !CanSaveTo(args->file)) {
        // Found before the radio is asked for anything, rather than after a whole read.
        app.Messages().ShowCloneFileResult(qcf::kFileOpen);
        return kExitCloneFileBase + qcf::kFileOpen;
    }
    OverlayMessages& messages = app.Messages();
    AppCloneDocument document(app, cli.Events());

    // Declared before the manager, which may still close the progress display when a signal ends the
    // command part-way, and closes the device on its way out.
    platform::SteadyClock clock;
    platform::ManualTimerSource timers(clock);
    platform::SerialDevice device;
    // What the progress names: the device given, or the one the port stands for.
    clonelink::PortInUse port;
    port.port = args->port;
    port.path = args->device.empty() ? clonelink::DefaultDevicePath(args->port) : args->device;
    CliCloneView view(
        [&](int operation) { return porttext::Doing(app.Definitions(), operation, port); },
        [&](const clonelink::CloneProgress& progress) { return porttext::Detail(app.Definitions(), progress); });
    indCloneMan manager(messages, device, timers, clock);
    manager.SetView(&view);

    // The simulated radio runs on the same timers, so one loop drives both ends of the line.
    std::unique_ptr<radiosim::RadioSim> radio;
    std::unique_ptr<radiosim::PtyRadio> line;
    if (args->device == "sim") {
        radio = std::make_unique<radiosim::RadioSim>(radiosim::OwnerImage(0));
        line = std::make_unique<radiosim::PtyRadio>(*radio);
        std::string failure;
        if (!line->Create(failure)) {
            std::fprintf(stderr, "vqn58-cli: no pseudo-terminal for the simulated radio: %s\n", failure.c_str());
            return kExitCloneBase + clonecode::kPortFailed;
        }
        line->Attach(timers, clock);
    }

    CloneCommands commands(manager, messages, document);
    if (port.Simulated()) {
        commands.SetDeviceNote([&messages] { return messages.Overlay().GetLongText("GI_Mess_Clone_SimulatedRadio"); });
    }
    if (!args->device.empty()) {
        // After the commands: they install the settings' device of the port, which a path replaces.
        const std::string path = line ? line->DevicePath() : args->device;
        manager.Driver().Comm().SetPathResolver([path](int) { return path; });
        manager.SetDeviceName(path);
    }
    std::optional<int> finished;
    commands.OnFinished([&](int code) { finished = code; });
    document.SetInfoWindow([&] {
        app.SetCloneIdentityBytes(commands.Identity().bytes);
        PrintIdentity(commands.Identity(),
                      DrawIdentityCell(app, cli.Events(), model::KindFromName("CL_CloneInfo_BattType")));
    });
    switch (op) {
    case Op::Info:
        commands.CloneInfo();
        break;
    case Op::Read:
        commands.CloneRead();
        break;
    case Op::Write:
        commands.CloneWrite();
        break;
    }
    // A signal ends the loop; leaving this function closes the port and clears its exclusive mode.
    platform::RunLoopUntil(timers, [&] { return finished.has_value() || SignalGuard::Pending() != 0; });
    if (SignalGuard::Pending() != 0) {
        return kExitSignalBase + SignalGuard::Pending();
    }
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
    if (op == Op::Read) {
        // The image read is saved as the desktop program's Save does, unless a signal came first.
        return SignalGuard::SaveUnlessSignalled([&] { return CliApp::ExitStatus(app.SaveToFile(args->file)); });
    }
    return kExitOk;
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
