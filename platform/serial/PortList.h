#pragma once

#include <string>
#include <vector>

namespace platform {

// One serial device of this machine as the port list shows it.
struct SerialPortEntry {
    std::string path;        // the device to open, e.g. /dev/ttyUSB0
    std::string description; // the USB product name, else the system's description; may be empty
    bool accessible = true;  // whether this user may open it for reading and writing
    std::string group;       // for a device this user may not open: the group that may, when one does
    bool usb = false;        // a USB serial adapter (a cable plugged in), not a port of the machine
};

// The serial devices libserialport finds, sorted by path; empty when there are none or listing fails.
std::vector<SerialPortEntry> ListSerialPorts();

} // namespace platform
