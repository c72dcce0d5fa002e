// SPDX-License-Identifier: MIT
// The command table codec, the configuration procedures and the default
// output states, against reference images built byte by byte.
#include "ConfigImage.h"
#include "TestBytes.h"
#include "Configuration.h"
#include "TableEdit.h"
#include "DefaultStates.h"
#include "ImageCodec.h"
#include "Windows1250.h"

#include <QRandomGenerator>
#include <QTest>

using namespace ConfigImageLayout;

namespace {

const char FF = char(0xFF);

using DefaultCaptions = std::array<QString, OutputCount>; // RELE1 .. RELE5

// Stand-in for the main window's five default-output buttons.
struct Buttons
{
    DefaultCaptions captions{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                             QStringLiteral("1"), QStringLiteral("1")};
    int refreshes = 0;
    int shows = 0;

    void attach(Configuration &config)
    {
        QObject::connect(&config, &Configuration::defaultStatesChanged, [this, &config] {
            ++shows;
            const DefaultStates states = config.defaultStates();
            for (int k = 0; k < OutputCount; ++k)
                captions.at(k) = states.at(k) ? QStringLiteral("1") : QStringLiteral("0");
        });
        QObject::connect(&config, &Configuration::tableChanged, [this] { ++refreshes; });
    }
    // The window's ButtonsToDefaults: the captions into the configuration.
    void toDefaults(Configuration &config) const
    {
        DefaultStates states;
        for (int k = 0; k < OutputCount; ++k)
            states.at(k) = captions.at(k) != u"0";
        config.setDefaultStates(states);
    }
    // The window's start: an empty table and the states from the buttons;
    // the signals are counted from here on.
    void reset(Configuration &config)
    {
        config.ResetTable();
        toDefaults(config);
        refreshes = 0;
        shows = 0;
    }
    void click(Configuration &config, int output)
    {
        captions.at(output - 1) = captions.at(output - 1) == u"1" ? QStringLiteral("0") : QStringLiteral("1");
        toDefaults(config);
    }
};

void putRecord(QByteArray &image, int k, const QByteArray &record)
{
    image.replace(offset(recordPos(k)), RecordSize, record);
}

CommandTable::Row markerRow()
{
    return {QStringLiteral("marker"), QStringLiteral("RELE2"), QStringLiteral("ZMENA"),
            QStringLiteral("9"), QStringLiteral("ANO")};
}

QChar randomSmsChar(QRandomGenerator &rng)
{
    // Any byte but the fill byte 0xFF.
    return Windows1250::toChar(quint8(rng.bounded(0xFF)));
}

CommandTable randomTable(QRandomGenerator &rng)
{
    CommandTable table;
    for (int r = 0; r < CommandTable::RowCount; ++r) {
        QString sms;
        const int length = rng.bounded(33);
        for (int i = 0; i < length; ++i)
            sms += randomSmsChar(rng);
        const int output = rng.bounded(6);
        const QStringList &actions =
            output == 0 ? Vocabulary::systemActions() : Vocabulary::relayActions();
        table.setRow(r, {sms, Vocabulary::outputs().at(output),
                         actions.at(rng.bounded(int(actions.size()))),
                         QString::number(rng.bounded(-32, 96)),
                         rng.bounded(2) ? Vocabulary::Yes : Vocabulary::No});
    }
    return table;
}

QByteArray randomBytes(QRandomGenerator &rng, int length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(rng.bounded(256));
    return bytes;
}

} // namespace

class TestCodec : public QObject
{
    Q_OBJECT

private slots:
    void resetTableEncodesToReference();
    void encodingIsStable();

    void decodeRecord_data();
    void decodeRecord();
    void encodeRecord_data();
    void encodeRecord();
    void smsFields_data();
    void smsFields();
    void decodeIgnoresFillRegionsAndTail();

    void decodeLength_data();
    void decodeLength();
    void failedDecodeChangesNothing_data();
    void failedDecodeChangesNothing();

