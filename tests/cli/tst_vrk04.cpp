// SPDX-License-Identifier: MIT
// The command-line tool vrk04 as a whole process, against the module
// simulator on a pseudo-terminal: exit codes, the bytes in the files and on
// the line, data on stdout and status lines on stderr.
#include "Fingerprint.h"
#include "ModuleImage.h"
#include "PdfText.h"
#include "PortCatalog.h"
#include "SimulatorProcess.h"
#include "TestBytes.h"
#include "TestFiles.h"
#include "TestTexts.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString Device = QStringLiteral("DEV"); // stands for the simulator's device in arguments

// The configured module with command 3's SMS text changed at position 65.
QByteArray plantedDifference()
{
    QByteArray image = ModuleImage::defaultImage();
    image[64] = 'X';
    return image;
}

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

class TestVrk04 : public QObject
{
    Q_OBJECT

private slots:
    void withModule_data();
    void withModule();
    void diffOfTwoFiles();
    void nameNotInTheSystemEncodingRefused();
    void keepsConfigurations_data();
    void keepsConfigurations();
    void stopDuringWrite_data();
    void stopDuringWrite();
    void seriesOfOneModule();
    void language_data();
    void language();

private:
    // closedPipe: 1 or 2 gives stdout or stderr a pipe whose reader has gone.
    Run vrk04(const QStringList &arguments, const QString &folder,
              const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
              const QString &stdoutFile = {}, int closedPipe = 0)
    {
        QProcess process;
        process.setWorkingDirectory(folder);
        process.setProcessEnvironment(environment);
        if (!stdoutFile.isEmpty())
            process.setStandardOutputFile(stdoutFile);
#ifdef Q_OS_UNIX
        int pipe[2] = {-1, -1};
        if (closedPipe && ::pipe(pipe) == 0) {
            ::close(pipe[0]);
            process.setChildProcessModifier([pipe, closedPipe] {
                ::signal(SIGPIPE, SIG_DFL); // as a shell leaves it
                ::dup2(pipe[1], closedPipe);
            });
        }
        const auto closeWriteEnd = qScopeGuard([pipe] {
            if (pipe[1] >= 0)
                ::close(pipe[1]);
        });
#endif
        process.start(QStringLiteral(VRK04_CLI_PATH), arguments);
        Run run;
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }
};

