// SPDX-License-Identifier: MIT
// The command editor: loading a row, the output and time rules, the field
// filters and storing, through clicks and keys on the real dialog.
#include "Configuration.h"
#include "TableEdit.h"
#include "Form2.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>
#include <memory>

using Row = CommandTable::Row;

namespace {

const QStringList Outputs = {"SYSTEM", "RELE1", "RELE2", "RELE3", "RELE4", "RELE5"};
const QStringList SystemActions = {"TEST", "RESET"};
const QStringList RelayActions = {"ROZEPNUTI", "SEPNUTI", "IMPULS", "ZMENA"};

enum class PastePath { Keyboard, ContextMenu, Drop };

QStringList items(const QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

// Types text character by character; characters outside ASCII go as key
// events that carry only their text.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClicks(widget, QString(ch));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), {});
    }
}

// Puts text into the field at its end the way the user would paste or drop it.
void pasteText(QLineEdit *field, const QString &text, PastePath path)
{
    field->setFocus();
    field->end(false);
    switch (path) {
    case PastePath::Keyboard:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        break;
    case PastePath::ContextMenu: {
        QGuiApplication::clipboard()->setText(text);
        const QPoint inside = field->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Mouse, inside, field->mapToGlobal(inside));
        QApplication::sendEvent(field, &request);
        QMenu *menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
        const QString shortcut = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        QAction *paste = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().endsWith(shortcut))
                paste = action;
        }
        QVERIFY(paste);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
        QTRY_VERIFY(!menu->isVisible());
        break;
    }
    case PastePath::Drop: {
        QMimeData mime;
        mime.setText(text);
        const QPoint end(field->width() - 3, field->height() / 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(field, &enter);
        QDragMoveEvent move(end, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(field, &move);
        QDropEvent drop(QPointF(end), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(field, &drop);
        break;
    }
    }
}

void addPastePaths(int column, const char *name, const QString &start, const QString &pasted,
                   const QString &kept)
{
    QTest::addRow("%s, Ctrl+V", name) << column << start << pasted << int(PastePath::Keyboard) << kept;
    QTest::addRow("%s, menu", name) << column << start << pasted << int(PastePath::ContextMenu) << kept;
    QTest::addRow("%s, drop", name) << column << start << pasted << int(PastePath::Drop) << kept;
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadsRow_data();
    void loadsRow();
    void storesFields_data();
    void storesFields();
    void storesLimitedTime();
    void leavingChangesNothing_data();
    void leavingChangesNothing();
    void checkBoxOnlyToggles();

    void outputChangeFollowsKind_data();
    void outputChangeFollowsKind();
    void outputChangedAndStoredAtOnce();
    void outputChosenFromList_data();
    void outputChosenFromList();

    void timeTyped_data();
    void timeTyped();

    void smsLimitTyped();
    void smsCharactersTyped_data();
    void smsCharactersTyped();
    void pasted_data();
    void pasted();

    void returningReloads();
    void rowChangedUnderTheEditorShowsInIt();
    void returningFromAnotherApplicationKeepsEdits();
    void anotherRowWhileOpen_data();
    void anotherRowWhileOpen();

    void focusOrder();
    void enterDoesNothingInFieldsEscapeLeaves();
    void textsFitTheirControls();
    void titleBarStaysEmpty();

    void screenshot();

private:
    void open(int gridRow);
    template<typename T>
    T *control(const char *name) const
    {
        return m_form ? m_form->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    }
    QLineEdit *text1() const { return control<QLineEdit>("Text1"); }
    QCheckBox *check1() const { return control<QCheckBox>("Check1"); }
    QLineEdit *text2() const { return control<QLineEdit>("Text2"); }
    QComboBox *combo1() const { return control<QComboBox>("Combo1"); }
    QComboBox *combo2() const { return control<QComboBox>("Combo2"); }
    QLineEdit *text3() const { return control<QLineEdit>("Text3"); }
    QPushButton *command1() const { return control<QPushButton>("Command1"); }
    QPushButton *command2() const { return control<QPushButton>("Command2"); }
    void retype(QComboBox *box, const QString &text);

    std::unique_ptr<Configuration> m_config;
    std::unique_ptr<QWidget> m_mainWindow;
    QPointer<Form2> m_form;
    int m_refreshes = 0;
};

void TestForm2::init()
{
    m_config = std::make_unique<Configuration>();
    m_config->ResetTable();
    // Every row different, so that a row off by one shows.
    for (int r = 0; r < CommandTable::RowCount; ++r)
        m_config->setCommand(r, {QStringLiteral("povel%1").arg(r + 1), "RELE1", "ZMENA",
                                          QString::number(r), "NE"});
    m_refreshes = 0;
    connect(m_config.get(), &Configuration::tableChanged, this, [this] { ++m_refreshes; });
    m_mainWindow = std::make_unique<QWidget>();
    m_mainWindow->resize(300, 200);
    m_mainWindow->show();
    m_mainWindow->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_mainWindow.get());
}