    void unencodableRowIsRefused_data();
    void unencodableRowIsRefused();

    void defaultStatesCompose_data();
    void defaultStatesCompose();
    void decodedDefaultStatesKeepAllBits();

    void randomTablesSurviveEncodeDecode();
    void randomImagesSurviveDecodeEncode();
    void randomBytesDecodeWhollyOrNotAtAll();
};

void TestCodec::resetTableEncodesToReference()
{
    Configuration config;
    Buttons buttons;
    buttons.attach(config);
    buttons.reset(config);
    QCOMPARE(config.DefaultStateByte1(), quint8(0x3F));
    QCOMPARE(config.DefaultStateByte2(), quint8(0x3F));
    QVERIFY(config.TableToImage());
    const QByteArray reference = referenceResetImage();
    QCOMPARE(reference.size(), 2048);
    QCOMPARE(config.ConfigImage().size(), 2048);
    for (int i = 0; i < 2048; ++i) {
        if (config.ConfigImage().at(i) != reference.at(i))
            QFAIL(qPrintable(QStringLiteral("byte %1 differs").arg(i + 1)));
    }
}

void TestCodec::encodingIsStable()
{
    Configuration config;
    QRandomGenerator rng(7);
    const CommandTable table = randomTable(rng);
    for (int r = 0; r < CommandTable::RowCount; ++r)
        config.setCommand(r, table.row(r));
    QVERIFY(config.TableToImage());
    const QByteArray first = config.ConfigImage();
    QVERIFY(config.TableToImage());
    QCOMPARE(config.ConfigImage(), first);
    QCOMPARE(first.size(), 2048);
    QCOMPARE(first.mid(640, 3), QByteArray(3, FF));
    QCOMPARE(first.mid(645, 10), QByteArray(10, FF));
    QCOMPARE(first.mid(715), QByteArray(1333, FF));
}

void TestCodec::decodeRecord_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QStringList>("cells"); // output, action, time, confirmation

    QTest::newRow("RELE3 IMPULS 5 ANO") << QByteArray("32\xA5") << QStringList{"RELE3", "IMPULS", "5", "ANO"};
    QTest::newRow("time below zero") << QByteArray("32\x05") << QStringList{"RELE3", "IMPULS", "-27", "NE"};
    QTest::newRow("SYSTEM RESET") << QByteArray("01\x3A") << QStringList{"SYSTEM", "RESET", "26", "NE"};
    QTest::newRow("SYSTEM TEST") << QByteArray("00\x20") << QStringList{"SYSTEM", "TEST", "0", "NE"};
    QTest::newRow("RELE5 ZMENA 90 ANO") << QByteArray("53\xFA") << QStringList{"RELE5", "ZMENA", "90", "ANO"};
    QTest::newRow("RELE1 ROZEPNUTI") << QByteArray("10\x21") << QStringList{"RELE1", "ROZEPNUTI", "1", "NE"};
    QTest::newRow("RELE4 SEPNUTI") << QByteArray("41\x22") << QStringList{"RELE4", "SEPNUTI", "2", "NE"};
    QTest::newRow("unknown codes keep output and action")
        << QByteArray("79\x20") << QStringList{"RELE2", "ZMENA", "0", "NE"};
    QTest::newRow("unknown output, known action")
        << QByteArray("61\x20") << QStringList{"RELE2", "SEPNUTI", "0", "NE"};
    QTest::newRow("SYSTEM with a relay action code keeps the action")
        << QByteArray("03\x20") << QStringList{"SYSTEM", "ZMENA", "0", "NE"};
    QTest::newRow("relay with action code 4 keeps the action")
        << QByteArray("14\x20") << QStringList{"RELE1", "ZMENA", "0", "NE"};
    QTest::newRow("time byte 0x25") << QByteArray("00\x25") << QStringList{"SYSTEM", "TEST", "5", "NE"};
    QTest::newRow("time byte 0x00") << QByteArray("00\x00", 3) << QStringList{"SYSTEM", "TEST", "-32", "NE"};
    QTest::newRow("time byte 0xFF") << QByteArray("00\xFF") << QStringList{"SYSTEM", "TEST", "95", "ANO"};
}

