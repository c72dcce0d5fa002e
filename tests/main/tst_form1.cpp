// SPDX-License-Identifier: MIT
// The main window, offscreen, through its real widgets: start-up state, the
// default output buttons, the image box and its two buttons, the status log
// and the port options on pseudo-terminals.
#include "ConfigFileActions.h"
#include "ConfigImage.h"
#include "TableEdit.h"
#include "TestBytes.h"
#include "FlexGrid.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "ImageTextBox.h"
#include "LinkLabel.h"
#include "OpenLink.h"
#include "Questions.h"
#ifdef Q_OS_UNIX
#include "SimulatorProcess.h"
#include "SpareTerminal.h"
#endif
#include "StatusBox.h"
#include "Windows1250.h"
#include "WindowTestAids.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QClipboard>
#include <QComboBox>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QEventLoop>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace ConfigImageLayout;

namespace {

const char FF = char(0xFF);

// The value a progress bar showed when it was last painted.
class PaintedValue : public QObject
{
public:
    explicit PaintedValue(QProgressBar *bar)
        : m_bar(bar)
    {
        bar->installEventFilter(this);
    }
    int value = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_bar && event->type() == QEvent::Paint)
            value = m_bar->value();
        return false;
    }

private:
    QProgressBar *m_bar;
};

// The horizontal centres of the runs of ink in a picture of text, runs
// closer than gap pixels taken as one word.
QList<int> inkCentres(const QImage &picture, int gap)
{
    const int background = qGray(picture.pixel(0, 0));
    QList<int> centres;
    int first = -1;
    int last = -1;
    for (int x = 0; x < picture.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < picture.height() && !ink; ++y)
            ink = qGray(picture.pixel(x, y)) < background - 60;
        if (!ink)
            continue;
        if (first >= 0 && x - last > gap) {
            centres << (first + last) / 2;
            first = -1;
        }
        if (first < 0)
            first = x;
        last = x;
    }
    if (first >= 0)
        centres << (first + last) / 2;
    return centres;
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUpState();
    void focusOrder();
    void statusLogGrowsAtTheTop();
    void timeOfDayFormats_data();
    void timeOfDayFormats();

    void defaultButtons_data();
    void defaultButtons();
    void decodedDefaultsShowOnButtons();

    void dataToWinShowsReferenceImage();
    void everyByteSurvivesTheBox();
    void everyByteSurvivesTheClipboard();
    void plainTextFromElsewhereKeepsEveryByte();
    void emptyBoxIsRefused();
    void undecodableTextChangesNothing_data();
    void undecodableTextChangesNothing();
    void grid1ShowsDecodedTable();
    void unmappableCharacterNamed_data();
    void unmappableCharacterNamed();
    void refusedTableLeavesTheBoxEmpty();
    void outputNamesStandOverTheirButtons();
#ifdef Q_OS_UNIX
    void barEmptiesAndABoxSaysWhatFailed();
    void lineTraceSavedForSupport();

    void scanEnablesOnlyPseudoTerminal();
    void portHeldByAnotherProgramIsDisabled();
    void choosingAPortOpensIt();
    void choosingATakenPortLogsAndSurvives();
#else
    void scanProbesTheSystemsComPorts();
#endif

    void gridDoubleClickOpensOneEditor();
    void gridAlwaysShowsTheTable_data();
    void gridAlwaysShowsTheTable();
    void numberColumnDoubleClickOpensEditor_data();
    void numberColumnDoubleClickOpensEditor();
    void keysInTheGrid_data();
    void keysInTheGrid();
    void helpOpensOneWindow();
    void linkLabelsOpenTheirAddresses();
    void closingTheWindowClosesTheOthers();

    void konecEndsTheProgram(); // must stay last: it ends the event loops

private:
    QPushButton *button(const char *name) const { return m_window->findChild<QPushButton *>(name); }
    FlexGrid *grid() const { return m_window->findChild<FlexGrid *>("grid1"); }
    ImageTextBox *imageBox() const { return m_window->findChild<ImageTextBox *>("Text1"); }
    StatusBox *statusBox() const { return m_window->findChild<StatusBox *>("Text2"); }
    QString captions() const;
    void doubleClickGridRow(int gridRow, int column = 1);
    QList<Form3 *> helpWindows() const;
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    std::unique_ptr<Form1> m_window;
};

