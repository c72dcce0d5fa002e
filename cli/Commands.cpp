// SPDX-License-Identifier: MIT
#include "Commands.h"
#include "ToolText.h"

#include "ConfigCheck.h"
#include "ConfigDiff.h"
#include "ConfigImage.h"
#include "ConfigText.h"
#include "Console.h"
#include "CustomerSheet.h"
#include "Fingerprint.h"
#include "ImageCodec.h"
#include "ImageFile.h"
#include "LinkText.h"
#include "PortCatalog.h"
#include "PortName.h"
#include "PortReport.h"
#include "SeriesCommand.h"
#include "SheetPdf.h"
#include "StopSignals.h"
#include "TableFormat.h"

#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>

#include <csignal>

namespace {

using Outcome = ModuleLink::Outcome;

// The customer's sheet of the image in the file at path, which has decoded.
QByteArray sheetOfFile(const QString &path, const QByteArray &image)
{
    const ImageDecoding decoded = decodeImage(image, CommandTable::emptyTable());
    QStringList findings;
    for (const ConfigFinding &finding : checkImage(image))
        findings << findingLine(finding);
    const CustomerSheet::Source source = {CustomerSheet::fileOrigin(path), QDate::currentDate(),
                                          imageFingerprint(image), findings};
    return sheetPdf(CustomerSheet::make(
        decoded.table, decomposeDefaultStates({decoded.defaultStateByte1, decoded.defaultStateByte2}), source));
}

} // namespace

Commands::Commands(const Request &request, Console &console)
    : m_request(request)
    , m_console(console)
{
    m_console.setProgressLine(&m_progress);
}

Commands::~Commands()
{
    m_console.setProgressLine(nullptr);
}

ExitCode Commands::run()
{
    if (m_request.usesPort && !choosePort())
        return ExitCode::BadUsage;
    if (m_request.trace.isEmpty())
        return runCommand();
    if (!canSave(m_request.trace))
        return ExitCode::FileProblem;
    const ExitCode code = runCommand();
    // Written after the transfers, so that no byte waits for the disk.
    const QString trace = m_failureTrace.isEmpty() && m_link ? m_link->trace().text() : m_failureTrace;
    if (!trace.isEmpty() && !save(m_request.trace, trace.toUtf8()) && code == ExitCode::Done)
        return ExitCode::FileProblem;
    return code;
}

ExitCode Commands::runCommand()
{
    switch (m_request.command) {
    case Request::Command::Ports:
        return ports();
    case Request::Command::Test:
        return test();
    case Request::Command::Read:
        return read();
    case Request::Command::Write:
        return write();
    case Request::Command::Verify:
        return verify();
    case Request::Command::Show:
        return show();
    case Request::Command::Diff:
        return diff();
    case Request::Command::Convert:
        return convert();
    case Request::Command::Check:
        return check();
    case Request::Command::Series:
        return series();
    }
    return ExitCode::BadUsage;
}

ExitCode Commands::ports()
{
    m_console.data(portReport());
    return ExitCode::Done;
}

ExitCode Commands::test()
{
    if (!openLink())
        return ExitCode::LinkFailed;
    const Outcome outcome = perform([this] { m_link->testLink(); });
    return outcome == Outcome::Succeeded ? ExitCode::Done : linkFailure();
}

ExitCode Commands::read()
{
    const QString &path = m_request.files.at(0);
    if (!canSave(path))
        return ExitCode::FileProblem;
    if (!openLink())
        return ExitCode::LinkFailed;
    const Outcome outcome = perform([this] { m_session->read(); });
    const QByteArray received = m_link->lastReadImage();
    // More than a whole image before the end mark is as wrong as less.
    if (outcome == Outcome::Succeeded && received.size() == ConfigImageLayout::ImageSize) {
        const ExitCode saved = saveRead(path, received);
        if (saved != ExitCode::FileProblem) {
            m_console.data(formatTable(decodeImage(received, CommandTable::emptyTable()), m_request.format));
            if (const QString fingerprint = imageFingerprint(received); !fingerprint.isEmpty())
                m_console.status(fingerprintLine(fingerprint));
        }
        return saved;
    }
    if (outcome == Outcome::Interrupted || !m_link->lastReadComplete())
        return linkFailure();
    return keepModuleBytes(path, received);
}