void TestForm2::cleanup()
{
    m_mainWindow.reset();
    QVERIFY(m_form.isNull());
    m_config.reset();
}

void TestForm2::open(int gridRow)
{
    if (!m_form)
        m_form = new Form2(*m_config, m_mainWindow.get());
    m_form->editRow(gridRow);
    QTRY_COMPARE(QApplication::activeWindow(), m_form.data());
}

void TestForm2::retype(QComboBox *box, const QString &text)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    typeText(box, text);
    QCOMPARE(box->currentText(), text);
}

void TestForm2::loadsRow_data()
{
    QTest::addColumn<Row>("cells");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("time");
    QTest::addColumn<bool>("confirm");

    QTest::newRow("reset row") << CommandTable::emptyRow() << "SYSTEM" << "TEST" << SystemActions
                               << "0" << false;
    QTest::newRow("unknown output") << Row{"x", "RELE9", "SEPNUTI", "5", "ANO"} << "" << "SEPNUTI"
                                    << RelayActions << "5" << true;
    QTest::newRow("SYSTEM with a relay action") << Row{"x", "SYSTEM", "SEPNUTI", "1", "NE"} << "SYSTEM"
                                                << "" << SystemActions << "1" << false;
    QTest::newRow("relay with a system action") << Row{"x", "RELE2", "RESET", "1", "NE"} << "RELE2"
                                                << "" << RelayActions << "1" << false;
    QTest::newRow("names are case-sensitive") << Row{"x", "system", "test", "1", "ano"} << ""
                                              << "" << RelayActions << "1" << false;
    QTest::newRow("stored 120 held at 90") << Row{"x", "RELE5", "IMPULS", "120", "ANO"} << "RELE5"
                                           << "IMPULS" << RelayActions << "90" << true;
    QTest::newRow("90 stays") << Row{"x", "RELE3", "ZMENA", "90", "NE"} << "RELE3" << "ZMENA"
                              << RelayActions << "90" << false;
    QTest::newRow("91 held") << Row{"x", "RELE3", "ZMENA", "91", "NE"} << "RELE3" << "ZMENA"
                             << RelayActions << "90" << false;
    QTest::newRow("leading zero stays") << Row{"x", "RELE4", "SEPNUTI", "05", "NE"} << "RELE4"
                                        << "SEPNUTI" << RelayActions << "05" << false;
    QTest::newRow("negative time as decoded") << Row{"x", "RELE3", "IMPULS", "-27", "NE"} << "RELE3"
                                              << "IMPULS" << RelayActions << "-27" << false;
    QTest::newRow("empty time") << Row{"x", "SYSTEM", "RESET", "", "NE"} << "SYSTEM" << "RESET"
                                << SystemActions << "" << false;
}

void TestForm2::loadsRow()
{
    QFETCH(Row, cells);
    QFETCH(QString, output);
    QFETCH(QString, action);
    QFETCH(QStringList, actions);
    QFETCH(QString, time);
    QFETCH(bool, confirm);

    cells[CommandTable::SmsText] = QStringLiteral("Zapni čerpadlo #2");
    m_config->setCommand(6, cells);
    const CommandTable before = m_config->CommandTable();
    open(7);

    QCOMPARE(text1()->text(), "7");
    QCOMPARE(items(combo1()), Outputs);
    QCOMPARE(combo1()->currentText(), output);
    QCOMPARE(items(combo2()), actions);
    QCOMPARE(combo2()->currentText(), action);
    QCOMPARE(text2()->text(), "Zapni čerpadlo #2");
    QCOMPARE(text3()->text(), time);
    QCOMPARE(check1()->isChecked(), confirm);
    QCOMPARE(m_config->CommandTable(), before);
    m_form->close();
}