void TestVrk04::withModule_data()
{
    // module.bin is the simulator's EEPROM (a write saves into it), file.bin
    // the FILE argument; "DEV" is the simulator's device.
    QTest::addColumn<QStringList>("simulator");
    QTest::addColumn<QByteArray>("file");           // written to file.bin first, unless empty
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("stderrHas");
    QTest::addColumn<QStringList>("stdoutHas");      // for a sheet written: its text
    QTest::addColumn<QByteArray>("fileAfter");      // file.bin afterwards, unless empty
    QTest::addColumn<QByteArray>("moduleAfter");    // module.bin afterwards
    QTest::addColumn<bool>("lineQuiet");            // no byte reached the module
    QTest::addColumn<QStringList>("traceHas");      // trace.txt's lines, whole, in this order

    const QByteArray module = ModuleImage::defaultImage();
    const QByteArray reset = referenceResetImage();
    const QStringList none;
    const QString file = QStringLiteral("file.bin");
    auto args = [](std::initializer_list<QString> list) { return QStringList(list); };

    // Fingerprints from Python's zlib.crc32 of the image's first 715 bytes.
    QTest::newRow("read") << none << QByteArray() << args({"read", "--port", Device, file}) << 0
                          << args({" --> Vyčítání START", " --> Prenos OK", "Uloženo do souboru „file.bin“ (2048 B)",
                                 " --> Otisk konfigurace: D8B0F43D\n"})
                          << args({"#OTEVŘI BRÁNU", "RELE2", "IMPULS", "RELE1 1, RELE2 0, RELE3 1, RELE4 0, RELE5 0"})
                          << module << module << false << none;
    QTest::newRow("read of an erased module is saved where no file stood, exit 5")
        << args({"--erased"}) << QByteArray() << args({"read", "--port", Device, file}) << 5
        << args({"Prenos OK", "chyba v prenosu!", "není konfigurační obraz: bajt 0xff na pozici 656 (povel 1, záznam, výstup)"}) << none
        << QByteArray(2048, char(0xFF)) << module << false << none;
    QTest::newRow("trace of a test")
        << none << QByteArray() << args({"test", "--port", Device, "--trace", "trace.txt"}) << 0
        << args({"TEST OK", "Uloženo do souboru „trace.txt“"}) << none << QByteArray() << module << false
        << args({"^Program: vrk04 \\S+$", "^Systém: .+$", "^Qt: 6\\..*", "^Port: /dev/.*",
                 "^ +0\\.000 PC→ 03$", "^ +\\d+\\.\\d{3} →PC 06$", "^Hlášení: TEST OK$",
                 "^Výsledek: test spojení, úspěch$"});
    QTest::newRow("COM12 as typed") << none << QByteArray() << args({"test", "--port", " \\\\.\\com12 "}) << 0
                                    << args({"TEST OK"}) << none << QByteArray() << module << false << none;
    QTest::newRow("read through COM1") << none << QByteArray() << args({"read", "-q", "--port", "COM1", file})
                                       << 0 << none << args({"#ZAPNI TOPENÍ"}) << module << module << false << none;
    QTest::newRow("write, read back") << none << reset << args({"write", "--port", Device, file}) << 0
                                      << args({"Zápis START", "Prenos OK", "Ověření OK", "Otisk konfigurace: C7C4A3B5\n"}) << none << reset
                                      << reset << false << none;
    QTest::newRow("verify finds a difference")
        << none << plantedDifference() << args({"verify", "--port", Device, file}) << 3
        << args({"Ověření START", "65"}) << args({"Povel 3, Tvar SMS: „XTEVŘI BRÁNU“ -> „OTEVŘI BRÁNU“"})
        << QByteArray() << module << false << none;
    QTest::newRow("verify against an erased module, by position")
        << args({"--erased"}) << module << args({"verify", "--port", Device, file}) << 3
        << args({"pozice 1 (povel 1, text SMS, znak 1)"})
        << args({"Pozice 644 (výchozí stavy výstupů, bajt 1): 35 -> FF\n", "Pozice 656 až 658 (povel 1, záznam): 31 31 A0 -> FF FF FF\n"})
        << module << module << false << none;
    QTest::newRow("verify against a module that ends early: a transfer fault")
        << args({"--end-at", "1000"}) << module << args({"verify", "--port", Device, file}) << 1
        << args({"Modul ukončil vyčítání předčasně, po 999. bajtu z 2048.", "chyba v prenosu!"}) << none
        << QByteArray() << module << false << none;
    QTest::newRow("silent module, test") << args({"--silent"}) << QByteArray()
                                         << args({"test", "--port", Device}) << 1 << args({"TEST ERROR"})
                                         << none << QByteArray() << module << false << none;
    QTest::newRow("silent module, read, quiet")
        << args({"--silent"}) << QByteArray() << args({"read", "--quiet", "--port", Device, file}) << 1
        << args({"chyba v prenosu!"}) << none << QByteArray() << module << false << none;
    QTest::newRow("file too short") << none << reset.left(714) << args({"write", "--port", Device, file}) << 4
                                    << args({"má 714 B"}) << none << QByteArray() << module << true << none;
    QTest::newRow("file too long to write") << none << reset + 'x' << args({"write", "--port", Device, file})
                                            << 4 << args({"má 2049 B"}) << none << QByteArray() << module << true << none;
    QTest::newRow("no such file") << none << QByteArray() << args({"verify", "--port", Device, file}) << 4
                                  << args({"soubor neexistuje"}) << none << QByteArray() << module << true << none;
    QTest::newRow("read into a missing folder")
        << none << QByteArray() << args({"read", "--port", Device, "missing/file.bin"}) << 4
        << args({"nelze uložit: složka"}) << none << QByteArray() << module << true << none;
    QTest::newRow("no file named") << none << QByteArray() << args({"write", "--port", Device}) << 2
                                   << args({"vrk04 --help"}) << none << QByteArray() << module << true << none;
    QTest::newRow("unknown option") << none << reset << args({"write", "--port", Device, "--fast", file}) << 2
                                    << args({"fast"}) << none << reset << module << true << none;
    // The row holds where no USB-serial adapter is plugged in.
    const QList<PortRecord> ports = PortCatalog::available();
    if (std::none_of(ports.cbegin(), ports.cend(), [](const PortRecord &port) { return port.isUsbAdapter(); })) {
        QTest::newRow("no port and no USB adapter") << none << QByteArray() << args({"test"}) << 2
                                                    << args({"vrk04: chybí --port a není připojen žádný USB převodník"})
                                                    << none << QByteArray() << module << true << none;
    }
    QTest::newRow("write of a JSON file, its warning on stderr")
        << none << referenceJson() << args({"write", "--port", Device, file}) << 0
        << args({"povel 5: upozornění, Tvar SMS: Znak „č“", "Prenos OK", "Ověření OK"}) << none << referenceJson()
                                          << referenceTextImage() << false << none;
    QTest::newRow("read into JSON") << none << QByteArray() << args({"read", "-q", "--port", Device, "file.json"})
                                    << 0 << none << args({"#ZAPNI TOPENÍ"}) << QByteArray() << module << false << none;
    QTest::newRow("read of a longer image is no configuration, kept raw, exit 5")
        << args({"--size", "2049"}) << QByteArray() << args({"read", "--port", Device, "file.json"}) << 5
        << args({"Obraz z modulu není konfigurační obraz: má 2049 B, celý konfigurační obraz má 2048 B."})
        << none << module + char(0xFF) << module << false << none;
    QTest::newRow("convert JSON to CSV") << none << referenceJson() << args({"convert", file, "file.csv"}) << 0
                                         << args({"„file.csv“"}) << none << referenceCsv() << module << true << none;
    QTest::newRow("convert: constant bits a text cannot hold")
        << none << referenceCommandImage() << args({"convert", file, "file.csv"}) << 3
        << args({"tvar CSV neudrží obraz přesně (Pozice 644 (výchozí stavy výstupů, bajt 1): F5 -> 35)"}) << none
        << QByteArray("(missing)") << module << true << none;
    QTest::newRow("convert to an unknown form")
        << none << referenceCsv() << args({"convert", file, "file.json", "--format", "xml"}) << 2 << args({"xml"})
        << none << QByteArray("(missing)") << module << true << none;
    QTest::newRow("convert to the customer's sheet")
        << none << module << args({"convert", file, "file.pdf"}) << 0 << args({"„file.pdf“"})
        << args({"#ZAPNI TOPENÍ", "#OTEVŘI BRÁNU", "#ŽALUZIE DOLŮ", "file.bin",
                 "Otisk konfigurace: " + configFingerprint(module)})
        << QByteArray() << module << true << none;
    QTest::newRow("convert to a sheet by --format") << none << module << args({"convert", file, "file.pdf", "-f", "pdf"})
                                                    << 0 << none << args({"#STAV"}) << QByteArray() << module << true << none;
    QTest::newRow("read into a sheet refused") << none << QByteArray() << args({"read", "--port", Device, "file.pdf"})
                                               << 2 << args({"list neudrží obraz modulu"}) << none
                                               << QByteArray("(missing)") << module << true << none;
    QByteArray controls = reset;
    controls.replace(0, 6, "A\x1B" "B\x07\x7F\\");
    QTest::newRow("control characters escaped") << none << controls << args({"show", file}) << 0 << none
                                                << args({"#A\\x1BB\\x07\\x7F\\\\  "}) << controls << module << true << none;
    QTest::newRow("control characters escaped in a diff") << none << controls << args({"diff", file, "module.bin"})
                                                          << 3 << none << args({"Povel 1, Tvar SMS: „A\\x1BB\\x07\\x7F\\\\"})
                                                          << controls << module << true << none;
    QByteArray twoStav = referenceJson();
    for (const char *number : {"4", "9"})
        twoStav.replace(QByteArray("\"number\": ") + number + ", \"sms\": \"\"", QByteArray("\"number\": ") + number + ", \"sms\": \"STAV\"");
    QTest::newRow("check finds two commands STAV, exit 6")
        << none << twoStav << args({"check", file}) << 6 << none
        << args({"povel 4: chyba, Tvar SMS: Stejný text má i povel 9", "\npovel 9: chyba", "\nKontrola: 2 chyby, 1 upozornění, povely 4, 5 a 9\n"})
        << twoStav << module << true << none;
    QTest::newRow("check of a configuration with warnings alone, exit 0")
        << none << referenceJson() << args({"check", file}) << 0 << none
        << args({"povel 5: upozornění, Tvar SMS: Znak „č“", "\nKontrola: 1 upozornění, povel 5\n"}) << referenceJson() << module << true << none;
    QTest::newRow("write --strict refuses before the port") << none << twoStav
                                                            << args({"write", "--strict", "--port", Device, file}) << 6
                                                            << args({"povel 9: chyba", "Nic nezapsáno"}) << none
                                                            << twoStav << module << true << none;
    QTest::newRow("series refuses a configuration with an error before the port") << none << twoStav
                                                                           << args({"series", "--port", Device, file}) << 6
                                                                           << args({"povel 9: chyba", "Série nezačala"}) << none
                                                                           << twoStav << module << true << none;
    QTest::newRow("show prints the fingerprint") << none << reset << args({"show", file}) << 0 << none
                                                 << args({"\nOtisk konfigurace: C7C4A3B5\n"}) << reset << module << true << none;
    QTest::newRow("format of a write") << none << reset
                                       << args({"write", "--port", Device, "--format", "csv", file}) << 2
                                       << args({"--format"}) << none << reset << module << true << none;
}

