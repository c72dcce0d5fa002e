#pragma once

#include "CommandTable.h"

#include <QByteArray>
#include <functional>

// The configuration state of one run: the EEPROM image, the command table and
// the two default-state bytes, with the procedures that move data between
// them. The main window plugs its grid and its default-output buttons in
// through the three hooks; unset hooks do nothing.
class Configuration
{
public:
    QByteArray ConfigImage;
    ::CommandTable CommandTable;
    quint8 DefaultStateByte1 = 0;
    quint8 DefaultStateByte2 = 0;

    std::function<void()> RefreshGrid;       // table -> grid
    std::function<void()> ButtonsToDefaults; // buttons -> the two bytes
    std::function<void()> DefaultsToButtons; // the two bytes -> buttons

    // Twenty empty rows, then the bytes from the buttons.
    void ResetTable();

    // Decodes ConfigImage. All or nothing: on failure the table and both
    // bytes stay exactly as they were, nothing is refreshed, and
    // failedPosition (when given) receives the 1-based position that failed.
    bool ImageToTable(int *failedPosition = nullptr);

    // Replaces ConfigImage by the 2048-byte encoding. A row that cannot be
    // encoded leaves ConfigImage as it was; problem (when given) receives a
    // Czech sentence naming the command and the reason.
    bool TableToImage(QString *problem = nullptr);
};
