// SPDX-License-Identifier: MIT
#pragma once

#include <QTableWidget>

// A grid with one fixed heading row and one fixed number column, addressed
// like the original control: TextMatrix(row, column) with row 0 the headings
// and column 0 the row numbers. The heading row and the number column are the
// table's headers, so they stay in place while the cells scroll.
class FlexGrid : public QTableWidget
{
    Q_OBJECT

public:
    FlexGrid(int rows, int columns, QWidget *parent = nullptr);

    int Rows() const { return rowCount() + 1; }
    int Cols() const { return columnCount() + 1; }

    QString TextMatrix(int row, int column) const;
    void setTextMatrix(int row, int column, const QString &text);

    void setColWidth(int column, int pixels);
    void setRowHeight(int pixels);

    // The grid's current row: 1 .. Rows() - 1, or 0 when no cell is current.
    int Row() const { return currentRow() + 1; }

    // Colours the number cell of row (1 .. Rows() - 1) and gives the row's
    // cells a tool tip; an invalid colour and an empty tip take them away.
    void markRow(int row, const QColor &colour, const QString &toolTip);

signals:
    // A double-click on a row's cells or on its number; row 1 .. Rows() - 1.
    void rowDoubleClicked(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_cornerText;
    QWidget *m_corner = nullptr;
};
