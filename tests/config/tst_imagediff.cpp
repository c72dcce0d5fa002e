// SPDX-License-Identifier: MIT
// Comparing images and naming a position by what the byte belongs to.
#include "ImageDiff.h"

#include <QTest>

class TestImageDiff : public QObject
{
    Q_OBJECT

private slots:
    void firstDifference_data();
    void firstDifference();
    void describePosition_data();
    void describePosition();
};

void TestImageDiff::firstDifference_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<int>("position");

    QTest::newRow("equal") << QByteArray("abc") << QByteArray("abc") << 0;
    QTest::newRow("both empty") << QByteArray() << QByteArray() << 0;
    QTest::newRow("first byte") << QByteArray("xbc") << QByteArray("abc") << 1;
    QTest::newRow("last byte") << QByteArray("abx") << QByteArray("abc") << 3;
    QTest::newRow("a shorter") << QByteArray("ab") << QByteArray("abc") << 3;
    QTest::newRow("b shorter") << QByteArray("abcd") << QByteArray("abc") << 4;
    QTest::newRow("byte 0xFF against 0x7F") << QByteArray("\xFF") << QByteArray("\x7F") << 1;
}

void TestImageDiff::firstDifference()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(int, position);
    QCOMPARE(::firstDifference(a, b), position);
}

void TestImageDiff::describePosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");

    QTest::newRow("1") << 1 << QStringLiteral("povel 1, text SMS, znak 1");
    QTest::newRow("32") << 32 << QStringLiteral("povel 1, text SMS, znak 32");
    QTest::newRow("33") << 33 << QStringLiteral("povel 2, text SMS, znak 1");
    QTest::newRow("640") << 640 << QStringLiteral("povel 20, text SMS, znak 32");
    QTest::newRow("641") << 641 << QStringLiteral("výplň");
    QTest::newRow("644") << 644 << QStringLiteral("výchozí stavy výstupů, bajt 1");
    QTest::newRow("645") << 645 << QStringLiteral("výchozí stavy výstupů, bajt 2");
    QTest::newRow("655") << 655 << QStringLiteral("výplň");
    QTest::newRow("656") << 656 << QStringLiteral("povel 1, záznam, výstup");
    QTest::newRow("660") << 660 << QStringLiteral("povel 2, záznam, akce");
    QTest::newRow("715") << 715 << QStringLiteral("povel 20, záznam, čas a oznam");
    QTest::newRow("716") << 716 << QStringLiteral("výplň");
    QTest::newRow("2048") << 2048 << QStringLiteral("výplň");
    QTest::newRow("2049") << 2049 << QStringLiteral("za koncem obrazu");
}

void TestImageDiff::describePosition()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QCOMPARE(::describePosition(position), text);
}

QTEST_GUILESS_MAIN(TestImageDiff)
#include "tst_imagediff.moc"
