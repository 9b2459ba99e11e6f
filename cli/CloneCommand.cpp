// vqn58-cli info | read FILE | write FILE [--maker], with --port N or --device PATH|sim: the desktop
// program's clone chains on the steady clock, without a window.

#include "app/CloneCommands.h"
#include "app/cuiMainCloneDocument.h"
#include "cli/CliApp.h"
#include "cli/CliCloneView.h"
#include "cli/CliCommand.h"
#include "link/indCloneMan.h"
#include "overlay/Messages.h"
#include "overlay/cmcGTex.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"
#include "platform/serial/SerialDevice.h"
#include "tools/radiosim/PtyRadio.h"
#include "tools/radiosim/SimOptions.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace cli {

namespace {

enum class Op { Info, Read, Write };

struct CloneArgs {
    std::string file;
    int port = 1;
    std::string device; // a path, "sim", or empty for the port's own path
    bool maker = false;
};

std::optional<CloneArgs> ParseCloneArgs(const std::vector<std::string>& args, bool needsFile) {
    CloneArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--maker") {
            parsed.maker = true;
        } else if (arg == "--port" && i + 1 < args.size()) {
            char* end = nullptr;
            const long port = std::strtol(args[++i].c_str(), &end, 10);
            if (*end != '\0' || port < 1 || port > 256) {
                return std::nullopt;
            }
            parsed.port = static_cast<int>(port);
        } else if (arg == "--device" && i + 1 < args.size()) {
            parsed.device = args[++i];
        } else if (arg.empty() || arg[0] == '-' || !parsed.file.empty() || !needsFile) {
            return std::nullopt;
        } else {
            parsed.file = arg;
        }
    }
    if (needsFile && parsed.file.empty()) {
        return std::nullopt;
    }
    return parsed;
}

void PrintIdentity(const CloneIdentity& id) {
    std::printf("model %04X\nsub %04X\nrevision %d.%d\ncomment %.16s\nidentity",
                id.modelCode,
                id.subCode,
                id.bytes[1] >> 4,
                id.bytes[1] & 0xF,
                reinterpret_cast<const char*>(id.bytes.data() + 3));
    for (const std::uint8_t b : id.bytes) {
        std::printf(" %02X", b);
    }
    std::printf("\n");
}

int Run(CliContext& context, Op op) {
    const auto args = ParseCloneArgs(context.args, op != Op::Info);
    if (!args || (args->maker && op != Op::Write)) {
        std::fprintf(stderr, "vqn58-cli: wrong arguments; see vqn58-cli --help\n");
        return kExitUsage;
    }
    CliApp cli(context);
    cli.Settings().comPort = args->port; // the tool's settings are never saved
    indMain& app = cli.App();
    app.BuildDocument();
    if (args->maker) {
        app.SwitchMakerModeOn();
        if (!app.IsMakerMode()) {
            return 1;
        }
    }
    if (op == Op::Write) {
        // The file is opened exactly as the desktop program's Open does.
        if (const int code = app.OpenFile(args->file); code != 0) {
            return CliApp::ExitStatus(code);
        }
    }
    cmcMessages& messages = app.Messages();
    cuiMainCloneDocument document(app, cli.Events());

    platform::SteadyClock clock;
    platform::ManualTimerSource timers(clock);
    platform::SerialDevice device;
    indCloneMan manager(messages, device, timers, clock);
    CliCloneView view(app.Overlay().GetText("GI_Cli_Progress"));
    manager.SetView(&view);

    // The simulated radio runs on the same timers, so one loop drives both ends of the line.
    std::unique_ptr<radiosim::RadioSim> radio;
    std::unique_ptr<radiosim::PtyRadio> line;
    if (args->device == "sim") {
        radio = std::make_unique<radiosim::RadioSim>(radiosim::DefaultImage());
        line = std::make_unique<radiosim::PtyRadio>(*radio);
        std::string error;
        if (!line->Create(error)) {
            std::fprintf(stderr, "vqn58-cli: no pseudo-terminal for the simulated radio: %s\n", error.c_str());
            return kExitCloneBase + clonecode::kPortFailed;
        }
        line->Attach(timers, clock);
    }
    if (!args->device.empty()) {
        const std::string path = line ? line->DevicePath() : args->device;
        manager.Driver().Comm().SetPathResolver([path](int) { return path; });
    }

    CloneCommands commands(manager, messages, document);
    std::optional<int> finished;
    commands.OnFinished([&](int code) { finished = code; });
    document.SetInfoWindow([&] { PrintIdentity(commands.Identity()); });
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
    platform::RunLoopUntil(timers, [&] { return finished.has_value(); });
    if (!finished) {
        return kExitCloneBase + clonecode::kPortFailed;
    }
    if (*finished < 0) {
        return 1;
    }
    if (*finished != 0) {
        return kExitCloneBase + *finished;
    }
    if (op == Op::Read) {
        // The image read is saved as the desktop program's Save does.
        return CliApp::ExitStatus(app.SaveToFile(args->file));
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
