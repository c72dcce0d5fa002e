// SPDX-License-Identifier: MIT
// The customer's sheet: rendered to a PDF and read back with poppler's tools,
// one A4 page holding the used commands as sent, their actions in words, the
// fingerprint and the check's findings, in embedded fonts.
#include "CustomerSheet.h"
#include "Fingerprint.h"
#include "ImageCodec.h"
#include "PdfText.h"
#include "SheetPdf.h"
#include "TestFiles.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

namespace {

CommandTable czechTable()
{
    CommandTable table = CommandTable::emptyTable();
    table.setRow(0, {QStringLiteral("ZAPNI TOPENÍ"), "RELE1", "SEPNUTI", "0", "ANO"});
    table.setRow(1, {QStringLiteral("VYPNI TOPENÍ"), "RELE1", "ROZEPNUTI", "0", "NE"});
    table.setRow(3, {QStringLiteral("OTEVŘI BRÁNU"), "RELE2", "IMPULS", "5", "ANO"});
    table.setRow(6, {QStringLiteral("přepni světlo"), "RELE3", "ZMENA", "0", "NE"});
    table.setRow(10, {QStringLiteral("STAV"), "SYSTEM", "TEST", "0", "ANO"});
    table.setRow(19, {QStringLiteral("ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY"), "SYSTEM", "RESET", "0", "NE"});
    return table;
}

CommandTable longTexts()
{
    CommandTable table;
    for (int r = 0; r < CommandTable::RowCount; ++r)
        table.setRow(r, {QStringLiteral("ZAPNI ČERPADLO %1 V ŠACHTĚ ŘÍČE").arg(r + 1, 2, 10, QChar(u'0')),
                         "RELE4", "IMPULS", "90", "ANO"});
    return table;
}

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sheet_data();
    void sheet();
};

void TestSheet::initTestCase()
{
    if (!PdfText::available())
        QSKIP("poppler-utils (pdftotext, pdfinfo, pdffonts) is not installed: the PDF cannot be read back");
}

void TestSheet::sheet_data()
{
    QTest::addColumn<CommandTable>("table");
    QTest::addColumn<QStringList>("findings");
    QTest::addColumn<QStringList>("textHas");

    const QString finding = QStringLiteral("povel 4: text „OTEVŘI BRÁNU“ obsahuje znaky mimo abecedu GSM");
    QTest::newRow("Czech texts, every action")
        << czechTable() << QStringList()
        << QStringList{"Modul VRK-04: SMS povely", "18. 5. 2025, z modulu na COM3", "sepne", "rozepne", "impuls", "5 s", "přepne",
                       "test modulu", "restart modulu", "RELE1: sepnuto", "RELE2: rozepnuto", "RELE3: sepnuto"};
    QTest::newRow("findings in the Pozor box") << czechTable() << QStringList{finding, QStringLiteral("povel 20: x")}
                                               << QStringList{"Pozor", finding, "povel 20: x"};
    QStringList longFindings;
    for (int n = 1; n <= 8; ++n)
        longFindings << QStringLiteral("povel %1: ").arg(n) + QString(QStringLiteral("dlouhé upozornění ")).repeated(12);
    QTest::newRow("twenty long commands and long findings on one page")
        << longTexts() << longFindings << QStringList{"90 s", "povel 8: dlouhé"};
}

void TestSheet::sheet()
{
    QFETCH(CommandTable, table);
    QFETCH(QStringList, findings);
    QFETCH(QStringList, textHas);

    const DefaultStates states = {true, false, true, false, false};
    const DefaultStateBytes bytes = composeDefaultStates(states);
    const QString fingerprint = configFingerprint(encodeImage(table, bytes.byte1, bytes.byte2).image);
    const CustomerSheet sheet = CustomerSheet::make(
        table, states, {CustomerSheet::moduleOrigin(QStringLiteral("COM3")), QDate(2025, 5, 18), fingerprint, findings});
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.pdf"));
    put(path, sheetPdf(sheet));

    const QString info = PdfText::info(path);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: +595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)"))),
             qPrintable(info));
    const QStringList fonts = PdfText::fonts(path);
    QVERIFY(!fonts.isEmpty());
    for (const QString &font : fonts) // name, type, encoding, then "emb" yes/no
        QVERIFY2(font.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +(yes|no) +\\d+ +\\d+$"))),
                 qPrintable(font));

    const QString text = PdfText::text(path);
    int used = 0;
    for (int r = 0; r < CommandTable::RowCount; ++r) {
        const QString &sms = table.cell(r, CommandTable::SmsText);
        if (sms.isEmpty())
            continue;
        ++used;
        QVERIFY2(text.contains(u'#' + sms), qPrintable(sms + QStringLiteral(" in:\n") + text));
    }
    QCOMPARE(text.count(u'#'), used); // no unused row
    QVERIFY2(text.contains(QStringLiteral("Otisk konfigurace: ") + fingerprint), qPrintable(text));
    QCOMPARE(text.contains(QStringLiteral("Pozor")), !findings.isEmpty());
    // Words, whatever gaps the reader takes for spaces ("5 s" may come back as "5s").
    const QString words = text.simplified().remove(u' ');
    for (const QString &part : textHas)
        QVERIFY2(words.contains(QString(part).remove(u' ')), qPrintable(part + QStringLiteral(" in:\n") + text));
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
