#pragma once

#include <QString>
#include <array>

// The default states of the five relay outputs: shown as captions "1"/"0" on
// five buttons, stored as two bytes of the image. These are the data-side
// rules; the buttons themselves belong to the main window.

constexpr int OutputCount = 5;
using DefaultCaptions = std::array<QString, OutputCount>; // RELE1 .. RELE5

struct DefaultStateBytes
{
    quint8 byte1 = 0;
    quint8 byte2 = 0;
    friend bool operator==(const DefaultStateBytes &, const DefaultStateBytes &) = default;
};

// Both bytes start from 0x3F; a caption that reads as 0 clears its output's
// bit (RELE1..RELE4: bits 0..3 of byte 1, RELE5: bit 0 of byte 2).
DefaultStateBytes composeDefaultStates(const DefaultCaptions &captions);

// The state bit (0 or 1) of output 1..5 in the two bytes.
int defaultStateBit(int output, quint8 byte1, quint8 byte2);

// The order in which the two bytes are shown on the buttons: RELE5 first.
inline constexpr std::array<int, OutputCount> DefaultsToButtonsOrder = {5, 1, 2, 3, 4};

// A button's caption after it is set to v (0 or 1): "1" becomes "0" for v = 0,
// "0" becomes "1" for v = 1, anything else stays.
QString defaultCaption(const QString &caption, int v);

// A button's caption after a click: "1" and "0" swap.
QString toggledDefaultCaption(const QString &caption);
