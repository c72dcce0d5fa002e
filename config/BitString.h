// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A byte as a bit string: eight characters "0"/"1", most significant bit
// first, so position 1 is bit 7 and position 8 is bit 0. The codec and the
// default output states read and set single bits through these four functions.

// The 8-character bit string of n (0-255).
QString ByteToBits(int n);

// The number that s spells. Any character other than "1", and any position
// beyond the end of a shorter string, counts as 0.
int BitsToByte(QStringView s);

// The one-character string at position p (1-8) of s; empty beyond the end.
QString BitAt(QStringView s, int p);

// A copy of s with position p (1-8) replaced by the digit of v (0 or 1).
QString SetBitAt(QStringView s, int p, int v);
// The same with the new bit given as its character, '0' or '1'. Without the
// char overload a '0' would reach the int overload as 48 and set a 1.
QString SetBitAt(QStringView s, int p, QChar v);
QString SetBitAt(QStringView s, int p, char v);

// Compares the result of BitAt with a number, as the codec does: "0" equals 0
// and "1" equals 1; an empty or non-numeric bit equals nothing.
bool BitEquals(const QString &bit, int v);