// The module answered in full, but not with a whole configuration (an erased
// module, or one that ended early). Its bytes are worth keeping, yet not in
// place of the file the read was meant to refresh: that is often the last
// good backup.
ExitCode Commands::keepModuleBytes(const QString &path, const QByteArray &received)
{
    QString target = path;
    const QFileInfo existing(path);
    if (existing.exists() || existing.isSymLink()) {
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        target = QStringLiteral("%1.module-%2.bin").arg(path, stamp);
        for (int n = 2; QFileInfo::exists(target); ++n)
            target = QStringLiteral("%1.module-%2-%3.bin").arg(path, stamp).arg(n);
        m_console.error(ToolText::tr("Soubor %1 zůstává beze změny; bajty z modulu jsou v souboru %2.")
                            .arg(ImageFile::quoted(path), ImageFile::quoted(target)));
    }
    if (!save(target, received))
        return ExitCode::FileProblem;
    QString problem = ImageFile::problemWith(received, ImageFile::WindowMaximum);
    if (problem.isEmpty())
        problem = ToolText::tr("má %1 B, celý konfigurační obraz má %2 B").arg(received.size()).arg(ConfigImageLayout::ImageSize);
    m_console.error(ToolText::tr("Obraz z modulu není konfigurační obraz: %1.").arg(problem));
    return ExitCode::NotConfiguration;
}

ExitCode Commands::write()
{
    const auto image = loadWhole(m_request.files.at(0));
    if (!image)
        return ExitCode::FileProblem;
    if (reportFindings(*image) && m_request.strict) {
        m_console.error(ToolText::tr("Nic nezapsáno: kontrola našla chybu (--strict)."));
        return ExitCode::CheckError;
    }
    if (!openLink())
        return ExitCode::LinkFailed;
    const Outcome outcome = perform([this, &image] {
        m_writeSize = image->size();
        m_link->writeImage(*image);
    });
    if (outcome != Outcome::Succeeded)
        return linkFailure();
    if (m_finishWrite) {
        m_console.error(ToolText::tr("Zápis dokončen; ověření vynecháno, program byl přerušen."));
        return signalExit(m_finishWrite);
    }
    const ExitCode verified = m_request.verify == Request::Verify::Skip ? ExitCode::Done : compareWith(*image);
    if (verified == ExitCode::Done)
        m_console.status(fingerprintLine(imageFingerprint(*image)));
    return verified;
}

ExitCode Commands::series()
{
    const auto image = loadWhole(m_request.files.at(0));
    if (!image)
        return ExitCode::FileProblem;
    if (reportFindings(*image)) {
        m_console.error(ToolText::tr("Série nezačala: kontrola našla chybu."));
        return ExitCode::CheckError;
    }
    const QString protocol = m_request.log.isEmpty() ? QStringLiteral("vrk04-protokol.csv") : m_request.log;
    if (!canSave(protocol))
        return ExitCode::FileProblem;
    if (!openLink())
        return ExitCode::LinkFailed;
    SeriesCommand series(*m_link, *m_stops, m_console, m_progress);
    const ExitCode code =
        series.run({*image, m_request.files.at(0), PortName::normalised(m_port), protocol, m_request.count});
    m_failureTrace = series.failureTrace();
    return code;
}

ExitCode Commands::verify()
{
    const auto image = load(m_request.files.at(0), ImageFile::WindowMaximum);
    if (!image)
        return ExitCode::FileProblem;
    if (!openLink())
        return ExitCode::LinkFailed;
    return compareWith(*image);
}

ExitCode Commands::show()
{
    const auto image = load(m_request.files.at(0), ImageFile::WindowMaximum);
    if (!image)
        return ExitCode::FileProblem;
    m_console.data(formatTable(decodeImage(*image, CommandTable::emptyTable()), m_request.format,
                               imageFingerprint(*image)));
    return ExitCode::Done;
}

ExitCode Commands::diff()
{
    const auto left = load(m_request.files.at(0), ImageFile::WindowMaximum);
    const auto right = left ? load(m_request.files.at(1), ImageFile::WindowMaximum) : std::nullopt;
    if (!left || !right)
        return ExitCode::FileProblem;
    const QList<ConfigDifference> differences = configDifferences(*left, *right);
    for (const ConfigDifference &difference : differences)
        m_console.data(difference.line() + u'\n');
    return differences.isEmpty() ? ExitCode::Done : ExitCode::Different;
}