void TestForm1::initTestCase()
{
    mapPortsToNothing();
    // The table's questions ("win -> data" over edits) are answered
    // "Ano" / "Zahodit"; tst_configfiles tries the other answers.
    questionBox() = [](QWidget *, const QString &, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton) {
        return buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Discard;
    };
}

void TestForm1::init()
{
    m_window = std::make_unique<Form1>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestForm1::cleanup()
{
    m_window.reset();
    mapPortsToNothing();
}

QString TestForm1::captions() const
{
    QString shown;
    for (const char *name : {"Command8", "Command9", "Command10", "Command11", "Command12"})
        shown += button(name)->text();
    return shown;
}

void TestForm1::startUpState()
{
    const QString log = statusBox()->text();
    static const QRegularExpression line(QStringLiteral("^(.+) --> Program spuštěn\r\n$"));
    const QRegularExpressionMatch match = line.match(log);
    QVERIFY2(match.hasMatch(), qPrintable(log));
    const QTime time = QLocale::system().toTime(match.captured(1), ::timeOfDayFormat(QLocale::system()));
    QVERIFY2(time.isValid(), qPrintable(match.captured(1)));

    QCOMPARE(m_window->findChild<QTabWidget *>("SSTab1")->currentIndex(), 1);
    QCOMPARE(m_window->findChild<QTabWidget *>("SSTab1")->tabText(1), QStringLiteral("Nastavení"));

    FlexGrid *g = grid();
    QCOMPARE(g->Rows(), 21);
    QCOMPARE(g->Cols(), 6);
    const QStringList headings{"č.", "Tvar SMS", "Výstup", "Akce", "Čas/s", "Oznam"};
    for (int c = 0; c < 6; ++c)
        QCOMPARE(g->TextMatrix(0, c), headings.at(c));
    for (int r = 1; r <= 20; ++r) {
        const QStringList row{QString::number(r), " #", "SYSTEM", "TEST", "0", "NE"};
        for (int c = 0; c < 6; ++c)
            QCOMPARE(g->TextMatrix(r, c), row.at(c));
    }

    QCOMPARE(captions(), QStringLiteral("11111"));
    QCOMPARE(m_window->configuration().DefaultStateByte1(), quint8(0x3F));
    QCOMPARE(m_window->configuration().DefaultStateByte2(), quint8(0x3F));
    QVERIFY(!button("Command6")->isEnabled());
    QVERIFY(imageBox()->isEmpty());
    auto *bar = m_window->findChild<QProgressBar *>("bar");
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->maximum(), 2050);
    auto *timer = m_window->findChild<QTimer *>("Timer1");
    QVERIFY(!timer->isActive());
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->interval(), 10);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("VRK-04 setup"));
}

void TestForm1::focusOrder()
{
    const QStringList expected{"Text1",    "SSTab1",   "grid1",     "Command12", "Command11", "Command10",
                               "Command9", "Command8", "Command5",  "Command7",  "Option1",   "Option2",
                               "Option3",  "Option4",  "Option5",   "Option6",   "Command3",  "Command2",
                               "Command1", "Text2",    "Picture1",  "Command6",  "Command13", "Command4"};
    QStringList chain;
    QWidget *first = m_window->findChild<QWidget *>("Text1");
    QWidget *w = first;
    do {
        if (expected.contains(w->objectName()) && !chain.contains(w->objectName()))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    QCOMPARE(chain, expected);
}

void TestForm1::statusLogGrowsAtTheTop()
{
    m_window->LogStatus(QStringLiteral("Vyčítání START"));
    m_window->LogStatus(QStringLiteral("Prenos OK"));
    const QStringList lines = statusBox()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4); // three lines and the empty rest after the last CR LF
    QVERIFY(lines.at(0).endsWith(QStringLiteral(" --> Prenos OK")));
    QVERIFY(lines.at(1).endsWith(QStringLiteral(" --> Vyčítání START")));
    QVERIFY(lines.at(2).endsWith(QStringLiteral(" --> Program spuštěn")));
    QCOMPARE(lines.at(3), QString());
}

void TestForm1::timeOfDayFormats_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Czech") << "cs_CZ" << "14:05:09";
    QTest::newRow("German") << "de_DE" << "14:05:09";
    QTest::newRow("US English") << "en_US" << "2:05:09 PM";
    QTest::newRow("C") << "C" << "14:05:09";
}

