// SPDX-License-Identifier: MIT
#pragma once

#include "Layout.h"
#include "TabControl.h"

#include <span>
#include <utility>

// Where the main window's controls stand, in twips, and how they are made.
namespace Form1Layout {

constexpr int ClientWidth = 9510;
constexpr int ClientHeight = 6300;

// Relative to the window's client area, to the tab control (page controls)
// or to the enclosing frame.
std::span<const TwipsRect> places();

template<typename W, typename... Args>
W *make(QWidget *parent, const char *name, Args &&...args)
{
    return makePlaced<W>(parent, places(), name, std::forward<Args>(args)...);
}

// A control on a page: designed relative to the tab control, placed on the page.
template<typename W, typename... Args>
W *makeOnPage(const TabControl &tabs, QWidget *page, const char *name, Args &&...args)
{
    W *widget = make<W>(page, name, std::forward<Args>(args)...);
    widget->move(widget->pos() - tabs.pageOrigin());
    return widget;
}

} // namespace Form1Layout
