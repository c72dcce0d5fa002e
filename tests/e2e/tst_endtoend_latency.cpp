// Read and write from the main window behind the 16 ms latency of a typical
// USB-serial adapter: the set-up acknowledgements come late, and must still
// be taken.
#include "EndToEnd.h"
#include "ModuleImage.h"

#include <QTemporaryDir>

class TestEndToEndLatency : public QObject
{
    Q_OBJECT

private slots:
    void readBehindLatency();
    void writeBehindLatency();

private:
    EndToEnd e2e;
    QTemporaryDir dir;
};

void TestEndToEndLatency::readBehindLatency()
{
    QVERIFY(e2e.start({"--latency", "16"}));
    e2e.click("Command1");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    QCOMPARE(e2e.messages(), (QStringList{"Program spuštěn", "Vyčítání START", "Prenos OK", EndToEnd::CopyLine}));
    QCOMPARE(e2e.window->configuration().ConfigImage, ModuleImage::defaultImage());
    QCOMPARE(e2e.barValue(), 2048);
}

void TestEndToEndLatency::writeBehindLatency()
{
    const QString saved = dir.filePath(QStringLiteral("written.bin"));
    QVERIFY(e2e.start({"--latency", "16", "--save", saved}));
    e2e.click("Command2");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    QCOMPARE(e2e.messages(), (QStringList{"Program spuštěn", "Zápis START", "Prenos OK"}));
    QCOMPARE(e2e.barValue(), 2049);
    QCOMPARE(e2e.writtenImage(saved, 2048).size(), 2048);
}

QTEST_MAIN(TestEndToEndLatency)
#include "tst_endtoend_latency.moc"
