// SPDX-License-Identifier: MIT
#include "SeriesDialog.h"

#include "ImageFile.h"
#include "Layout.h"
#include "PortName.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>

namespace {

// Positions and sizes in twips, relative to the dialog's client area.
constexpr int ClientWidth = 6360;
constexpr int ClientHeight = 3960;
constexpr TwipsRect SeriesLayout[] = {
    {"LabelSource", 120, 150, 1395, 255},
    {"OptionTable", 1560, 120, 4680, 255},
    {"OptionFile", 1560, 450, 1200, 255},
    {"EditFile", 2760, 420, 2955, 315},
    {"CommandFile", 5760, 420, 480, 315},
    {"LabelPort", 120, 810, 1395, 255},
    {"EditPort", 1560, 780, 1815, 315},
    {"LabelLog", 120, 1170, 1395, 255},
    {"EditLog", 1560, 1140, 4155, 315},
    {"CommandLog", 5760, 1140, 480, 315},
    {"LabelCount", 120, 1530, 1395, 255},
    {"SpinCount", 1560, 1500, 1215, 315},
    {"LabelState", 120, 1920, 6120, 975},
    {"LabelCounts", 120, 3000, 6120, 255},
    {"CommandStart", 120, 3420, 1455, 375},
    {"CommandStop", 1680, 3420, 1455, 375},
    {"CommandClose", 4785, 3420, 1455, 375},
};

constexpr qreal StatePointSize = 16;
const QColor Waiting = Palette::PaleYellow;

template<typename W, typename... Args>
W *make(QWidget *parent, const char *name, Args &&...args)
{
    return makePlaced<W>(parent, SeriesLayout, name, std::forward<Args>(args)...);
}

} // namespace

SeriesDialog::SeriesDialog(ModuleLink &windowLink, const QByteArray &tableImage, const QString &windowPort,
                           QWidget *parent)
    : QDialog(parent)
    , m_windowLink(windowLink)
    , m_tableImage(tableImage)
    , m_windowPort(windowPort)
{
    buildWindow();
    connect(&m_run, &SeriesRun::phaseChanged, this, &SeriesDialog::followPhase);
    connect(&m_run, &SeriesRun::moduleRecorded, this, &SeriesDialog::moduleRecorded);
    connect(&m_run, &SeriesRun::finished, this, &SeriesDialog::finished);
    connect(ui.startButton, &QPushButton::clicked, this, &SeriesDialog::start);
    connect(ui.stopButton, &QPushButton::clicked, this, &SeriesDialog::stop);
    connect(ui.closeButton, &QPushButton::clicked, this, &SeriesDialog::reject);
    connect(ui.fileButton, &QPushButton::clicked, this, &SeriesDialog::chooseFile);
    connect(ui.protocolButton, &QPushButton::clicked, this, &SeriesDialog::chooseProtocol);
    setRunning(false);
}

void SeriesDialog::buildWindow()
{
    setObjectName(QStringLiteral("SeriesDialog"));
    setWindowTitle(tr("Série modulů"));
    setFont(uiFont());
    setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));
    setAttribute(Qt::WA_DeleteOnClose);

    make<QLabel>(this, "LabelSource", tr("Konfigurace:"));
    ui.tableOption = make<QRadioButton>(this, "OptionTable", tr("z tabulky v okně"));
    ui.fileOption = make<QRadioButton>(this, "OptionFile", tr("ze souboru:"));
    ui.fileEdit = make<QLineEdit>(this, "EditFile");
    ui.fileButton = make<QPushButton>(this, "CommandFile", QStringLiteral("…"));
    ui.fileButton->setAccessibleName(tr("Vybrat soubor konfigurace"));
    // A table that cannot be encoded leaves a file as the only source.
    (m_tableImage.isEmpty() ? ui.fileOption : ui.tableOption)->setChecked(true);
    connect(ui.fileEdit, &QLineEdit::textEdited, ui.fileOption, [this] { ui.fileOption->setChecked(true); });

    make<QLabel>(this, "LabelPort", tr("Port:"))->setBuddy(ui.portEdit = make<QLineEdit>(this, "EditPort", m_windowPort));
    make<QLabel>(this, "LabelLog", tr("Protokol:"))->setBuddy(ui.protocolEdit = make<QLineEdit>(this, "EditLog"));
    ui.protocolEdit->setText(QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                 .filePath(QStringLiteral("vrk04-protokol.csv")));
    ui.protocolButton = make<QPushButton>(this, "CommandLog", QStringLiteral("…"));
    ui.protocolButton->setAccessibleName(tr("Vybrat soubor protokolu"));
    make<QLabel>(this, "LabelCount", tr("Počet modulů:"))->setBuddy(ui.countBox = make<QSpinBox>(this, "SpinCount"));
    ui.countBox->setRange(0, 9999);
    ui.countBox->setSpecialValueText(tr("bez omezení"));

    ui.state = make<QLabel>(this, "LabelState");
    ui.state->setFont(uiFont(StatePointSize, QFont::Bold));
    ui.state->setAlignment(Qt::AlignCenter);
    ui.state->setWordWrap(true);
    ui.state->setAutoFillBackground(true);
    ui.counts = make<QLabel>(this, "LabelCounts");
    ui.counts->setAlignment(Qt::AlignCenter);

    ui.startButton = make<QPushButton>(this, "CommandStart", tr("Spustit"));
    ui.stopButton = make<QPushButton>(this, "CommandStop", tr("Stop"));
    ui.closeButton = make<QPushButton>(this, "CommandClose", tr("Zavřít"));
    ui.startButton->setDefault(true);
}

