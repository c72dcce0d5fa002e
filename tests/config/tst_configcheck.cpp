// SPDX-License-Identifier: MIT
// The check of a configuration and its fingerprint.
#include "ConfigCheck.h"
#include "Fingerprint.h"
#include "TestTexts.h"

#include <QTest>

using namespace ConfigImageLayout;

class TestConfigCheck : public QObject
{
    Q_OBJECT

private slots:
    void findings_data();
    void findings();
    void fingerprint_data();
    void fingerprint();
};

// Each command is "number|sms|output|action|time"; the other rows stay empty.
// Each expected line is "start of the line|a part of its sentence".
void TestConfigCheck::findings_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QByteArray>("image"); // when given, checked instead of the table
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("summary");

    const QByteArray table;
    QTest::newRow("clean") << QStringList{"1|ZAPNI|RELE1|SEPNUTI|90", "2|VYPNI|RELE1|ROZEPNUTI|0",
                                          "3|TEST é{€}|SYSTEM|TEST|0"}
                           << table << QStringList{} << "Kontrola: bez chyb a upozornění";
    QTest::newRow("empty rows are no commands") << QStringList{"1||SYSTEM|SEPNUTI|95", "2||RELE1|TEST|0"} << table
                                                << QStringList{} << "Kontrola: bez chyb a upozornění";
    QTest::newRow("SYSTEM + SEPNUTI") << QStringList{"1|A|SYSTEM|SEPNUTI|0"} << table
                                      << QStringList{"povel 1: chyba, Akce: |modul provede RESET"}
                                      << "Kontrola: 1 chyba, povel 1";
    QTest::newRow("SYSTEM + ROZEPNUTI") << QStringList{"2|A|SYSTEM|ROZEPNUTI|0"} << table
                                        << QStringList{"povel 2: chyba, Akce: |modul provede TEST"} << "";
    QTest::newRow("RELE2 + RESET") << QStringList{"3|A|RELE2|RESET|0"} << table
                                   << QStringList{"povel 3: chyba, Akce: |modul provede SEPNUTI"} << "";
    QTest::newRow("RELE2 + TEST") << QStringList{"3|A|RELE2|TEST|0"} << table
                                  << QStringList{"povel 3: chyba, Akce: |modul provede ROZEPNUTI"} << "";
    QTest::newRow("SYSTEM + ZMENA") << QStringList{"5|A|SYSTEM|ZMENA|0"} << table
                                    << QStringList{"povel 5: chyba, Akce: |žádnou akci"} << "";
    QTest::newRow("two commands STAV") << QStringList{"4|STAV|RELE1|SEPNUTI|0", "9|STAV|RELE2|SEPNUTI|0"} << table
                                       << QStringList{"povel 4: chyba, Tvar SMS: |i povel 9", "povel 9: chyba, Tvar SMS: |i povel 4"}
                                       << "Kontrola: 2 chyby, povely 4 a 9";
    QTest::newRow("outside the GSM alphabet, trailing space")
        << QStringList{"1|Zapni světlo |RELE1|SEPNUTI|0", "7|Otevři – é|RELE2|SEPNUTI|0"} << table
        << QStringList{"povel 1: upozornění, Tvar SMS: |Znak „ě“ není", "povel 1: upozornění, Tvar SMS: |končí mezerou",
                       "povel 7: upozornění, Tvar SMS: |Znaky „ř“, „–“ nejsou"}
        << "Kontrola: 3 upozornění, povely 1 a 7";
    QTest::newRow("leading and double spaces") << QStringList{"2| A  B|RELE1|SEPNUTI|0"} << table
                                               << QStringList{"povel 2: upozornění, Tvar SMS: |začíná mezerou",
                                                              "povel 2: upozornění, Tvar SMS: |dvě mezery"}
                                               << "";
    QTest::newRow("alike but for case, diacritics, spaces")
        << QStringList{"1|STAV|RELE1|SEPNUTI|0", "2|Sta v|RELE1|SEPNUTI|0", "3|STAV|RELE1|SEPNUTI|0",
                       "4|Stáv|RELE1|SEPNUTI|0"}
        << table
        << QStringList{"povel 1: chyba, Tvar SMS: |i povel 3", "povel 1: upozornění, Tvar SMS: |od povelů 2 a 4",
                       "povel 2: upozornění, Tvar SMS: |od povelů 1, 3 a 4", "povel 3: chyba, Tvar SMS: |i povel 1",
                       "povel 3: upozornění, Tvar SMS: |od povelů 2 a 4", "povel 4: upozornění, Tvar SMS: |Znak „á“",
                       "povel 4: upozornění, Tvar SMS: |od povelů 1, 2 a 3"}
        << "";
    QTest::newRow("times") << QStringList{"1|A|RELE1|IMPULS|-5", "2|B|RELE1|IMPULS|91", "3|C|RELE1|IMPULS|0"} << table
                           << QStringList{"povel 1: upozornění, Čas/s: |-5 s", "povel 2: upozornění, Čas/s: |91 s"}
                           << "Kontrola: 2 upozornění, povely 1 a 2";

    // Images whose codes the decoded table cannot show.
    auto image = [](int row, const QByteArray &record) {
        QByteArray bytes = referenceResetImage();
        bytes.replace(offset(smsFieldPos(row)), 3, "ABC");
        bytes.replace(offset(recordPos(row)), 2, record);
        return bytes;
    };
    QTest::newRow("image: SYSTEM with IMPULS's code") << QStringList{} << image(5, "02")
                                                     << QStringList{"povel 6: chyba, Akce: |žádnou akci"} << "";
    QByteArray twice = image(0, "71");
    twice.replace(offset(smsFieldPos(1)), 3, "ABC");
    QTest::newRow("image: output code 7, text as command 2's")
        << QStringList{} << twice
        << QStringList{"povel 1: chyba, Výstup: |„7“", "povel 1: chyba, Tvar SMS: |i povel 2", "povel 2: chyba, Tvar SMS: |i povel 1"} << "";
    QTest::newRow("image: relay action code 4") << QStringList{} << image(0, "14")
                                                << QStringList{"povel 1: chyba, Akce: |„4“"} << "";
}

