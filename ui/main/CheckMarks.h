// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class Configuration;
class FlexGrid;

// The check of the table shown in the grid, after every change of the table:
// a row with findings has its number cell coloured (red for an error, amber
// for warnings alone) and the findings as its tool tip, and one status line
// sums them up ("Kontrola: 2 upozornění, povely 1 a 7"), also once when the
// findings are gone.
class CheckMarks : public QObject
{
    Q_OBJECT

public:
    CheckMarks(const Configuration &config, FlexGrid &grid, QObject *parent = nullptr);

signals:
    void logged(const QString &message);

private:
    void refresh();

    const Configuration &m_config;
    FlexGrid &m_grid;
    bool m_foundBefore = false;
};
