// SPDX-License-Identifier: MIT
// The main window's configuration files, offscreen through its real buttons:
// open, save, open what was saved, a dropped file, and files that are refused.
#include "ConfigFileActions.h"
#include "Fingerprint.h"
#include "FlexGrid.h"
#include "Form1.h"
#include "ModuleCopies.h"
#include "PdfText.h"
#include "StatusBox.h"
#include "TableEdit.h"
#include "TestBytes.h"
#include "TestFiles.h"
#include "TestTexts.h"
#include "WindowTestAids.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestConfigFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void openSaveAndOpenAgain_data();
    void openSaveAndOpenAgain();
    void savesTheCustomersSheet();
    void droppedFileOpens();
    void fileGivenAtStart_data();
    void fileGivenAtStart();
    void refusedFileChangesNothing_data();
    void refusedFileChangesNothing();
    void failedSaveLeavesNoFile_data();
    void failedSaveLeavesNoFile();
    void newControlsInFreeRoomAndFocusOrder();
    void asksBeforeLosingTheTable_data();
    void asksBeforeLosingTheTable();
    void moduleCopiesPruneOnlyTheirOwn_data();
    void moduleCopiesPruneOnlyTheirOwn();

private:
    void newWindow();
    void click(const char *name) { QTest::mouseClick(m_window->findChild<QPushButton *>(name), Qt::LeftButton); }
    QString cell(int row, int column) const { return m_window->findChild<FlexGrid *>("grid1")->TextMatrix(row, column); }
    QString captions() const;
    QString newestLogLine() const;
    // The file that the next dialog returns.
    void choose(const QString &path);

    std::unique_ptr<Form1> m_window;
    QTemporaryDir m_dir;
    FileChooser m_dialog;
};

void TestConfigFiles::initTestCase()
{
    mapPortsToNothing();
    QStandardPaths::setTestModeEnabled(true);
    m_dialog = fileChooser();
    QVERIFY(m_dir.isValid());
}

void TestConfigFiles::init()
{
    newWindow();
}

void TestConfigFiles::cleanup()
{
    m_window.reset();
    fileChooser() = m_dialog;
}

void TestConfigFiles::newWindow()
{
    m_window = std::make_unique<Form1>();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

QString TestConfigFiles::captions() const
{
    QString shown;
    for (const char *name : {"Command8", "Command9", "Command10", "Command11", "Command12"})
        shown += m_window->findChild<QPushButton *>(name)->text();
    return shown;
}

QString TestConfigFiles::newestLogLine() const
{
    const QString log = m_window->findChild<StatusBox *>("Text2")->text();
    return log.section(QStringLiteral("\r\n"), 0, 0).section(QStringLiteral(" --> "), 1);
}

void TestConfigFiles::choose(const QString &path)
{
    fileChooser() = [path](QWidget *, FileDialogMode, const QString &) { return path; };
}

void TestConfigFiles::openSaveAndOpenAgain_data()
{
    QTest::addColumn<QString>("suffix");  // of both files: the form is saved by it
    QTest::addColumn<QByteArray>("file"); // opened, then saved the same again
    QTest::addColumn<QByteArray>("image");
    QTest::newRow("raw image") << "bin" << referenceCommandImage() << referenceCommandImage();
    QTest::newRow("CSV") << "csv" << referenceCsv() << referenceTextImage();
    QTest::newRow("JSON") << "json" << referenceJson() << referenceTextImage();
}

void TestConfigFiles::openSaveAndOpenAgain()
{
    QFETCH(QString, suffix);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, image);
    const QString golden = m_dir.filePath(QStringLiteral("golden.") + suffix);
    const QString saved = m_dir.filePath(QStringLiteral("saved.") + suffix);
    put(golden, file);

    choose(golden);
    click("CommandOpen");
    QCOMPARE(m_window->configuration().ConfigImage(), image);
    QCOMPARE(cell(5, 1), QStringLiteral(" #Zapni čer"));
    QCOMPARE(cell(5, 3), QStringLiteral("IMPULS"));
    QCOMPARE(captions(), QStringLiteral("10100"));
    QCOMPARE(newestLogLine(), QStringLiteral("Načteno ze souboru „golden.%1“").arg(suffix));

    choose(saved);
    click("CommandSave");
    QCOMPARE(contents(saved), file);
    QCOMPARE(newestLogLine(), QStringLiteral("Uloženo do souboru „saved.%1“").arg(suffix));

    newWindow();
    // A button's shortcut clicks it after showing it pressed for a moment.
    QTest::keyClick(m_window.get(), Qt::Key_O, Qt::ControlModifier);
    QTRY_COMPARE(m_window->configuration().ConfigImage(), image);
    QCOMPARE(cell(5, 1), QStringLiteral(" #Zapni čer"));
    QCOMPARE(captions(), QStringLiteral("10100"));
}