void TestCodec::decodeRecord()
{
    QFETCH(QByteArray, record);
    QFETCH(QStringList, cells);
    const int k = 7; // a middle record: its neighbours catch an off-by-one
    QByteArray image = referenceResetImage();
    putRecord(image, k, record);
    CommandTable previous;
    for (int r = 0; r < CommandTable::RowCount; ++r)
        previous.setRow(r, markerRow());

    const ImageDecoding decoded = decodeImage(image, previous);
    QVERIFY(decoded.ok());
    QCOMPARE(decoded.table.cell(k, CommandTable::Output), cells.at(0));
    QCOMPARE(decoded.table.cell(k, CommandTable::Action), cells.at(1));
    QCOMPARE(decoded.table.cell(k, CommandTable::Time), cells.at(2));
    QCOMPARE(decoded.table.cell(k, CommandTable::Confirmation), cells.at(3));
    QCOMPARE(decoded.table.cell(k, CommandTable::SmsText), QString());
    for (int neighbour : {k - 1, k + 1})
        QCOMPARE(decoded.table.row(neighbour), CommandTable::emptyRow());
}

void TestCodec::encodeRecord_data()
{
    QTest::addColumn<QStringList>("cells"); // output, action, time, confirmation
    QTest::addColumn<QByteArray>("record");

    QTest::newRow("RELE2 IMPULS 5 ANO") << QStringList{"RELE2", "IMPULS", "5", "ANO"} << QByteArray("22\xA5");
    QTest::newRow("SYSTEM TEST 0 NE") << QStringList{"SYSTEM", "TEST", "0", "NE"} << QByteArray("00\x20");
    QTest::newRow("RELE5 ZMENA 90 ANO") << QStringList{"RELE5", "ZMENA", "90", "ANO"} << QByteArray("53\xFA");
    QTest::newRow("SYSTEM RESET") << QStringList{"SYSTEM", "RESET", "1", "NE"} << QByteArray("01\x21");
    QTest::newRow("unknown output is SYSTEM") << QStringList{"RELE9", "SEPNUTI", "0", "NE"} << QByteArray("01\x20");
    QTest::newRow("action code from the action alone")
        << QStringList{"SYSTEM", "ZMENA", "0", "NE"} << QByteArray("03\x20");
    QTest::newRow("relay with RESET") << QStringList{"RELE1", "RESET", "0", "NE"} << QByteArray("11\x20");
    QTest::newRow("unknown action is 0") << QStringList{"RELE4", "", "3", "NE"} << QByteArray("40\x23");
    QTest::newRow("leading zero") << QStringList{"RELE1", "SEPNUTI", "05", "NE"} << QByteArray("11\x25");
    QTest::newRow("lowest time") << QStringList{"RELE1", "SEPNUTI", "-32", "NE"} << QByteArray("11\x00", 3);
    QTest::newRow("highest time") << QStringList{"RELE1", "SEPNUTI", "95", "ANO"} << QByteArray("11\xFF");
    QTest::newRow("confirmation is exact") << QStringList{"RELE1", "SEPNUTI", "0", "ano"} << QByteArray("11\x20");
}

void TestCodec::encodeRecord()
{
    QFETCH(QStringList, cells);
    QFETCH(QByteArray, record);
    CommandTable table;
    for (int r = 0; r < CommandTable::RowCount; ++r)
        table.setRow(r, CommandTable::emptyRow());
    const int k = 12;
    table.setRow(k, {QString(), cells.at(0), cells.at(1), cells.at(2), cells.at(3)});
    const ImageEncoding encoded = encodeImage(table, 0x3F, 0x3F);
    QVERIFY(encoded.ok());
    QCOMPARE(encoded.image.mid(offset(recordPos(k)), RecordSize), record);
    QCOMPARE(encoded.image.mid(offset(recordPos(k - 1)), RecordSize), QByteArray("00\x20"));
    QCOMPARE(encoded.image.mid(offset(recordPos(k + 1)), RecordSize), QByteArray("00\x20"));
}