ExitCode Commands::convert()
{
    const auto image = load(m_request.files.at(0), ImageFile::WindowMaximum);
    if (!image)
        return ExitCode::FileProblem;
    const QString &path = m_request.files.at(1);
    if (m_request.sheet)
        return save(path, sheetOfFile(m_request.files.at(0), *image)) ? ExitCode::Done : ExitCode::FileProblem;
    const ConfigText::Rendering rendering =
        ConfigText::render(*image, m_request.outputForm.value_or(ConfigText::formOfName(path)));
    if (!rendering.ok()) {
        m_console.error(ToolText::tr("Soubor %1 nebyl uložen: %2.")
                            .arg(ImageFile::quoted(path), rendering.refusal.message(m_request.files.at(0))));
        return ExitCode::Different;
    }
    return save(path, rendering.bytes) ? ExitCode::Done : ExitCode::FileProblem;
}

ExitCode Commands::check()
{
    const auto image = load(m_request.files.at(0), ImageFile::WindowMaximum);
    if (!image)
        return ExitCode::FileProblem;
    const QList<ConfigFinding> findings = checkImage(*image);
    for (const ConfigFinding &finding : findings)
        m_console.data(findingLine(finding) + u'\n');
    m_console.data(checkSummary(findings) + u'\n');
    return hasError(findings) ? ExitCode::CheckError : ExitCode::Done;
}

ExitCode Commands::saveRead(const QString &path, const QByteArray &image)
{
    const ConfigText::Rendering rendering = ConfigText::render(image, ConfigText::formOfName(path));
    if (!save(path, rendering.ok() ? rendering.bytes : image))
        return ExitCode::FileProblem;
    if (rendering.ok())
        return ExitCode::Done;
    m_console.error(ToolText::tr("Soubor %1 obsahuje obraz tak, jak přišel: %2.")
                        .arg(ImageFile::quoted(path), rendering.refusal.message(QString())));
    return ExitCode::Different;
}

std::optional<QByteArray> Commands::loadWhole(const QString &path)
{
    auto image = load(path, ImageFile::WriteMaximum);
    if (image && image->size() < ConfigImageLayout::ImageSize) {
        m_console.status(ToolText::tr("Soubor má %1 B: doplněn výplňovými bajty 0xFF na %2 B.")
                             .arg(image->size())
                             .arg(ConfigImageLayout::ImageSize));
        image = ImageFile::whole(*image);
    }
    return image;
}

std::optional<QByteArray> Commands::load(const QString &path, qsizetype maximum)
{
    ImageFile::Loaded loaded = ImageFile::load(path, maximum);
    if (!loaded.ok()) {
        m_console.error(loaded.problem);
        return std::nullopt;
    }
    return std::move(loaded.bytes);
}

bool Commands::reportFindings(const QByteArray &image)
{
    const QList<ConfigFinding> findings = checkImage(image);
    for (const ConfigFinding &finding : findings) {
        if (finding.isError())
            m_console.error(findingLine(finding));
        else
            m_console.status(findingLine(finding));
    }
    return hasError(findings);
}

bool Commands::canSave(const QString &path)
{
    const QString problem = ImageFile::unsavable(path);
    if (!problem.isEmpty())
        m_console.error(problem);
    return problem.isEmpty();
}

bool Commands::save(const QString &path, const QByteArray &bytes)
{
    QString problem;
    if (!ImageFile::save(path, bytes, &problem)) {
        m_console.error(problem);
        return false;
    }
    m_console.status(ToolText::tr("Uloženo do souboru %1 (%2 B)").arg(ImageFile::quoted(path)).arg(bytes.size()));
    return true;
}

// Without --port the one USB-serial adapter present is the port: a laptop
// has no other. None or several need the user's choice.
bool Commands::choosePort()
{
    m_port = m_request.port;
    if (!m_port.isEmpty())
        return true;
    const QList<PortRecord> ports = PortCatalog::available();
    QList<PortRecord> adapters;
    for (const PortRecord &port : ports) {
        if (port.isUsbAdapter())
            adapters << port;
    }
    if (adapters.size() == 1) {
        m_port = adapters.first().device;
        m_console.status(ToolText::tr("Port: jediný připojený USB převodník, %1").arg(PortCatalog::entryText(adapters.first())));
        return true;
    }
    m_console.usage(adapters.isEmpty() ? ToolText::tr("chybí --port a není připojen žádný USB převodník")
                                       : ToolText::tr("chybí --port a USB převodníků je připojeno %1").arg(adapters.size()));
    QString list;
    for (const QString &line : PortCatalog::report(ports).split(u'\n', Qt::SkipEmptyParts))
        list += QStringLiteral("  ") + line + u'\n';
    m_console.lines(list);
    return false;
}

