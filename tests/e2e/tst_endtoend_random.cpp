// SPDX-License-Identifier: MIT
// Presses of "TEST", "PC <- VRK-04" and "PC -> VRK-04" at random moments,
// during transfers and twice in a row, with the table edited in between,
// against the simulated module. Whatever the order: a write that reports
// "Prenos OK" left the module holding exactly the image written, and a read
// that reports it without "chyba v prenosu!" left the table showing exactly
// the module's image. VRK04_RANDOM_SEED replays a run.
#include "EndToEnd.h"
#include "FlexGrid.h"
#include "ImageCodec.h"
#include "ModuleImage.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

constexpr quint32 DefaultSeed = 20261208;
constexpr int PressLimit = 300;
constexpr qint64 TimeBudgetMs = 55000;

const QString SmsCharacters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789"
                                             " ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž.,!?-#");

} // namespace

class TestEndToEndRandom : public QObject
{
    Q_OBJECT

private slots:
    void randomPresses();

private:
    void act();
    void press(const char *button);
    void editTable();
    void waitRandomly();
    void watchLog(const QString &message);
    void checkRead(ModuleLink::Operation operation);
    QByteArray moduleImage() const;
    void violated(const QString &what);

    EndToEnd e2e;
    QTemporaryDir dir;
    QRandomGenerator rng;
    QStringList recent; // the last actions, for a failure's message
    QStringList violations;
    bool readReportedOk = false;
    int presses = 0;
    int writesChecked = 0;
    int readsChecked = 0;
};

void TestEndToEndRandom::randomPresses()
{
    bool set = false;
    const quint32 seed = quint32(qEnvironmentVariableIntValue("VRK04_RANDOM_SEED", &set));
    rng.seed(set ? seed : DefaultSeed);
    qInfo("VRK04_RANDOM_SEED=%u", set ? seed : DefaultSeed);

    QVERIFY(e2e.start({"--save", dir.filePath(QStringLiteral("module.bin"))}));
    // Each write is checked here against the module's file, not by a verify.
    e2e.setVerifyAfterWrite(false);
    // After the window's own handlers: the line is in the log and the grid
    // refreshed by then.
    connect(&e2e.window->link(), &ModuleLink::logged, this, &TestEndToEndRandom::watchLog);
    connect(&e2e.window->link(), &ModuleLink::operationEnded, this, &TestEndToEndRandom::checkRead);

    QElapsedTimer clock;
    clock.start();
    while (presses < PressLimit && clock.elapsed() < TimeBudgetMs && violations.isEmpty()) {
        act();
        waitRandomly();
    }
    // One more write and read, each to its end, so both checks have run; first
    // the module forgets a write that TEST left half-way (after 2 s).
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    e2e.runFor(2500);
    for (const char *button : {"Command2", "Command1"}) {
        press(button);
        QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    }
    qInfo("%d presses, %d writes and %d reads checked in %lld ms", presses, writesChecked, readsChecked,
          clock.elapsed());
    QVERIFY2(violations.isEmpty(), qPrintable(violations.join(u'\n')));
    QVERIFY(writesChecked > 0 && readsChecked > 0);
}

void TestEndToEndRandom::act()
{
    const int choice = int(rng.bounded(20));
    if (choice < 2) {
        editTable();
        return;
    }
    const char *button = choice < 5 ? "Command3" : choice < 12 ? "Command1" : "Command2";
    press(button);
    if (rng.bounded(5) == 0) {
        e2e.runFor(int(rng.bounded(300)));
        press(button);
    }
}

void TestEndToEndRandom::press(const char *button)
{
    ++presses;
    recent << QStringLiteral("%1 (state %2, bar %3)")
                  .arg(QLatin1String(button))
                  .arg(ModuleLinkInside::protocol(e2e.window->link()).LinkState())
                  .arg(ModuleLinkInside::protocol(e2e.window->link()).position());
    recent = recent.mid(qMax(0, int(recent.size()) - 12));
    e2e.click(button);
}