void TestVrk04::withModule()
{
    QFETCH(QStringList, simulator);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, stderrHas);
    QFETCH(QStringList, stdoutHas);
    QFETCH(QByteArray, fileAfter);
    QFETCH(QByteArray, moduleAfter);
    QFETCH(bool, lineQuiet);
    QFETCH(QStringList, traceHas);

    QTemporaryDir folder;
    // The FILE argument is file.bin unless a row names file.json, file.csv or file.pdf.
    const QString fileName =
        arguments.filter(QRegularExpression(QStringLiteral("^file\\.(json|csv|pdf)$"))).value(0, "file.bin");
    const QString modulePath = folder.filePath(QStringLiteral("module.bin"));
    const QString linePath = folder.filePath(QStringLiteral("line.log"));
    put(modulePath, ModuleImage::defaultImage());
    if (!file.isEmpty())
        put(folder.filePath(QStringLiteral("file.bin")), file);

    SimulatorProcess sim;
    QVERIFY(sim.start(simulator + QStringList{"--baud", "0", "--image", modulePath, "--log", linePath}));
    arguments.replaceInStrings(Device, sim.devicePath());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VRK04_COM1"), sim.devicePath());
    environment.insert(QStringLiteral("VRK04_COM12"), sim.devicePath());

    const Run run = vrk04(arguments, folder.path(), environment);
    sim.stop();
    QCOMPARE(run.exitCode, exitCode);
    for (const QString &part : stderrHas)
        QVERIFY2(run.err.contains(part), qPrintable(run.err));
    QString data = run.out;
    if (fileName.endsWith(u".pdf") && exitCode == 0) {
        if (!PdfText::available())
            QSKIP("poppler-utils (pdftotext) is not installed: the sheet cannot be read back");
        data = PdfText::text(folder.filePath(fileName));
    }
    for (const QString &part : stdoutHas)
        QVERIFY2(data.contains(part), qPrintable(data));
    if (exitCode != 0 && exitCode != 3 && arguments.first() != u"check")
        QVERIFY2(run.out.isEmpty(), qPrintable(run.out)); // no data after a failure
    if (!fileAfter.isEmpty())
        QCOMPARE(contents(folder.filePath(fileName)), fileAfter);
    if (fileName.endsWith(u"json") && exitCode == 0) { // what was read comes back from its text
        QCOMPARE(vrk04({"convert", fileName, "back.bin"}, folder.path()).exitCode, 0);
        QCOMPARE(contents(folder.filePath("back.bin")), moduleAfter);
    }
    QCOMPARE(contents(modulePath), moduleAfter);
    if (lineQuiet)
        QCOMPARE(contents(linePath), QByteArray());
    if (!traceHas.isEmpty()) {
        const QStringList lines = QString::fromUtf8(contents(folder.filePath(QStringLiteral("trace.txt")))).split(u'\n');
        qsizetype at = 0;
        for (const QString &pattern : std::as_const(traceHas)) {
            at = lines.indexOf(QRegularExpression(pattern), at);
            QVERIFY2(at >= 0, qPrintable(pattern + u'\n' + lines.join(u'\n')));
        }
    }
    // Every status line has the window's form: "time --> message".
    for (const QString &line : run.err.split(u'\n', Qt::SkipEmptyParts)) {
        // Usage errors, and the list of ports that follows one, are no status lines.
        if (!line.startsWith(QStringLiteral("vrk04: ")) && !line.startsWith(QStringLiteral("  ")))
            QVERIFY2(line.contains(QRegularExpression(QStringLiteral("^\\d{1,2}:\\d\\d:\\d\\d --> "))),
                     qPrintable(line));
    }
}

