// SPDX-License-Identifier: MIT
#include "SeriesProtocol.h"

#include "ImageFile.h"
#include "TableFormat.h"

#include <QStringList>

namespace {

// RFC 4180, as the configuration's CSV: CR LF after every record.
const QString RecordEnd = QStringLiteral("\r\n");

} // namespace

QString SeriesProtocol::header()
{
    return QStringLiteral("time,port,file,fingerprint,result,reason,seconds") + RecordEnd;
}

QString SeriesProtocol::line(const SeriesRecord &record)
{
    const QStringList fields = {
        record.time.toString(Qt::ISODate),
        csvField(record.port),
        csvField(record.configurationFile),
        record.fingerprint,
        record.ok ? Ok : Failed,
        csvField(record.reason),
        QString::number(record.seconds, 'f', 1),
    };
    return fields.join(u',') + RecordEnd;
}

bool SeriesProtocol::open(const QString &path, QString *problem)
{
    m_file.close();
    m_path = path;
    if (const QString before = ImageFile::unsavable(path); !before.isEmpty()) {
        *problem = before;
        return false;
    }
    m_file.setFileName(path);
    // Unbuffered: every line reaches the system at once, and a short write shows.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        *problem = failure(m_file.errorString());
        return false;
    }
    return m_file.size() > 0 || write(header(), problem);
}

bool SeriesProtocol::append(const SeriesRecord &record, QString *problem)
{
    return write(line(record), problem);
}

bool SeriesProtocol::write(const QString &text, QString *problem)
{
    const QByteArray bytes = text.toUtf8();
    if (m_file.write(bytes) == bytes.size())
        return true;
    *problem = failure(tr("zápis se nedokončil (plný disk?)"));
    return false;
}

QString SeriesProtocol::failure(const QString &reason) const
{
    return tr("Do protokolu %1 nelze zapisovat: %2.").arg(ImageFile::quoted(m_path), reason);
}