void TestForm2::storesFields_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("confirmation");
    QTest::newRow("checked") << true << "ANO";
    QTest::newRow("unchecked") << false << "NE";
}

void TestForm2::storesFields()
{
    QFETCH(bool, confirm);
    QFETCH(QString, confirmation);

    open(20);
    if (check1()->isChecked() != confirm)
        QTest::mouseClick(check1(), Qt::LeftButton);
    text2()->setFocus();
    text2()->selectAll();
    typeText(text2(), QStringLiteral(" Světlo ZAP "));
    combo1()->setFocus();
    retype(combo1(), QStringLiteral("RELE4"));
    combo2()->setFocus();
    retype(combo2(), QStringLiteral("vlastní"));
    text3()->setFocus();
    text3()->selectAll();
    QTest::keyClicks(text3(), QStringLiteral("07"));
    CommandTable expected = m_config->CommandTable();
    expected.setRow(19, {" Světlo ZAP ", "RELE4", "vlastní", "07", confirmation});

    QTest::mouseClick(command1(), Qt::LeftButton);

    QCOMPARE(m_config->CommandTable(), expected);
    QCOMPARE(m_refreshes, 1);
    QTRY_VERIFY(m_form.isNull());
}

void TestForm2::storesLimitedTime()
{
    m_config->setCommand(0, {"a", "RELE1", "IMPULS", "120", "NE"});
    open(1);
    QTest::mouseClick(command1(), Qt::LeftButton);
    QCOMPARE(m_config->CommandTable().row(0), (Row{"a", "RELE1", "IMPULS", "90", "NE"}));
    QTRY_VERIFY(m_form.isNull());
}

void TestForm2::leavingChangesNothing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Zpět") << false;
    QTest::newRow("close box") << true;
}

void TestForm2::leavingChangesNothing()
{
    QFETCH(bool, closeBox);

    const CommandTable before = m_config->CommandTable();
    open(4);
    QTest::mouseClick(check1(), Qt::LeftButton);
    text2()->setFocus();
    QTest::keyClicks(text2(), QStringLiteral("xyz"));
    combo1()->setFocus();
    retype(combo1(), QStringLiteral("SYSTEM"));
    text3()->setFocus();
    QTest::keyClick(text3(), Qt::Key_Backspace);

    if (closeBox)
        m_form->close();
    else
        QTest::mouseClick(command2(), Qt::LeftButton);

    QTRY_VERIFY(m_form.isNull());
    QCOMPARE(m_config->CommandTable(), before);
    QCOMPARE(m_refreshes, 0);
}

void TestForm2::checkBoxOnlyToggles()
{
    const CommandTable before = m_config->CommandTable();
    open(2);
    QVERIFY(!check1()->isChecked());
    QTest::mouseClick(check1(), Qt::LeftButton);
    QVERIFY(check1()->isChecked());
    QCOMPARE(m_config->CommandTable(), before);
    QCOMPARE(m_refreshes, 0);
    QTest::mouseClick(check1(), Qt::LeftButton);
    QVERIFY(!check1()->isChecked());
    QCOMPARE(items(combo2()), RelayActions);
    QCOMPARE(combo2()->currentText(), "ZMENA");
    m_form->close();
}