// The sheet of the table as it stands, named after the file it came from;
// the table still belongs to that file.
void TestConfigFiles::savesTheCustomersSheet()
{
    if (!PdfText::available())
        QSKIP("poppler-utils (pdftotext) is not installed: the sheet cannot be read back");
    const QString golden = m_dir.filePath(QStringLiteral("golden.bin"));
    const QString sheet = m_dir.filePath(QStringLiteral("list.pdf"));
    put(golden, referenceCommandImage());
    choose(golden);
    click("CommandOpen");
    setCell(m_window->configuration(), 0, CommandTable::SmsText, QStringLiteral("ZAPNI TOPENÍ"));
    const QString title = m_window->windowTitle();

    choose(sheet);
    click("CommandSave");
    QCOMPARE(newestLogLine(), QStringLiteral("Uloženo do souboru „list.pdf“"));
    QCOMPARE(m_window->windowTitle(), title);
    const QString text = PdfText::text(sheet);
    for (const QString &part : {QStringLiteral("#ZAPNI TOPENÍ"), QStringLiteral("#Zapni čer"), QStringLiteral("golden.bin"),
                                QStringLiteral("Otisk konfigurace: ") + configFingerprint(m_window->configuration())})
        QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" in:\n") + text));
    QCOMPARE(text.count(u'#'), 2);
}

void TestConfigFiles::droppedFileOpens()
{
    const QString golden = m_dir.filePath(QStringLiteral("dropped.bin"));
    put(golden, referenceCommandImage());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(golden)});
    // The image box takes dropped text, but a file goes to the window.
    QWidget *target = m_window->findChild<QPlainTextEdit *>("Text1")->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    QTRY_COMPARE(cell(5, 1), QStringLiteral(" #Zapni čer"));
    QCOMPARE(newestLogLine(), QStringLiteral("Načteno ze souboru „dropped.bin“"));
}

// vrk04-setup FILE: as "Otevřít…" opens it; a file that cannot be read
// gives its message and leaves start-up's empty table.
void TestConfigFiles::fileGivenAtStart_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("row5");
    QTest::newRow("site.json") << true << " #Zapni čer";
    QTest::newRow("no such file") << false << " #";
}

void TestConfigFiles::fileGivenAtStart()
{
    QFETCH(bool, exists);
    QFETCH(QString, row5);
    const QString path = m_dir.filePath(QStringLiteral("site.json"));
    QFile::remove(path);
    if (exists)
        put(path, referenceJson());
    const auto seen = exists ? nullptr : answerNextMessageBox();
    m_window->openFile(path);
    QCOMPARE(cell(5, 1), row5);
    QVERIFY(exists || seen->text.contains(QStringLiteral("soubor neexistuje")));
}

void TestConfigFiles::refusedFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "(none)": no such file; "(folder)": a folder
    QTest::addColumn<QString>("reason");
    const char FF = char(0xFF);
    QTest::newRow("714 bytes") << referenceCommandImage().left(714) << "má 714 B, konfigurační obraz má nejméně 715 B";
    QTest::newRow("one byte over 64 KiB") << referenceCommandImage() + QByteArray(64 * 1024 - 2048 + 1, FF)
                                          << "povoleno je nejvýše 65536 B";
    QTest::newRow("erased module") << QByteArray(2048, FF) << "bajt 0xff na pozici 656";
    QTest::newRow("no such file") << QByteArray("(none)") << "soubor neexistuje";
    QTest::newRow("a folder") << QByteArray("(folder)") << "je to složka";
}

