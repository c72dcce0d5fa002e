// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <span>
#include <utility>

class QWidget;

// Windows are laid out from tables of twips, the unit of the original window
// designs: 1440 twips to the inch, 15 to a pixel at 96 dots per inch. Each row
// names a control; place() gives the control that name as objectName and its
// geometry relative to its parent.
struct TwipsRect
{
    const char *name;
    int left;
    int top;
    int width;
    int height;
};

constexpr int TwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }
QRect twipsToPixels(const TwipsRect &rect);

// The row called name; aborts on a name missing from the table, which is a
// programming error caught by the first run of any window test.
const TwipsRect &layoutRow(std::span<const TwipsRect> table, const char *name);

// Sets objectName and geometry of widget from the row named like it.
void place(QWidget *widget, std::span<const TwipsRect> table, const char *name);

// A new W, made from args with parent as its owner, placed by its row of table.
template<typename W, typename... Args>
W *makePlaced(QWidget *parent, std::span<const TwipsRect> table, const char *name, Args &&...args)
{
    auto *widget = new W(std::forward<Args>(args)..., parent);
    place(widget, table, name);
    return widget;
}

namespace Palette {
inline const QColor PaleYellow{255, 255, 192};     // fields that show data
inline const QColor GridYellow{255, 255, 206};     // the command grid
inline const QColor Green{0, 255, 0};              // default outputs, "Vložit"
inline const QColor LightRed{255, 128, 128};       // buttons that leave or end
inline const QColor DarkBlue{0, 0, 128};
inline const QColor LinkBlue{0, 0, 255};
inline const QColor FindingRed{255, 96, 96};       // grid rows the check finds an error in
inline const QColor FindingAmber{255, 200, 64};    // grid rows with a warning
} // namespace Palette

// "MS Sans Serif" at pointSize where it is installed; elsewhere the platform's
// sans-serif, scaled down so that texts sized for the original font still fit.
QFont uiFont(qreal pointSize = 8.25, QFont::Weight weight = QFont::Normal);

// Colours a push button's face (the windows' coloured buttons).
void setButtonColour(QWidget *button, const QColor &colour);
// Colours the base of a text field, grid or combo box.
void setFieldColour(QWidget *field, const QColor &colour);
// Colours a label's text.
void setTextColour(QWidget *label, const QColor &colour);
