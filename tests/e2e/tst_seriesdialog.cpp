// SPDX-License-Identifier: MIT
// The window's series dialog against the module simulator: started from
// "Série…", one module of the table written and verified on the window's
// port, the port given back afterwards.
#include "EndToEnd.h"
#include "SeriesDialog.h"
#include "TestFiles.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

class TestSeriesDialog : public QObject
{
    Q_OBJECT

private slots:
    void oneModuleFromTheTable();
};

void TestSeriesDialog::oneModuleFromTheTable()
{
    QTemporaryDir folder;
    const QString modulePath = folder.filePath(QStringLiteral("module.bin"));
    const QString protocolPath = folder.filePath(QStringLiteral("p.csv"));
    EndToEnd e2e;
    QVERIFY(e2e.start({"--baud", "0", "--save", modulePath}));
    e2e.window->findChild<QTabWidget *>("SSTab1")->setCurrentIndex(2);
    e2e.click("CommandSeries");
    auto *dialog = e2e.window->findChild<SeriesDialog *>();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLineEdit *>("EditPort")->text(), QStringLiteral("COM1"));
    dialog->findChild<QLineEdit *>("EditLog")->setText(protocolPath);
    dialog->findChild<QSpinBox *>("SpinCount")->setValue(1);
    auto *start = dialog->findChild<QPushButton *>("CommandStart");
    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(!start->isEnabled());

    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (start->isEnabled())
            loop.quit();
    });
    poll.start(50);
    QTimer::singleShot(TransferTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();

    QCOMPARE(dialog->findChild<QLabel *>("LabelState")->text(), QStringLiteral("Série dokončena: vypněte modul"));
    QCOMPARE(dialog->findChild<QLabel *>("LabelCounts")->text(), QStringLiteral("V pořádku: 1    S chybou: 0"));
    QCOMPARE(contents(modulePath), referenceResetImage());
    const QStringList protocol = QString::fromUtf8(contents(protocolPath)).split(QStringLiteral("\r\n"));
    QCOMPARE(protocol.size(), 3);
    QVERIFY2(protocol.at(1).contains(QStringLiteral(",COM1,tabulka v okně,C7C4A3B5,OK,,")), qPrintable(protocol.at(1)));

    // The window's log has the module's line, not the run's own transfers,
    // and the window's port works again.
    QTest::mouseClick(dialog->findChild<QPushButton *>("CommandClose"), Qt::LeftButton);
    e2e.click("Command3");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    const QStringList messages = e2e.messages();
    QVERIFY2(messages.filter(QRegularExpression(QStringLiteral("^Modul 1: OK, otisk C7C4A3B5, \\d+[.,]\\d s — vypněte ho$"))).size() == 1,
             qPrintable(messages.join(u'\n')));
    QVERIFY2(!messages.contains(QStringLiteral("Zápis START")), qPrintable(messages.join(u'\n')));
    QCOMPARE(messages.constLast(), QStringLiteral("TEST OK"));
}

QTEST_MAIN(TestSeriesDialog)
#include "tst_seriesdialog.moc"
