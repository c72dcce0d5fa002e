// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace ModuleImage {

constexpr int Size = 2048;

// A configured module, byte by byte after the EEPROM layout, independent of
// the program's codec. SMS texts in Windows-1250; default outputs
// RELE1 1, RELE2 0, RELE3 1, RELE4 0, RELE5 0 (bytes 0x35 0x3E):
//   1 "ZAPNI TOPENÍ"  RELE1 SEPNUTI    0 s ANO
//   2 "VYPNI TOPENÍ"  RELE1 ROZEPNUTI  0 s NE
//   3 "OTEVŘI BRÁNU"  RELE2 IMPULS     5 s ANO
//   4 "ČERPADLO"      RELE3 ZMENA      0 s NE
//   5 "světla"        RELE4 SEPNUTI   90 s ANO
//   6 "ŽALUZIE DOLŮ"  RELE5 IMPULS    30 s NE
//   7 "STAV"          SYSTEM TEST      0 s ANO
//   8 "RESTART"       SYSTEM RESET     0 s NE
//   9..20 empty: SYSTEM TEST 0 s NE
QByteArray defaultImage();

// Another configured module, told apart by its number: the default image
// with command 8's text "MODUL number".
QByteArray numberedImage(int number);

// A module whose EEPROM was never written: every byte 0xFF.
QByteArray erasedImage(int size = Size);

// image cut to size bytes or filled up with 0xFF.
QByteArray resized(QByteArray image, int size);

} // namespace ModuleImage