void TestConfigCheck::findings()
{
    QFETCH(QStringList, commands);
    QFETCH(QByteArray, image);
    QFETCH(QStringList, lines);
    QFETCH(QString, summary);

    CommandTable table = CommandTable::emptyTable();
    for (const QString &command : commands) {
        const QStringList cells = command.split(u'|');
        table.setRow(cells.at(0).toInt() - 1, {cells.at(1), cells.at(2), cells.at(3), cells.at(4), QStringLiteral("NE")});
    }
    const QList<ConfigFinding> findings = image.isEmpty() ? checkTable(table) : checkImage(image);
    QStringList found;
    for (const ConfigFinding &finding : findings)
        found << findingLine(finding);
    QCOMPARE(found.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList parts = lines.at(i).split(u'|');
        QVERIFY2(found.at(i).startsWith(parts.at(0)) && found.at(i).contains(parts.at(1)), qPrintable(found.at(i)));
    }
    QCOMPARE(hasError(findings), lines.join(QString()).contains(QStringLiteral(": chyba,")));
    if (!summary.isEmpty())
        QCOMPARE(checkSummary(findings), summary);
}

// Expected values from Python's zlib.crc32 over the image's first 715 bytes.
void TestConfigCheck::fingerprint_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("expected");

    QByteArray longer = referenceTextImage();
    longer[DecodedLength] = 0x00; // past what the module reads as its configuration
    QByteArray textFill = referenceTextImage();
    // "Za", a fill byte, "pni čer": the decoder drops the fill.
    textFill.replace(offset(smsFieldPos(4)), 10, QByteArray("Za\xFFpni \xE8" "er"));
    QTest::newRow("reset") << referenceResetImage() << "C7C4A3B5";
    QTest::newRow("command 5") << referenceCommandImage() << "B068CF06";
    QTest::newRow("command 5 as a text holds it") << referenceTextImage() << "B5EF0521";
    QTest::newRow("past position 715 ignored") << longer << "B5EF0521";
    QTest::newRow("fill inside a text ignored") << textFill << "B5EF0521";
}

void TestConfigCheck::fingerprint()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, expected);

    QCOMPARE(QStringLiteral("%1").arg(crc32("123456789"), 8, 16, QLatin1Char('0')).toUpper(), "CBF43926");
    QCOMPARE(imageFingerprint(image), expected);
}

QTEST_GUILESS_MAIN(TestConfigCheck)
#include "tst_configcheck.moc"