void TestForm2::outputChangeFollowsKind_data()
{
    QTest::addColumn<Row>("cells");
    QTest::addColumn<QString>("newOutput");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("actions");

    QTest::newRow("RELE1 to RELE2 keeps the action")
        << Row{"", "RELE1", "IMPULS", "5", "NE"} << "RELE2" << "IMPULS" << RelayActions;
    QTest::newRow("RELE1 to SYSTEM") << Row{"", "RELE1", "IMPULS", "5", "NE"} << "SYSTEM" << ""
                                     << SystemActions;
    QTest::newRow("SYSTEM to RELE3") << Row{"", "SYSTEM", "RESET", "0", "NE"} << "RELE3" << ""
                                     << RelayActions;
    QTest::newRow("SYSTEM to typed system") << Row{"", "SYSTEM", "RESET", "0", "NE"} << "system"
                                            << "" << RelayActions;
    QTest::newRow("RELE1 to typed text keeps the action")
        << Row{"", "RELE1", "SEPNUTI", "5", "NE"} << "RELE7" << "SEPNUTI" << RelayActions;
    QTest::newRow("SYSTEM to SYSTEM keeps the action")
        << Row{"", "SYSTEM", "RESET", "0", "NE"} << "SYSTEM" << "RESET" << SystemActions;
    QTest::newRow("empty to SYSTEM") << Row{"", "", "ZMENA", "0", "NE"} << "SYSTEM" << ""
                                     << SystemActions;
}

void TestForm2::outputChangeFollowsKind()
{
    QFETCH(Row, cells);
    QFETCH(QString, newOutput);
    QFETCH(QString, action);
    QFETCH(QStringList, actions);

    m_config->setCommand(8, cells);
    open(9);
    text2()->setFocus();
    QTest::keyClick(text2(), Qt::Key_Tab);
    QVERIFY(combo1()->hasFocus());
    retype(combo1(), newOutput);
    QTest::keyClick(combo1(), Qt::Key_Tab);
    QVERIFY(combo2()->hasFocus());

    QCOMPARE(combo1()->currentText(), newOutput);
    QCOMPARE(items(combo1()), Outputs);
    QCOMPARE(items(combo2()), actions);
    QCOMPARE(combo2()->currentText(), action);
    m_form->close();
}

void TestForm2::outputChangedAndStoredAtOnce()
{
    m_config->setCommand(2, {"a", "RELE1", "IMPULS", "5", "ANO"});
    open(3);
    combo1()->setFocus();
    retype(combo1(), QStringLiteral("SYSTEM"));
    QTest::mouseClick(command1(), Qt::LeftButton);
    QCOMPARE(m_config->CommandTable().row(2), (Row{"a", "SYSTEM", "", "5", "ANO"}));
    QTRY_VERIFY(m_form.isNull());
}

// Opening the list and picking from it is no change of focus: the rule runs
// when the user then leaves the box, and the row is not loaded again.
void TestForm2::outputChosenFromList_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("picked");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("action");

    QTest::newRow("SYSTEM picked") << "" << 0 << SystemActions << "";
    QTest::newRow("SYSTEM typed, RELE2 picked") << "SYSTEM" << 2 << RelayActions << "ZMENA";
}