void TestCodec::smsFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("empty") << QString() << QByteArray(32, FF);
    QTest::newRow("31 characters") << QString(31, u'a') << QByteArray(31, 'a') + FF;
    QTest::newRow("32 characters") << QString(32, u'Z') << QByteArray(32, 'Z');
    QTest::newRow("Czech") << QStringLiteral("Zapni čerpadlo")
                           << QByteArray("Zapni \xE8" "erpadlo") + QByteArray(18, FF);
    QTest::newRow("controls and NBSP") << QStringLiteral("\u0000\r\n\u00A0")
                                       << QByteArray("\x00\r\n\xA0", 4) + QByteArray(28, FF);
}

void TestCodec::smsFields()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    CommandTable table;
    for (int r = 0; r < CommandTable::RowCount; ++r)
        table.setRow(r, CommandTable::emptyRow());
    const int row = 19;
    table.setCell(row, CommandTable::SmsText, text);
    const ImageEncoding encoded = encodeImage(table, 0x3F, 0x3F);
    QVERIFY(encoded.ok());
    QCOMPARE(encoded.image.mid(offset(smsFieldPos(row)), SmsFieldSize), field);
    QCOMPARE(encoded.image.mid(offset(smsFieldPos(row - 1)), SmsFieldSize), QByteArray(32, FF));
    QCOMPARE(decodeImage(encoded.image, CommandTable()).table.cell(row, CommandTable::SmsText), text);
}

void TestCodec::decodeIgnoresFillRegionsAndTail()
{
    QByteArray image = referenceResetImage();
    image.replace(offset(smsFieldPos(3)), 4, QByteArray("AB\xFF" "C"));
    image.replace(640, 3, "xyz");
    image.replace(645, 10, "0123456789");
    image.replace(715, 5, "99999");
    image += "tail";
    const ImageDecoding decoded = decodeImage(image, CommandTable());
    QVERIFY(decoded.ok());
    QCOMPARE(decoded.table.cell(3, CommandTable::SmsText), QStringLiteral("ABC"));
    QCOMPARE(decoded.table.cell(2, CommandTable::SmsText), QString());
    QCOMPARE(decoded.table.cell(4, CommandTable::SmsText), QString());
    for (int r = 0; r < CommandTable::RowCount; ++r) {
        QCOMPARE(decoded.table.cell(r, CommandTable::Output), QStringLiteral("SYSTEM"));
        QCOMPARE(decoded.table.cell(r, CommandTable::Time), QStringLiteral("0"));
    }
}

void TestCodec::decodeLength_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("failedPosition");
    QTest::newRow("2048") << 2048 << 0;
    QTest::newRow("715") << 715 << 0;
    QTest::newRow("714: the last time byte is missing") << 714 << 715;
    QTest::newRow("713: the last action byte is missing") << 713 << 714;
    QTest::newRow("700") << 700 << 701;
    QTest::newRow("644: the second default byte is missing") << 644 << 645;
    QTest::newRow("100") << 100 << 644;
    QTest::newRow("0") << 0 << 644;
}

void TestCodec::decodeLength()
{
    QFETCH(int, length);
    QFETCH(int, failedPosition);
    QByteArray image = referenceResetImage();
    for (int k = 0; k < 20; ++k)
        putRecord(image, k, "23\x21");
    image.truncate(length);
    Configuration config;
    Buttons buttons;
    buttons.attach(config);
    buttons.reset(config);
    int failed = -1;
    QCOMPARE(config.ImageToTable(image, &failed), failedPosition == 0);
    QCOMPARE(failed, failedPosition);
    const QString expectedOutput = failedPosition == 0 ? QStringLiteral("RELE2") : QStringLiteral("SYSTEM");
    QCOMPARE(config.CommandTable().cell(19, CommandTable::Output), expectedOutput);
    QCOMPARE(config.CommandTable().cell(0, CommandTable::Output), expectedOutput);
}

