// SPDX-License-Identifier: MIT
#pragma once

#include "Configuration.h"
#include "ModuleLink.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>

// One run of the window or of the tool: the link, the configuration, where
// the configuration came from, what the module on the port is known to hold,
// and whether the table differs from what was last kept (read, opened, saved
// or written), found by comparing the table with that kept state.
class Session : public QObject
{
    Q_OBJECT

public:
    // Where the configuration came from.
    struct Origin
    {
        enum class Kind { Factory, File, Module };
        Kind kind = Kind::Factory;
        QString file;   // File: the file opened or saved last
        QString port;   // Module: the port it was read from ("COM3", a device path)
        QDateTime time; // Module: when the read ended
    };

    explicit Session(QObject *parent = nullptr);

    ModuleLink &link() { return m_link; }
    const ModuleLink &link() const { return m_link; }
    Configuration &configuration() { return m_config; }
    const Configuration &configuration() const { return m_config; }

    const Origin &origin() const { return m_origin; }
    // The table or the default states differ from what was last kept.
    bool differsFromKept() const;
    // Read, opened, saved or edited since the factory table, or taken as it is.
    bool touched() const { return m_confirmed || differsFromKept() || m_origin.kind != Origin::Kind::Factory; }
    // The image the module on the port now chosen holds; nothing when unknown:
    // the last read, write or verify on that port in this run. A failed write,
    // or the port closing on its own, leaves nothing known.
    std::optional<QByteArray> knownImage() const;

    // The image the table and the default states encode to; empty when a row cannot be encoded.
    QByteArray tableImage() const;
    // The configuration as it stands is the factory table: kept, no origin.
    void keepAsFactory();
    // The user chose to write the factory table as it is.
    void confirmTable() { m_confirmed = true; }
    // The configuration was opened from or saved to path.
    void keepFile(const QString &path);

    // Reads the module: its bytes become ConfigImage, and when they decode,
    // the table and the default states, kept with the port and the time.
    void read();
    // Writes the table's image, or refuses a table that cannot be encoded.
    void write();

signals:
    // The origin or the comparison with the kept state may have changed.
    void stateChanged();

private:
    struct Kept
    {
        CommandTable table;
        quint8 byte1 = 0;
        quint8 byte2 = 0;
        bool operator==(const Kept &) const = default;
    };
    Kept current() const;
    void keep(const Kept &kept);
    void follow(ModuleLink::Operation operation, ModuleLink::Outcome outcome);
    void learnModule(ModuleLink::Operation operation, ModuleLink::Outcome outcome);

    ModuleLink m_link;
    Configuration m_config;
    Origin m_origin;
    Kept m_kept;
    Kept m_writing;             // the table as the running write took it
    bool m_writesTable = false; // the running write is write()'s
    bool m_confirmed = false;
    QString m_knownDevice; // where m_knownImage was seen; empty when nothing is known
    QByteArray m_knownImage;
};