void TestForm1::timeOfDayFormats()
{
    QFETCH(QString, locale);
    QFETCH(QString, shown);
    const QLocale l(locale);
    QCOMPARE(l.toString(QTime(14, 5, 9), ::timeOfDayFormat(l)).replace(QChar(0x202F), u' '), shown);
}

void TestForm1::defaultButtons_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("captions");
    QTest::addColumn<int>("byte1");
    QTest::addColumn<int>("byte2");
    QTest::newRow("RELE1") << QStringList{"Command8"} << "01111" << 0x3E << 0x3F;
    QTest::newRow("RELE1 twice") << QStringList{"Command8", "Command8"} << "11111" << 0x3F << 0x3F;
    QTest::newRow("RELE1 to RELE4")
        << QStringList{"Command8", "Command9", "Command10", "Command11"} << "00001" << 0x30 << 0x3F;
    QTest::newRow("RELE5") << QStringList{"Command12"} << "11110" << 0x3F << 0x3E;
    QTest::newRow("RELE2") << QStringList{"Command9"} << "10111" << 0x3D << 0x3F;
}

void TestForm1::defaultButtons()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, captions);
    QFETCH(int, byte1);
    QFETCH(int, byte2);
    const CommandTable table = m_window->configuration().CommandTable();
    for (const QString &name : clicks)
        click(name.toLatin1().constData());
    QCOMPARE(this->captions(), captions);
    QCOMPARE(int(m_window->configuration().DefaultStateByte1()), byte1);
    QCOMPARE(int(m_window->configuration().DefaultStateByte2()), byte2);
    QVERIFY(m_window->configuration().CommandTable() == table);
    QVERIFY(m_window->configuration().ConfigImage().isEmpty());
}

void TestForm1::decodedDefaultsShowOnButtons()
{
    QByteArray image = referenceResetImage();
    image[offset(DefaultStateByte1Pos)] = char(0xF5);
    image[offset(DefaultStateByte2Pos)] = char(0x00);
    imageBox()->setImage(image);
    click("Command5");
    QCOMPARE(captions(), QStringLiteral("10100"));
    click("Command7");
    const QByteArray shown = *imageBox()->image();
    QCOMPARE(quint8(shown.at(offset(DefaultStateByte1Pos))), quint8(0xF5));
    QCOMPARE(quint8(shown.at(offset(DefaultStateByte2Pos))), quint8(0x00));
    click("Command12");
    QCOMPARE(m_window->configuration().DefaultStateByte2(), quint8(0x3F));
    QCOMPARE(m_window->configuration().DefaultStateByte1(), quint8(0x35));
}

void TestForm1::dataToWinShowsReferenceImage()
{
    click("Command7");
    const auto shown = imageBox()->image();
    QVERIFY(shown);
    QCOMPARE(shown->size(), 2048);
    QCOMPARE(*shown, referenceResetImage());
    QCOMPARE(imageBox()->document()->characterCount() - 1, 2048);
}

void TestForm1::everyByteSurvivesTheBox()
{
    // Twenty SMS texts that together hold every byte but the fill byte 0xFF;
    // the fill itself supplies 0xFF.
    Configuration &config = m_window->configuration();
    const QByteArray bytes = allBytes();
    for (int r = 0; r < 8; ++r)
        setCell(config, r, CommandTable::SmsText, Windows1250::toText(bytes.mid(32 * r, 32)).remove(QChar(0x02D9)));
    const CommandTable before = config.CommandTable();
    click("Command7");
    const QByteArray image = config.ConfigImage();
    for (int b = 0; b < 256; ++b)
        QVERIFY2(image.contains(char(b)), qPrintable(QString::number(b)));
    click("Command5");
    QVERIFY(config.CommandTable() == before);
    QCOMPARE(config.ConfigImage(), image);

    imageBox()->setImage(bytes);
    QCOMPARE(*imageBox()->image(), bytes);
}

void TestForm1::everyByteSurvivesTheClipboard()
{
    const QByteArray bytes = allBytes() + "\r\n\r\r\n\n" + allBytes();
    imageBox()->setImage(bytes);
    imageBox()->selectAll();
    imageBox()->copy();
    imageBox()->clear();
    QVERIFY(imageBox()->isEmpty());
    imageBox()->paste();
    QCOMPARE(*imageBox()->image(), bytes);
    QCOMPARE(QApplication::clipboard()->text(), Windows1250::toText(bytes));
}

