// SPDX-License-Identifier: MIT
#pragma once

#include "CommandTable.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class Configuration;
class InputFilter;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWindow;
class TimeTextBox;

// The command editor: edits one row of the command table. Non-modal, a
// window of its own above the main window, destroyed when it closes. It reads
// the table when it opens, when it is handed a row, when the user comes back
// to it from another window of the program and when its row changes in the
// table meanwhile (a read, a file opened or dropped); it writes it only on
// "Vložit".
class Form2 : public QWidget
{
    Q_OBJECT

public:
    Form2(Configuration &config, QWidget *mainWindow);

    // Opens the editor on grid row gridRow (1 to 20), or brings it to the
    // front with that row, dropping edits not stored. Other numbers are
    // ignored.
    void editRow(int gridRow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildWindow();
    void setFocusOrder();

    int tableRow() const;
    void loadRow();
    void followTable();
    void storeRow();
    void offerActionsFor(const QString &output);
    void followOutputKind();
    void followFocusWindow(QWindow *now);

    Configuration &m_config;

    struct Ui
    {
        QLabel *Label6;          // heading
        QLabel *Label1;          // "Povel č."
        QLineEdit *Text1;        // grid row number, read-only
        QCheckBox *Check1;       // ring-back confirmation
        QLabel *Label2;          // "sms ve tvaru #"
        QLineEdit *Text2;        // SMS text
        QLabel *Label3;          // "provede na"
        QComboBox *Combo1;       // output
        QLabel *Label4;          // "akci"
        QComboBox *Combo2;       // action
        QLabel *Label5;          // "Délka impulsu :"
        TimeTextBox *Text3;      // time in seconds
        QLabel *Label7;          // time hint
        QFrame *Line1;           // separates the buttons
        QPushButton *Command1;   // "Vložit": store and close
        QPushButton *Command2;   // "Zpět": close without storing
    } ui{};

    InputFilter *m_smsFilter = nullptr;

    // The window of the program that last had the keyboard focus, drop-down
    // lists and menus aside.
    QPointer<QWindow> m_lastFocusWindow;

    // The output box's text when it last received the keyboard focus.
    QString PreviousOutput;

    // The row as the table held it when it was last loaded or stored.
    CommandTable::Row m_loaded;
};