void TestForm2::outputChosenFromList()
{
    QFETCH(QString, typed);
    QFETCH(int, picked);
    QFETCH(QStringList, actions);
    QFETCH(QString, action);

    open(5);
    text2()->setFocus();
    QTest::keyClicks(text2(), QStringLiteral("!"));
    combo1()->setFocus();
    QCOMPARE(combo1()->currentText(), "RELE1");
    if (!typed.isEmpty())
        retype(combo1(), typed);

    combo1()->showPopup();
    QAbstractItemView *list = combo1()->view();
    QTRY_VERIFY(list->isVisible());
    const QRect item = list->visualRect(list->model()->index(picked, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(combo1()->currentText(), Outputs.at(picked));
    QCOMPARE(text2()->text(), "povel5!");

    QTRY_VERIFY(combo1()->hasFocus());
    QTest::keyClick(combo1(), Qt::Key_Tab);
    QCOMPARE(items(combo2()), actions);
    QCOMPARE(combo2()->currentText(), action);
    QCOMPARE(items(combo1()), Outputs);
    m_form->close();
}

void TestForm2::timeTyped_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("time");

    QTest::newRow("9 5") << "95" << "90";
    QTest::newRow("9 1") << "91" << "90";
    QTest::newRow("9 0") << "90" << "90";
    QTest::newRow("0") << "0" << "0";
    QTest::newRow("0 5") << "05" << "05";
    QTest::newRow("no third digit") << "123" << "12";
    QTest::newRow("letters") << "aZ" << "";
    QTest::newRow("space") << "4 " << "4";
    QTest::newRow("minus") << "-4" << "4";
    QTest::newRow("comma") << "1,5" << "15";
    QTest::newRow("full stop") << "1.5" << "15";
    QTest::newRow("plus") << "+3" << "3";
}

void TestForm2::timeTyped()
{
    QFETCH(QString, keys);
    QFETCH(QString, time);

    setCell(*m_config, 0, CommandTable::Time, QString());
    open(1);
    text3()->setFocus();
    QTest::keyClicks(text3(), keys);
    QCOMPARE(text3()->text(), time);

    QTest::keyClick(text3(), Qt::Key_Backspace);
    QCOMPARE(text3()->text(), time.isEmpty() ? time : time.chopped(1));
    m_form->close();
}

void TestForm2::smsLimitTyped()
{
    const QString text32 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");
    setCell(*m_config, 1, CommandTable::SmsText, QString());
    open(2);
    text2()->setFocus();
    QTest::keyClicks(text2(), text32);
    QCOMPARE(text2()->text(), text32);
    QTest::keyClicks(text2(), QStringLiteral("6"));
    typeText(text2(), QStringLiteral("ř"));
    QCOMPARE(text2()->text(), text32);
    QTest::keyClick(text2(), Qt::Key_Backspace);
    typeText(text2(), QStringLiteral("ř"));
    QCOMPARE(text2()->text(), text32.chopped(1) + QStringLiteral("ř"));

    QTest::mouseClick(command1(), Qt::LeftButton);
    QCOMPARE(m_config->CommandTable().cell(1, CommandTable::SmsText), text32.chopped(1) + QStringLiteral("ř"));
    QTRY_VERIFY(m_form.isNull());
}

void TestForm2::smsCharactersTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("Czech") << "řůěščžýáíéúťďňŘŮĚŠČŽÝÁÍÉÚŤĎŇ" << "řůěščžýáíéúťďňŘŮĚŠČŽÝÁÍÉÚŤĎŇ";
    QTest::newRow("euro, quotes, dashes") << "€„“–—§°" << "€„“–—§°";
    QTest::newRow("Cyrillic refused") << "aЖb" << "ab";
    QTest::newRow("fill byte refused") << "a˙b" << "ab";
    QTest::newRow("CJK refused") << "a中b" << "ab";
    QTest::newRow("Latin-1 outside the code page") << "aæñb" << "ab";
}

void TestForm2::smsCharactersTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    setCell(*m_config, 0, CommandTable::SmsText, QString());
    open(1);
    text2()->setFocus();
    typeText(text2(), typed);
    QCOMPARE(text2()->text(), kept);
    m_form->close();
}

// Pasted and dropped text: the SMS field keeps what Windows-1250 holds, up to
// 32 characters; the time field keeps digits, up to two, held at 90.
void TestForm2::pasted_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("path");
    QTest::addColumn<QString>("kept");

    const int sms = CommandTable::SmsText;
    const QString text30 = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123");
    addPastePaths(sms, "Czech kept", "", "Zapni čerpadlo €", "Zapni čerpadlo €");
    addPastePaths(sms, "refused dropped", "x", "aЖb˙c中", "xabc");
    addPastePaths(sms, "cut to 32", "", text30 + "4567", text30 + "45");
    addPastePaths(sms, "refused do not take room", text30, "Ж˙ř˙ů!", text30 + "řů");
    addPastePaths(sms, "line break dropped", "", "ab\ncd\te", "abcde");
    addPastePaths(sms, "full SMS", text30 + "45", "z", text30 + "45");

    const int time = CommandTable::Time;
    addPastePaths(time, "digits among letters", "", "a1b2c3", "12");
    addPastePaths(time, "above 90", "", "95", "90");
    addPastePaths(time, "after a digit", "9", "x5y7", "90");
    addPastePaths(time, "with unit", "", "7 s", "7");
    addPastePaths(time, "no digits", "4", "abc", "4");
    addPastePaths(time, "full time", "12", "3", "12");
}