void TestForm1::plainTextFromElsewhereKeepsEveryByte()
{
    const QByteArray bytes = allBytes() + "\r\n\r\n";
    QApplication::clipboard()->setText(Windows1250::toText(bytes));
    imageBox()->clear();
    imageBox()->setFocus();
    QTest::keyClick(imageBox(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(*imageBox()->image(), bytes);
}

void TestForm1::emptyBoxIsRefused()
{
    Configuration &config = m_window->configuration();
    config.receiveImage("kept");
    const auto seen = answerNextMessageBox();
    click("Command5");
    QTRY_VERIFY(seen->seen);
    QVERIFY(seen->text.startsWith(QStringLiteral("Nutno vložit platná data !\n")));
    QCOMPARE(seen->title, QStringLiteral("VRK-04 setup"));
    QCOMPARE(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(config.ConfigImage(), QByteArray("kept"));
    QCOMPARE(grid()->TextMatrix(1, 2), QStringLiteral("SYSTEM"));
}

void TestForm1::undecodableTextChangesNothing_data()
{
    QTest::addColumn<QString>("shown"); // the box's text
    QTest::addColumn<QString>("reason");
    QString cyrillic = ImageTextBox::bytesToDisplay(referenceResetImage());
    cyrillic[5] = QChar(0x0416);
    QTest::newRow("a character outside Windows-1250") << cyrillic << "pozici 6";
    QTest::newRow("too short") << QStringLiteral("abc") << "příliš krátká: 3 znaků";
    QTest::newRow("erased module") << ImageTextBox::bytesToDisplay(QByteArray(2048, FF)) << "pozici 656";
    QTest::newRow("714 characters")
        << ImageTextBox::bytesToDisplay(referenceResetImage().left(714)) << "příliš krátká: 714 znaků";
}

void TestForm1::undecodableTextChangesNothing()
{
    QFETCH(QString, shown);
    QFETCH(QString, reason);
    Configuration &config = m_window->configuration();
    click("Command9"); // RELE2 shows "0"
    config.setCommand(3, {"tri", "RELE3", "IMPULS", "7", "ANO"});
    m_window->RefreshGrid();
    config.receiveImage("kept");
    const CommandTable before = config.CommandTable();

    imageBox()->setPlainText(shown);
    const auto seen = answerNextMessageBox();
    click("Command5");
    QTRY_VERIFY(seen->seen);
    QVERIFY2(seen->text.contains(reason), qPrintable(seen->text));
    QVERIFY(seen->text.contains(QStringLiteral("Data nebyla převzata.")));
    QCOMPARE(config.ConfigImage(), QByteArray("kept"));
    QVERIFY(config.CommandTable() == before);
    QCOMPARE(captions(), QStringLiteral("10111"));
    QCOMPARE(config.DefaultStateByte1(), quint8(0x3D));
    QCOMPARE(grid()->TextMatrix(4, 1), QStringLiteral(" #tri"));
}

void TestForm1::grid1ShowsDecodedTable()
{
    QByteArray image = referenceResetImage();
    image.replace(offset(smsFieldPos(4)), 9, QByteArray("Zapni \xE8" "er"));
    image.replace(offset(recordPos(4)), 3, QByteArray("32\xA5"));
    image.replace(offset(recordPos(19)), 3, QByteArray("53\xFA"));
    imageBox()->setImage(image);
    click("Command5");
    const QStringList row5{"5", " #Zapni čer", "RELE3", "IMPULS", "5", "ANO"};
    for (int c = 0; c < 6; ++c)
        QCOMPARE(grid()->TextMatrix(5, c), row5.at(c));
    QCOMPARE(grid()->TextMatrix(20, 2), QStringLiteral("RELE5"));
    QCOMPARE(grid()->TextMatrix(20, 4), QStringLiteral("90"));
    QCOMPARE(grid()->TextMatrix(4, 2), QStringLiteral("SYSTEM"));
    QCOMPARE(grid()->TextMatrix(6, 1), QStringLiteral(" #"));
}

void TestForm1::unmappableCharacterNamed_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<QString>("named");
    QTest::newRow("Cyrillic") << QStringLiteral("Ж") << QStringLiteral("Znak „Ж“ (U+0416) na pozici 6");
    QTest::newRow("emoji, a surrogate pair")
        << QStringLiteral("\U0001F600") << QStringLiteral("Znak „\U0001F600“ (U+1F600) na pozici 6");
    QTest::newRow("right-to-left override") << QStringLiteral("\u202E") << "Znak U+202E na pozici 6";
    QTest::newRow("zero-width space") << QStringLiteral("\u200B") << "Znak U+200B na pozici 6";
    QTest::newRow("C1 control") << QStringLiteral("\u0085") << "Znak U+0085 na pozici 6";
}

void TestForm1::unmappableCharacterNamed()
{
    QFETCH(QString, character);
    QFETCH(QString, named);
    const QString shown = ImageTextBox::bytesToDisplay(referenceResetImage());
    imageBox()->setPlainText(shown.left(5) + character + shown.mid(6));
    const auto seen = answerNextMessageBox();
    click("Command5");
    QTRY_VERIFY(seen->seen);
    QVERIFY2(seen->text.startsWith(named), qPrintable(seen->text));
}

// An image that cannot be made leaves no stale image in the box for "win -> data".
void TestForm1::refusedTableLeavesTheBoxEmpty()
{
    imageBox()->setPlainText(QStringLiteral("staré"));
    setCell(m_window->configuration(), 0, CommandTable::SmsText, QString(33, u'x'));
    const auto seen = answerNextMessageBox();
    click("Command7");
    QTRY_VERIFY(seen->seen);
    QVERIFY(imageBox()->isEmpty());
}

// Each name of Label1, as drawn, is centred over its button.
void TestForm1::outputNamesStandOverTheirButtons()
{
    auto *label = m_window->findChild<QLabel *>("Label1");
    QCOMPARE(label->text(), QStringLiteral("RELE1    RELE2     RELE3     RELE4    RELE5"));
    const QList<int> drawn = inkCentres(label->grab().toImage(), label->fontMetrics().horizontalAdvance(u' ') / 2 + 2);
    QCOMPARE(drawn.size(), 5);
    const char *buttons[] = {"Command8", "Command9", "Command10", "Command11", "Command12"};
    for (int k = 0; k < 5; ++k) {
        const int centre = button(buttons[k])->geometry().center().x() - label->x();
        QVERIFY2(qAbs(drawn.at(k) - centre) <= 2,
                 qPrintable(QStringLiteral("RELE%1: %2 px off").arg(k + 1).arg(drawn.at(k) - centre)));
    }
}

#ifdef Q_OS_UNIX
// A read of a 10-byte image fails: the log keeps its lines, one box with
// "OK" only says what happened, and the bar is drawn empty again.
void TestForm1::barEmptiesAndABoxSaysWhatFailed()
{
    SimulatorProcess module;
    QVERIFY(module.start({"--size", "10"}));
    qputenv("VRK04_COM1", module.devicePath().toLocal8Bit());
    m_window = std::make_unique<Form1>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto *bar = m_window->findChild<QProgressBar *>("bar");
    PaintedValue painted(bar);
    QTest::mouseClick(m_window->findChild<QRadioButton *>("Option1"), Qt::LeftButton);
    const auto seen = answerNextMessageBox();
    click("Command1");
    QTRY_VERIFY(seen->seen);
    QVERIFY(statusBox()->text().contains(QStringLiteral("chyba v prenosu!")));
    QVERIFY2(seen->text.startsWith(QStringLiteral("Data z modulu nejsou platná konfigurace. Tabulka zůstala beze změny")),
             qPrintable(seen->text));
    QCOMPARE(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(bar->value(), 0);
    QTRY_COMPARE(painted.value, 0);
}

// Support gets the bytes of the last TEST, each with its direction.
void TestForm1::lineTraceSavedForSupport()
{
    SimulatorProcess module;
    QVERIFY(module.start());
    qputenv("VRK04_COM1", module.devicePath().toLocal8Bit());
    m_window = std::make_unique<Form1>();
    m_window->show();
    QTest::mouseClick(m_window->findChild<QRadioButton *>("Option1"), Qt::LeftButton);
    click("Command3");
    QTRY_VERIFY(statusBox()->text().contains(QStringLiteral("TEST OK")));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("záznam.txt"));
    const FileChooser dialog = std::exchange(fileChooser(), [path](QWidget *, FileDialogMode mode, const QString &) {
        return mode == FileDialogMode::SaveTrace ? path : QString();
    });
    click("CommandTrace");
    fileChooser() = dialog;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString trace = QString::fromUtf8(file.readAll());
    QVERIFY2(trace.contains(QRegularExpression(QStringLiteral("\\n +0\\.000 PC→ 03\\n +\\d+\\.\\d{3} →PC 06\\n"))),
             qPrintable(trace));
}

void TestForm1::scanEnablesOnlyPseudoTerminal()
{
    SpareTerminal pty;
    QVERIFY(pty.isValid());
    qputenv("VRK04_COM3", pty.path().toLocal8Bit());
    m_window = std::make_unique<Form1>();
    for (int k = 1; k <= 6; ++k) {
        auto *option = m_window->findChild<QRadioButton *>(QStringLiteral("Option%1").arg(k));
        QCOMPARE(option->text(), QStringLiteral("COM%1").arg(k));
        QCOMPARE(option->isEnabled(), k == 3);
        QVERIFY(!option->isChecked());
    }
    auto *com3 = m_window->findChild<QRadioButton *>("Option3");
    QCOMPARE(com3->toolTip(), pty.path());
    auto *com1 = m_window->findChild<QRadioButton *>("Option1");
    QCOMPARE(com1->toolTip(), QStringLiteral("/nonexistent/ttyVRK1: zařízení neexistuje"));
    QVERIFY(!m_window->link().isPortOpen());
}

void TestForm1::portHeldByAnotherProgramIsDisabled()
{
    SpareTerminal pty;
    qputenv("VRK04_COM2", pty.path().toLocal8Bit());
    QSerialPort other(pty.path());
    QVERIFY(other.open(QIODevice::ReadWrite));
    m_window = std::make_unique<Form1>();
    auto *com2 = m_window->findChild<QRadioButton *>("Option2");
    QVERIFY(!com2->isEnabled());
    QCOMPARE(com2->toolTip(), pty.path() + QStringLiteral(": port používá jiný program"));
}

void TestForm1::choosingAPortOpensIt()
{
    SpareTerminal pty;
    qputenv("VRK04_COM4", pty.path().toLocal8Bit());
    m_window = std::make_unique<Form1>();
    m_window->show();
    auto *com4 = m_window->findChild<QRadioButton *>("Option4");
    QTest::mouseClick(com4, Qt::LeftButton);
    QVERIFY(com4->isChecked());
    QVERIFY(m_window->link().isPortOpen());
    QCOMPARE(m_window->link().portLabel(), QStringLiteral("COM4"));
    QTest::mouseClick(com4, Qt::LeftButton); // again: closed and reopened
    QVERIFY(m_window->link().isPortOpen());
    QCOMPARE(statusBox()->text().count(QStringLiteral("\r\n")), 1);
}

void TestForm1::choosingATakenPortLogsAndSurvives()
{
    SpareTerminal pty;
    qputenv("VRK04_COM5", pty.path().toLocal8Bit());
    m_window = std::make_unique<Form1>();
    m_window->show();
    QSerialPort other(pty.path());
    QVERIFY(other.open(QIODevice::ReadWrite)); // taken since start-up
    QTest::mouseClick(m_window->findChild<QRadioButton *>("Option5"), Qt::LeftButton);
    QVERIFY(!m_window->link().isPortOpen());
    const QString newest = statusBox()->text().section(QStringLiteral("\r\n"), 0, 0);
    QVERIFY2(newest.endsWith(QStringLiteral(" --> Port COM5 nelze otevřít: port používá jiný program")),
             qPrintable(newest));
}
#else
// Option k probes the system's port COMk; none of them has a device here.
void TestForm1::scanProbesTheSystemsComPorts()
{
    for (int k = 1; k <= 6; ++k)
        qunsetenv(QByteArray("VRK04_COM" + QByteArray::number(k)).constData());
    m_window = std::make_unique<Form1>();
    for (int k = 1; k <= 6; ++k) {
        auto *option = m_window->findChild<QRadioButton *>(QStringLiteral("Option%1").arg(k));
        QVERIFY(!option->isEnabled());
        QVERIFY2(option->toolTip().startsWith(QStringLiteral("COM%1: ").arg(k)), qPrintable(option->toolTip()));
    }
}
#endif

// Double-clicks a cell of grid row gridRow, or its number for column 0.
void TestForm1::doubleClickGridRow(int gridRow, int column)
{
    m_window->findChild<QTabWidget *>("SSTab1")->setCurrentIndex(0);
    FlexGrid *g = grid();
    g->scrollToItem(g->item(gridRow - 1, 0));
    QWidget *area = g->viewport();
    QPoint cell;
    if (column == 0) {
        area = g->verticalHeader()->viewport();
        cell = QPoint(area->width() / 2, g->verticalHeader()->sectionViewportPosition(gridRow - 1) + 2);
    } else {
        cell = g->visualItemRect(g->item(gridRow - 1, column - 1)).center();
    }
    QTest::mouseClick(area, Qt::LeftButton, {}, cell);
    QTest::mouseDClick(area, Qt::LeftButton, {}, cell);
}

QList<Form3 *> TestForm1::helpWindows() const
{
    QList<Form3 *> windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *help = qobject_cast<Form3 *>(w); help && help->isVisible())
            windows << help;
    }
    return windows;
}

