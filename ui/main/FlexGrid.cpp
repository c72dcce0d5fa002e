// SPDX-License-Identifier: MIT
#include "FlexGrid.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>

FlexGrid::FlexGrid(int rows, int columns, QWidget *parent)
    : QTableWidget(rows - 1, columns - 1, parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    // Tab and Shift+Tab leave the grid for the window's next and previous
    // control; the arrow keys move the current cell.
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setMinimumSectionSize(4);
    for (int c = 0; c < columnCount(); ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem);
    for (int r = 0; r < rowCount(); ++r) {
        setVerticalHeaderItem(r, new QTableWidgetItem);
        for (int c = 0; c < columnCount(); ++c)
            setItem(r, c, new QTableWidgetItem);
    }
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row) { emit rowDoubleClicked(row + 1); });
    connect(verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int row) { emit rowDoubleClicked(row + 1); });
    // The corner cell holds the heading of the number column; the stock
    // corner button draws no text, so it is painted here.
    m_corner = findChild<QAbstractButton *>();
    if (m_corner)
        m_corner->installEventFilter(this);
}

QString FlexGrid::TextMatrix(int row, int column) const
{
    if (row == 0 && column == 0)
        return m_cornerText;
    if (row == 0)
        return horizontalHeaderItem(column - 1)->text();
    if (column == 0)
        return verticalHeaderItem(row - 1)->text();
    return item(row - 1, column - 1)->text();
}

void FlexGrid::setTextMatrix(int row, int column, const QString &text)
{
    if (row == 0 && column == 0) {
        m_cornerText = text;
        if (m_corner)
            m_corner->update();
    } else if (row == 0) {
        horizontalHeaderItem(column - 1)->setText(text);
    } else if (column == 0) {
        verticalHeaderItem(row - 1)->setText(text);
    } else {
        item(row - 1, column - 1)->setText(text);
    }
}

void FlexGrid::markRow(int row, const QColor &colour, const QString &toolTip)
{
    QTableWidgetItem *number = verticalHeaderItem(row - 1);
    number->setData(Qt::BackgroundRole, colour.isValid() ? QVariant(colour) : QVariant());
    number->setToolTip(toolTip);
    for (int c = 0; c < columnCount(); ++c)
        item(row - 1, c)->setToolTip(toolTip);
}

void FlexGrid::setColWidth(int column, int pixels)
{
    if (column == 0)
        verticalHeader()->setFixedWidth(pixels);
    else
        setColumnWidth(column - 1, pixels);
}

void FlexGrid::setRowHeight(int pixels)
{
    verticalHeader()->setDefaultSectionSize(pixels);
    horizontalHeader()->setFixedHeight(pixels);
}

bool FlexGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_corner && event->type() == QEvent::Paint) {
        QPainter painter(m_corner);
        QStyleOptionHeader option;
        option.initFrom(m_corner);
        option.rect = m_corner->rect();
        option.text = m_cornerText;
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        m_corner->style()->drawControl(QStyle::CE_Header, &option, &painter, m_corner);
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}
