// SPDX-License-Identifier: MIT
#include "ConfigFileActions.h"

#include "ConfigCheck.h"
#include "ConfigText.h"
#include "CustomerSheet.h"
#include "Fingerprint.h"
#include "ImageCodec.h"
#include "ImageFile.h"
#include "ModuleCopies.h"
#include "SheetPdf.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>

namespace {

QString chooseTraceFile(QWidget *parent, const QString &folder)
{
    QFileDialog dialog(parent, ConfigFileActions::tr("Uložit záznam linky"), folder);
    dialog.setNameFilters({ConfigFileActions::tr("Záznam linky (*.txt)"), ConfigFileActions::tr("Všechny soubory (*)")});
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(QStringLiteral("vrk04-zaznam.txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString chooseWithDialog(QWidget *parent, FileDialogMode mode, const QString &folder)
{
    if (mode == FileDialogMode::SaveTrace)
        return chooseTraceFile(parent, folder);
    const bool saving = mode == FileDialogMode::Save;
    QFileDialog dialog(parent, saving ? ConfigFileActions::tr("Uložit konfiguraci") : ConfigFileActions::tr("Otevřít konfiguraci"),
                       folder);
    // Saving: the filter gives a name without a suffix its suffix, and the
    // suffix the form. Opening: the content tells the form.
    const QStringList suffixes = {QStringLiteral("bin"), QStringLiteral("json"), QStringLiteral("csv"),
                                  QStringLiteral("pdf")};
    QStringList filters = {ConfigFileActions::tr("Obraz konfigurace (*.bin)"),
                           ConfigFileActions::tr("Konfigurace jako JSON (*.json)"),
                           ConfigFileActions::tr("Konfigurace jako CSV (*.csv)")};
    if (saving)
        filters << ConfigFileActions::tr("List pro zákazníka (*.pdf)");
    else
        filters.prepend(ConfigFileActions::tr("Konfigurace (*.bin *.json *.csv)"));
    dialog.setNameFilters(filters << ConfigFileActions::tr("Všechny soubory (*)"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Opening: a typed name is found below, as it is or with a suffix; the
    // dialog's own check would add ".bin" to a file named without one.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (saving)
        dialog.setDefaultSuffix(suffixes.constFirst());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        const qsizetype i = filters.indexOf(filter);
        if (saving && i >= 0 && i < suffixes.size())
            dialog.setDefaultSuffix(suffixes.at(i));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    if (saving || QFileInfo::exists(path))
        return path;
    for (const QString &suffix : suffixes) {
        if (const QString withSuffix = path + u'.' + suffix; QFileInfo::exists(withSuffix))
            return withSuffix;
    }
    return path; // openFile() says that it does not exist
}

QString named(const QString &path)
{
    return QStringLiteral("„%1“").arg(QFileInfo(path).fileName());
}

// The one local file a drag carries; empty for anything else.
QString droppedFile(const QMimeData *data)
{
    if (!data || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return {};
    return data->urls().constFirst().toLocalFile();
}

} // namespace

FileChooser &fileChooser()
{
    static FileChooser chooser = chooseWithDialog;
    return chooser;
}

ConfigFileActions::ConfigFileActions(QWidget &window, Session &session)
    : QObject(&window)
    , m_window(window)
    , m_session(session)
    , m_link(session.link())
{
    m_window.setAcceptDrops(true);
    m_window.installEventFilter(this);
    connect(&m_link, &ModuleLink::operationEnded, this, &ConfigFileActions::followWrite);
}

void ConfigFileActions::open()
{
    if (!m_mayReplace())
        return;
    // Until a file has been opened or saved, the copies of the modules read.
    const QString folder = m_folder.isEmpty() ? ModuleCopies::folder() : m_folder;
    const QString path = fileChooser()(&m_window, FileDialogMode::Open, folder);
    if (!path.isEmpty())
        openFile(path);
}

bool ConfigFileActions::save()
{
    // The user's own files never go among the copies, whose oldest are pruned.
    const QString folder = ModuleCopies::holds(m_folder)
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : m_folder;
    const QString path = fileChooser()(&m_window, FileDialogMode::Save, folder);
    return !path.isEmpty() && saveFile(path) && !CustomerSheet::isSheetName(path);
}

bool ConfigFileActions::openFile(const QString &path)
{
    const ImageFile::Loaded loaded = ImageFile::load(path, ImageFile::WindowMaximum);
    if (!loaded.ok()) {
        showProblem(loaded.problem + tr("\nKonfigurace zůstává beze změny."));
        return false;
    }
    int failedPosition = 0;
    if (!m_session.configuration().ImageToTable(loaded.bytes, &failedPosition)) {
        showProblem(tr("Soubor %1: %2.\nKonfigurace zůstává beze změny.")
                        .arg(named(path), ImageFile::undecodableByte(loaded.bytes, failedPosition)));
        return false;
    }
    m_folder = QFileInfo(path).absolutePath();
    emit logged(tr("Načteno ze souboru %1").arg(named(path)));
    m_session.keepFile(path);
    return true;
}

bool ConfigFileActions::saveFile(const QString &path)
{
    Configuration &config = m_session.configuration();
    QString problem;
    if (!config.TableToImage(&problem)) {
        showProblem(problem + tr("\nSoubor nebyl uložen."));
        return false;
    }
    if (CustomerSheet::isSheetName(path))
        return saveSheet(path);
    const ConfigText::Rendering rendering = ConfigText::render(config.ConfigImage(), ConfigText::formOfName(path));
    if (!rendering.ok()) {
        showProblem(rendering.refusal.message(named(path)) + tr("\nSoubor nebyl uložen."));
        return false;
    }
    if (!ImageFile::save(path, rendering.bytes, &problem)) {
        emit logged(problem);
        showProblem(problem);
        return false;
    }
    m_folder = QFileInfo(path).absolutePath();
    emit logged(tr("Uloženo do souboru %1").arg(named(path)));
    m_session.keepFile(path);
    return true;
}

void ConfigFileActions::saveTrace()
{
    const QString path = fileChooser()(&m_window, FileDialogMode::SaveTrace,
                                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (path.isEmpty())
        return;
    QString problem;
    if (!ImageFile::save(path, m_link.trace().text().toUtf8(), &problem)) {
        emit logged(problem);
        showProblem(problem);
        return;
    }
    emit logged(tr("Záznam linky uložen do souboru %1").arg(named(path)));
}

// The sheet cannot be opened again, so the table is not kept in it: its
// edits stay unsaved.
bool ConfigFileActions::saveSheet(const QString &path)
{
    const Configuration &config = m_session.configuration();
    QStringList findings;
    for (const ConfigFinding &finding : checkTable(config.CommandTable()))
        findings << findingLine(finding);
    const CustomerSheet::Source source = {sheetOrigin(), QDate::currentDate(), configFingerprint(config), findings};
    QString problem;
    if (!ImageFile::save(path, sheetPdf(CustomerSheet::make(config.CommandTable(), config.defaultStates(), source)),
                         &problem)) {
        emit logged(problem);
        showProblem(problem);
        return false;
    }
    m_folder = QFileInfo(path).absolutePath();
    emit logged(tr("Uloženo do souboru %1").arg(named(path)));
    return true;
}

void ConfigFileActions::verify()
{
    const Configuration &config = m_session.configuration();
    const ImageEncoding encoded =
        encodeImage(config.CommandTable(), config.DefaultStateByte1(), config.DefaultStateByte2());
    if (!encoded.ok()) {
        showProblem(encoded.message() + tr("\nOvěření neproběhlo."));
        return;
    }
    m_link.verifyModule(encoded.image);
}

// Runs while the write's end is reported: the verify starts before anything
// else can touch the link.
void ConfigFileActions::followWrite(ModuleLink::Operation operation, ModuleLink::Outcome outcome)
{
    if (m_afterWrite != AfterWrite::Verify || operation != ModuleLink::Operation::Write
        || outcome != ModuleLink::Outcome::Succeeded)
        return;
    // The verify's read reuses the link's buffers, so it gets a copy.
    const QByteArray written = m_link.writtenImage();
    m_link.verifyModule(written);
}

QString ConfigFileActions::sheetOrigin() const
{
    const Session::Origin &origin = m_session.origin();
    switch (origin.kind) {
    case Session::Origin::Kind::File:
        return CustomerSheet::fileOrigin(origin.file);
    case Session::Origin::Kind::Module:
        return CustomerSheet::moduleOrigin(origin.port);
    case Session::Origin::Kind::Factory:
        break;
    }
    return {};
}

void ConfigFileActions::showProblem(const QString &text)
{
    QMessageBox::warning(&m_window, m_window.windowTitle(), text);
}

bool ConfigFileActions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_window)
        return false;
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (droppedFile(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty())
            return false;
        drop->acceptProposedAction();
        // After the drag has ended: a message box must not open inside it.
        QMetaObject::invokeMethod(this, [this, path] {
            if (m_mayReplace())
                openFile(path);
        }, Qt::QueuedConnection);
        return true;
    }
    return false;
}
