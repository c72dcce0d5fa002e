// SPDX-License-Identifier: MIT
// Configurations as text: what the reader takes and how it refuses the rest,
// and images through JSON and CSV and back.
#include "ConfigText.h"
#include "ImageCodec.h"
#include "TestTexts.h"

#include <QDir>
#include <QTest>

using ConfigText::Form;

class TestConfigText : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void roundTrip_data();
    void roundTrip();
};

void TestConfigText::read_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("refusal"); // empty: reads as referenceTextImage()

    const QByteArray json = referenceJson();
    const QByteArray csv = referenceCsv();
    auto edit = [](QByteArray text, const char *from, const QByteArray &to) { return text.replace(from, to); };
    const QString j = QStringLiteral("m.json");
    const QString c = QStringLiteral("m.csv");

    QTest::newRow("JSON as shown") << j << json << QString();
    QTest::newRow("JSON of the first version, without format and version")
        << j << edit(json, "\"format\": \"vrk04-config\",\n  \"version\": 1,\n", {}) << QString();
    QTest::newRow("CSV from a Czech spreadsheet: BOM, semicolons, quotes, LF")
        << c << "\xEF\xBB\xBF" + edit(edit(edit(csv, ",", ";"), "Zapni čer", "\"Zapni čer\""), "\r\n", "\n")
        << QString();

    QTest::newRow("bad JSON") << j << edit(json, "\"version\": 1,", "\"version\": 1")
                              << "m.json, řádek 4: chybný zápis JSON u znaku 4";
    QTest::newRow("unknown version") << j << edit(json, "\"version\": 1", "\"version\": 2")
                                     << "m.json, verze: „2“ tento program nezná (čte verzi 1)";
    QTest::newRow("19 commands") << j << edit(json, ",\n    {\"number\": 20, \"sms\": \"\", \"output\": \"SYSTEM\", "
                                                    "\"action\": \"TEST\", \"time\": 0, \"confirm\": \"NE\"}", {})
                                 << "m.json: povelů je 19, má jich být 20";
    QTest::newRow("a key misspelt") << j << edit(json, "\"confirm\": \"ANO\"", "\"confirmed\": \"ANO\"")
                                    << "m.json, povel 5: neznámá položka „confirmed“";
    QTest::newRow("a key twice") << j << edit(json, "\"time\": 5", "\"time\": 5, \"time\": 9")
                                 << "m.json, řádek 9: položka „time“ je uvedena dvakrát";
    QTest::newRow("time as a string") << j << edit(json, "\"time\": 5", "\"time\": \"5\"")
                                      << "m.json, povel 5, čas: „5“ není číslo";
    QTest::newRow("33-character SMS") << c << edit(csv, "Zapni čer", QString(33, u'ř').toUtf8())
                                      << "m.csv, řádek 6 (povel 5), text SMS: „" + QString(33, u'ř')
                                             + "“ má 33 znaků, nejvýše 32";
    QTest::newRow("33-character SMS holding %2") << c << edit(csv, "Zapni čer", (QString(31, u'ř') + "%2").toUtf8())
                                                 << "m.csv, řádek 6 (povel 5), text SMS: „" + QString(31, u'ř')
                                                        + "%2“ má 33 znaků, nejvýše 32";
    QTest::newRow("character outside Windows-1250")
        << j << edit(json, "Zapni čer", "Zapni ♥")
        << "m.json, povel 5, text SMS: znak „♥“ nelze uložit ve znakové sadě Windows-1250";
    QTest::newRow("unknown action") << c << edit(csv, "IMPULS", "BLIK")
                                    << "m.csv, řádek 6 (povel 5), akce: „BLIK“ není akce výstupu RELE3 "
                                       "(ROZEPNUTI, SEPNUTI, IMPULS, ZMENA)";
    QTest::newRow("action of the other kind") << c << edit(csv, "1,,SYSTEM,TEST", "1,,SYSTEM,ZMENA")
                                              << "m.csv, řádek 2 (povel 1), akce: „ZMENA“ není akce výstupu "
                                                 "SYSTEM (TEST, RESET)";
    QTest::newRow("output in lower case") << c << edit(csv, "RELE3", "rele3")
                                          << "m.csv, řádek 6 (povel 5), výstup: „rele3“ není SYSTEM ani RELE1 až RELE5";
    QTest::newRow("time out of range") << c << edit(csv, "6,,SYSTEM,TEST,0", "6,,SYSTEM,TEST,-40")
                                       << "m.csv, řádek 7 (povel 6), čas: „-40“ je mimo rozsah -32..95";
    QTest::newRow("time above the seven bits") << j << edit(json, "\"time\": 5", "\"time\": 96")
                                               << "m.json, povel 5, čas: „96“ je mimo rozsah -32..95";
    QTest::newRow("CSV with a missing column") << c << edit(csv, "action,time,confirm", "action,confirm")
                                               << "m.csv, řádek 1: chybí sloupec „time“";
    QTest::newRow("commands out of order") << c << edit(csv, "\r\n5,", "\r\n4,")
                                           << "m.csv, řádek 6 (povel 5), číslo: „4“ neodpovídá pořadí povelu";
    QTest::newRow("default state 2") << c << edit(csv, "defaults,1,0,1", "defaults,1,0,2")
                                     << "m.csv, řádek 22, výchozí stavy: RELE3: „2“ není 0 ani 1";
    QTest::newRow("CSV without the defaults") << c << edit(csv, "defaults,1,0,1,0,0\r\n", {})
                                              << "m.csv, řádek 22: chybí řádek výchozích stavů (defaults a pět 0/1)";
    QTest::newRow("Windows-1250, not UTF-8") << c << edit(csv, "č", "\xE8")
                                             << "m.csv: text není v kódování UTF-8";
}

