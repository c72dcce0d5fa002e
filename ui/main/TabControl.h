// SPDX-License-Identifier: MIT
#pragma once

#include <QTabWidget>

// A tab control whose pages are laid out in the control's own coordinates:
// the controls of a page are designed relative to the whole tab control, tab
// strip included, while a Qt page starts below the strip.
class TabControl : public QTabWidget
{
    Q_OBJECT

public:
    using QTabWidget::QTabWidget;

    // Where the pages sit inside the control, in the control's coordinates.
    QPoint pageOrigin() const;
};