// A name with a byte that is not UTF-8 would be read back as U+FFFD: the
// tool would save under another name. Refused before any file is made.
void TestVrk04::nameNotInTheSystemEncodingRefused()
{
#ifdef Q_OS_UNIX
    QTemporaryDir folder;
    QFile input(folder.filePath(QStringLiteral("in.bin")));
    QVERIFY(input.open(QIODevice::WriteOnly));
    input.write(ModuleImage::defaultImage());
    input.close();
    QProcess shell;
    shell.setWorkingDirectory(folder.path());
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec \"$0\" convert in.bin \"$(printf 'x\\377.json')\""),
                                            QStringLiteral(VRK04_CLI_PATH)});
    QVERIFY(shell.waitForFinished(60000));
    QCOMPARE(shell.exitCode(), 2);
    QVERIFY2(shell.readAllStandardError().contains("x\\xFF.json"), "the name as given, its byte escaped");
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("in.bin")});
#else
    QSKIP("Windows passes file names to the program as UTF-16");
#endif
}

void TestVrk04::diffOfTwoFiles()
{
    QTemporaryDir folder;
    QByteArray changed = ModuleImage::defaultImage();
    changed[ModuleImage::Size - 1] = 0x00;             // in the fill
    changed[643] = char(quint8(changed.at(643)) ^ 2);  // RELE2's default state
    changed[655 + 3 * 4 + 2] = char(0x20 + 45);        // command 5's time, no confirmation
    put(folder.filePath(QStringLiteral("a.bin")), ModuleImage::defaultImage());
    put(folder.filePath(QStringLiteral("b.bin")), changed);

    const Run same = vrk04({"diff", "a.bin", "a.bin"}, folder.path());
    QCOMPARE(same.exitCode, 0);
    QCOMPARE(same.out, QString());
    const Run different = vrk04({"diff", "a.bin", "b.bin"}, folder.path());
    QCOMPARE(different.exitCode, 3);
    QCOMPARE(different.out, QStringLiteral("Povel 5, Čas/s: 90 -> 45\n"
                                           "Povel 5, Oznam: ANO -> NE\n"
                                           "Výchozí stav RELE2: 0 -> 1\n"
                                           "Pozice 2048 (výplň): FF -> 00\n"));
}

