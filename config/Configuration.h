// SPDX-License-Identifier: MIT
#pragma once

#include "CommandTable.h"
#include "DefaultStates.h"
#include "ImageCodec.h"

#include <QByteArray>
#include <QObject>

// The configuration state of one run: the EEPROM image, the command table and
// the two default-state bytes. The state is changed only by the operations
// below; each reports what it changed through the signals, once per change.
class Configuration : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    const QByteArray &ConfigImage() const { return m_image; }
    const ::CommandTable &CommandTable() const { return m_table; }
    quint8 DefaultStateByte1() const { return m_defaultBytes.byte1; }
    quint8 DefaultStateByte2() const { return m_defaultBytes.byte2; }
    // The five outputs' default states as the buttons show them.
    DefaultStates defaultStates() const;

    // Twenty empty rows. The default states stay as they are.
    void ResetTable();

    // Replaces one row exactly as given, as the editor stores it.
    void setCommand(int row, const ::CommandTable::Row &cells);

    // The buttons' states. Both bytes are composed afresh from them, so bits
    // other than the five states go back to their standard values.
    void setDefaultStates(const DefaultStates &states);

    // Loads image: it becomes ConfigImage and is decoded into the table and
    // the default states. All or nothing: when a byte cannot be decoded,
    // nothing changes, nothing is reported, and failedPosition (when given)
    // receives the 1-based position that failed (beyond the image's end when
    // it is too short).
    bool ImageToTable(const QByteArray &image, int *failedPosition = nullptr);

    // The bytes a read brought from the module. They become ConfigImage
    // whatever they hold, so that they can be looked at and saved, and are
    // then decoded as ImageToTable does; a failed decode leaves the table and
    // the default states as they were.
    bool receiveImage(const QByteArray &image, int *failedPosition = nullptr);

    // Replaces ConfigImage by the 2048-byte encoding of the table and the
    // default states. A row that cannot be encoded leaves ConfigImage as it
    // was; problem (when given) receives the sentence naming the command and
    // the reason.
    bool TableToImage(QString *problem = nullptr);

signals:
    void imageChanged();
    void tableChanged();         // table -> grid
    void defaultStatesChanged(); // -> buttons

private:
    ImageDecoding decode(const QByteArray &image, int *failedPosition) const;
    void apply(ImageDecoding &&decoded);
    void setImage(const QByteArray &image);

    QByteArray m_image;
    ::CommandTable m_table;
    DefaultStateBytes m_defaultBytes;
};