void TestForm2::pasted()
{
    QFETCH(int, column);
    QFETCH(QString, start);
    QFETCH(QString, pasted);
    QFETCH(int, path);
    QFETCH(QString, kept);

    setCell(*m_config, 0, column, start);
    open(1);
    QLineEdit *field = column == CommandTable::Time ? text3() : text2();
    pasteText(field, pasted, PastePath(path));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(field->text(), kept);
    m_form->close();
}

// A read from the module while the editor is open rewrites the table; the
// editor shows the new row when the user comes back to it, and "Vložit"
// stores what it then shows.
void TestForm2::returningReloads()
{
    open(6);
    text2()->setFocus();
    QTest::keyClicks(text2(), QStringLiteral(" unsaved"));
    combo1()->setFocus();
    retype(combo1(), QStringLiteral("SYSTEM"));

    m_mainWindow->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_mainWindow.get());
    m_config->setCommand(5, {"nové", "SYSTEM", "RESET", "33", "ANO"});
    m_refreshes = 0;
    m_form->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_form.data());

    QCOMPARE(text2()->text(), "nové");
    QCOMPARE(items(combo1()), Outputs);
    QCOMPARE(combo1()->currentText(), "SYSTEM");
    QCOMPARE(items(combo2()), SystemActions);
    QCOMPARE(combo2()->currentText(), "RESET");
    QCOMPARE(text3()->text(), "33");
    QVERIFY(check1()->isChecked());

    QTest::mouseClick(command1(), Qt::LeftButton);
    QCOMPARE(m_config->CommandTable().row(5), (Row{"nové", "SYSTEM", "RESET", "33", "ANO"}));
    QCOMPARE(m_refreshes, 1);
    QTRY_VERIFY(m_form.isNull());
}

// The table changes while the editor stays active (a read ends, a file is
// dropped on the main window): another row's change keeps what was typed; a
// change of its own row shows at once, and "Vložit" stores the table's row,
// not the old one.
void TestForm2::rowChangedUnderTheEditorShowsInIt()
{
    open(3);
    check1()->click();
    m_config->setCommand(7, {"jiný", "RELE2", "IMPULS", "5", "NE"});
    QVERIFY(check1()->isChecked());

    m_config->setCommand(2, {"ze souboru", "RELE2", "IMPULS", "5", "NE"});
    QCOMPARE(text2()->text(), "ze souboru");
    QVERIFY(!check1()->isChecked());
    QTest::mouseClick(command1(), Qt::LeftButton);
    QCOMPARE(m_config->CommandTable().row(2), (Row{"ze souboru", "RELE2", "IMPULS", "5", "NE"}));
    QTRY_VERIFY(m_form.isNull());
}

// The user copies a text from another application and comes back: what was
// typed stays. The window system's report of that round trip is sent by hand,
// as no platform plugin for tests has a second application to go to.
void TestForm2::returningFromAnotherApplicationKeepsEdits()
{
    open(6);
    text2()->setFocus();
    QTest::keyClicks(text2(), QStringLiteral(" unsaved"));

    emit qApp->focusWindowChanged(nullptr);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(m_form, &deactivate);
    emit qApp->focusWindowChanged(m_form->windowHandle());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(m_form, &activate);

    QCOMPARE(text2()->text(), QStringLiteral("povel6 unsaved"));
    m_form->close();
}

void TestForm2::anotherRowWhileOpen_data()
{
    QTest::addColumn<bool>("fromMainWindow");
    QTest::newRow("after the main window") << true;
    QTest::newRow("while active") << false;
}

