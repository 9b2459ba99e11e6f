#include "platform/serial/PosixTty.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace platform::posixtty {

namespace {

speed_t SpeedOf(std::uint32_t baud) {
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B9600;
    }
}

tcflag_t SizeOf(int bits) {
    switch (bits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

} // namespace

OpenFailure ClassifyOpenError(const std::string& path, int error) {
    using Kind = OpenFailure::Kind;
    OpenFailure failure;
    failure.device = path;
    switch (error) {
    case EACCES:
    case EPERM: {
        failure.kind = Kind::Denied;
        // Joining the owning group only helps when its members may read and write the device.
        constexpr mode_t kGroupReadWrite = S_IRGRP | S_IWGRP;
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0 && (info.st_mode & kGroupReadWrite) == kGroupReadWrite) {
            if (const group* owner = ::getgrgid(info.st_gid); owner != nullptr) {
                failure.ownerGroup = owner->gr_name;
            }
        }
        break;
    }
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        failure.kind = Kind::Missing;
        break;
    case EBUSY:
    case EWOULDBLOCK:
        failure.kind = Kind::Busy;
        break;
    default:
        failure.kind = Kind::NotSerial;
        break;
    }
    return failure;
}

bool LockExclusive(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return false;
    }
    ::ioctl(fd, TIOCEXCL);
    return true;
}

bool ConfigureTerminal(int fd, const LineSettings& settings) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= SizeOf(settings.dataBits) | CLOCAL | CREAD;
    if (settings.stopBits != LineSettings::StopBits::One) {
        tio.c_cflag |= CSTOPB; // one and a half stop bits do not exist here: two
    }
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, SpeedOf(settings.baud));
    ::cfsetospeed(&tio, SpeedOf(settings.baud));
    return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

void SetModemLines(int fd) {
    int rts = TIOCM_RTS;
    int dtr = TIOCM_DTR;
    ::ioctl(fd, TIOCMBIS, &rts);
    ::ioctl(fd, TIOCMBIC, &dtr);
}

int BytesToRead(int fd) {
    int n = 0;
    return ::ioctl(fd, FIONREAD, &n) == 0 ? n : 0;
}

int BytesToSend(int fd) {
    int n = 0;
    return ::ioctl(fd, TIOCOUTQ, &n) == 0 ? n : 0;
}

int WriteWithin(int fd, const std::uint8_t* bytes, int n, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int done = 0;
    while (done < n) {
        const ssize_t written = ::write(fd, bytes + done, static_cast<std::size_t>(n - done));
        if (written > 0) {
            done += static_cast<int>(written);
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR) {
            break; // a hung-up or vanished device
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd wait{fd, POLLOUT, 0};
        ::poll(&wait, 1, static_cast<int>(left.count()));
    }
    return done;
}

} // namespace platform::posixtty
