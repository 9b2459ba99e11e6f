#include "link/PortPath.h"

#include <cstdlib>

namespace clonelink {

namespace {

// The fixed table of device paths.
std::string TablePath(int port) {
#ifdef _WIN32
    return "\\\\.\\COM" + std::to_string(port);
#else
    if (port >= 1 && port <= 4) {
        return "/dev/ttyS" + std::to_string(port - 1);
    }
    if (port >= 5 && port <= 8) {
        return "/dev/ttyUSB" + std::to_string(port - 5);
    }
    if (port >= 9 && port <= 12) {
        return "/dev/ttyACM" + std::to_string(port - 9);
    }
    return "/dev/ttyS" + std::to_string(port - 1);
#endif
}

} // namespace

std::string DevicePath(int port, std::string_view configured) {
    const std::string variable = "VQN58_COM" + std::to_string(port);
    if (const char* value = std::getenv(variable.c_str()); value != nullptr && *value != '\0') {
        return value;
    }
    if (!configured.empty()) {
        return std::string(configured);
    }
    return TablePath(port);
}

std::string DefaultDevicePath(int port) {
    return DevicePath(port, {});
}

PortInUse
ChoosePort(int port, std::string_view configured, bool chosen, const std::vector<platform::SerialPortEntry>& ports) {
    PortInUse use;
    use.port = port;
    const std::string variable = "VQN58_COM" + std::to_string(port);
    const char* environment = std::getenv(variable.c_str());
    if ((environment != nullptr && *environment != '\0') || chosen) {
        use.path = DevicePath(port, configured);
    } else {
        use.automatic = true;
        const platform::SerialPortEntry* adapter = nullptr;
        int adapters = 0;
        for (const platform::SerialPortEntry& entry : ports) {
            if (entry.usb) {
                adapter = &entry;
                ++adapters;
            }
        }
        use.path = adapters == 1 ? adapter->path : std::string(kSimulatedDevice);
    }
    for (const platform::SerialPortEntry& entry : ports) {
        if (entry.path == use.path) {
            use.product = entry.description;
        }
    }
    return use;
}

int TablePortOf(std::string_view path) {
    for (int port = 1; port <= 12; ++port) {
        if (TablePath(port) == path) {
            return port;
        }
    }
    return 0;
}

} // namespace clonelink
