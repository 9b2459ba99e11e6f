#pragma once

#include "app/CloneCommands.h"
#include "link/indCloneMan.h"
#include "platform/serial/SerialDevice.h"

#include <functional>
#include <memory>
#include <string>

class cmcMessages;
class cuiMainCloneDocument;
namespace radiosim {
class PtyRadio;
class RadioSim;
} // namespace radiosim

// Whether a clone operation on the device `path` talks to the simulated radio: when the user chose it
// for the port ("sim"), or when nothing else could answer: this machine has no serial device and the
// path names none.
bool UsesSimulatedRadio(const std::string& path, bool machineHasSerialDevices, bool pathExists);

// The desktop program's clone link: the serial device, the clone manager with the window's progress
// display, and the clone commands on the document, whose settings resolver (environment, the user's
// "Ports/COM<n>", the fixed table) names the device of every operation. Where that device is the
// simulated radio, the radio runs inside the program on a pseudo-terminal for the rest of the session,
// so what is written can be read back.
//
// Everything borrowed must outlive the link. Runs on the user-interface thread's timers.
class WindowCloneLink {
public:
    WindowCloneLink(cmcMessages& messages,
                    cuiMainCloneDocument& document,
                    platform::ITimerSource& timers,
                    const platform::IClock& clock,
                    clonelink::ICloneView* view,
                    std::function<bool()> machineHasSerialDevices);
    ~WindowCloneLink();
    WindowCloneLink(const WindowCloneLink&) = delete;
    WindowCloneLink& operator=(const WindowCloneLink&) = delete;

    CloneCommands& Commands() { return m_commands; }
    indCloneMan& Manager() { return m_manager; }
    // The simulated radio, once an operation used it; nullptr before.
    radiosim::RadioSim* SimulatedRadio() { return m_radio.get(); }

private:
    std::string ResolvePath(int port);

    cuiMainCloneDocument& m_document;
    platform::ITimerSource& m_timers;
    const platform::IClock& m_clock;
    std::function<bool()> m_machineHasSerialDevices;
    std::unique_ptr<radiosim::RadioSim> m_radio;
    std::unique_ptr<radiosim::PtyRadio> m_line;
    platform::SerialDevice m_device;
    indCloneMan m_manager;
    CloneCommands m_commands;
};
