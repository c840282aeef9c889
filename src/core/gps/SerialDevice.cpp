#include "core/gps/SerialDevice.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

Message SystemErrorMessage(int errorNumber) {
    return Message{QStringLiteral("Error: ") + QString::fromLocal8Bit(std::strerror(errorNumber)),
                   MessageIcon::None};
}

Status SerialDevice::Open(const QString& path) {
    Close();
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking, so that opening does not wait for a carrier and reads never hang.
    fd_ = ::open(name.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return Status(SystemErrorMessage(errno));
    Status configured = Configure();
    if (!configured)
        Close();
    return configured;
}

Status SerialDevice::Configure() {
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0)
        return Status(SystemErrorMessage(errno));
    // No other process may open the device while the receiver reads it.
    if (::ioctl(fd_, TIOCEXCL) != 0)
        return Status(SystemErrorMessage(errno));
    ::cfmakeraw(&tio); // bytes as received: carriage returns are part of each sentence
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, B4800) != 0 || ::cfsetospeed(&tio, B4800) != 0 ||
        ::tcsetattr(fd_, TCSANOW, &tio) != 0)
        return Status(SystemErrorMessage(errno));
    // DTR and RTS off. Devices without modem lines (USB CDC receivers, pseudo-terminals) refuse
    // the request; they have nothing to switch off.
    const int lines = TIOCM_DTR | TIOCM_RTS;
    if (::ioctl(fd_, TIOCMBIC, &lines) != 0 && errno != ENOTTY && errno != EINVAL)
        return Status(SystemErrorMessage(errno));
    return Status();
}

void SerialDevice::Close() {
    if (fd_ >= 0) {
        ::ioctl(fd_, TIOCNXCL);
        ::close(fd_);
        fd_ = -1;
    }
}