void TestConfigText::read()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, text);
    QFETCH(QString, refusal);
    QCOMPARE(ConfigText::formOfContent(text), file.endsWith(u"json") ? Form::Json : Form::Csv);
    const ConfigText::Reading reading = ConfigText::read(text);
    QCOMPARE(reading.refusal.refused() ? reading.refusal.message(file) : QString(), refusal);
    QCOMPARE(reading.image, refusal.isEmpty() ? referenceTextImage() : QByteArray());
}

void TestConfigText::roundTrip_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<Form>("form");
    QTest::addColumn<QString>("refusal"); // the start of the message; empty: the text gives the image back

    // The images the window writes come back; for the others the text says why not.
    const QHash<QString, QString> refused = {
        {"bad-code.bin", "obraz nelze dekódovat (pozice 657)"},
        {"erased.bin", "obraz nelze dekódovat (pozice 656)"},
        {"short.bin", "obraz nelze dekódovat (pozice 715)"},
        {"decoded-length.bin", "tvar %1 neudrží obraz přesně (Pozice 644 (výchozí stavy výstupů, bajt 1): 05 -> 35)"},
        {"longer.bin", "tvar %1 neudrží obraz přesně (Pozice 644"},
        {"texts-records.bin", "tvar %1 neudrží obraz přesně (Pozice 644"},
        {"unknown-codes.bin", "tvar %1 neudrží obraz přesně (Pozice 656 až 657 (povel 1, záznam): 38 34 -> 30 30)"},
    };
    const QDir corpus(QStringLiteral(VRK04_IMAGE_CORPUS));
    const QStringList files = corpus.entryList(QDir::Files);
    QVERIFY(files.contains("window-written.bin") && files.contains("reset.bin"));
    for (const QString &name : files) {
        for (const auto &[form, formName] : {std::pair{Form::Json, "JSON"}, std::pair{Form::Csv, "CSV"}}) {
            QTest::addRow("%s to %s", qPrintable(name), formName)
                << fileBytes(corpus.filePath(name)) << form
                << refused.value(name).replace(QStringLiteral("%1"), QLatin1String(formName));
        }
    }
    QTest::newRow("reference to CSV") << referenceTextImage() << Form::Csv << QString();
    CommandTable quoted = CommandTable::emptyTable();
    quoted.setRow(0, {QStringLiteral("A\"\",B"), QStringLiteral("RELE1"), QStringLiteral("IMPULS"), QStringLiteral("5"),
                      QStringLiteral("ANO")});
    QTest::newRow("SMS holding \"\" and , to CSV") << encodeImage(quoted, 0x35, 0x3E).image << Form::Csv << QString();
}

void TestConfigText::roundTrip()
{
    QFETCH(QByteArray, image);
    QFETCH(Form, form);
    QFETCH(QString, refusal);
    const ConfigText::Rendering rendering = ConfigText::render(image, form);
    QVERIFY2(rendering.refusal.message({}).startsWith(refusal),
             qPrintable(rendering.refusal.message({})));
    if (!refusal.isEmpty()) {
        QVERIFY(rendering.bytes.isEmpty());
        return;
    }
    QCOMPARE(ConfigText::formOfContent(rendering.bytes), form);
    QCOMPARE(ConfigText::read(rendering.bytes).image, image);
    if (image == referenceTextImage())
        QCOMPARE(rendering.bytes, referenceCsv());
}

QTEST_GUILESS_MAIN(TestConfigText)
#include "tst_configtext.moc"
