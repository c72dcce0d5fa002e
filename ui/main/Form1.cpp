// SPDX-License-Identifier: MIT
#include "Form1.h"

#include "CheckMarks.h"
#include "CommandPage.h"
#include "ConfigFileActions.h"
#include "FailureNotice.h"
#include "FlexGrid.h"
#include "Form1Layout.h"
#include "Form2.h"
#include "Form3.h"
#include "Fingerprint.h"
#include "ImageBoxActions.h"
#include "ImageTextBox.h"
#include "LinkPage.h"
#include "MakerDetails.h"
#include "ModuleCopies.h"
#include "PortCombo.h"
#include "PortPicker.h"
#include "Questions.h"
#include "RememberedChoices.h"
#include "SeriesDialog.h"
#include "SettingsPage.h"
#include "StatusBox.h"
#include "TransferBar.h"
#include "Version.h"
#include "WriteQuestion.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

using Form1Layout::ClientHeight;
using Form1Layout::ClientWidth;
using Form1Layout::make;
using Form1Layout::makeOnPage;

constexpr int SettingsTab = 1;

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    buildWindow();
    setFocusOrder();
    connectLink();
    buildFileControls();
    buildOtherPort();

    connect(&m_config, &Configuration::tableChanged, this, &Form1::RefreshGrid);
    connect(new CheckMarks(m_config, *ui.grid, this), &CheckMarks::logged, this, &Form1::LogStatus);
    connect(&m_config, &Configuration::defaultStatesChanged, this, &Form1::DefaultsToButtons);
    connect(m_portChoice, &PortChoice::logged, this, &Form1::LogStatus);

    startUp();
    connect(&m_session, &Session::stateChanged, this, &Form1::showTitle);
    m_files->setReplaceCheck([this] { return mayReplaceTable(); });
}

Form1::~Form1()
{
    // The editor works on the configuration, which goes before the children.
    delete m_editor;
    delete m_help;
}

void Form1::buildWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Title);
    setFont(uiFont());
    setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));

    ui.productHeading = make<QLabel>(this, "Label3", QStringLiteral(">> VRK-04 Server <<"));
    ui.productHeading->setAlignment(Qt::AlignCenter);
    ui.productHeading->setFont(uiFont(13.5, QFont::Bold));
    setTextColour(ui.productHeading, Palette::DarkBlue);

    ui.versionLine = make<QLabel>(this, "Label4", tr("setup utility v %1 , build 4.1.2006").arg(QStringLiteral(VRK04_VERSION)));
    ui.versionLine->setAlignment(Qt::AlignCenter);

    ui.tabs = make<TabControl>(this, "SSTab1");
    ui.tabs->tabBar()->setExpanding(false);
    buildCommandPage();
    buildSettingsPage();
    buildLinkPage();
    ui.tabs->setCurrentIndex(SettingsTab);

    ui.imageBox = make<ImageTextBox>(this, "Text1");
    ui.showImageButton = make<QPushButton>(this, "Command7", QStringLiteral("data -> win"));
    ui.takeImageButton = make<QPushButton>(this, "Command5", QStringLiteral("win -> data"));
    ui.showImageButton->setToolTip(tr("Zobrazit v poli výše obraz konfigurace, jak ho tabulka zapíše do modulu"));
    ui.takeImageButton->setToolTip(tr("Převzít obraz konfigurace z pole výše do tabulky a výchozích stavů"));
    m_imageBox = new ImageBoxActions(*this, *ui.imageBox, m_config);
    m_imageBox->setReplaceCheck([this] { return mayReplaceTable(); });
    connect(ui.showImageButton, &QPushButton::clicked, m_imageBox, &ImageBoxActions::showImage);
    connect(ui.takeImageButton, &QPushButton::clicked, m_imageBox, &ImageBoxActions::takeImage);

    ui.progressBar = make<TransferBar>(this, "bar");

    ui.statusBar = make<QStatusBar>(this, "StatusBar1");
    ui.statusBar->setSizeGripEnabled(false);
    ui.statusBar->addWidget(
        new QLabel(tr("VRK-04 server setup utility     ") + MakerDetails::Notice), 1);
}

void Form1::buildCommandPage()
{
    ui.commands = new CommandPage(*ui.tabs);
    ui.tabs->addTab(ui.commands, tr("Tabulka SMS Povelů"));
    ui.grid = ui.commands->grid;
    connect(ui.grid, &FlexGrid::rowDoubleClicked, this, &Form1::editCommand);
}

