// SPDX-License-Identifier: MIT
#pragma once

#include "DefaultStates.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class SpreadLabel;
class TabControl;

// The page "Nastavení": the five outputs' default states as buttons, the
// cabling picture and the factory settings button.
class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPage(const TabControl &tabs);

    // The states the buttons' captions show.
    DefaultStates shownStates() const;
    void showStates(const DefaultStates &states);

    // The controls; each has its designer name as objectName.
    QGroupBox *defaultsFrame;                              // Frame1: default output states
    SpreadLabel *outputNames;                              // Label1: output names over the buttons
    std::array<QPushButton *, OutputCount> defaultButtons; // Command8 .. Command12: RELE1 .. RELE5
    QLabel *overwriteWarning;                              // Label2
    QLabel *cablingPicture;                                // Picture1
    QPushButton *factoryButton;                            // Command6: factory settings, not available

signals:
    // A button was clicked: output 1..5 is to change.
    void toggled(int output);

private:
    void centreNamesOverButtons();
};