void SeriesDialog::reject()
{
    if (!m_run.isRunning())
        QDialog::reject();
}

void SeriesDialog::start()
{
    if (m_windowLink.isBusy())
        return showState(tr("Okno právě přenáší data: počkejte na konec přenosu."), Palette::FindingRed);
    QByteArray image = m_tableImage;
    QString source = tr("tabulka v okně");
    if (ui.fileOption->isChecked()) {
        source = ui.fileEdit->text();
        const ImageFile::Loaded loaded = ImageFile::load(source, ImageFile::WriteMaximum);
        if (!loaded.ok())
            return showState(loaded.problem, Palette::FindingRed);
        image = ImageFile::whole(loaded.bytes);
    }
    m_port = ui.portEdit->text().trimmed();
    if (usesWindowPort())
        m_windowLink.closePort();
    QString reason;
    if (!m_link.openPort(m_port, &reason)) {
        giveBackPort();
        return showState(tr("Port %1 nelze otevřít: %2").arg(m_port, reason), Palette::FindingRed);
    }
    QStringList problems;
    if (!m_run.start({image, source, PortName::normalised(m_port), ui.protocolEdit->text(), ui.countBox->value()},
                     &problems)) {
        m_link.closePort();
        giveBackPort();
        return showState(tr("Série nezačala: %1").arg(problems.join(u'\n')), Palette::FindingRed);
    }
    setRunning(true);
    showCounts();
}

void SeriesDialog::stop()
{
    if (m_run.stop(SeriesRun::Stop::LetWriteFinish))
        showState(tr("Zápis se dokončí, aby modul nezůstal zapsaný napůl. Dalším Stop ho přerušíte."), Waiting);
}

void SeriesDialog::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Konfigurace pro sérii"), ui.fileEdit->text());
    if (path.isEmpty())
        return;
    ui.fileEdit->setText(path);
    ui.fileOption->setChecked(true);
}

void SeriesDialog::chooseProtocol()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Protokol série"), ui.protocolEdit->text(),
                                                      tr("Protokol CSV (*.csv)"), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty())
        ui.protocolEdit->setText(path);
}

// The result of a module stays up in its colour until the module has gone.
void SeriesDialog::followPhase(SeriesRun::Phase phase)
{
    if (phase == SeriesRun::Phase::AwaitingRemoval)
        showState(m_run.stateText(), m_lastOk ? Palette::Green : Palette::FindingRed);
    else if (phase != SeriesRun::Phase::Idle)
        showState(m_run.stateText(), Waiting);
}

void SeriesDialog::moduleRecorded(const SeriesRecord &record)
{
    m_lastOk = record.ok;
    emit logged(m_run.resultLine(record));
    showCounts();
    if (record.ok)
        QApplication::beep();
}

void SeriesDialog::finished(SeriesRun::Ending ending)
{
    m_link.closePort();
    giveBackPort();
    setRunning(false);
    emit logged(m_run.summary());
    switch (ending) {
    case SeriesRun::Ending::Completed:
        showState(tr("Série dokončena: vypněte modul"), Palette::Green);
        break;
    case SeriesRun::Ending::Stopped:
        showState(tr("Série zastavena"), Waiting);
        break;
    case SeriesRun::Ending::ProtocolFailed:
    case SeriesRun::Ending::PortLost:
        showState(m_run.problem(), Palette::FindingRed);
        break;
    }
    showCounts();
}

void SeriesDialog::showState(const QString &text, const QColor &colour)
{
    ui.state->setText(text);
    QPalette palette = ui.state->palette();
    palette.setColor(QPalette::Window, colour);
    ui.state->setPalette(palette);
}

void SeriesDialog::showCounts()
{
    ui.counts->setText(tr("V pořádku: %1    S chybou: %2").arg(m_run.good()).arg(m_run.failed()));
}

void SeriesDialog::setRunning(bool running)
{
    for (QWidget *setting : std::initializer_list<QWidget *>{ui.tableOption, ui.fileOption, ui.fileEdit, ui.fileButton,
                                                             ui.portEdit, ui.protocolEdit, ui.protocolButton,
                                                             ui.countBox, ui.startButton, ui.closeButton})
        setting->setEnabled(!running);
    ui.tableOption->setEnabled(!running && !m_tableImage.isEmpty());
    ui.stopButton->setEnabled(running);
}

bool SeriesDialog::usesWindowPort() const
{
    return !m_windowPort.isEmpty() && PortName::normalised(m_port) == PortName::normalised(m_windowPort);
}

// The window's link opens its port again, as it was before the run.
void SeriesDialog::giveBackPort()
{
    if (!usesWindowPort())
        return;
    QString reason;
    if (!m_windowLink.openPort(m_windowPort, &reason))
        emit logged(tr("Port %1 nelze otevřít: %2").arg(m_windowPort, reason));
}
