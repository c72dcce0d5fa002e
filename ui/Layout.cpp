// SPDX-License-Identifier: MIT
#include "Layout.h"

#include <QFontDatabase>
#include <QPalette>
#include <QStyle>
#include <QWidget>
#include <cstring>

QRect twipsToPixels(const TwipsRect &rect)
{
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
            twipsToPixels(rect.height)};
}

const TwipsRect &layoutRow(std::span<const TwipsRect> table, const char *name)
{
    for (const TwipsRect &row : table) {
        if (std::strcmp(row.name, name) == 0)
            return row;
    }
    qFatal("No layout row for control %s", name);
}

void place(QWidget *widget, std::span<const TwipsRect> table, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(twipsToPixels(layoutRow(table, name)));
}

QFont uiFont(qreal pointSize, QFont::Weight weight)
{
    static const bool original = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"));
    QFont font;
    if (original) {
        font.setFamily(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(pointSize);
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(pointSize * 0.85);
    }
    font.setWeight(weight);
    return font;
}

void setButtonColour(QWidget *button, const QColor &colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
    // Windows' native styles draw the face from the system theme and ignore
    // the palette; a style sheet keeps the colour. A background alone would
    // hide under the native border, so the border comes with it.
    const QString style = button->style()->name();
    if (style == u"windowsvista" || style == u"windows") {
        button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #707070; "
                                             "padding: 2px; } "
                                             "QPushButton:focus { border: 1px solid #000000; } "
                                             "QPushButton:pressed { background-color: %2; } "
                                             "QPushButton:disabled { color: #808080; }")
                                  .arg(colour.name(), colour.darker(120).name()));
    }
}

void setFieldColour(QWidget *field, const QColor &colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

void setTextColour(QWidget *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}
