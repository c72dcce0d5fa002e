// SPDX-License-Identifier: MIT
#include "TabControl.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>

QPoint TabControl::pageOrigin() const
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).topLeft();
}
