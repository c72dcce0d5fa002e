// SPDX-License-Identifier: MIT
// "Jiný port" in the main window and the port remembered between runs,
// offscreen, against the module simulator and a pseudo-terminal. Settings go
// to a folder of the test's own.
#include "FailureNotice.h"
#include "Form1.h"
#include "PortCombo.h"
#include "SimulatorProcess.h"
#include "SpareTerminal.h"
#include "StatusBox.h"
#include "WindowTestAids.h"

#include <QCheckBox>
#include <QDir>
#include <QScopeGuard>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>

class TestPortEntry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void typedPathCarriesTheTest();
    void rememberedPortIsChosenAtStart();
    void settingsFifoIsSkipped();
    void unwritableSettingsAreReported();

private:
    std::unique_ptr<Form1> startWindow();
    void enter(const QString &path);
    QStringList log() const;

    QTemporaryDir m_settings;
    std::unique_ptr<Form1> m_window;
};

void TestPortEntry::initTestCase()
{
    QVERIFY(m_settings.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("vrk04-test"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    mapPortsToNothing();
}

std::unique_ptr<Form1> TestPortEntry::startWindow()
{
    auto window = std::make_unique<Form1>();
    window->show();
    return window;
}

void TestPortEntry::enter(const QString &path)
{
    auto *box = m_window->findChild<PortCombo *>("ComboPort");
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), path);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
}

// The newest line first, without the times.
QStringList TestPortEntry::log() const
{
    QStringList lines = m_window->findChild<StatusBox *>("Text2")->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.section(QStringLiteral(" --> "), 1);
    return lines;
}

void TestPortEntry::typedPathCarriesTheTest()
{
    SimulatorProcess module;
    QVERIFY(module.start());
    SpareTerminal com2;
    qputenv("VRK04_COM2", com2.path().toLocal8Bit());
    m_window = startWindow();
    auto *option2 = m_window->findChild<QRadioButton *>("Option2");
    QTest::mouseClick(option2, Qt::LeftButton);

    enter(module.devicePath());
    QVERIFY(!option2->isChecked());
    QVERIFY(m_window->link().isPortOpen());
    QCOMPARE(m_window->link().deviceName(), module.devicePath());
    QTest::mouseClick(m_window->findChild<QPushButton *>("Command3"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(log().value(0), QStringLiteral("TEST OK"), 10000);

    QTest::mouseClick(option2, Qt::LeftButton);
    QCOMPARE(m_window->findChild<PortCombo *>("ComboPort")->currentText(), QString());
    QCOMPARE(m_window->link().deviceName(), com2.path());
    mapPortsToNothing();
}

// Chosen again when it is there, with one line, and opened by TEST; nothing
// when it has gone. The verify check box ticked until the user unticks it.
void TestPortEntry::rememberedPortIsChosenAtStart()
{
    auto device = std::make_unique<SpareTerminal>();
    const QString path = device->path();
    m_window = startWindow();
    enter(path);
    // Ticked on a first start; unticked, it stays so.
    QVERIFY(m_window->findChild<QCheckBox *>("CheckVerify")->isChecked());
    m_window->findChild<QCheckBox *>("CheckVerify")->click();

    m_window.reset();
    m_window = startWindow();
    // Selected, but opened only when the user acts: the device may be another one now.
    QVERIFY(!m_window->link().isPortOpen());
    QCOMPARE(m_window->findChild<PortCombo *>("ComboPort")->currentText(), path);
    QCOMPARE(log(), (QStringList{"Zvolen port z minulého spuštění: " + path, "Program spuštěn"}));
    QTest::mouseClick(m_window->findChild<QPushButton *>("Command3"), Qt::LeftButton);
    QVERIFY(m_window->link().isPortOpen());
    QCOMPARE(m_window->link().deviceName(), path);
    QVERIFY(!m_window->findChild<QCheckBox *>("CheckVerify")->isChecked());

    m_window.reset();
    device.reset();
    m_window = startWindow();
    QVERIFY(!m_window->link().isPortOpen());
    QCOMPARE(log(), QStringList{"Program spuštěn"});
}

// QSettings would block at start on a settings file that is a FIFO: the
// window starts with its defaults and says why.
void TestPortEntry::settingsFifoIsSkipped()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/vrk04-test";
    const QString fifo = folder + u'/' + QCoreApplication::applicationName() + ".conf";
    QFile::remove(fifo);
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto removeFifo = qScopeGuard([&] { QFile::remove(fifo); });
    m_window = startWindow();
    QVERIFY2(log().value(0).contains(QStringLiteral("nelze přečíst: není to obyčejný soubor")), qPrintable(log().join(u'|')));
    QVERIFY(!m_window->link().isPortOpen());
}

// A folder that cannot be created even by root: one line and one message,
// the first time only.
void TestPortEntry::unwritableSettingsAreReported()
{
    QFile file(m_settings.filePath("file.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, file.fileName() + "/settings");
    const auto restorePath = qScopeGuard(
        [&] { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path()); });
    QStringList notices;
    FailureNotice::box() = [&notices](QWidget *, const QString &text) { notices << text; };
    m_window = startWindow();
    m_window->findChild<QCheckBox *>("CheckVerify")->click();
    m_window->findChild<QCheckBox *>("CheckVerify")->click();
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices.at(0).startsWith(QStringLiteral("Nastavení nelze uložit do")), qPrintable(notices.at(0)));
    QCOMPARE(log().value(0), notices.at(0));
}

QTEST_MAIN(TestPortEntry)
#include "tst_portentry.moc"