// Ways in which a configuration used to be lost: each row names its fault.
// file.bin holds a backup first unless told otherwise; "fifo" is a FIFO.
void TestVrk04::keepsConfigurations_data()
{
    QTest::addColumn<QStringList>("simulator");
    QTest::addColumn<QByteArray>("file");        // file.bin beforehand, unless empty
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("stdoutTo");       // a file for stdout instead of a pipe
    QTest::addColumn<int>("closedPipe");         // 1 stdout, 2 stderr: its reader has gone
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHas");
    QTest::addColumn<QByteArray>("moduleBytes"); // the new file beside file.bin; empty: none
    QTest::addColumn<QByteArray>("moduleAfter"); // module.bin afterwards; empty: unchanged

    const QByteArray backup = referenceCommandImage();
    const QByteArray erased(2048, char(0xFF));
    const QString file = QStringLiteral("file.bin");
    const QString none;
    auto args = [](std::initializer_list<QString> list) { return QStringList(list); };

    QTest::newRow("erased module: backup kept, bytes beside it")
        << args({"--erased"}) << backup << args({"read", "--port", Device, file}) << none << 0 << 5
        << "Soubor „file.bin“ zůstává beze změny" << erased << QByteArray();
    QTest::newRow("short file padded with fill to 2048 bytes")
        << QStringList() << backup.left(1000) << args({"write", "--port", Device, file}) << none << 0 << 0
        << "doplněn výplňovými bajty 0xFF na 2048 B" << QByteArray()
        << backup.left(1000) + QByteArray(1048, char(0xFF));
#ifdef Q_OS_UNIX
    QTest::newRow("FIFO to show") << QStringList() << QByteArray() << args({"show", "fifo"}) << none << 0 << 4
                                  << "„fifo“ nelze přečíst: není to obyčejný soubor" << QByteArray()
                                  << QByteArray();
    QTest::newRow("FIFO to read into") << QStringList() << QByteArray() << args({"read", "--port", Device, "fifo"})
                                       << none << 0 << 4 << "„fifo“ nelze uložit: není to obyčejný soubor"
                                       << QByteArray() << QByteArray();
    QTest::newRow("table to a full disk") << QStringList() << backup << args({"show", file, "--format", "csv"})
                                          << "/dev/full" << 0 << 4 << "Výstup nelze zapsat" << QByteArray()
                                          << QByteArray();
    QTest::newRow("stderr's reader gone during a write: the whole image goes, exit 4")
        << QStringList() << backup << args({"write", "--port", Device, file}) << none << 2 << 4 << QString()
        << QByteArray() << backup;
    QTest::newRow("stdout's reader gone after a read: saved, exit 0")
        << QStringList() << QByteArray() << args({"read", "--port", Device, "new.bin"}) << none << 1 << 0
        << "Uloženo do souboru „new.bin“" << QByteArray() << QByteArray();
#endif
}

