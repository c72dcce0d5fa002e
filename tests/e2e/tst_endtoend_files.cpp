// SPDX-License-Identifier: MIT
// The main window's configuration files and verify through the real serial
// port to the simulated module, and its files read by the command-line tool
// vrk04 and the other way round.
#include "ConfigFileActions.h"
#include "EndToEnd.h"
#include "FlexGrid.h"
#include "TestBytes.h"
#include "TestFiles.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

// Command 3's SMS text starts with "X" where the table has an empty field.
QByteArray plantedDifference()
{
    QByteArray image = referenceCommandImage();
    image[64] = 'X';
    return image;
}

// Logged once golden.bin, referenceCommandImage(), is open: "Zapni čer".
const QString GoldenCheck = QStringLiteral("Kontrola: 1 upozornění, povel 5");

// vrk04's standard output; empty when it fails.
QByteArray vrk04(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(VRK04_CLI_PATH), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

} // namespace

class TestEndToEndFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void verify_data();
    void verify();
    void verifyAfterWrite();
    void windowAndToolShowTheSameTable_data();
    void windowAndToolShowTheSameTable();

private:
    // The file that the window's next file dialog returns.
    void choose(const QString &file)
    {
        fileChooser() = [file](QWidget *, FileDialogMode, const QString &) { return file; };
    }
    // Starts the simulator with options and the window, whose table then
    // comes from golden.bin through "Otevřít…".
    bool startWithTableFromFile(const QStringList &options);
    QString path(const QString &name) const { return m_dir.filePath(name); }

    EndToEnd e2e;
    QTemporaryDir m_dir;
    FileChooser m_dialog;
};

void TestEndToEndFiles::initTestCase()
{
    m_dialog = fileChooser();
    put(path("golden.bin"), referenceCommandImage());
}

void TestEndToEndFiles::cleanup()
{
    fileChooser() = m_dialog;
}

bool TestEndToEndFiles::startWithTableFromFile(const QStringList &options)
{
    if (!e2e.start(options + QStringList{"--baud", "0"}))
        return false;
    choose(path("golden.bin"));
    e2e.click("CommandOpen");
    return e2e.window->configuration().ConfigImage() == referenceCommandImage();
}

void TestEndToEndFiles::verify_data()
{
    QTest::addColumn<QByteArray>("module");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("outcome"); // the start of the last line
    QTest::addColumn<QString>("notice");  // the start of the message box's text; empty: no box
    QTest::newRow("module holds the table") << referenceCommandImage() << QStringList{} << "Ověření OK" << "";
    QTest::newRow("planted difference")
        << plantedDifference() << QStringList{} << "Ověření: první rozdíl, pozice 65 (povel 3, text SMS, znak 1)"
        << "Modul obsahuje jinou konfiguraci než tabulka. První rozdíl: Povel 3, Tvar SMS, v modulu „";
    QTest::newRow("silent module") << referenceCommandImage() << QStringList{"--silent"} << "chyba v prenosu!"
                                   << "Ověření se nedokončilo, modul nebyl porovnán s tabulkou.";
}

void TestEndToEndFiles::verify()
{
    QFETCH(QByteArray, module);
    QFETCH(QStringList, options);
    QFETCH(QString, outcome);
    QFETCH(QString, notice);
    put(path("module.bin"), module);
    QVERIFY(startWithTableFromFile(options + QStringList{"--image", path("module.bin")}));
    const CommandTable before = e2e.window->configuration().CommandTable();

    e2e.click("CommandVerify");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    const QStringList lines = e2e.messages();
    QCOMPARE(lines.mid(0, lines.size() - 1),
             (QStringList{"Program spuštěn", GoldenCheck, "Načteno ze souboru „golden.bin“", "Ověření START"}));
    QVERIFY2(lines.constLast().startsWith(outcome), qPrintable(lines.constLast()));
    QCoreApplication::processEvents();
    QCOMPARE(e2e.notices.size(), notice.isEmpty() ? 0 : 1);
    QVERIFY2(notice.isEmpty() || e2e.notices.constFirst().startsWith(notice), qPrintable(e2e.notices.value(0)));
    QVERIFY(e2e.window->configuration().CommandTable() == before);
    QCOMPARE(e2e.window->configuration().ConfigImage(), referenceCommandImage());
}

