#pragma once

#include "CommandTable.h"

#include <QByteArray>
#include <QObject>

// The configuration state of one run: the EEPROM image, the command table and
// the two default-state bytes, with the procedures that move data between
// them. It reports what changed through its signals; the main window shows
// the table in its grid and the bytes on its default-output buttons.
class Configuration : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    QByteArray ConfigImage;
    ::CommandTable CommandTable;
    quint8 DefaultStateByte1 = 0;
    quint8 DefaultStateByte2 = 0;

    // Twenty empty rows. The default-state bytes stay as they are: they come
    // from whoever shows them (the window's buttons) and are set there.
    void ResetTable();

    // Replaces one row of the table, as the editor stores it, and reports it.
    void setCommand(int row, const CommandTable::Row &cells);

    // Decodes ConfigImage. All or nothing: on failure the table and both
    // bytes stay exactly as they were, nothing is reported, and
    // failedPosition (when given) receives the 1-based position that failed.
    bool ImageToTable(int *failedPosition = nullptr);

    // Replaces ConfigImage by the 2048-byte encoding. A row that cannot be
    // encoded leaves ConfigImage as it was; problem (when given) receives a
    // Czech sentence naming the command and the reason.
    bool TableToImage(QString *problem = nullptr);

signals:
    void tableChanged();         // table -> grid
    void defaultStatesChanged(); // the two bytes -> buttons
};
