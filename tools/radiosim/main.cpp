// vqn58-radiosim: the simulated radio on a pseudo-terminal.

#include "image/cmcQcfFile.h"
#include "link/sim/PtyRadio.h"
#include "link/sim/SimOptions.h"
#include "model/ModelRules.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPaths.h"
#include "platform/Timer.h"

#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int) {
    g_stop = 1;
}

constexpr CloneFileRange kCovered[] = {{0x000, model::kLastCloneAddress}};

void Prepare(cmcQcfFile& file, cmcEeprom& image) {
    file.AttachImage(image);
    file.SetModelCodes(model::kModelCode, model::kExtraCode);
    file.SetMapRevision(model::kMapRevision);
    file.SetMapRevisionTest([](std::int32_t revision) { return revision == model::kMapRevision; });
}

} // namespace

int main(int argc, char** argv) {
    radiosim::SimOptions options;
    std::string error;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const auto& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::fputs(radiosim::SimUsage(), stdout);
            return 0;
        }
    }
    if (!radiosim::ParseSimOptions(args, options, error)) {
        std::fprintf(stderr, "vqn58-radiosim: %s\n%s", error.c_str(), radiosim::SimUsage());
        return 2;
    }
    cmcGTex gtex;
    gtex.SetSourceFile(options.overlayFile.empty() ? (platform::ProgramDataDir() / "VQN58.OVL").string()
                                                   : options.overlayFile);
    platform::StreamMessageBox box;
    OverlayMessages messages(gtex, box);

    cmcEeprom image = radiosim::StartImage(options);
    if (!options.imageFile.empty()) {
        cmcQcfFile file(messages);
        Prepare(file, image);
        if (const auto code = file.Read(options.imageFile, kCovered); code != 0) {
            return 10 + code;
        }
    }
    radiosim::RadioSim radio(image);
    radio.SetIdentity(options.identity);
    radio.SetFaults(options.faults);
    if (!options.saveFile.empty()) {
        radio.OnWritten([&](const cmcEeprom& written) {
            cmcEeprom copy = written;
            cmcQcfFile file(messages);
            Prepare(file, copy);
            file.SetComment(model::CloneFileComment(copy));
            file.Write(options.saveFile, kCovered);
        });
    }
    radiosim::PtyRadio line(radio);
    if (!line.Create(error)) {
        std::fprintf(stderr, "vqn58-radiosim: no pseudo-terminal: %s\n", error.c_str());
        return 1;
    }
    line.SetPacing(options.pace ? 960 : 0);
    std::printf("%s\n", line.DevicePath().c_str());
    std::fflush(stdout);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    platform::SteadyClock clock;
    platform::ManualTimerSource timers(clock);
    line.Attach(timers, clock);
    platform::RunLoopUntil(timers, [&] { return g_stop != 0 || line.HungUp(); });
    std::fprintf(stderr,
                 "vqn58-radiosim: %ld bytes on the line, %d writes accepted\n",
                 line.WireBytes(),
                 radio.WritesAccepted());
    return 0;
}