void TestEndToEndFiles::verifyAfterWrite()
{
    QVERIFY(startWithTableFromFile({"--save", path("written.bin")}));
    auto *afterWrite = e2e.window->findChild<QCheckBox *>("CheckVerify");
    QVERIFY(afterWrite->isChecked());

    e2e.click("Command2");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    // The fingerprint from Python's zlib.crc32 of the image's first 715 bytes.
    QCOMPARE(e2e.messages(), (QStringList{"Program spuštěn", GoldenCheck, "Načteno ze souboru „golden.bin“",
                                          "Zápis START", "Prenos OK", "Otisk konfigurace: B068CF06", "Ověření START",
                                          "Ověření OK"}));
    QCOMPARE(e2e.writtenImage(path("written.bin"), 2048), referenceCommandImage());
}

void TestEndToEndFiles::windowAndToolShowTheSameTable_data()
{
    QTest::addColumn<QString>("savedBy");
    QTest::newRow("saved by the window") << "window";
    QTest::newRow("read from the module by vrk04") << "vrk04";
}

void TestEndToEndFiles::windowAndToolShowTheSameTable()
{
    QFETCH(QString, savedBy);
    const QString file = path(savedBy + QStringLiteral(".bin"));
    QVERIFY(e2e.start({"--baud", "0"}));
    choose(file);
    if (savedBy == u"window") {
        e2e.window->configuration().setCommand(0, {"ZAPNI, \"TOPENÍ\"", "RELE2", "ZMENA", "12", "ANO"});
        e2e.window->configuration().setCommand(19, {"ŽALUZIE DOLŮ", "RELE5", "IMPULS", "90", "NE"});
        e2e.click("Command8");
        e2e.click("Command11");
        e2e.click("CommandSave");
    } else {
        // The window holds the port: the tool takes it over.
        e2e.window->link().closePort();
        QVERIFY(!vrk04({"read", "--quiet", "--port", e2e.simulator.devicePath(), file}).isNull());
        e2e.click("CommandOpen");
        QCOMPARE(e2e.window->configuration().ConfigImage(), contents(file));
    }

    const QJsonObject shown = QJsonDocument::fromJson(vrk04({"show", "--format", "json", file})).object();
    const QJsonArray commands = shown.value("commands").toArray();
    QCOMPARE(commands.size(), 20);
    auto *grid = e2e.window->findChild<FlexGrid *>("grid1");
    int named = 0;
    for (int r = 1; r <= 20; ++r) {
        const QJsonObject command = commands.at(r - 1).toObject();
        const QStringList tool{command.value("sms").toString(), command.value("output").toString(),
                               command.value("action").toString(), command.value("time").toVariant().toString(),
                               command.value("confirm").toString()};
        const QStringList window{grid->TextMatrix(r, 1).mid(2), grid->TextMatrix(r, 2), grid->TextMatrix(r, 3),
                                 grid->TextMatrix(r, 4), grid->TextMatrix(r, 5)};
        QCOMPARE(tool, window);
        named += !tool.constFirst().isEmpty();
    }
    QVERIFY(named >= 2);
    QString defaults;
    QString captions;
    for (const QJsonValue bit : shown.value("defaults").toArray())
        defaults += QString::number(bit.toInt());
    for (const char *name : {"Command8", "Command9", "Command10", "Command11", "Command12"})
        captions += e2e.window->findChild<QPushButton *>(name)->text();
    QCOMPARE(defaults, captions);
}

QTEST_MAIN(TestEndToEndFiles)
#include "tst_endtoend_files.moc"