void TestForm1::gridDoubleClickOpensOneEditor()
{
    m_window->configuration().setCommand(2, {"tri", "RELE3", "IMPULS", "7", "ANO"});
    doubleClickGridRow(3);
    Form2 *editor = m_window->findChild<Form2 *>();
    QVERIFY(editor);
    QTRY_VERIFY(editor->isVisible());
    QCOMPARE(editor->findChild<QLineEdit *>("Text1")->text(), QStringLiteral("3"));
    QCOMPARE(editor->findChild<QLineEdit *>("Text2")->text(), QStringLiteral("tri"));

    doubleClickGridRow(20);
    QCOMPARE(m_window->findChildren<Form2 *>().size(), 1);
    QTRY_COMPARE(editor->findChild<QLineEdit *>("Text1")->text(), QStringLiteral("20"));
    QTRY_COMPARE(QApplication::activeWindow(), editor);
    QTRY_COMPARE(editor->findChild<QLineEdit *>("Text2")->text(), QString());
    QVERIFY(!editor->findChild<QCheckBox *>("Check1")->isChecked());

    editor->findChild<QLineEdit *>("Text2")->setFocus();
    QTest::keyClicks(editor->findChild<QLineEdit *>("Text2"), "VENTIL");
    QTest::mouseClick(editor->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QTRY_VERIFY(m_window->findChildren<Form2 *>().isEmpty());
    QCOMPARE(grid()->TextMatrix(20, 1), QStringLiteral(" #VENTIL"));
    QCOMPARE(grid()->TextMatrix(3, 1), QStringLiteral(" #tri"));
}

void TestForm1::gridAlwaysShowsTheTable_data()
{
    QTest::addColumn<int>("seed");
    for (int seed : {1, 2, 3, 4, 5})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

// Whatever the editor, the tabs, the image box and the window's focus do, in
// any order, the grid shows the table after every step.
void TestForm1::gridAlwaysShowsTheTable()
{
    QFETCH(int, seed);
    QRandomGenerator chance{quint32(seed)};
    auto *tabs = m_window->findChild<QTabWidget *>("SSTab1");
    for (int step = 0; step < 150; ++step) {
        Form2 *editor = m_window->findChild<Form2 *>();
        const auto editorChild = [editor](const char *name) { return editor->findChild<QWidget *>(name); };
        switch (editor ? chance.bounded(8) : chance.bounded(5, 8)) {
        case 0:
            QTest::mouseClick(editorChild("Check1"), Qt::LeftButton);
            break;
        case 1:
            if (auto *box = qobject_cast<QComboBox *>(editorChild(chance.bounded(2) ? "Combo1" : "Combo2"));
                box->count()) {
                box->setFocus();
                box->setCurrentIndex(chance.bounded(box->count()));
            }
            break;
        case 2:
            QTest::keyClicks(editorChild("Text2"), QStringLiteral("x"));
            break;
        case 3:
        case 4:
            QTest::mouseClick(editorChild(chance.bounded(3) ? "Command1" : "Command2"), Qt::LeftButton);
            break;
        case 5:
            doubleClickGridRow(1 + chance.bounded(CommandTable::RowCount), chance.bounded(6));
            break;
        case 6:
            tabs->setCurrentIndex(chance.bounded(tabs->count()));
            break;
        default:
            click("Command7");
            click("Command5");
        }
        QCoreApplication::processEvents();
        const CommandTable &table = m_window->configuration().CommandTable();
        for (int r = 0; r < CommandTable::RowCount; ++r) {
            for (int c = CommandTable::Output; c < CommandTable::ColumnCount; ++c)
                QCOMPARE(grid()->TextMatrix(r + 1, c + 1), table.cell(r, c));
        }
    }
}

void TestForm1::numberColumnDoubleClickOpensEditor_data()
{
    QTest::addColumn<int>("gridRow");
    QTest::newRow("row 3") << 3;
    QTest::newRow("row 20, scrolled") << 20;
}

void TestForm1::numberColumnDoubleClickOpensEditor()
{
    QFETCH(int, gridRow);
    setCell(m_window->configuration(), gridRow - 1, CommandTable::SmsText, QStringLiteral("číslo"));
    doubleClickGridRow(gridRow, 0);
    Form2 *editor = m_window->findChild<Form2 *>();
    QVERIFY(editor);
    QCOMPARE(editor->findChild<QLineEdit *>("Text1")->text(), QString::number(gridRow));
    QCOMPARE(editor->findChild<QLineEdit *>("Text2")->text(), QStringLiteral("číslo"));
}

void TestForm1::keysInTheGrid_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("focus"); // the control that has the focus afterwards
    QTest::addColumn<QPoint>("cell");   // the current cell (column, row) afterwards
    QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << "Command5" << QPoint(1, 1);
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "qt_tabwidget_tabbar"
                               << QPoint(1, 1);
    QTest::newRow("Down") << int(Qt::Key_Down) << 0 << "grid1" << QPoint(1, 2);
    QTest::newRow("Right") << int(Qt::Key_Right) << 0 << "grid1" << QPoint(2, 1);
}

// Tab and Shift+Tab leave the grid along the window's focus order (the
// settings page with the default buttons is hidden); the arrows move the cell.
void TestForm1::keysInTheGrid()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, focus);
    QFETCH(QPoint, cell);
    m_window->findChild<QTabWidget *>("SSTab1")->setCurrentIndex(0);
    FlexGrid *g = grid();
    g->setCurrentCell(0, 0);
    m_window->activateWindow(); // Xvfb without a window manager activates nothing itself
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    g->setFocus();
    QTRY_VERIFY(g->hasFocus());
    QTest::keyClick(g, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(QPoint(g->currentColumn() + 1, g->Row()), cell);
}

