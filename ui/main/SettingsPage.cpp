// SPDX-License-Identifier: MIT
#include "SettingsPage.h"

#include "Form1.h"
#include "Form1Layout.h"
#include "SpreadLabel.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using Form1Layout::make;
using Form1Layout::makeOnPage;

SettingsPage::SettingsPage(const TabControl &tabs)
{
    defaultsFrame = makeOnPage<QGroupBox>(tabs, this, "Frame1", Form1::tr("Výchozí stavy výstupů uložené v EEPROM"));
    outputNames
        = make<SpreadLabel>(defaultsFrame, "Label1", QStringLiteral("RELE1    RELE2     RELE3     RELE4    RELE5"));
    const char *names[] = {"Command8", "Command9", "Command10", "Command11", "Command12"};
    for (int k = 1; k <= OutputCount; ++k) {
        QPushButton *button = make<QPushButton>(defaultsFrame, names[k - 1], QStringLiteral("1"));
        button->setFont(uiFont(9.75, QFont::Bold));
        setButtonColour(button, Palette::Green);
        connect(button, &QPushButton::clicked, this, [this, k] { emit toggled(k); });
        defaultButtons[k - 1] = button;
    }
    centreNamesOverButtons();
    overwriteWarning
        = make<QLabel>(defaultsFrame, "Label2", Form1::tr("Při každé změně povelem se nastavení přepisuje !!"));

    cablingPicture = makeOnPage<QLabel>(tabs, this, "Picture1");
    cablingPicture->setPixmap(QPixmap(QStringLiteral(":/cabling.png")));
    cablingPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cablingPicture->setFocusPolicy(Qt::StrongFocus);

    factoryButton = makeOnPage<QPushButton>(tabs, this, "Command6", Form1::tr("Tovární nastavení"));
    factoryButton->setEnabled(false);
}

// The spaces of Label1's text line the names up over the buttons only in the
// original font; the label spans the buttons and draws each name centred over
// its own.
void SettingsPage::centreNamesOverButtons()
{
    const QRect first = defaultButtons.front()->geometry();
    const QRect last = defaultButtons.back()->geometry();
    outputNames->setGeometry(first.left(), outputNames->y(), last.right() - first.left() + 1, outputNames->height());
    QList<int> centres;
    for (int k = 1; k <= OutputCount; ++k)
        centres << defaultButtons[k - 1]->geometry().center().x() - first.left();
    outputNames->setWordCentres(centres);
}

DefaultStates SettingsPage::shownStates() const
{
    DefaultStates states;
    for (int k = 1; k <= OutputCount; ++k)
        states.at(k - 1) = defaultButtons[k - 1]->text() != u"0";
    return states;
}

void SettingsPage::showStates(const DefaultStates &states)
{
    for (int k = 1; k <= OutputCount; ++k)
        defaultButtons[k - 1]->setText(states.at(k - 1) ? QStringLiteral("1") : QStringLiteral("0"));
}
