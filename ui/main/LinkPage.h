// SPDX-License-Identifier: MIT
#pragma once

#include "PortChoice.h"

#include <QWidget>
#include <array>

class LinkLabel;
class PortCombo;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class StatusBox;
class TabControl;

// The page "PC <--> GSM Pager": the port choice, TEST, the status log, the
// transfer buttons with verify, the info box, help and the end of the program.
// Every control of the page is built here, also those added to it later.
class LinkPage : public QWidget, public PortOptions
{
    Q_OBJECT

public:
    explicit LinkPage(const TabControl &tabs);

    // PortOptions
    void setOptionEnabled(int k, bool enabled) override;
    void setOptionToolTip(int k, const QString &text) override;
    bool optionValue(int k) const override;

    // The port chosen on the page: the selected option's "COMk", else the typed or listed one.
    QString chosenPort() const;

    // The controls; each has its designer name as objectName.
    QGroupBox *portFrame;                                          // Frame2: port choice
    std::array<QRadioButton *, PortChoice::PortCount> portOptions; // Option1 .. Option6: COM1 .. COM6
    QPushButton *testButton;                                       // Command3: "TEST"
    QGroupBox *statusFrame;                                        // Frame5
    StatusBox *statusBox;                                          // Text2: the status log
    QGroupBox *transferFrame;                                      // Frame4: data transfer
    QPushButton *writeButton;                                      // Command2: "PC -> VRK-04"
    QPushButton *readButton;                                       // Command1: "PC <- VRK-04"
    QGroupBox *infoFrame;                                          // Frame3
    QLabel *instructions;                                          // Label5
    QLabel *speedNote;                                             // Label10
    QLabel *makerLabel;                                            // Label6: "Výrobce :"
    LinkLabel *makerLink;                                          // Label8: maker's web address
    QLabel *supportLabel;                                          // Label7: "Podpora :"
    LinkLabel *supportLink;                                        // Label9: support web address
    QPushButton *helpButton;                                       // Command13: the help window
    QPushButton *exitButton;                                       // Command4: "..:: KONEC ::..", ends the program
    // Verify, in Frame4 left of the transfer buttons
    QCheckBox *verifyAfterWrite; // CheckVerify: "ověřit po zápisu"
    QPushButton *verifyButton;   // CommandVerify: the module against the table
    // Any other serial port, under the frame "Port"
    QLabel *otherPortLabel;  // LabelPort: "Jiný port:"
    PortCombo *otherPortBox; // ComboPort: the system's ports, or a typed path
    // In the free room left of "HELP - jak postupovat"
    QPushButton *seriesButton; // CommandSeries: "Série…", a production run
    QPushButton *traceButton;  // CommandTrace: "Uložit záznam linky…"
};