void TestConfigFiles::refusedFileChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(QStringLiteral("refused-%1").arg(QTest::currentDataTag()));
    if (bytes == "(folder)")
        QVERIFY(QDir().mkpath(path));
    else if (bytes != "(none)")
        put(path, bytes);
    Configuration &config = m_window->configuration();
    click("Command9");
    config.setCommand(3, {"tri", "RELE3", "IMPULS", "7", "ANO"});
    m_window->RefreshGrid();
    config.receiveImage("kept");
    const CommandTable before = config.CommandTable();
    const QString lastLine = newestLogLine();

    choose(path);
    // First the question about the edits, then the reason.
    const auto boxes = answerMessageBoxes({QMessageBox::Discard, QMessageBox::Ok});
    const SeenMessageBox *seen = &boxes->last();
    click("CommandOpen");
    QTRY_VERIFY(seen->seen);
    QVERIFY2(seen->text.contains(reason), qPrintable(seen->text));
    QCOMPARE(seen->title, QStringLiteral("VRK-04 setup*"));
    QCOMPARE(config.ConfigImage(), QByteArray("kept"));
    QVERIFY(config.CommandTable() == before);
    QCOMPARE(cell(4, 1), QStringLiteral(" #tri"));
    QCOMPARE(captions(), QStringLiteral("10111"));
    QCOMPARE(newestLogLine(), lastLine);
}

void TestConfigFiles::failedSaveLeavesNoFile_data()
{
    QTest::addColumn<QString>("sms");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("logged"); // a file that could not be written, not a table refused
    QTest::newRow("SMS text too long") << QString(33, u'x') << "old.bin" << "Soubor nebyl uložen." << false;
    QTest::newRow("no such folder") << "ok" << "missing/new.bin" << "neexistuje" << true;
    QTest::newRow("sheet of a text too long") << QString(33, u'x') << "list.pdf" << "Soubor nebyl uložen." << false;
    // A folder that cannot be written even by root.
    QTest::newRow("folder under a file") << "ok" << "old.bin/new.bin" << "nelze uložit" << true;
}

void TestConfigFiles::failedSaveLeavesNoFile()
{
    QFETCH(QString, sms);
    QFETCH(QString, file);
    QFETCH(QString, reason);
    QFETCH(bool, logged);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    put(dir.filePath(QStringLiteral("old.bin")), "old");
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    setCell(m_window->configuration(), 0, CommandTable::SmsText, sms);
    const QString lastLine = newestLogLine();

    choose(path);
    const auto seen = answerNextMessageBox();
    click("CommandSave");
    QTRY_VERIFY(seen->seen);
    QVERIFY2(seen->text.contains(reason), qPrintable(seen->text));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), filesBefore);
    QCOMPARE(contents(dir.filePath(QStringLiteral("old.bin"))), QByteArray("old"));
    if (logged)
        QVERIFY2(newestLogLine().endsWith(seen->text), qPrintable(newestLogLine()));
    else
        QCOMPARE(newestLogLine(), lastLine);
}

