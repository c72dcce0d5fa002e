// SPDX-License-Identifier: MIT
#include "CommandPage.h"

#include "CommandTable.h"
#include "FlexGrid.h"
#include "Form1.h"
#include "Form1Layout.h"

namespace {

// Grid column widths in twips, columns 0 to 5; every row has the grid's
// standard height. Column 0 numbers the commands, columns 1 to 5 show the
// table's columns under their headings.
constexpr int GridColumnWidths[] = {300, 3742, 900, 1140, 900, 1140};
constexpr int GridRowHeight = 240;

} // namespace

CommandPage::CommandPage(const TabControl &tabs)
{
    grid = Form1Layout::makeOnPage<FlexGrid>(tabs, this, "grid1", 21, 6);
    grid->setFont(uiFont(8.25));
    grid->setRowHeight(twipsToPixels(GridRowHeight));
    setFieldColour(grid, Palette::GridYellow);
    for (int c = 0; c < grid->Cols(); ++c) {
        grid->setColWidth(c, twipsToPixels(GridColumnWidths[c]));
        grid->setTextMatrix(0, c, c == 0 ? Form1::tr("č.") : CommandTable::heading(c - 1));
    }
}

void CommandPage::showTable(const CommandTable &table)
{
    for (int r = 0; r < CommandTable::RowCount; ++r) {
        grid->setTextMatrix(r + 1, 0, QString::number(r + 1));
        grid->setTextMatrix(r + 1, 1, QStringLiteral(" #") + table.cell(r, CommandTable::SmsText));
        for (int c = 2; c < grid->Cols(); ++c)
            grid->setTextMatrix(r + 1, c, table.cell(r, c - 1));
    }
}
