// SPDX-License-Identifier: MIT
#include "PortPlatform.h"

#include <QFileInfo>
#include <QSerialPort>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

QString PortPlatform::deviceBehind(const QString &path)
{
#ifdef Q_OS_UNIX
    // Where QSerialPort looks for the name: a path as it is, from the
    // current folder too; a bare name (ttyUSB0) in /dev.
    const bool isPath = path.startsWith(u'/') || path.startsWith(QLatin1String("./"))
                        || path.startsWith(QLatin1String("../"));
    const QString canonical = QFileInfo(isPath ? path : QStringLiteral("/dev/") + path).canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
#endif
    return path;
}

#ifdef Q_OS_LINUX

void PortPlatform::tune(QSerialPort &port)
{
    const int fd = port.handle();
    // QSerialPort 6.4 sets TIOCEXCL too; it is not documented, so the hold
    // does not rest on it. Root passes TIOCEXCL: the lock file QSerialPort
    // makes for the resolved name stops a second opening then.
    ::ioctl(fd, TIOCEXCL);
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return; // a pseudo-terminal, or a driver without these flags
    if (serial.flags & ASYNC_LOW_LATENCY)
        return;
    const int previous = serial.flags;
    serial.flags |= ASYNC_LOW_LATENCY;
    if (::ioctl(fd, TIOCSSERIAL, &serial) == 0)
        m_savedFlags = previous;
}

void PortPlatform::restore(QSerialPort &port)
{
    const int fd = port.handle();
    if (m_savedFlags) {
        serial_struct serial{};
        if (::ioctl(fd, TIOCGSERIAL, &serial) == 0) {
            serial.flags = *m_savedFlags;
            ::ioctl(fd, TIOCSSERIAL, &serial);
        }
        m_savedFlags.reset();
    }
    ::ioctl(fd, TIOCNXCL);
}

#else

// Windows opens a COM port exclusively by itself; its latency timer is a
// setting of the adapter's driver.
void PortPlatform::tune(QSerialPort &)
{
}

void PortPlatform::restore(QSerialPort &)
{
    m_savedFlags.reset();
}

#endif

QString PortPlatform::latencyAdvice(int averageMs)
{
#ifdef Q_OS_WIN
    return tr("Modul odpovídá pomalu (průměrně %1 ms na bajt): přenos zdržuje latence USB převodníku. "
              "Ve Správci zařízení otevřete port, Nastavení portu → Upřesnit, a nastavte Latency Timer na 1 ms.")
        .arg(averageMs);
#else
    return tr("Modul odpovídá pomalu (průměrně %1 ms na bajt): přenos zdržuje latence USB převodníku. "
              "Snižte ji na 1 ms pravidlem udev 99-vrk04-ftdi-latency.rules z dokumentace programu.")
        .arg(averageMs);
#endif
}
