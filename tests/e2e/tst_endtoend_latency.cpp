// SPDX-License-Identifier: MIT
// Read and write from the main window behind the 16 ms latency of a typical
// USB-serial adapter: the set-up acknowledgements come late, and must still
// be taken; each transfer says once why it is slow.
#include "EndToEnd.h"
#include "ModuleImage.h"

#include <QTemporaryDir>

namespace {

const QString LatencyAdvice = QStringLiteral("Modul odpovídá pomalu (průměrně ");

} // namespace

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
    QStringList messages = e2e.messages();
    QVERIFY2(messages.value(2).startsWith(LatencyAdvice), qPrintable(messages.join(u'\n')));
    messages.removeAt(2);
    QCOMPARE(messages, (QStringList{"Program spuštěn", "Vyčítání START", "Prenos OK", EndToEnd::ModuleCheck,
                                    EndToEnd::CopyLine, EndToEnd::ModuleFingerprint}));
    QCOMPARE(e2e.window->configuration().ConfigImage(), ModuleImage::defaultImage());
    QCOMPARE(ModuleLinkInside::protocol(e2e.window->link()).position(), 2048);
}

void TestEndToEndLatency::writeBehindLatency()
{
    const QString saved = dir.filePath(QStringLiteral("written.bin"));
    QVERIFY(e2e.start({"--latency", "16", "--save", saved}));
    e2e.setVerifyAfterWrite(false);
    e2e.click("Command2");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    QStringList messages = e2e.messages();
    QVERIFY2(messages.value(2).startsWith(LatencyAdvice), qPrintable(messages.join(u'\n')));
    messages.removeAt(2);
    QCOMPARE(messages, (QStringList{"Program spuštěn", "Zápis START", "Prenos OK", EndToEnd::ResetFingerprint}));
    QCOMPARE(ModuleLinkInside::protocol(e2e.window->link()).position(), 2049);
    QCOMPARE(e2e.writtenImage(saved, 2048).size(), 2048);
}

QTEST_MAIN(TestEndToEndLatency)
#include "tst_endtoend_latency.moc"
