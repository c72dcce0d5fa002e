// "Ověřit" and "ověřit po zápisu" from the main window through the real serial
// port to the simulated module, with the table taken from a file by "Otevřít…".
#include "ConfigFileActions.h"
#include "EndToEnd.h"
#include "TestBytes.h"
#include "TestFiles.h"

#include <QCheckBox>
#include <QTemporaryDir>

namespace {

// Command 3's SMS text starts with "X" where the table has an empty field.
QByteArray plantedDifference()
{
    QByteArray image = referenceCommandImage();
    image[64] = 'X';
    return image;
}

} // namespace

class TestEndToEndVerify : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void verify_data();
    void verify();
    void verifyAfterWrite();

private:
    // Starts the simulator with options and the window, whose table comes
    // from the file golden.bin through "Otevřít…".
    bool startWithTableFromFile(const QStringList &options);
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    EndToEnd e2e;
    QTemporaryDir m_dir;
    FileChooser m_dialog;
};

void TestEndToEndVerify::initTestCase()
{
    m_dialog = fileChooser();
    put(path("golden.bin"), referenceCommandImage());
}

void TestEndToEndVerify::cleanup()
{
    fileChooser() = m_dialog;
}

bool TestEndToEndVerify::startWithTableFromFile(const QStringList &options)
{
    if (!e2e.start(options + QStringList{"--baud", "0"}))
        return false;
    fileChooser() = [this](QWidget *, FileDialogMode, const QString &) { return path("golden.bin"); };
    e2e.click("CommandOpen");
    return e2e.window->configuration().ConfigImage == referenceCommandImage();
}

void TestEndToEndVerify::verify_data()
{
    QTest::addColumn<QByteArray>("module");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("outcome"); // the start of the last line
    QTest::newRow("module holds the table") << referenceCommandImage() << QStringList{} << "Ověření OK";
    QTest::newRow("planted difference")
        << plantedDifference() << QStringList{} << "Ověření: první rozdíl, pozice 65 (povel 3, text SMS, znak 1)";
    QTest::newRow("silent module") << referenceCommandImage() << QStringList{"--silent"} << "chyba v prenosu!";
}

void TestEndToEndVerify::verify()
{
    QFETCH(QByteArray, module);
    QFETCH(QStringList, options);
    QFETCH(QString, outcome);
    put(path("module.bin"), module);
    QVERIFY(startWithTableFromFile(options + QStringList{"--image", path("module.bin")}));
    const CommandTable before = e2e.window->configuration().CommandTable;

    e2e.click("CommandVerify");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    const QStringList lines = e2e.messages();
    QCOMPARE(lines.mid(0, lines.size() - 1),
             (QStringList{"Program spuštěn", "Načteno ze souboru „golden.bin“", "Ověření START"}));
    QVERIFY2(lines.constLast().startsWith(outcome), qPrintable(lines.constLast()));
    QVERIFY(e2e.window->configuration().CommandTable == before);
    QCOMPARE(e2e.window->configuration().ConfigImage, referenceCommandImage());
}

void TestEndToEndVerify::verifyAfterWrite()
{
    QVERIFY(startWithTableFromFile({"--save", path("written.bin")}));
    auto *afterWrite = e2e.window->findChild<QCheckBox *>("CheckVerify");
    QVERIFY(!afterWrite->isChecked());
    afterWrite->click();

    e2e.click("Command2");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    QCOMPARE(e2e.messages(), (QStringList{"Program spuštěn", "Načteno ze souboru „golden.bin“", "Zápis START",
                                          "Prenos OK", "Ověření START", "Ověření OK"}));
    QCOMPARE(e2e.writtenImage(path("written.bin"), 2048), referenceCommandImage());
}

QTEST_MAIN(TestEndToEndVerify)
#include "tst_endtoend_verify.moc"
