// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

// The help window: the procedure for connecting and configuring the module,
// and the maker's contact. A window of its own without an owner, destroyed
// when it closes.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    Form3();

    // Shows the one help window, creating it into instance when there is
    // none, and brings it to the front.
    static Form3 *showHelp(QPointer<Form3> &instance);

private:
    void buildWindow();

    struct Ui
    {
        QLabel *Image1;         // the help text
        QFrame *Line1;          // separates the contact line
        QLabel *Label1;         // "Technické dotazy :" and the maker's contact
        QPushButton *Command1;  // "CLOSE"
    } ui{};
};
