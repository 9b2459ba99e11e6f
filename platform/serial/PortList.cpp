#include "platform/serial/PortList.h"

#include <algorithm>
#include <grp.h>
#include <libserialport.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string Text(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

// The group that may read and write `path` when this user may not: the owning group, if it has the
// rights. Empty when the device is open to this user or no group would help.
void FillAccess(SerialPortEntry& entry) {
    entry.accessible = ::access(entry.path.c_str(), R_OK | W_OK) == 0;
    if (entry.accessible) {
        return;
    }
    struct stat info {};
    if (::stat(entry.path.c_str(), &info) != 0 || (info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) {
        return;
    }
    if (const struct group* owner = ::getgrgid(info.st_gid); owner != nullptr && owner->gr_name != nullptr) {
        entry.group = owner->gr_name;
    }
}

} // namespace

std::vector<SerialPortEntry> ListSerialPorts() {
    std::vector<SerialPortEntry> entries;
    struct sp_port** ports = nullptr;
    if (sp_list_ports(&ports) != SP_OK || ports == nullptr) {
        return entries;
    }
    for (struct sp_port** port = ports; *port != nullptr; ++port) {
        SerialPortEntry entry;
        entry.path = Text(sp_get_port_name(*port));
        if (entry.path.empty()) {
            continue;
        }
        if (sp_get_port_transport(*port) == SP_TRANSPORT_USB) {
            entry.usb = true;
            entry.description = Text(sp_get_port_usb_product(*port));
        }
        if (entry.description.empty()) {
            entry.description = Text(sp_get_port_description(*port));
        }
        FillAccess(entry);
        entries.push_back(std::move(entry));
    }
    sp_free_port_list(ports);
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    return entries;
}

} // namespace platform