void TestForm1::helpOpensOneWindow()
{
    m_window->findChild<QTabWidget *>("SSTab1")->setCurrentIndex(2);
    click("Command13");
    click("Command13");
    QTRY_COMPARE(helpWindows().size(), 1);
    QTest::mouseClick(helpWindows().at(0)->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QTRY_COMPARE(helpWindows().size(), 0);
    click("Command13");
    QTRY_COMPARE(helpWindows().size(), 1);
}

void TestForm1::linkLabelsOpenTheirAddresses()
{
    QList<QUrl> opened;
    const LinkOpener browser = linkOpener();
    linkOpener() = [&opened](const QUrl &url) {
        opened << url;
        return false;
    };
    m_window->findChild<QTabWidget *>("SSTab1")->setCurrentIndex(2);
    auto *maker = m_window->findChild<LinkLabel *>("Label8");
    auto *support = m_window->findChild<LinkLabel *>("Label9");
    QTest::mouseClick(maker, Qt::LeftButton);
    QVERIFY(opened.isEmpty());
    QTest::mouseDClick(maker, Qt::LeftButton);
    QTest::mouseDClick(support, Qt::LeftButton);
    linkOpener() = browser;
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened.at(0).host(), maker->text());
    QCOMPARE(maker->tag(), maker->text());
    QVERIFY(opened.at(1).toString().contains(support->text()));
    QCOMPARE(statusBox()->text().count(QStringLiteral("\r\n")), 1);
}

void TestForm1::closingTheWindowClosesTheOthers()
{
    doubleClickGridRow(1);
    click("Command13");
    QTRY_COMPARE(helpWindows().size(), 1);
    QTRY_VERIFY(m_window->findChild<Form2 *>());
    m_window->close();
    QTRY_COMPARE(helpWindows().size(), 0);
    QTRY_VERIFY(!m_window->findChild<Form2 *>());
}

void TestForm1::konecEndsTheProgram()
{
    doubleClickGridRow(1);
    click("Command13");
    QEventLoop loop;
    QTimer::singleShot(0, this, [this] { click("Command4"); });
    QTimer::singleShot(60000, &loop, [&loop] { loop.exit(1); });
    QCOMPARE(loop.exec(), 0);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