void TestConfigFiles::newControlsInFreeRoomAndFocusOrder()
{
    const QStringList added{"CheckVerify", "CommandVerify", "CommandOpen", "CommandSave"};
    for (const QString &name : added) {
        auto *control = m_window->findChild<QAbstractButton *>(name);
        QVERIFY2(control, qPrintable(name));
        QVERIFY(!control->toolTip().isEmpty());
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(name));
        // A push button's size hint has a minimum width of its own.
        const QSize needed = qobject_cast<QCheckBox *>(control)
                                 ? control->sizeHint()
                                 : control->fontMetrics().size(0, control->text()) + QSize(8, 4);
        QVERIFY2(needed.width() <= control->width() && needed.height() <= control->height(),
                 qPrintable(QStringLiteral("%1 clips its text: needs %2 × %3 px")
                                .arg(name)
                                .arg(needed.width())
                                .arg(needed.height())));
        for (QObject *other : control->parent()->children()) {
            auto *sibling = qobject_cast<QWidget *>(other);
            if (!sibling || sibling == control || !sibling->isVisibleTo(m_window.get()))
                continue;
            // Text1 and the row below it share one pixel in the original design.
            const QRect shared = control->geometry().intersected(sibling->geometry());
            QVERIFY2(shared.isEmpty() || shared.height() <= 1,
                     qPrintable(name + " covers " + sibling->objectName()));
        }
    }
    QStringList chain{"Command4"};
    for (QWidget *w = m_window->findChild<QWidget *>("Command4")->nextInFocusChain(); chain.size() <= added.size();
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
    }
    QCOMPARE(chain, QStringList{"Command4"} + added);
}

// What a click does to a table that is at stake: start-up's empty table about
// to be written, or edits about to be replaced or dropped.
void TestConfigFiles::asksBeforeLosingTheTable_data()
{
    using Box = QMessageBox;
    QTest::addColumn<bool>("edited");          // RELE2's default clicked first
    QTest::addColumn<QString>("action");       // a button, or "close" for the window's frame
    QTest::addColumn<Box::StandardButton>("answer"); // NoButton: no question expected
    QTest::addColumn<QString>("logged");       // in the log afterwards; "!text": not in it
    QTest::addColumn<QString>("title");

    const QString asIs = QStringLiteral("VRK-04 setup");
    const QString edited = QStringLiteral("VRK-04 setup*");
    QTest::newRow("untouched table, write, Ne") << false << "Command2" << Box::No << "!Zápis START" << asIs;
    QTest::newRow("untouched table, write, Ano") << false << "Command2" << Box::Yes << "Zápis START" << asIs;
    QTest::newRow("edited table, write asks nothing") << true << "Command2" << Box::NoButton << "Zápis START"
                                                      << edited;
    QTest::newRow("edits, read, Zrušit") << true << "Command1" << Box::Cancel << "!Vyčítání START" << edited;
    QTest::newRow("edits, read, Zahodit") << true << "Command1" << Box::Discard << "Vyčítání START" << edited;
    QTest::newRow("edits, read, Uložit") << true << "Command1" << Box::Save << "Uloženo do souboru „saved.bin“"
                                         << "saved.bin – VRK-04 setup";
    QTest::newRow("edits, open, Zahodit") << true << "CommandOpen" << Box::Discard
                                          << "Načteno ze souboru „golden.bin“" << "golden.bin – VRK-04 setup";
    QTest::newRow("edits, win -> data, Zrušit") << true << "Command5" << Box::Cancel << "!Uloženo" << edited;
    QTest::newRow("edits, KONEC, Zrušit") << true << "Command4" << Box::Cancel << "!Uloženo" << edited;
    QTest::newRow("edits, closing, Zrušit") << true << "close" << Box::Cancel << "!Uloženo" << edited;
    QTest::newRow("edits, closing, Zahodit") << true << "close" << Box::Discard << "!Uloženo" << edited;
}

