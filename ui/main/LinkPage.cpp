// SPDX-License-Identifier: MIT
#include "LinkPage.h"

#include "Form1.h"
#include "Form1Layout.h"
#include "LinkLabel.h"
#include "MakerDetails.h"
#include "OpenLink.h"
#include "PortCombo.h"
#include "StatusBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using Form1Layout::make;
using Form1Layout::makeOnPage;

LinkPage::LinkPage(const TabControl &tabs)
{
    portFrame = makeOnPage<QGroupBox>(tabs, this, "Frame2", QStringLiteral("Port"));
    const char *names[] = {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6"};
    for (int k = 1; k <= PortChoice::PortCount; ++k)
        portOptions[k - 1] = make<QRadioButton>(portFrame, names[k - 1], QStringLiteral("COM%1").arg(k));
    testButton = make<QPushButton>(portFrame, "Command3", QStringLiteral("TEST"));

    statusFrame = makeOnPage<QGroupBox>(tabs, this, "Frame5", Form1::tr("Status box"));
    statusBox = make<StatusBox>(statusFrame, "Text2");
    setFieldColour(statusBox, Palette::PaleYellow);

    transferFrame = makeOnPage<QGroupBox>(tabs, this, "Frame4", Form1::tr("Přenos dat"));
    writeButton = make<QPushButton>(transferFrame, "Command2", QStringLiteral("PC -> VRK-04"));
    readButton = make<QPushButton>(transferFrame, "Command1", QStringLiteral("PC <- VRK-04"));
    for (QPushButton *transfer : {writeButton, readButton})
        transfer->setFont(uiFont(12, QFont::Bold));

    infoFrame = makeOnPage<QGroupBox>(tabs, this, "Frame3", Form1::tr("Info box"));
    instructions = make<QLabel>(infoFrame, "Label5",
                                Form1::tr("Zvolte sériový port, na kterém je připojen převodník PC-PAGER a "
                                          "otestujte propojení mezi PC a Pagerem tlačítkem TEST .. "));
    instructions->setWordWrap(true);
    instructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    speedNote = make<QLabel>(infoFrame, "Label10", Form1::tr("Rychlost přenosu je závislá na CPU"));
    speedNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    makerLabel = make<QLabel>(infoFrame, "Label6", Form1::tr("Výrobce :"));
    makerLink = make<LinkLabel>(infoFrame, "Label8", MakerDetails::WebAddress);
    supportLabel = make<QLabel>(infoFrame, "Label7", Form1::tr("Podpora :"));
    supportLink = make<LinkLabel>(infoFrame, "Label9", MakerDetails::SupportAddress);
    for (LinkLabel *link : {makerLink, supportLink})
        connect(link, &LinkLabel::doubleClicked, this, [link] { OpenLink(*link); });

    helpButton = makeOnPage<QPushButton>(tabs, this, "Command13", Form1::tr("HELP - jak postupovat"));
    exitButton = makeOnPage<QPushButton>(tabs, this, "Command4", Form1::tr("..:: KONEC ::.."));
    setButtonColour(exitButton, Palette::LightRed);

    // Two lines: the frame has room beside its buttons only for a narrow caption.
    verifyAfterWrite = make<QCheckBox>(transferFrame, "CheckVerify", Form1::tr("ověřit po\nzápisu"));
    verifyAfterWrite->setAccessibleName(Form1::tr("ověřit po zápisu"));
    verifyAfterWrite->setToolTip(Form1::tr("Po úspěšném zápisu do modulu jeho obsah hned vyčíst a porovnat"));
    verifyButton = make<QPushButton>(transferFrame, "CommandVerify", Form1::tr("Ověřit"));
    verifyButton->setToolTip(Form1::tr("Vyčíst modul a porovnat jej s tabulkou; tabulka se nemění"));

    otherPortLabel = makeOnPage<QLabel>(tabs, this, "LabelPort", Form1::tr("Jiný port:"));
    otherPortBox = makeOnPage<PortCombo>(tabs, this, "ComboPort");
    otherPortBox->setToolTip(Form1::tr("Sériový port mimo COM1 až COM6, například USB převodník; "
                                       "vyberte ho ze seznamu nebo napište cestu a stiskněte Enter"));
    otherPortLabel->setBuddy(otherPortBox);

    seriesButton = makeOnPage<QPushButton>(tabs, this, "CommandSeries", Form1::tr("Série…"));
    seriesButton->setToolTip(Form1::tr("Zapsat konfiguraci do modulu za modulem, každý ověřit a zapsat do protokolu"));
    traceButton = makeOnPage<QPushButton>(tabs, this, "CommandTrace", Form1::tr("Uložit záznam linky…"));
    traceButton->setToolTip(Form1::tr("Uložit bajty posledních přenosů s časy do textového souboru pro podporu výrobce"));
}

QString LinkPage::chosenPort() const
{
    for (int k = 1; k <= PortChoice::PortCount; ++k) {
        if (portOptions[k - 1]->isChecked())
            return QStringLiteral("COM%1").arg(k);
    }
    return otherPortBox->currentText().trimmed();
}

void LinkPage::setOptionEnabled(int k, bool enabled)
{
    portOptions[k - 1]->setEnabled(enabled);
}

void LinkPage::setOptionToolTip(int k, const QString &text)
{
    portOptions[k - 1]->setToolTip(text);
}

bool LinkPage::optionValue(int k) const
{
    return portOptions[k - 1]->isChecked();
}