void Form1::buildSettingsPage()
{
    ui.settings = new SettingsPage(*ui.tabs);
    ui.tabs->addTab(ui.settings, tr("Nastavení"));
    connect(ui.settings, &SettingsPage::toggled, this, &Form1::toggleDefaultButton);
}

void Form1::buildLinkPage()
{
    ui.link = new LinkPage(*ui.tabs);
    ui.tabs->addTab(ui.link, tr("PC <--> GSM Pager"));
    m_portChoice = m_link.makePortChoice(*ui.link, this);
    for (QRadioButton *option : ui.link->portOptions) {
        // Every click chooses again, also on the option already selected.
        connect(option, &QRadioButton::clicked, this, [this] { m_portChoice->SelectPort(); });
    }
    connect(ui.link->helpButton, &QPushButton::clicked, this, &Form1::showHelp);
    connect(ui.link->exitButton, &QPushButton::clicked, this, &Form1::endProgram);
    connect(ui.link->seriesButton, &QPushButton::clicked, this, [this] {
        auto *dialog = new SeriesDialog(m_link, m_session.tableImage(), ui.link->chosenPort(), this);
        connect(dialog, &SeriesDialog::logged, this, &Form1::LogStatus);
        dialog->open();
    });
}

// The controls added for configuration files and verify, which follow the
// window's original focus order. Built after connectLink(): the verify that
// follows a write starts once the window has shown the write's end.
void Form1::buildFileControls()
{
    m_files = new ConfigFileActions(*this, m_session);
    connect(m_files, &ConfigFileActions::logged, this, &Form1::LogStatus);
    connect(ui.link->traceButton, &QPushButton::clicked, m_files, &ConfigFileActions::saveTrace);

    ui.openButton = make<QPushButton>(this, "CommandOpen", tr("Otevřít…"));
    ui.openButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ui.openButton->setToolTip(tr("Načíst konfiguraci ze souboru (Ctrl+O)"));
    connect(ui.openButton, &QPushButton::clicked, m_files, &ConfigFileActions::open);

    ui.saveButton = make<QPushButton>(this, "CommandSave", tr("Uložit…"));
    ui.saveButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ui.saveButton->setToolTip(tr("Uložit konfiguraci z tabulky do souboru (Ctrl+S)"));
    connect(ui.saveButton, &QPushButton::clicked, m_files, &ConfigFileActions::save);

    connect(ui.link->verifyAfterWrite, &QCheckBox::toggled, m_files, [this](bool on) {
        m_files->setAfterWrite(on ? ConfigFileActions::AfterWrite::Verify : ConfigFileActions::AfterWrite::Nothing);
    });
    ui.link->verifyAfterWrite->setChecked(RememberedChoices::verifyAfterWrite());
    connect(ui.link->verifyAfterWrite, &QCheckBox::toggled, this, [this](bool on) {
        if (const QString problem = RememberedChoices::setVerifyAfterWrite(on); !problem.isEmpty())
            reportUnwritable(problem);
    });

    connect(ui.link->verifyButton, &QPushButton::clicked, m_files, [this] {
        m_portPicker->openRestored();
        m_files->verify();
    });

    QWidget *const order[] = {ui.link->exitButton, ui.link->verifyAfterWrite, ui.link->verifyButton,
                              ui.openButton,       ui.saveButton,               ui.link->seriesButton,
                              ui.link->traceButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// "Jiný port" under the frame "Port", in the focus order after the options.
void Form1::buildOtherPort()
{
    setTabOrder(ui.link->portOptions[5], ui.link->otherPortBox);
    setTabOrder(ui.link->otherPortBox, ui.link->testButton);

    const QList<QRadioButton *> options(ui.link->portOptions.begin(), ui.link->portOptions.end());
    m_portPicker = new PortPicker(m_link, *m_portChoice, *ui.link->otherPortBox, options, this);
    connect(m_portPicker, &PortPicker::logged, this, &Form1::LogStatus);
    connect(m_portPicker, &PortPicker::notRemembered, this, &Form1::reportUnwritable);
}

void Form1::setFocusOrder()
{
    const SettingsPage &settings = *ui.settings;
    const LinkPage &link = *ui.link;
    QWidget *const order[] = {
        ui.imageBox, ui.tabs, ui.grid, settings.defaultButtons[4], settings.defaultButtons[3],
        settings.defaultButtons[2], settings.defaultButtons[1], settings.defaultButtons[0], ui.takeImageButton,
        ui.showImageButton, link.portOptions[0], link.portOptions[1], link.portOptions[2], link.portOptions[3],
        link.portOptions[4], link.portOptions[5], link.testButton, link.writeButton, link.readButton, link.statusBox,
        settings.cablingPicture, settings.factoryButton, link.helpButton, link.exitButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form1::connectLink()
{
    connect(&m_link, &ModuleLink::logged, this, &Form1::LogStatus);
    connect(&m_link, &ModuleLink::advised, ui.link->statusBox, &StatusBox::LogAdvice);
    connect(&m_link, &ModuleLink::progressChanged, ui.progressBar, &TransferBar::follow);
    connect(&m_link, &ModuleLink::operationEnded, ui.progressBar, &TransferBar::empty);
    connect(&m_link, &ModuleLink::operationEnded, this, &Form1::followOperation);
    new FailureNotice(*this, m_session);
    connect(ui.link->testButton, &QPushButton::clicked, this, [this] {
        m_portPicker->openRestored();
        m_link.testLink();
    });
    connect(ui.link->readButton, &QPushButton::clicked, this, &Form1::readFromModule);
    connect(ui.link->writeButton, &QPushButton::clicked, this, &Form1::writeToModule);
}

void Form1::readFromModule()
{
    if (!m_link.isBusy() && !mayReplaceTable())
        return;
    m_portPicker->openRestored();
    m_session.read();
    if (m_link.isBusy() && m_link.runningOperation() == ModuleLink::Operation::Read)
        holdEdits(Edits::Held);
}

void Form1::holdEdits(Edits edits)
{
    const bool allowed = edits == Edits::Allowed;
    QWidget *const controls[] = {ui.grid, ui.takeImageButton, ui.openButton, m_editor};
    for (QWidget *control : controls) {
        if (control)
            control->setEnabled(allowed);
    }
    for (QPushButton *button : ui.settings->defaultButtons)
        button->setEnabled(allowed);
    setAcceptDrops(allowed);
    if (allowed)
        ui.statusBar->clearMessage();
    else
        ui.statusBar->showMessage(tr("Probíhá vyčítání z modulu: tabulku do jeho konce nelze měnit."));
}

// One click must not write start-up's empty table over a configured module,
// nor a table the module will not obey or that changes a module read here,
// unasked; one question at most.
void Form1::writeToModule()
{
    if (!m_link.isBusy()) {
        const WriteQuestion::Answer answer = WriteQuestion::ask(this, m_config, m_session.knownImage());
        if (answer == WriteQuestion::Answer::Back)
            return;
        if (answer == WriteQuestion::Answer::Write)
            m_session.confirmTable();
    }
    if (!m_session.touched() && !m_link.isBusy()) {
        const QString text = tr("Tabulka nebyla vyčtena z modulu, otevřena ze souboru ani upravena: je prázdná.\n"
                                "Opravdu ji zapsat do modulu?");
        if (questionBox()(this, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
        m_session.confirmTable();
    }
    m_portPicker->openRestored();
    m_session.write();
}

// A successful read also goes to a copy of its own: the module's
// configuration survives whatever is written to the module later.
void Form1::followOperation(ModuleLink::Operation operation, ModuleLink::Outcome outcome)
{
    if (operation == ModuleLink::Operation::Read)
        holdEdits(Edits::Allowed);
    if (m_stopAfterWrite && operation == ModuleLink::Operation::Write) {
        QCoreApplication::exit(128 + m_stopAfterWrite);
        m_stopAfterWrite = 0;
    }
    if (outcome != ModuleLink::Outcome::Succeeded)
        return;
    if (operation == ModuleLink::Operation::Write)
        logFingerprint();
    if (operation != ModuleLink::Operation::Read)
        return;
    // The box must not keep an earlier module's bytes for "win -> data" to bring back.
    if (ui.imageBox->image() != m_link.lastReadImage())
        ui.imageBox->clear();
    QString problem;
    const QString copy = ModuleCopies::keep(m_link.lastReadImage(), &problem);
    if (copy.isEmpty())
        reportUnwritable(tr("Kopii z modulu nelze uložit: %1").arg(problem));
    else
        ui.link->statusBox->LogAdvice(tr("Kopie z modulu uložena do %1").arg(QDir::toNativeSeparators(copy)));
    logFingerprint();
}

// What the module holds now, not the table: it may have been edited meanwhile.
void Form1::logFingerprint()
{
    LogStatus(fingerprintLine(imageFingerprint(m_session.knownImage().value_or(QByteArray()))));
}

// "golden.bin* – VRK-04 setup": the file the table belongs to, and a star
// while it has unsaved edits.
void Form1::showTitle()
{
    const QString star = m_session.differsFromKept() ? QStringLiteral("*") : QString();
    const Session::Origin &origin = m_session.origin();
    if (origin.kind != Session::Origin::Kind::File)
        setWindowTitle(Title + star);
    else
        setWindowTitle(QStringLiteral("%1%2 – %3").arg(QFileInfo(origin.file).fileName(), star, Title));
}

bool Form1::mayReplaceTable()
{
    if (!m_session.differsFromKept())
        return true;
    const QString text = tr("Tabulka byla od posledního vyčtení, otevření, uložení nebo zápisu změněna.\n"
                            "Uložit změny do souboru?");
    switch (questionBox()(this, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                          QMessageBox::Save)) {
    case QMessageBox::Save:
        return m_files->save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool Form1::mayLeave()
{
    if (m_link.isBusy() && m_link.runningOperation() == ModuleLink::Operation::Write) {
        const QString text = tr("Probíhá zápis do modulu. Po ukončení programu by v modulu zůstala neúplná "
                                "konfigurace a modul by čekal na zbytek obrazu.\nPřesto skončit?");
        if (questionBox()(this, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return false;
    }
    return mayReplaceTable();
}

void Form1::stopRequested(int number)
{
    const bool writing = m_link.isBusy() && m_link.runningOperation() == ModuleLink::Operation::Write;
    if (writing && !m_stopAfterWrite) {
        m_stopAfterWrite = number;
        m_files->setAfterWrite(ConfigFileActions::AfterWrite::Nothing);
        LogStatus(tr("Program má skončit: zápis se nejdřív dokončí, aby modul nezůstal zapsaný napůl. "
                     "Další pokyn k ukončení zápis přeruší."));
        return;
    }
    m_link.abandon();
    QCoreApplication::exit(128 + number);
}

void Form1::startUp()
{
    LogStatus(tr("Program spuštěn"));
    if (const QString problem = RememberedChoices::problem(); !problem.isEmpty())
        LogStatus(problem);
    m_config.ResetTable();
    ButtonsToDefaults();
    m_session.keepAsFactory();
    m_portChoice->ScanPorts();
    m_portPicker->restore();
}

bool Form1::openFile(const QString &path)
{
    return mayReplaceTable() && m_files->openFile(path);
}

void Form1::LogStatus(const QString &message)
{
    ui.link->statusBox->LogStatus(message);
}

void Form1::reportUnwritable(const QString &problem)
{
    LogStatus(problem);
    FailureNotice::box()(this, problem);
}

void Form1::RefreshGrid()
{
    ui.commands->showTable(m_config.CommandTable());
}

void Form1::toggleDefaultButton(int output)
{
    DefaultStates states = m_config.defaultStates();
    states.at(output - 1) = !states.at(output - 1);
    m_config.setDefaultStates(states);
}

// The buttons' states into the configuration, as at start-up.
void Form1::ButtonsToDefaults()
{
    m_config.setDefaultStates(ui.settings->shownStates());
}

void Form1::DefaultsToButtons()
{
    ui.settings->showStates(m_config.defaultStates());
}

void Form1::editCommand(int gridRow)
{
    if (!m_editor)
        m_editor = new Form2(m_config, this);
    m_editor->editRow(gridRow);
}

void Form1::showHelp()
{
    Form3::showHelp(m_help);
}

// Closing the main window by its frame ends the program: the editor and the
// help window go with it rather than keep the program running on their own.
void Form1::closeEvent(QCloseEvent *event)
{
    if (!mayLeave()) {
        event->ignore();
        return;
    }
    if (m_editor)
        m_editor->close();
    if (m_help)
        m_help->close();
    event->accept();
}

void Form1::endProgram()
{
    if (mayLeave())
        QCoreApplication::exit(0);
}

