// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A port name as people type it: "com3", " Com3 ", "\\.\COM12" all name
// COM3 or COM12. Only the name is tidied here; which device a path leads to
// is PortPlatform's business.
class PortName
{
public:
    // The highest COM number Windows hands out.
    static constexpr int HighestCom = 256;

    // "COMk" in capitals for any spelling of COM1..COM256, else the name
    // without surrounding spaces.
    static QString normalised(const QString &typed);
    // k of a COMk name in any spelling; 0 when it is none.
    static int comNumber(const QString &typed);
};