void TestVrk04::keepsConfigurations()
{
    QFETCH(QStringList, simulator);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, arguments);
    QFETCH(QString, stdoutTo);
    QFETCH(int, closedPipe);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHas);
    QFETCH(QByteArray, moduleBytes);
    QFETCH(QByteArray, moduleAfter);

    QTemporaryDir folder;
    const QString modulePath = folder.filePath(QStringLiteral("module.bin"));
    const QString filePath = folder.filePath(QStringLiteral("file.bin"));
    put(modulePath, ModuleImage::defaultImage());
    if (!file.isEmpty())
        put(filePath, file);
#ifdef Q_OS_UNIX
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("fifo"))).constData(), 0600), 0);
#endif
    SimulatorProcess sim;
    QVERIFY(sim.start(simulator + QStringList{"--baud", "0", "--image", modulePath}));
    arguments.replaceInStrings(Device, sim.devicePath());

    const Run run = vrk04(arguments, folder.path(), QProcessEnvironment::systemEnvironment(), stdoutTo, closedPipe);
    sim.stop();
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(stderrHas), qPrintable(run.err));
    QCOMPARE(contents(filePath), file.isEmpty() ? QByteArray("(missing)") : file);
    const QStringList beside = QDir(folder.path()).entryList({QStringLiteral("file.bin.module-*.bin")});
    QCOMPARE(beside.size(), moduleBytes.isEmpty() ? 0 : 1);
    if (!moduleBytes.isEmpty()) {
        QVERIFY2(run.err.contains(beside.first()), qPrintable(run.err));
        QCOMPARE(contents(folder.filePath(beside.first())), moduleBytes);
    }
    QCOMPARE(contents(modulePath), moduleAfter.isEmpty() ? ModuleImage::defaultImage() : moduleAfter);
}

