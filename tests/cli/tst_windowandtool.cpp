// The window and the command-line tool share one file format: a file saved by
// the window shows in `vrk04 show` as the window's grid has it, and a file
// that vrk04 read from a module opens in the window with the same table.
#include "ConfigFileActions.h"
#include "FlexGrid.h"
#include "Form1.h"
#include "SimulatorProcess.h"
#include "TestFiles.h"
#include "WindowTestAids.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestWindowAndTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void bothShowTheSameTable_data();
    void bothShowTheSameTable();

private:
    QByteArray vrk04(const QStringList &arguments);
    void click(const char *name) { QTest::mouseClick(m_window->findChild<QPushButton *>(name), Qt::LeftButton); }

    std::unique_ptr<Form1> m_window;
    QTemporaryDir m_dir;
    FileChooser m_dialog;
};

void TestWindowAndTool::initTestCase()
{
    mapPortsToNothing();
    m_dialog = fileChooser();
}

void TestWindowAndTool::cleanup()
{
    m_window.reset();
    fileChooser() = m_dialog;
}

// vrk04's standard output; empty when it fails.
QByteArray TestWindowAndTool::vrk04(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(VRK04_CLI_PATH), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

void TestWindowAndTool::bothShowTheSameTable_data()
{
    QTest::addColumn<QString>("savedBy");
    QTest::newRow("saved by the window") << "window";
    QTest::newRow("read from a module by vrk04") << "vrk04";
}

void TestWindowAndTool::bothShowTheSameTable()
{
    QFETCH(QString, savedBy);
    const QString file = m_dir.filePath(savedBy + QStringLiteral(".bin"));
    m_window = std::make_unique<Form1>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    fileChooser() = [file](QWidget *, FileDialogMode, const QString &) { return file; };
    if (savedBy == u"window") {
        m_window->configuration().setCommand(0, {"ZAPNI, \"TOPENÍ\"", "RELE2", "ZMENA", "12", "ANO"});
        m_window->configuration().setCommand(19, {"ŽALUZIE DOLŮ", "RELE5", "IMPULS", "90", "NE"});
        click("Command8");
        click("Command11");
        click("CommandSave");
    } else {
        SimulatorProcess simulator;
        QVERIFY(simulator.start({"--baud", "0"}));
        QVERIFY(!vrk04({"read", "--quiet", "--port", simulator.devicePath(), file}).isNull());
        click("CommandOpen");
        QCOMPARE(m_window->configuration().ConfigImage, contents(file));
    }

    const QJsonObject shown = QJsonDocument::fromJson(vrk04({"show", "--format", "json", file})).object();
    const QJsonArray commands = shown.value("commands").toArray();
    QCOMPARE(commands.size(), 20);
    auto *grid = m_window->findChild<FlexGrid *>("grid1");
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
    for (const QJsonValue bit : shown.value("defaults").toArray())
        defaults += QString::number(bit.toInt());
    QString captions;
    for (const char *name : {"Command8", "Command9", "Command10", "Command11", "Command12"})
        captions += m_window->findChild<QPushButton *>(name)->text();
    QCOMPARE(defaults, captions);
}

QTEST_MAIN(TestWindowAndTool)
#include "tst_windowandtool.moc"