void TestCodec::failedDecodeChangesNothing_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("failedPosition");

    QByteArray erased(2048, FF);
    QTest::newRow("erased module") << erased << 656;

    QByteArray badOutput = referenceResetImage();
    badOutput[offset(recordPos(19))] = 'A';
    QTest::newRow("letter as the last output code") << badOutput << recordPos(19);

    QByteArray badAction = referenceResetImage();
    badAction[offset(recordPos(5) + 1)] = ' ';
    QTest::newRow("space as an action code") << badAction << recordPos(5) + 1;

    QByteArray relayBadAction = referenceResetImage();
    putRecord(relayBadAction, 10, QByteArray("7-\x20"));
    QTest::newRow("unknown output, then a sign") << relayBadAction << recordPos(10) + 1;
}

void TestCodec::failedDecodeChangesNothing()
{
    QFETCH(QByteArray, image);
    QFETCH(int, failedPosition);
    Configuration config;
    Buttons buttons;
    buttons.attach(config);
    buttons.reset(config);
    QByteArray earlier = referenceResetImage();
    earlier[offset(DefaultStateByte1Pos)] = char(0x12);
    earlier[offset(DefaultStateByte2Pos)] = char(0x34);
    QVERIFY(config.ImageToTable(earlier));
    for (int r = 0; r < CommandTable::RowCount; ++r)
        config.setCommand(r, markerRow());
    buttons.refreshes = 0;
    buttons.shows = 0;
    const CommandTable before = config.CommandTable();
    // The image carries other SMS texts and default bytes than the table.
    image.replace(0, 5, "hello");
    image[offset(DefaultStateByte1Pos)] = char(0x30);

    int failed = 0;
    QVERIFY(!config.receiveImage(image, &failed));
    QCOMPARE(failed, failedPosition);
    QVERIFY(config.CommandTable() == before);
    QCOMPARE(config.DefaultStateByte1(), quint8(0x12));
    QCOMPARE(config.DefaultStateByte2(), quint8(0x34));
    QCOMPARE(config.ConfigImage(), image);
    QCOMPARE(buttons.refreshes, 0);
    QCOMPARE(buttons.shows, 0);
}

void TestCodec::unencodableRowIsRefused_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("problem");
    using P = ImageEncoding::Problem;
    QTest::newRow("33 characters") << int(CommandTable::SmsText) << QString(33, u'x') << int(P::SmsTooLong);
    QTest::newRow("Cyrillic") << int(CommandTable::SmsText) << QStringLiteral("Жuk") << int(P::SmsUnmappable);
    QTest::newRow("dot above is the fill byte") << int(CommandTable::SmsText) << QStringLiteral("a˙b")
                                                << int(P::SmsFillCharacter);
    QTest::newRow("time with letters") << int(CommandTable::Time) << QStringLiteral("5s") << int(P::TimeNotWholeNumber);
    QTest::newRow("time with a fraction") << int(CommandTable::Time) << QStringLiteral("1.5") << int(P::TimeNotWholeNumber);
    QTest::newRow("empty time") << int(CommandTable::Time) << QString() << int(P::TimeNotWholeNumber);
    QTest::newRow("time 96") << int(CommandTable::Time) << QStringLiteral("96") << int(P::TimeOutOfRange);
    QTest::newRow("time 224") << int(CommandTable::Time) << QStringLiteral("224") << int(P::TimeOutOfRange);
    QTest::newRow("time -33") << int(CommandTable::Time) << QStringLiteral("-33") << int(P::TimeOutOfRange);
}

