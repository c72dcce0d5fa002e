// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QString>

// One module of a series as the protocol keeps it.
struct SeriesRecord
{
    QDateTime time;            // when its result was known, local
    QString port;
    QString configurationFile; // the file the configuration came from, or what stands for it
    QString fingerprint;
    bool ok = false;           // written and verified
    QString reason;            // why not; empty when ok
    double seconds = 0;        // from its detection to its result
};

// The protocol of a series: a CSV file in UTF-8, appended to, with a header
// line when it is new. Each line goes to the system as it is written, so
// that a crash loses at most the line under way.
class SeriesProtocol
{
    Q_DECLARE_TR_FUNCTIONS(SeriesProtocol)

public:
    // The result field of a module written and verified, and of any other.
    static inline const QString Ok = QStringLiteral("OK");
    static inline const QString Failed = QStringLiteral("CHYBA");

    // Opens path for appending. False and a sentence naming the file when it
    // cannot be written.
    bool open(const QString &path, QString *problem);
    void close() { m_file.close(); }
    bool append(const SeriesRecord &record, QString *problem);

    const QString &path() const { return m_path; }

    static QString header();
    static QString line(const SeriesRecord &record);

private:
    bool write(const QString &text, QString *problem);
    QString failure(const QString &reason) const;

    QFile m_file;
    QString m_path;
};
