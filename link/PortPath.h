#pragma once

#include <string>
#include <string_view>

namespace clonelink {

// The device path of COM port `port` (1..256): the environment variable VQN58_COM<n> when set, else
// `configured` (the user's settings value for the port) when not empty, else the fixed table (1-4
// /dev/ttyS0-3, 5-8 /dev/ttyUSB0-3, 9-12 /dev/ttyACM0-3, others /dev/ttyS<n-1>; \\.\COM<n> on Windows).
std::string DevicePath(int port, std::string_view configured);

// DevicePath without a settings value: the environment, else the fixed table.
std::string DefaultDevicePath(int port);

// The port (1 to 12) whose entry of the fixed table is `path`; 0 when the table does not name it.
int TablePortOf(std::string_view path);

} // namespace clonelink
