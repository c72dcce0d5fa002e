// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <array>

// The default states of the five relay outputs: shown as "1"/"0" on five
// buttons of the main window, stored as two bytes of the image.

constexpr int OutputCount = 5;
// RELE1 .. RELE5; true is the state the buttons show as "1".
using DefaultStates = std::array<bool, OutputCount>;

struct DefaultStateBytes
{
    quint8 byte1 = 0;
    quint8 byte2 = 0;
    friend bool operator==(const DefaultStateBytes &, const DefaultStateBytes &) = default;
};

// Both bytes start from 0x3F; an output in state 0 clears its bit (RELE1..RELE4:
// bits 0..3 of byte 1, RELE5: bit 0 of byte 2).
DefaultStateBytes composeDefaultStates(const DefaultStates &states);

// The five states the two bytes hold.
DefaultStates decomposeDefaultStates(const DefaultStateBytes &bytes);