void TestCodec::unencodableRowIsRefused()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, problem);
    Configuration config;
    config.ResetTable();
    config.receiveImage("previous image");
    const int row = 4;
    setCell(config, row, column, text);

    QString message;
    QVERIFY(!config.TableToImage(&message));
    QCOMPARE(config.ConfigImage(), QByteArray("previous image"));
    QVERIFY2(message.startsWith(QStringLiteral("Povel 5: ")), qPrintable(message));

    const ImageEncoding encoded = encodeImage(config.CommandTable(), 0x3F, 0x3F);
    QCOMPARE(int(encoded.problem), problem);
    QCOMPARE(encoded.row, row);
    QVERIFY(encoded.image.isEmpty());
}

void TestCodec::defaultStatesCompose_data()
{
    QTest::addColumn<QList<int>>("clicks"); // outputs clicked, in order
    QTest::addColumn<QString>("captions");  // RELE1..RELE5 afterwards
    QTest::addColumn<int>("byte1");
    QTest::addColumn<int>("byte2");
    QTest::newRow("no click") << QList<int>{} << "11111" << 0x3F << 0x3F;
    QTest::newRow("RELE1 once") << QList<int>{1} << "01111" << 0x3E << 0x3F;
    QTest::newRow("RELE1 twice") << QList<int>{1, 1} << "11111" << 0x3F << 0x3F;
    QTest::newRow("RELE1 to RELE4") << QList<int>{1, 2, 3, 4} << "00001" << 0x30 << 0x3F;
    QTest::newRow("RELE5") << QList<int>{5} << "11110" << 0x3F << 0x3E;
    QTest::newRow("RELE3") << QList<int>{3} << "11011" << 0x3B << 0x3F;
    QTest::newRow("all") << QList<int>{5, 4, 3, 2, 1} << "00000" << 0x30 << 0x3E;
}

void TestCodec::defaultStatesCompose()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, captions);
    QFETCH(int, byte1);
    QFETCH(int, byte2);
    Configuration config;
    Buttons buttons;
    buttons.attach(config);
    buttons.reset(config);
    const CommandTable table = config.CommandTable();
    for (int output : clicks)
        buttons.click(config, output);
    QString shown;
    for (const QString &c : buttons.captions)
        shown += c;
    QCOMPARE(shown, captions);
    QCOMPARE(int(config.DefaultStateByte1()), byte1);
    QCOMPARE(int(config.DefaultStateByte2()), byte2);
    QVERIFY(config.CommandTable() == table);
    QVERIFY(config.ConfigImage().isEmpty());
}

void TestCodec::decodedDefaultStatesKeepAllBits()
{
    Configuration config;
    Buttons buttons;
    buttons.attach(config);
    buttons.reset(config);
    QByteArray image = referenceResetImage();
    image[offset(DefaultStateByte1Pos)] = char(0xF5);
    image[offset(DefaultStateByte2Pos)] = char(0x00);
    QVERIFY(config.ImageToTable(image));
    QCOMPARE(buttons.captions, (DefaultCaptions{"1", "0", "1", "0", "0"}));
    QVERIFY(config.TableToImage());
    QCOMPARE(quint8(config.ConfigImage().at(offset(DefaultStateByte1Pos))), quint8(0xF5));
    QCOMPARE(quint8(config.ConfigImage().at(offset(DefaultStateByte2Pos))), quint8(0x00));
    buttons.click(config, 5);
    QCOMPARE(config.DefaultStateByte2(), quint8(0x3F));
    QCOMPARE(config.DefaultStateByte1(), quint8(0x35));
}

void TestCodec::randomTablesSurviveEncodeDecode()
{
    QRandomGenerator rng(20061);
    for (int i = 0; i < 500; ++i) {
        const CommandTable table = randomTable(rng);
        const quint8 b1 = quint8(rng.bounded(256));
        const quint8 b2 = quint8(rng.bounded(256));
        const ImageEncoding encoded = encodeImage(table, b1, b2);
        QVERIFY(encoded.ok());
        QCOMPARE(encoded.image.size(), 2048);
        const ImageDecoding decoded = decodeImage(encoded.image, CommandTable());
        QVERIFY(decoded.ok());
        QVERIFY2(decoded.table == table, qPrintable(QStringLiteral("table %1").arg(i)));
        QCOMPARE(decoded.defaultStateByte1, b1);
        QCOMPARE(decoded.defaultStateByte2, b2);
    }
}