void TestVrk04::stopDuringWrite_data()
{
    QTest::addColumn<QList<int>>("stops");
    QTest::addColumn<bool>("finished");

    QTest::newRow("Ctrl+C: the write finishes") << QList<int>{SIGINT} << true;
    QTest::newRow("Ctrl+C twice: stopped") << QList<int>{SIGINT, SIGINT} << false;
    QTest::newRow("SIGTERM: stopped") << QList<int>{SIGTERM} << false;
}

// Ctrl+C in the middle of a write: the write goes on to its end rather than
// leave the module waiting for the rest, and a verify that follows finds
// exactly the new image. A second Ctrl+C, or a request to terminate, stops it.
void TestVrk04::stopDuringWrite()
{
#ifndef Q_OS_UNIX
    QSKIP("Sends SIGINT, which only Unix has.");
#else
    QTemporaryDir folder;
    const QString modulePath = folder.filePath(QStringLiteral("module.bin"));
    const QByteArray image = referenceCommandImage();
    put(modulePath, ModuleImage::defaultImage());
    put(folder.filePath(QStringLiteral("file.bin")), image);
    SimulatorProcess sim;
    // At the line's pace a write takes more than two seconds.
    QVERIFY(sim.start({"--image", modulePath}));

    QProcess write;
    write.setWorkingDirectory(folder.path());
    write.setReadChannel(QProcess::StandardError);
    write.start(QStringLiteral(VRK04_CLI_PATH), {"write", "--port", sim.devicePath(), "file.bin"});
    QByteArray err;
    while (!err.contains("Zápis START") && write.waitForReadyRead(30000))
        err += write.readAllStandardError();
    QTRY_VERIFY_WITH_TIMEOUT(sim.events().contains(QStringLiteral("attention")), 30000);
    QTest::qWait(300);
    QFETCH(QList<int>, stops);
    QFETCH(bool, finished);
    QVERIFY(write.state() == QProcess::Running && write.processId() > 0);
    for (const int number : stops) {
        QCOMPARE(::kill(pid_t(write.processId()), number), 0);
        // The next signal once this one has been heard.
        while (number == SIGINT && !QString::fromUtf8(err).contains(QStringLiteral("Zápis se dokončí"))
               && write.waitForReadyRead(30000))
            err += write.readAllStandardError();
    }
    QVERIFY(write.waitForFinished(120000));
    err += write.readAllStandardError();
    QCOMPARE(write.exitStatus(), QProcess::NormalExit);
    QCOMPARE(write.exitCode(), 128 + stops.last());
    if (!finished) {
        sim.stop();
        QVERIFY2(QString::fromUtf8(err).contains(QStringLiteral("Zápis zastaven po bajtu")), err.constData());
        QVERIFY2(!err.contains("Prenos OK"), err.constData());
        QVERIFY(contents(modulePath) != image);
        return;
    }
    QVERIFY2(QString::fromUtf8(err).contains(QStringLiteral("Zápis se dokončí")), err.constData());
    QVERIFY2(err.contains("Prenos OK"), err.constData());

    const Run verify = vrk04({"verify", "--port", sim.devicePath(), "file.bin"}, folder.path());
    sim.stop();
    QCOMPARE(verify.exitCode, 0);
    QCOMPARE(contents(modulePath), image);
#endif
}