void TestForm2::anotherRowWhileOpen()
{
    QFETCH(bool, fromMainWindow);

    m_config->setCommand(1, {"dva", "SYSTEM", "TEST", "0", "ANO"});
    m_config->setCommand(4, {"pět", "RELE5", "SEPNUTI", "12", "NE"});
    open(2);
    QVERIFY(check1()->isChecked());
    combo1()->setFocus();
    const QPointer<Form2> first = m_form;

    if (fromMainWindow) {
        m_mainWindow->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), m_mainWindow.get());
    }
    open(5);

    QCOMPARE(m_form, first);
    QCOMPARE(text1()->text(), "5");
    QVERIFY(!check1()->isChecked());
    QCOMPARE(text2()->text(), "pět");
    QCOMPARE(combo1()->currentText(), "RELE5");
    QCOMPARE(items(combo2()), RelayActions);
    QCOMPARE(combo2()->currentText(), "SEPNUTI");
    QCOMPARE(text3()->text(), "12");

    // Leaving the output box unchanged keeps the loaded action.
    QTRY_VERIFY(combo1()->hasFocus());
    QTest::keyClick(combo1(), Qt::Key_Tab);
    QCOMPARE(combo2()->currentText(), "SEPNUTI");
    QTest::mouseClick(command1(), Qt::LeftButton);
    QCOMPARE(m_config->CommandTable().row(4), (Row{"pět", "RELE5", "SEPNUTI", "12", "NE"}));
    QCOMPARE(m_config->CommandTable().row(1), (Row{"dva", "SYSTEM", "TEST", "0", "ANO"}));
    QTRY_VERIFY(m_form.isNull());
}

void TestForm2::focusOrder()
{
    open(1);
    text1()->setFocus();
    const QList<QWidget *> expected = {check1(), text2(), combo1(), combo2(), text3(),
                                        command1(), command2(), text1()};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    m_form->close();
}

// Enter in a field does nothing; Escape leaves as "Zpět" does, storing nothing.
void TestForm2::enterDoesNothingInFieldsEscapeLeaves()
{
    const CommandTable before = m_config->CommandTable();
    open(1);
    for (QWidget *field : {static_cast<QWidget *>(text2()), static_cast<QWidget *>(text3()),
                           static_cast<QWidget *>(combo1())}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(m_form->isVisible());
    }
    QCOMPARE(items(combo1()), Outputs);
    check1()->click();
    QTest::keyClick(text2(), Qt::Key_Escape);
    QTRY_VERIFY(m_form.isNull());
    QCOMPARE(m_config->CommandTable(), before);

    open(1);

    // Enter on the focused button is a click.
    command2()->setFocus();
    QTest::keyClick(command2(), Qt::Key_Return);
    QTRY_VERIFY(m_form.isNull());
}

// Nothing is cut off: every caption fits its control in the font it is drawn in.
void TestForm2::textsFitTheirControls()
{
    open(1);
    QVERIFY(m_form->windowTitle().isEmpty());
    QCOMPARE(m_form->size(), QSize(461, 232));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    const auto labels = m_form->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 7);
    for (const QLabel *label : labels) {
        QVERIFY2(label->sizeHint().width() <= label->width(),
                 qPrintable(QStringLiteral("%1: %2 > %3")
                                .arg(label->objectName())
                                .arg(label->sizeHint().width())
                                .arg(label->width())));
    }
    for (const QPushButton *button : {command1(), command2()})
        QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width());
    // The check box's caption fits the room beside its indicator.
    QStyleOptionButton option;
    option.initFrom(check1());
    const QRect caption = check1()->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check1());
    QVERIFY(check1()->fontMetrics().horizontalAdvance(check1()->text()) <= caption.width());
    m_form->close();
}

// For an empty title X11 shows the program's name instead: the window system
// gets a blank one.
void TestForm2::titleBarStaysEmpty()
{
    open(1);
    const QString shown = m_form->windowHandle()->title();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.trimmed(), QString());
    m_form->close();
}

// Saves a picture of the dialog when VRK04_SCREENSHOT_DIR names a folder;
// under a window manager also one with its frame and title bar, taken from
// the screen.
void TestForm2::screenshot()
{
    const QString folder = qEnvironmentVariable("VRK04_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("VRK04_SCREENSHOT_DIR not set");
    m_config->setCommand(11, {"Zapni topení v garáži", "RELE2", "IMPULS", "45", "ANO"});
    open(12);
    QVERIFY(m_form->grab().save(folder + QStringLiteral("/Form2.png")));
    QTest::qWait(500); // the window manager frames the window
    const QRect frame = m_form->frameGeometry();
    if (frame != m_form->geometry()) {
        const QPixmap screen = m_form->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        QVERIFY(screen.save(folder + QStringLiteral("/Form2-frame.png")));
    }
    m_form->close();
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
