#pragma once

#include "app/CloneCommands.h"
#include "link/ICloneView.h"
#include "link/PortPath.h"

#include <string>

class IDefinitionSource;

// The words the program uses for the device of a clone operation and for its progress, from the
// overlay's texts ("GI_Port_InUse", "GI_Clone_Progress_Doing", "GI_Clone_Progress_Detail").
namespace porttext {

// "COM1 — /dev/ttyUSB0 (USB serial cable)", "COM1 — /dev/ttyS0", "COM1 — simulated radio".
std::string PortName(IDefinitionSource& texts, const clonelink::PortInUse& port);

// The line that names a read (clonelink::kRead), a write (kWrite) or the read that checks a write
// (kCheckRead) and the device: "Reading from the radio on /dev/ttyUSB0 (USB serial
// cable)", "Writing to the simulated radio".
std::string Doing(IDefinitionSource& texts, int op, const clonelink::PortInUse& port);

// "1,024 of 2,048 bytes, about 3 s left" (without the time before it is known).
std::string Detail(IDefinitionSource& texts, const clonelink::CloneProgress& progress);

// The status line of a clone read or write that ended as `outcome` on `port` ("Read 2,048 bytes from
// /dev/ttyUSB0 in 6.4 s; a copy is in the backups folder"), `backedUp` when the image read was kept;
// empty for an operation that did not move the data.
std::string CloneResult(IDefinitionSource& texts,
                        const CloneCommands::Outcome& outcome,
                        const clonelink::PortInUse& port,
                        bool backedUp);

// `n` with a comma between groups of three digits: 5981 gives "5,981".
std::string GroupDigits(long long n);

} // namespace porttext
