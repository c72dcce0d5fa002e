// SPDX-License-Identifier: MIT
#include "PortCombo.h"

#include "PortCatalog.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QToolTip>

PortCombo::PortCombo(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    // A typed path becomes an entry of its own, so that Enter activates it.
    setInsertPolicy(QComboBox::InsertAtBottom);
    refresh();
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, &PortCombo::entryActivated);
}

void PortCombo::showPopup()
{
    refresh();
    QComboBox::showPopup();
}

void PortCombo::refresh()
{
    const QString typed = currentText();
    clear();
    for (const PortEntry &entry : PortCatalog::entries(PortCatalog::available())) {
        addItem(entry.text, entry.path);
        setItemData(count() - 1, entry.path, Qt::ToolTipRole);
    }
    if (count() == 0) {
        addItem(tr("(systém nenabízí žádný sériový port, zadejte cestu)"));
        if (auto *items = qobject_cast<QStandardItemModel *>(model()))
            items->item(0)->setEnabled(false);
    }
    setEditText(typed);
    // The list may be wider than the box, which fits under the frame "Port";
    // it shows every name whole, beside its scroll bar.
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth()
                            + view()->verticalScrollBar()->sizeHint().width());
}

bool PortCombo::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip || currentText().isEmpty())
        return QComboBox::event(event);
    const QString tip = toolTip().isEmpty() ? currentText() : currentText() + QStringLiteral("\n\n") + toolTip();
    QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), tip, this);
    return true;
}

void PortCombo::entryActivated(int index)
{
    const QVariant path = itemData(index);
    emit portEntered(path.isValid() ? path.toString() : itemText(index).trimmed());
}
