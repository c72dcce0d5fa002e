// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class CommandTable;
class FlexGrid;
class TabControl;

// The page "Tabulka SMS Povelů": the twenty SMS commands in a grid under
// their headings.
class CommandPage : public QWidget
{
    Q_OBJECT

public:
    explicit CommandPage(const TabControl &tabs);

    void showTable(const CommandTable &table);

    FlexGrid *grid; // grid1
};
