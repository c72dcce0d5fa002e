#include "Commands.h"

#include "ConfigDiff.h"
#include "ConfigImage.h"
#include "ConfigText.h"
#include "Console.h"
#include "ImageCodec.h"
#include "ImageFile.h"
#include "PortReport.h"
#include "TableFormat.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace {

using Outcome = ModuleLink::Outcome;

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
    const Outcome outcome = perform(0, [this] { m_link->testLink(); });
    return outcome == Outcome::Succeeded ? ExitCode::Done : ExitCode::LinkFailed;
}

ExitCode Commands::read()
{
    const QString &path = m_request.files.at(0);
    if (!canSave(path))
        return ExitCode::FileProblem;
    if (!openLink())
        return ExitCode::LinkFailed;
    const Outcome outcome = perform(ConfigImageLayout::ImageSize, [this] { m_link->readFromModule(); });
    if (outcome == Outcome::Succeeded) {
        const QByteArray image = m_link->configuration().ConfigImage;
        const ExitCode saved = saveRead(path, image);
        if (saved != ExitCode::FileProblem)
            m_console.data(formatTable(decodeImage(image, CommandTable::emptyTable()), m_request.format));
        return saved;
    }
    if (outcome != Outcome::Failed || !m_link->lastReadComplete())
        return ExitCode::LinkFailed;
    // The module answered in full, but not with a configuration image (an
    // erased module, say): its bytes are still worth keeping.
    const QByteArray received = m_link->lastReadImage();
    if (!save(path, received))
        return ExitCode::FileProblem;
    m_console.error(QStringLiteral("Obraz z modulu není konfigurační obraz: %1.")
                        .arg(ImageFile::problemWith(received, ImageFile::WindowMaximum)));
    return ExitCode::FileProblem;
}

ExitCode Commands::write()
{
    const auto image = load(m_request.files.at(0), ImageFile::WriteMaximum);
    if (!image)
        return ExitCode::FileProblem;
    if (!openLink())
        return ExitCode::LinkFailed;
    const Outcome outcome = perform(int(image->size()) + 1, [this, &image] { m_link->writeImage(*image); });
    if (outcome != Outcome::Succeeded)
        return ExitCode::LinkFailed;
    if (m_request.verify == Request::Verify::Skip)
        return ExitCode::Done;
    return compareWith(*image);
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
    m_console.data(formatTable(decodeImage(*image, CommandTable::emptyTable()), m_request.format));
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
    const ConfigText::Rendering rendering =
        ConfigText::render(*image, m_request.outputForm.value_or(ConfigText::formOfName(path)));
    if (!rendering.ok()) {
        m_console.error(QCoreApplication::translate("Commands", "Soubor %1 nebyl uložen: %2.")
                            .arg(ImageFile::quoted(path), rendering.refusal.message(m_request.files.at(0))));
        return ExitCode::Different;
    }
    return save(path, rendering.bytes) ? ExitCode::Done : ExitCode::FileProblem;
}

ExitCode Commands::saveRead(const QString &path, const QByteArray &image)
{
    const ConfigText::Rendering rendering = ConfigText::render(image, ConfigText::formOfName(path));
    if (!save(path, rendering.ok() ? rendering.bytes : image))
        return ExitCode::FileProblem;
    if (rendering.ok())
        return ExitCode::Done;
    m_console.error(QCoreApplication::translate("Commands", "Soubor %1 obsahuje obraz tak, jak přišel: %2.")
                        .arg(ImageFile::quoted(path), rendering.refusal.message(QString())));
    return ExitCode::Different;
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
    m_console.status(QStringLiteral("Uloženo do souboru %1 (%2 B)").arg(ImageFile::quoted(path)).arg(bytes.size()));
    return true;
}

bool Commands::openLink()
{
    m_link = std::make_unique<ModuleLink>();
    QObject::connect(m_link.get(), &ModuleLink::logged, m_link.get(), [this](const QString &message) {
        if (m_console.quiet())
            m_held << message;
        else
            m_console.status(message);
    });
    QObject::connect(m_link.get(), &ModuleLink::progressChanged, m_link.get(),
                     [this](double value) { m_progress.update(value); });
    QString reason;
    if (m_link->openPort(m_request.port, &reason))
        return true;
    m_console.error(QStringLiteral("Port %1 nelze otevřít: %2").arg(m_request.port, reason));
    return false;
}

ModuleLink::Outcome Commands::perform(int progressTotal, const std::function<void()> &start)
{
    QEventLoop loop;
    bool ended = false;
    Outcome outcome = Outcome::Interrupted;
    const QMetaObject::Connection connection = QObject::connect(
        m_link.get(), &ModuleLink::operationEnded, &loop,
        [&](ModuleLink::Operation, ModuleLink::Outcome result) {
            ended = true;
            outcome = result;
            loop.quit();
        });
    m_held.clear();
    if (progressTotal > 0)
        m_progress.start(progressTotal);
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
    const Outcome outcome = perform(ConfigImageLayout::ImageSize, [this, &expected] {
        m_link->verifyModule(expected);
    });
    if (outcome == Outcome::Succeeded)
        return ExitCode::Done;
    if (outcome != Outcome::Failed || m_link->verifyDifference() == 0)
        return ExitCode::LinkFailed;
    for (const ConfigDifference &difference : configDifferences(expected, m_link->verifiedImage()))
        m_console.data(difference.line() + u'\n');
    return ExitCode::Different;
}
