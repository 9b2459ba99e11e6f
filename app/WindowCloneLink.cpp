#include "app/WindowCloneLink.h"

#include "app/AppCloneDocument.h"
#include "link/sim/OwnerImage.h"
#include "link/sim/PtyRadio.h"
#include "link/sim/RadioSim.h"
#include "link/sim/SimOptions.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"

WindowCloneLink::WindowCloneLink(OverlayMessages& messages,
                                 AppCloneDocument& document,
                                 platform::ITimerSource& timers,
                                 const platform::IClock& clock,
                                 clonelink::ICloneView* view,
                                 std::function<std::vector<platform::SerialPortEntry>()> listPorts)
    : m_document(document), m_timers(timers), m_clock(clock), m_listPorts(std::move(listPorts)),
      m_manager(messages, m_device, timers, clock), m_commands(m_manager, messages, document) {
    m_manager.SetView(view);
    m_commands.SetDeviceNote([this, &messages] {
        return m_last.Simulated() ? messages.Overlay().GetLongText("GI_Mess_Clone_SimulatedRadio") : std::string();
    });
    // The settings resolver the commands installed stays the one that decides; it only gains the
    // simulated radio.
    m_manager.Driver().Comm().SetPathResolver([this](int port) { return ResolvePath(port); });
}

WindowCloneLink::~WindowCloneLink() = default;

clonelink::PortInUse WindowCloneLink::PortFor(int port) {
    return PortFor(port, m_listPorts ? m_listPorts() : std::vector<platform::SerialPortEntry>{});
}

std::string WindowCloneLink::ResolvePath(int port) {
    m_last = PortFor(port);
    const std::string& path = m_last.path;
    if (!m_last.Simulated()) {
        return path;
    }
    if (!m_line) {
        auto radio = std::make_unique<radiosim::RadioSim>(radiosim::OwnerImage(0));
        auto line = std::make_unique<radiosim::PtyRadio>(*radio);
        std::string failure;
        if (!line->Create(failure)) {
            return path; // the open then fails with the port's message
        }
        line->Attach(m_timers, m_clock);
        m_radio = std::move(radio);
        m_line = std::move(line);
    }
    return m_line->DevicePath();
}
