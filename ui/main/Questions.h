// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <functional>

// A question to the user in a message box with Czech buttons ("Ano", "Ne",
// "Uložit", "Zahodit", "Zrušit"; Apply is "Zapsat", Abort "Zpět"); the answer
// is the button pressed (Escape and closing the box answer "Ne", "Zrušit" or
// "Zpět"). Replaceable like fileChooser(): end-to-end runs answer without a box.
using QuestionBox = std::function<QMessageBox::StandardButton(
    QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)>;
QuestionBox &questionBox();