// A few rows replaced by valid random commands, and the default outputs.
void TestEndToEndRandom::editTable()
{
    Configuration &config = e2e.window->configuration();
    for (int n = int(rng.bounded(1, 4)); n > 0; --n) {
        QString sms;
        for (int k = int(rng.bounded(33)); k > 0; --k)
            sms += SmsCharacters.at(rng.bounded(int(SmsCharacters.size())));
        const int output = int(rng.bounded(int(Vocabulary::outputs().size())));
        const QStringList &actions = output == 0 ? Vocabulary::systemActions() : Vocabulary::relayActions();
        config.setCommand(int(rng.bounded(CommandTable::RowCount)),
                          {sms, Vocabulary::outputs().at(output), actions.at(rng.bounded(int(actions.size()))),
                           QString::number(rng.bounded(-32, 96)), rng.bounded(2) ? Vocabulary::Yes : Vocabulary::No});
    }
    // The default-output buttons sit on another page: clicked in code.
    for (const char *name : {"Command8", "Command9", "Command10", "Command11", "Command12"}) {
        if (rng.bounded(2))
            e2e.window->findChild<QPushButton *>(name)->click();
    }
    recent << QStringLiteral("edit");
}

// Short waits catch transfers in the middle; some let a transfer run to its
// end, but not through the 5000 empty steps of a module gone out of step.
void TestEndToEndRandom::waitRandomly()
{
    const int kind = int(rng.bounded(20));
    if (kind < 8)
        e2e.runFor(int(rng.bounded(30)));
    else if (kind < 18)
        e2e.runFor(int(rng.bounded(30, 250)));
    else
        e2e.waitUntilFinished(3000);
}

// Runs inside the step that logs: the module has saved a completed write
// before it answers with 25.
void TestEndToEndRandom::watchLog(const QString &message)
{
    const LinkProtocol &link = ModuleLinkInside::protocol(e2e.window->link());
    if (message == u"Prenos OK" && link.TransferMode() == 2) {
        ++writesChecked;
        if (moduleImage() != link.ImageBuffer())
            violated(QStringLiteral("write reported OK at position %1, the module holds another image")
                         .arg(link.position()));
    } else if (message == u"Prenos OK" && link.TransferMode() == 1) {
        readReportedOk = true;
    } else if (message == u"chyba v prenosu!" || message.startsWith(u"Vyčítání START")) {
        readReportedOk = false;
    }
}

// A read that ended with "Prenos OK" alone: table, grid and image as the module's.
void TestEndToEndRandom::checkRead(ModuleLink::Operation operation)
{
    if (operation != ModuleLink::Operation::Read || !std::exchange(readReportedOk, false))
        return;
    ++readsChecked;
    const Configuration &config = e2e.window->configuration();
    const QByteArray image = moduleImage();
    const ImageDecoding decoded = decodeImage(image, CommandTable());
    if (config.ConfigImage() != image || !decoded.ok() || !(config.CommandTable() == decoded.table)
        || config.DefaultStateByte1() != decoded.defaultStateByte1
        || config.DefaultStateByte2() != decoded.defaultStateByte2) {
        violated(QStringLiteral("read reported OK, %1 bytes read, the module holds %2 bytes%3")
                     .arg(config.ConfigImage().size())
                     .arg(image.size())
                     .arg(decoded.ok() ? QString() : QStringLiteral(" that do not decode")));
        return;
    }
    const auto *grid = e2e.window->findChild<FlexGrid *>("grid1");
    for (int r = 0; r < CommandTable::RowCount; ++r) {
        for (int c = 0; c < CommandTable::ColumnCount; ++c) {
            const QString shown = (c == CommandTable::SmsText ? QStringLiteral(" #") : QString())
                                  + decoded.table.cell(r, c);
            if (grid->TextMatrix(r + 1, c + 1) != shown)
                violated(QStringLiteral("read reported OK, grid row %1 column %2 shows \"%3\"")
                             .arg(r + 1)
                             .arg(c + 1)
                             .arg(grid->TextMatrix(r + 1, c + 1)));
        }
    }
}

// What the module holds: its start image until a write has completed.
QByteArray TestEndToEndRandom::moduleImage() const
{
    const QByteArray saved = fileBytes(dir.filePath(QStringLiteral("module.bin")));
    return saved.isEmpty() ? ModuleImage::defaultImage() : saved;
}

void TestEndToEndRandom::violated(const QString &what)
{
    violations << QStringLiteral("%1 after press %2; last actions: %3").arg(what).arg(presses).arg(recent.join(u", "));
}

QTEST_MAIN(TestEndToEndRandom)
#include "tst_endtoend_random.moc"