void TestConfigFiles::asksBeforeLosingTheTable()
{
    QFETCH(bool, edited);
    QFETCH(QString, action);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, logged);
    QFETCH(QString, title);
    const QString golden = m_dir.filePath(QStringLiteral("golden.bin"));
    const QString saved = m_dir.filePath(QStringLiteral("saved.bin"));
    put(golden, referenceCommandImage());
    QFile::remove(saved);
    QString folderOffered;
    const QString chosen = action == u"CommandOpen" ? golden : saved;
    fileChooser() = [&](QWidget *, FileDialogMode, const QString &folder) {
        folderOffered = folder;
        return chosen;
    };
    if (edited)
        click("Command9");
    if (action == u"Command5")
        click("Command7"); // the box holds an image to take

    const auto seen = answer == QMessageBox::NoButton ? std::make_shared<SeenMessageBox>()
                                                      : answerNextMessageBox(answer);
    if (action == u"close")
        QCOMPARE(m_window->close(), answer == QMessageBox::Discard);
    else
        click(action.toLatin1().constData());
    QCOMPARE(seen->seen, answer != QMessageBox::NoButton);
    QCOMPARE(bool(seen->buttons & QMessageBox::Yes), answer == QMessageBox::Yes || answer == QMessageBox::No);
    const QString log = m_window->findChild<StatusBox *>("Text2")->text();
    if (logged.startsWith(u'!'))
        QVERIFY2(!log.contains(logged.mid(1)), qPrintable(log));
    else
        QVERIFY2(log.contains(logged), qPrintable(log));
    QCOMPARE(m_window->windowTitle(), title);
    if (action == u"CommandOpen")
        QCOMPARE(folderOffered, ModuleCopies::folder()); // nothing opened before
}

// The copies of modules read: the user's files among them, copies dated
// later (a clock once wrong) and a folder linked elsewhere.
void TestConfigFiles::moduleCopiesPruneOnlyTheirOwn_data()
{
    QTest::addColumn<int>("oldCopies");
    QTest::addColumn<int>("laterCopies");
    QTest::addColumn<bool>("linkedElsewhere"); // "moduly" a symbolic link out of the data folder

    QTest::newRow("212 files, two the user's, five dated later") << 205 << 5 << false;
#ifdef Q_OS_UNIX
    QTest::newRow("moduly linked elsewhere") << 5 << 0 << true;
#endif
}

void TestConfigFiles::moduleCopiesPruneOnlyTheirOwn()
{
    QFETCH(int, oldCopies);
    QFETCH(int, laterCopies);
    QFETCH(bool, linkedElsewhere);
    QDir copies(ModuleCopies::folder());
    QTemporaryDir elsewhere;
    QVERIFY(copies.removeRecursively() && elsewhere.isValid());
    if (linkedElsewhere) {
        QVERIFY(QDir().mkpath(QFileInfo(copies.path()).path()));
        QVERIFY(QFile::link(elsewhere.path(), copies.path()));
    } else {
        QVERIFY(copies.mkpath(QStringLiteral(".")));
    }
    const QStringList users = {"00-vzor Brno.bin", "1.bin"};
    QStringList later;
    for (const QString &name : users)
        put(copies.filePath(name), "user's");
    for (int k = 0; k < oldCopies; ++k)
        put(copies.filePath(QStringLiteral("2000-01-01_00-00-00-%1.bin").arg(k, 3, 10, QChar(u'0'))), "old");
    for (int k = 0; k < laterCopies; ++k) {
        later << QStringLiteral("2099-01-01_00-00-0%1-000.bin").arg(k);
        put(copies.filePath(later.last()), "later");
    }

    QString problem;
    const QString copy = ModuleCopies::keep(referenceCommandImage(), &problem);
    for (const QString &name : users + later)
        QVERIFY2(copies.exists(name), qPrintable(name));
    const QStringList left = copies.entryList({QStringLiteral("2*.bin")}, QDir::Files);
    if (linkedElsewhere) {
        QVERIFY2(copy.isEmpty() && problem.contains(QStringLiteral("odkaz mimo")), qPrintable(problem));
        QCOMPARE(left.size(), oldCopies);
    } else {
        QCOMPARE(fileBytes(copy), referenceCommandImage());
        QCOMPARE(left.size(), ModuleCopies::Kept);
        QVERIFY(!copies.exists(QStringLiteral("2000-01-01_00-00-00-010.bin")));
        QVERIFY(copies.exists(QStringLiteral("2000-01-01_00-00-00-011.bin")));
    }
    QVERIFY(QFile::remove(copies.path()) || copies.removeRecursively());
}

QTEST_MAIN(TestConfigFiles)
#include "tst_configfiles.moc"