bool Commands::openLink()
{
    m_session = std::make_unique<Session>();
    m_link = &m_session->link();
    const auto status = [this](const QString &message) {
        if (m_console.quiet())
            m_held << message;
        else
            m_console.status(message);
    };
    // A series tests the link twice a second while it waits: its module lines tell enough.
    if (m_request.command != Request::Command::Series)
        QObject::connect(m_link, &ModuleLink::logged, m_link, status);
    QObject::connect(m_link, &ModuleLink::advised, m_link, status);
    QObject::connect(m_link, &ModuleLink::progressChanged, m_link,
                     [this](int position, int total) { m_progress.update(position, total); });
    m_stops = std::make_unique<StopSignals>();
    QObject::connect(m_stops.get(), &StopSignals::requested, m_link,
                     [this](int number) { stopRequested(number); });
    QString reason;
    if (m_link->openPort(m_port, &reason))
        return true;
    m_console.error(LinkText::portCannotOpen(m_port, reason));
    return false;
}

ModuleLink::Outcome Commands::perform(const std::function<void()> &start)
{
    QEventLoop loop;
    bool ended = false;
    Outcome outcome = Outcome::Interrupted;
    const QMetaObject::Connection connection = QObject::connect(
        m_link, &ModuleLink::operationEnded, &loop,
        [&](ModuleLink::Operation, ModuleLink::Outcome result) {
            ended = true;
            outcome = result;
            loop.quit();
        });
    m_held.clear();
    m_progress.start();
    m_clock.start();
    start();
    if (!ended)
        loop.exec();
    QObject::disconnect(connection);
    m_progress.clear();
    // Quiet keeps the lines of an operation that went well to itself.
    if (outcome != Outcome::Succeeded) {
        for (const QString &line : std::as_const(m_held))
            m_console.error(line);
    }
    m_held.clear();
    return outcome;
}

ExitCode Commands::compareWith(const QByteArray &expected)
{
    const Outcome outcome = perform([this, &expected] {
        m_link->verifyModule(expected);
    });
    if (outcome == Outcome::Succeeded)
        return ExitCode::Done;
    if (outcome != Outcome::Failed || m_link->verifyDifference() == 0)
        return linkFailure();
    for (const ConfigDifference &difference : configDifferences(expected, m_link->verifiedImage()))
        m_console.data(difference.line() + u'\n');
    return ExitCode::Different;
}

// A write stopped half-way leaves the module waiting for the rest of the
// image, so the first Ctrl+C lets it finish; a second one, or a request to
// terminate, abandons it. Anything else stops at once. Either way the port is
// closed, which gives the line back its settings.
void Commands::stopRequested(int number)
{
    if (!m_link->isBusy() || m_stoppedBy)
        return;
    const bool writing = m_link->runningOperation() == ModuleLink::Operation::Write;
    const int total = int(m_writeSize);
    const int written = m_link->writtenBytes();
    if (writing && number == SIGINT && !m_finishWrite) {
        m_finishWrite = number;
        const int left = total - written;
        // The time left only once the module's pace is known: an adapter's
        // latency can make it ten times the line's.
        if (written == 0) {
            m_console.error(ToolText::tr("Zápis se dokončí, aby modul nezůstal zapsaný napůl: zbývá %1 B. "
                                         "Dalším Ctrl+C zápis přerušíte.")
                                .arg(left));
            return;
        }
        const double msPerByte = double(m_clock.elapsed()) / written;
        m_console.error(ToolText::tr("Zápis se dokončí, aby modul nezůstal zapsaný napůl: zbývá %1 B, asi %2 s. "
                           "Dalším Ctrl+C zápis přerušíte.")
                            .arg(left)
                            .arg(qMax(1, qRound(left * msPerByte / 1000))));
        return;
    }
    m_stoppedBy = number;
    if (writing) {
        m_console.error(ToolText::tr("Zápis zastaven po bajtu %1 z %2: modul teď drží neúplnou konfiguraci.")
                            .arg(written)
                            .arg(total));
    }
    m_link->abandon();
    m_link->closePort();
}

ExitCode Commands::linkFailure() const
{
    return m_stoppedBy ? signalExit(m_stoppedBy) : ExitCode::LinkFailed;
}