void TestCodec::randomImagesSurviveDecodeEncode()
{
    QRandomGenerator rng(4122006);
    for (int i = 0; i < 500; ++i) {
        QByteArray image = randomBytes(rng, rng.bounded(715, 3001));
        QByteArray expected = image.left(DecodedLength);
        for (int r = 0; r < 20; ++r) {
            // An SMS field with a few fill bytes anywhere in it: they move to its end.
            QByteArray field = randomBytes(rng, SmsFieldSize);
            for (int j = rng.bounded(4); j > 0; --j)
                field[rng.bounded(SmsFieldSize)] = FF;
            image.replace(32 * r, SmsFieldSize, field);
            QByteArray kept = field;
            kept.replace(FF, QByteArray());
            expected.replace(32 * r, SmsFieldSize, kept + QByteArray(SmsFieldSize - kept.size(), FF));
            // A well-formed record: codes from the lists, any time byte.
            const int output = rng.bounded(6);
            const int action = rng.bounded(output == 0 ? 2 : 4);
            QByteArray record;
            record += char('0' + output);
            record += char('0' + action);
            record += char(rng.bounded(256));
            putRecord(image, r, record);
            putRecord(expected, r, record);
        }
        expected.replace(640, 3, QByteArray(3, FF));
        expected.replace(645, 10, QByteArray(10, FF));

        const ImageDecoding decoded = decodeImage(image, CommandTable());
        QVERIFY(decoded.ok());
        const ImageEncoding encoded =
            encodeImage(decoded.table, decoded.defaultStateByte1, decoded.defaultStateByte2);
        QVERIFY(encoded.ok());
        QVERIFY2(encoded.image.left(DecodedLength) == expected, qPrintable(QStringLiteral("image %1").arg(i)));
        QCOMPARE(encoded.image.mid(DecodedLength), QByteArray(1333, FF));
    }
}

void TestCodec::randomBytesDecodeWhollyOrNotAtAll()
{
    QRandomGenerator rng(1250);
    int decodedCount = 0;
    for (int i = 0; i < 3000; ++i) {
        QByteArray image = randomBytes(rng, rng.bounded(3001));
        // Half of the images get digit codes, so that both outcomes are common.
        if (rng.bounded(2) && image.size() >= DecodedLength) {
            for (int k = 0; k < 20; ++k) {
                image[offset(recordPos(k))] = char('0' + rng.bounded(10));
                image[offset(recordPos(k)) + 1] = char('0' + rng.bounded(10));
            }
        }
        bool decodable = image.size() >= DecodedLength;
        for (int k = 0; k < 20 && decodable; ++k) {
            for (int p : {recordPos(k), recordPos(k) + 1}) {
                const char c = image.at(offset(p));
                decodable = decodable && c >= '0' && c <= '9';
            }
        }

        Configuration config;
        Buttons buttons;
        buttons.attach(config);
        buttons.reset(config);
        config.setCommand(0, markerRow());
        buttons.refreshes = 0;
        const CommandTable before = config.CommandTable();
        const bool ok = config.ImageToTable(image);
        QCOMPARE(ok, decodable);
        if (ok) {
            ++decodedCount;
            QCOMPARE(buttons.refreshes, 1);
            QCOMPARE(config.DefaultStateByte1(), quint8(image.at(offset(DefaultStateByte1Pos))));
        } else {
            QVERIFY(config.CommandTable() == before);
            QCOMPARE(config.DefaultStateByte1(), quint8(0x3F));
            QCOMPARE(buttons.refreshes, 0);
        }
    }
    QVERIFY(decodedCount > 500);
}

QTEST_APPLESS_MAIN(TestCodec)
#include "tst_codec.moc"
