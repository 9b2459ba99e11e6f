#pragma once

#include "app/AppCloneDocument.h"
#include "app/CloneCommands.h"
#include "link/PortPath.h"
#include "link/indCloneMan.h"
#include "platform/serial/PortList.h"
#include "platform/serial/SerialDevice.h"

#include <functional>
#include <memory>
#include <string>

class OverlayMessages;
namespace radiosim {
class PtyRadio;
class RadioSim;
} // namespace radiosim

// The desktop program's clone link: the serial device, the clone manager with the window's progress
// display, and the clone commands on the document. The device of every operation is the one
// clonelink::ChoosePort names for the port of the settings (the environment, the user's choice, or,
// before the user chose, the one USB adapter plugged in, else the simulated radio). Where that is the
// simulated radio, the radio runs inside the program on a pseudo-terminal for the rest of the session,
// so what is written can be read back.
//
// Everything borrowed must outlive the link. Runs on the user-interface thread's timers.
class WindowCloneLink {
public:
    WindowCloneLink(OverlayMessages& messages,
                    AppCloneDocument& document,
                    platform::ITimerSource& timers,
                    const platform::IClock& clock,
                    clonelink::ICloneView* view,
                    std::function<std::vector<platform::SerialPortEntry>()> listPorts);
    ~WindowCloneLink();
    WindowCloneLink(const WindowCloneLink&) = delete;
    WindowCloneLink& operator=(const WindowCloneLink&) = delete;

    CloneCommands& Commands() { return m_commands; }
    indCloneMan& Manager() { return m_manager; }
    // The simulated radio, once an operation used it; nullptr before.
    radiosim::RadioSim* SimulatedRadio() { return m_radio.get(); }
    // The device COM port `port` stands for now; the serial devices are listed anew.
    clonelink::PortInUse PortFor(int port);
    // The same with the serial devices `ports` listed before.
    clonelink::PortInUse PortFor(int port, const std::vector<platform::SerialPortEntry>& ports) {
        return m_document.PortFor(port, ports);
    }
    // The device the latest operation opened (port 0 before the first).
    const clonelink::PortInUse& LastPort() const { return m_last; }

private:
    std::string ResolvePath(int port);

    AppCloneDocument& m_document;
    platform::ITimerSource& m_timers;
    const platform::IClock& m_clock;
    std::function<std::vector<platform::SerialPortEntry>()> m_listPorts;
    clonelink::PortInUse m_last;
    std::unique_ptr<radiosim::RadioSim> m_radio;
    std::unique_ptr<radiosim::PtyRadio> m_line;
    platform::SerialDevice m_device;
    indCloneMan m_manager;
    CloneCommands m_commands;
};
