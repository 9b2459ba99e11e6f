#pragma once

#include "platform/ISerialDevice.h"

#include <string>

// Helpers shared by both ways of driving a serial device on a POSIX system.
namespace platform::posixtty {

// The failure that the errno of a failed open stands for; when the open was not permitted, with the
// device's owning group if that group may read and write it.
OpenFailure ClassifyOpenError(const std::string& path, int error);

// Takes the exclusive advisory lock and sets TIOCEXCL; false (errno set) when another holds the lock.
bool LockExclusive(int fd);

// Raw line settings on a terminal: no flow control, receiver on, modem control lines ignored.
bool ConfigureTerminal(int fd, const LineSettings& settings);

// Holds DTR off and RTS on; a terminal without modem lines (a pseudo-terminal) ignores this.
void SetModemLines(int fd);

// Bytes waiting to be read / to be sent; 0 when the query fails.
int BytesToRead(int fd);
int BytesToSend(int fd);

// Writes n bytes from a non-blocking descriptor, waiting at most timeoutMs; returns the count written.
int WriteWithin(int fd, const std::uint8_t* bytes, int n, int timeoutMs);

} // namespace platform::posixtty
