// SPDX-License-Identifier: MIT
#pragma once

#include <QIODevice>
#include <cstring>

// A serial line in memory as a QIODevice: bytes the test lets arrive() are
// read back and announced with readyRead, as a port announces them.
class FakeDevice : public QIODevice
{
public:
    void arrive(const QByteArray &bytes)
    {
        m_waiting += bytes;
        emit readyRead();
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_waiting.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = qMin(maxSize, qint64(m_waiting.size()));
        std::memcpy(data, m_waiting.constData(), size_t(n));
        m_waiting.remove(0, n);
        return n;
    }
    qint64 writeData(const char *, qint64 size) override { return size; }

private:
    QByteArray m_waiting;
};