// The protocol under its default name, one line on stdout, the trace of the run.
void TestVrk04::seriesOfOneModule()
{
    QTemporaryDir folder;
    const QString modulePath = folder.filePath(QStringLiteral("module.bin"));
    put(modulePath, ModuleImage::defaultImage());
    put(folder.filePath(QStringLiteral("file.bin")), referenceResetImage());
    SimulatorProcess sim;
    QVERIFY(sim.start({"--baud", "0", "--image", modulePath}));
    const Run run = vrk04({"series", "--port", sim.devicePath(), "file.bin", "--count", "1", "--trace", "t.txt"},
                          folder.path());
    sim.stop();
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QRegularExpression(QStringLiteral("^Modul 1: OK, otisk C7C4A3B5, \\d+[.,]\\d s — vypněte ho\n"
                                                                "Série: v pořádku 1, s chybou 0; protokol „vrk04-protokol.csv“\n$"))),
             qPrintable(run.out));
    QCOMPARE(contents(modulePath), referenceResetImage());
    const QStringList protocol =
        QString::fromUtf8(contents(folder.filePath(QStringLiteral("vrk04-protokol.csv")))).split(QStringLiteral("\r\n"));
    QCOMPARE(protocol.size(), 3);
    QVERIFY2(protocol.at(1).contains(QRegularExpression(QStringLiteral("^[-0-9T:]{19},/dev/\\S+,file\\.bin,C7C4A3B5,OK,,\\d+\\.\\d$"))),
             qPrintable(protocol.at(1)));
    const QString trace = QString::fromUtf8(contents(folder.filePath(QStringLiteral("t.txt"))));
    for (const char *line : {"\\n +0\\.000 PC→ 03\\n", "\\n +\\d+\\.\\d{3} PC→ 0B\\n", "\\n +\\d+\\.\\d{3} →PC 19\\n"})
        QVERIFY2(trace.contains(QRegularExpression(QString::fromUtf8(line))), line);
}

void TestVrk04::language_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("has");    // in stdout and stderr together
    QTest::addColumn<QStringList>("hasNot");

    const QStringList qtEnglish{"Usage:", "Options:", "Arguments:", "Unknown option"};
    QTest::newRow("Czech, unknown option") << "cs_CZ.UTF-8" << QStringList{"--bogus"}
                                           << QStringList{"vrk04: Neznámá volba 'bogus'."} << qtEnglish;
    QTest::newRow("English, help") << "en_US.UTF-8" << QStringList{"--help"}
                                   << QStringList{"Usage:", "Options:", "Commands:", "Exit codes:"}
                                   << QStringList{"Příkazy", "Použití"};
}

void TestVrk04::language()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, has);
    QFETCH(QStringList, hasNot);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(variable));
    environment.insert(QStringLiteral("LANG"), lang);
    const Run run = vrk04(arguments, QDir::tempPath(), environment);
    const QString output = run.out + run.err;
    for (const QString &text : has)
        QVERIFY2(output.contains(text), qPrintable(output));
    for (const QString &text : hasNot)
        QVERIFY2(!output.contains(text), qPrintable(output));
}

QTEST_GUILESS_MAIN(TestVrk04)
#include "tst_vrk04.moc"
