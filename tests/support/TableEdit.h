// SPDX-License-Identifier: MIT
#pragma once

#include "Configuration.h"

// One cell changed through the configuration's row operation.
inline void setCell(Configuration &config, int row, int column, const QString &text)
{
    CommandTable::Row cells = config.CommandTable().row(row);
    cells.at(column) = text;
    config.setCommand(row, cells);
}
