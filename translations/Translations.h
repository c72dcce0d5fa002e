// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QCoreApplication;

// The user's language for the program: English when the first of the
// preferred UI languages (LANGUAGE, LC_MESSAGES, LANG) is English, Czech in
// every other case. "en" or "cs".
QString programLanguage();

// Installs the program's catalogue for programLanguage(), embedded in the
// program, and Qt's own (dialogs, message-box buttons, the command-line
// parser) from the translations folder beside the program, else from Qt's.
void installTranslations(QCoreApplication &app);
