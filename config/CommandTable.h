// SPDX-License-Identifier: MIT
#pragma once

#include "ConfigImage.h"

#include <QString>
#include <QStringList>
#include <array>

// The twenty SMS commands as text cells: row r is command r + 1.
class CommandTable
{
public:
    static constexpr int RowCount = ConfigImageLayout::CommandCount;
    static constexpr int ColumnCount = 5;

    enum Column { SmsText = 0, Output = 1, Action = 2, Time = 3, Confirmation = 4 };
    using Row = std::array<QString, ColumnCount>;

    CommandTable();

    const QString &cell(int row, int column) const { return m_rows.at(row).at(column); }
    void setCell(int row, int column, const QString &text) { m_rows.at(row).at(column) = text; }
    const Row &row(int row) const { return m_rows.at(row); }
    void setRow(int row, const Row &cells) { m_rows.at(row) = cells; }

    // "", "SYSTEM", "TEST", "0", "NE"
    static Row emptyRow();
    // Twenty empty rows: the table of a fresh start.
    static CommandTable emptyTable();
    // The column's heading in the grid: "Tvar SMS", "Výstup", "Akce", "Čas/s", "Oznam".
    static QString heading(int column);

    friend bool operator==(const CommandTable &, const CommandTable &) = default;

private:
    std::array<Row, RowCount> m_rows;
};

// The cell vocabulary, compared exactly and case-sensitively.
namespace Vocabulary {

inline const QString System = QStringLiteral("SYSTEM");
inline const QString Yes = QStringLiteral("ANO");
inline const QString No = QStringLiteral("NE");

// "SYSTEM", "RELE1" .. "RELE5": index = output code.
const QStringList &outputs();
// "TEST", "RESET": index = action code for SYSTEM.
const QStringList &systemActions();
// "ROZEPNUTI", "SEPNUTI", "IMPULS", "ZMENA": index = action code for a relay.
const QStringList &relayActions();

} // namespace Vocabulary
