// SPDX-License-Identifier: MIT
// Byte strings: the Windows-1250 table and the bit-string functions.
#include "BitString.h"
#include "Windows1250.h"

#include <QSet>
#include <QStringDecoder>
#include <QTest>

class TestBytes : public QObject
{
    Q_OBJECT

private slots:
    void everyByteRoundTrips();
    void tableMatchesSystemCodec();
    void undefinedBytesAreC1Controls_data();
    void undefinedBytesAreC1Controls();
    void unmappableCharacterIsReported_data();
    void unmappableCharacterIsReported();

    void byteToBits_data();
    void byteToBits();
    void bitsToByte_data();
    void bitsToByte();
    void setBitAt_data();
    void setBitAt();
    void bitAtComparesNumerically();
};

void TestBytes::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Windows1250::toText(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
    const auto back = Windows1250::fromText(text);
    QVERIFY(back);
    QCOMPARE(*back, all);
}

void TestBytes::tableMatchesSystemCodec()
{
    QStringDecoder system("windows-1250");
    if (!system.isValid())
        QSKIP("Qt was built without ICU: no system Windows-1250 codec to compare with");
    const QList<int> undefined = {0x81, 0x83, 0x88, 0x90, 0x98};
    for (int b = 0; b < 256; ++b) {
        if (undefined.contains(b))
            continue;
        const QString expected = system(QByteArray(1, char(b)));
        QCOMPARE(QString(Windows1250::toChar(quint8(b))), expected);
    }
}

void TestBytes::undefinedBytesAreC1Controls_data()
{
    QTest::addColumn<int>("byte");
    for (int b : {0x81, 0x83, 0x88, 0x90, 0x98})
        QTest::addRow("0x%02X", b) << b;
}

void TestBytes::undefinedBytesAreC1Controls()
{
    QFETCH(int, byte);
    QCOMPARE(Windows1250::toChar(quint8(byte)).unicode(), char16_t(byte));
    QCOMPARE(Windows1250::fromChar(QChar(char16_t(byte))), std::optional<quint8>(byte));
}

void TestBytes::unmappableCharacterIsReported_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("index");
    QTest::newRow("euro ok, then Cyrillic") << QStringLiteral("€ř Ж") << qsizetype(3);
    QTest::newRow("Latin-1 only character") << QStringLiteral("ñ") << qsizetype(0);
    QTest::newRow("C1 control not in the table") << QStringLiteral("ab\u0080") << qsizetype(2);
    QTest::newRow("paragraph separator") << QStringLiteral("x\u2029") << qsizetype(1);
}

void TestBytes::unmappableCharacterIsReported()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, index);
    qsizetype reported = -1;
    QVERIFY(!Windows1250::fromText(text, &reported));
    QCOMPARE(reported, index);
}

void TestBytes::byteToBits_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("bits");
    QTest::newRow("0") << 0 << "00000000";
    QTest::newRow("1") << 1 << "00000001";
    QTest::newRow("2") << 2 << "00000010";
    QTest::newRow("63") << 63 << "00111111";
    QTest::newRow("128") << 128 << "10000000";
    QTest::newRow("165") << 165 << "10100101";
    QTest::newRow("255") << 255 << "11111111";
}

void TestBytes::byteToBits()
{
    QFETCH(int, n);
    QFETCH(QString, bits);
    QCOMPARE(ByteToBits(n), bits);
    QCOMPARE(BitsToByte(bits), n);
}

void TestBytes::bitsToByte_data()
{
    QTest::addColumn<QString>("bits");
    QTest::addColumn<int>("n");
    QTest::newRow("00111111") << "00111111" << 63;
    QTest::newRow("10000000") << "10000000" << 128;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("other characters count as 0") << "1x1 2..1" << 128 + 32 + 1;
    QTest::newRow("short string: missing positions count as 0") << "1" << 128;
    QTest::newRow("only the first eight positions") << "000000011" << 1;
}

void TestBytes::bitsToByte()
{
    QFETCH(QString, bits);
    QFETCH(int, n);
    QCOMPARE(BitsToByte(bits), n);
}

void TestBytes::setBitAt_data()
{
    QTest::addColumn<QString>("bits");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("result");
    QTest::newRow("pos 8 to 0") << "00111111" << 8 << 0 << "00111110";
    QTest::newRow("pos 1 to 1") << "00100101" << 1 << 1 << "10100101";
    QTest::newRow("pos 1 to 0") << "10100101" << 1 << 0 << "00100101";
    QTest::newRow("pos 5 to 0") << "00111111" << 5 << 0 << "00110111";
    QTest::newRow("unchanged bit") << "00111111" << 3 << 1 << "00111111";
}

void TestBytes::setBitAt()
{
    QFETCH(QString, bits);
    QFETCH(int, position);
    QFETCH(int, value);
    QFETCH(QString, result);
    QCOMPARE(SetBitAt(bits, position, value), result);
    // The new bit as its character.
    QCOMPARE(SetBitAt(bits, position, char('0' + value)), result);
    QCOMPARE(SetBitAt(bits, position, QChar(u'0' + value)), result);
}

void TestBytes::bitAtComparesNumerically()
{
    QCOMPARE(BitAt(u"00111110", 8), QStringLiteral("0"));
    QVERIFY(BitEquals(BitAt(u"00111110", 8), 0));
    QVERIFY(BitEquals(BitAt(u"00111110", 7), 1));
    QVERIFY(!BitEquals(BitAt(u"00111110", 7), 0));
    QCOMPARE(BitAt(u"0011", 6), QString());
    QVERIFY(!BitEquals(BitAt(u"0011", 6), 0));
}

QTEST_APPLESS_MAIN(TestBytes)
#include "tst_bytes.moc"
