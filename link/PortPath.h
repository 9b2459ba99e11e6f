#pragma once

#include <string>

namespace clonelink {

// The device path of COM port `port` (1..256): the environment variable VQN58_COM<n> when set, else
// the fixed table (1-4 /dev/ttyS0-3, 5-8 /dev/ttyUSB0-3, 9-12 /dev/ttyACM0-3, others /dev/ttyS<n-1>;
// \\.\COM<n> on Windows). A settings override is the caller's to apply first.
std::string DefaultDevicePath(int port);

} // namespace clonelink
