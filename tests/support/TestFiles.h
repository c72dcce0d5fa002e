// SPDX-License-Identifier: MIT
#pragma once

// Whole files for the suites that keep configuration images on disk.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// The file's bytes, or "(missing)" when it cannot be read.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Writes bytes as the whole file; fails the calling test when it cannot.
inline void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}
