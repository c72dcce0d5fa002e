// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the window keeps between runs in QSettings (the application's
// organization and name decide where, a portable program keeps an INI file
// beside it; a program without an organization keeps nothing): the last port
// chosen and whether a write is verified. The setters return why the settings
// cannot be written (a read-only folder, a protected registry key), the first
// time only; else empty.
namespace RememberedChoices {

// "COM3" for an option, or a device path; empty when none was chosen.
QString port();
QString setPort(const QString &port);

// On a first start a write is verified, as vrk04 write does.
bool verifyAfterWrite();
QString setVerifyAfterWrite(bool on);

// Why the settings are not used this run (their file is a FIFO or a device,
// which QSettings would block on); empty when they are.
QString problem();

} // namespace RememberedChoices
