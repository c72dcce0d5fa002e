// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Comparing two configuration images byte for byte, and naming a position by
// what it holds, for the verify of the link, the window and the tool.

// The first 1-based position where the images differ; 0 when they are equal.
// When one is a prefix of the other, the first position the shorter lacks.
int firstDifference(const QByteArray &a, const QByteArray &b);

// What the byte at a 1-based position belongs to, in Czech: a command's SMS
// text (with the character), the default states, a command's record (with
// its field) or the fill.
QString describePosition(int position);

// One line about the first difference: the position, what it belongs to and
// both bytes in hex ("chybí" for a byte one side lacks).
QString describeDifference(const QByteArray &actual, const QByteArray &expected, int position,
                           const QString &actualName, const QString &expectedName);
