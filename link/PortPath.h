#pragma once

#include "platform/serial/PortList.h"

#include <string>
#include <string_view>
#include <vector>

namespace clonelink {

// The device path of COM port `port` (1..256): the environment variable VQN58_COM<n> when set, else
// `configured` (the user's settings value for the port) when not empty, else the fixed table (1-4
// /dev/ttyS0-3, 5-8 /dev/ttyUSB0-3, 9-12 /dev/ttyACM0-3, others /dev/ttyS<n-1>; \\.\COM<n> on Windows).
std::string DevicePath(int port, std::string_view configured);

// DevicePath without a settings value: the environment, else the fixed table.
std::string DefaultDevicePath(int port);

// The port (1 to 12) whose entry of the fixed table is `path`; 0 when the table does not name it.
int TablePortOf(std::string_view path);

// The device path that stands for the simulated radio.
inline constexpr std::string_view kSimulatedDevice = "sim";

// The device a clone operation on a COM port opens, and how it came to be that one.
struct PortInUse {
    int port = 0;           // the COM port number
    std::string path;       // the device to open; kSimulatedDevice for the simulated radio
    std::string product;    // the USB product name of the adapter, when known
    bool automatic = false; // chosen for the user, who has not chosen a port yet
    bool Simulated() const { return path == kSimulatedDevice; }
};

// The device of COM port `port`. The environment variable VQN58_COM<n> decides when set. Once the user
// has chosen a port (`chosen`), their settings value `configured`, else the fixed table. Before that,
// the one USB serial adapter among `ports` when exactly one is plugged in, else the simulated radio: a
// port node of the machine with no cable on it answers nothing. The product name is filled in from
// `ports` wherever the device is listed there.
PortInUse
ChoosePort(int port, std::string_view configured, bool chosen, const std::vector<platform::SerialPortEntry>& ports);

} // namespace clonelink
