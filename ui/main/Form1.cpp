// SPDX-License-Identifier: MIT
#include "Form1.h"

#include "CheckMarks.h"
#include "ConfigFileActions.h"
#include "ConfigImage.h"
#include "CustomerSheet.h"
#include "DefaultStates.h"
#include "FailureNotice.h"
#include "FlexGrid.h"
#include "Form2.h"
#include "Form3.h"
#include "ImageCodec.h"
#include "ImageTextBox.h"
#include "KnownModule.h"
#include "Layout.h"
#include "LinkLabel.h"
#include "MakerDetails.h"
#include "ModuleCopies.h"
#include "OpenLink.h"
#include "PortCombo.h"
#include "PortPicker.h"
#include "RememberedChoices.h"
#include "SeriesDialog.h"
#include "Questions.h"
#include "SpreadLabel.h"
#include "StatusBox.h"
#include "TabControl.h"
#include "Version.h"
#include "WriteQuestion.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

namespace {

const QString Title = QStringLiteral("VRK-04 setup");

// Positions and sizes in twips, relative to the window's client area, to the
// tab control (page controls) or to the enclosing frame.
constexpr int ClientWidth = 9510;
constexpr int ClientHeight = 6300;
constexpr TwipsRect Form1Layout[] = {
    {"Label3", 120, 0, 9255, 375},
    {"Label4", 120, 360, 9255, 255},
    {"SSTab1", 120, 960, 9255, 3975},
    {"Text1", 0, 4920, 9495, 615},
    {"Command7", 120, 5520, 975, 255},
    {"Command5", 1200, 5520, 975, 255},
    {"bar", 0, 5760, 9495, 255},
    {"StatusBar1", 0, ClientHeight - 300, ClientWidth, 300},
    // Page "Tabulka SMS Povelů"
    {"grid1", 360, 600, 8415, 3015},
    // Page "Nastavení"
    {"Frame1", 360, 1080, 4215, 1575},
    {"Label1", 480, 360, 3495, 255},
    {"Command8", 360, 720, 495, 375},
    {"Command9", 1080, 720, 495, 375},
    {"Command10", 1800, 720, 495, 375},
    {"Command11", 2520, 720, 495, 375},
    {"Command12", 3240, 720, 495, 375},
    {"Label2", 240, 1200, 3735, 255},
    {"Picture1", 4920, 720, 3975, 2655},
    {"Command6", 1320, 3000, 2295, 375},
    // Page "PC <--> GSM Pager"
    {"Frame2", 240, 600, 1215, 2415},
    {"Option1", 120, 360, 975, 255},
    {"Option2", 120, 600, 975, 255},
    {"Option3", 120, 840, 975, 255},
    {"Option4", 120, 1080, 975, 255},
    {"Option5", 120, 1320, 855, 255},
    {"Option6", 120, 1560, 975, 255},
    {"Command3", 120, 2040, 975, 255},
    {"Frame5", 1560, 600, 3615, 1815},
    {"Text2", 120, 240, 3375, 1455},
    {"Frame4", 1560, 2520, 3615, 1335},
    {"Command2", 1320, 360, 2175, 375},
    {"Command1", 1320, 720, 2175, 375},
    {"Frame3", 5280, 600, 3615, 2415},
    {"Label5", 120, 360, 3135, 735},
    {"Label10", 120, 1200, 3255, 375},
    {"Label6", 120, 1800, 735, 255},
    {"Label8", 840, 1800, 1815, 255},
    {"Label7", 120, 2040, 735, 255},
    {"Label9", 840, 2040, 2415, 255},
    {"Command13", 6840, 3240, 2055, 255},
    {"Command4", 7440, 3600, 1455, 255},
    // Configuration files, in the free room right of "win -> data"
    {"CommandOpen", 2280, 5520, 975, 255},
    {"CommandSave", 3360, 5520, 975, 255},
    // Verify, in Frame4 left of the transfer buttons
    {"CheckVerify", 120, 300, 1140, 420},
    {"CommandVerify", 120, 720, 1095, 375},
    // Any other serial port, under the frame "Port" (page controls)
    {"LabelPort", 240, 3060, 1215, 255},
    {"ComboPort", 240, 3300, 1215, 315},
};

// Grid column widths in twips, columns 0 to 5; every row has the grid's
// standard height. Column 0 numbers the commands, columns 1 to 5 show the
// table's columns under their headings.
constexpr int GridColumnWidths[] = {300, 3742, 900, 1140, 900, 1140};
constexpr int GridRowHeight = 240;

constexpr int SettingsPage = 1;

// A bar repainted on every byte of a transfer would slow the transfer down;
// it follows the progress at most this often, and exactly when an operation ends.
constexpr int BarRedrawIntervalMs = 80;

template<typename W, typename... Args>
W *make(QWidget *parent, const char *name, Args &&...args)
{
    return makePlaced<W>(parent, Form1Layout, name, std::forward<Args>(args)...);
}

// A control on a page: designed relative to the tab control, placed on the page.
template<typename W, typename... Args>
W *makeOnPage(TabControl *tabs, QWidget *page, const char *name, Args &&...args)
{
    W *widget = make<W>(page, name, std::forward<Args>(args)...);
    widget->move(widget->pos() - tabs->pageOrigin());
    return widget;
}

// The character at index i of text for a message: in quotes with its code
// point, or the code point alone for a character that would not show or would
// disturb the sentence (a control, a direction or width format character, a
// combining mark, half a surrogate pair).
QString describeCharacter(QStringView text, qsizetype i)
{
    char32_t code = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        code = QChar::surrogateToUcs4(text[i], text[i + 1]);
    const QString value = QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
    switch (QChar::category(code)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return value;
    default:
        return QStringLiteral("„%1“ (%2)").arg(QString::fromUcs4(&code, 1), value);
    }
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    buildWindow();
    setFocusOrder();
    connectLink();
    m_knownModule = new KnownModule(m_link, this);
    connect(m_knownModule, &KnownModule::logged, this, &Form1::LogStatus);
    buildFileControls();
    buildOtherPort();
    buildSeriesButton();

    connect(&m_config, &Configuration::tableChanged, this, &Form1::RefreshGrid);
    connect(new CheckMarks(m_config, *ui.grid, this), &CheckMarks::logged, this, &Form1::LogStatus);
    connect(&m_config, &Configuration::defaultStatesChanged, this, &Form1::DefaultsToButtons);
    connect(&m_portChoice, &PortChoice::logged, this, &Form1::LogStatus);

    startUp();
    // Start-up's empty table and default states are no edit.
    connect(&m_config, &Configuration::tableChanged, this, &Form1::markEdited);
    connect(&m_config, &Configuration::defaultStatesChanged, this, &Form1::markEdited);
    connect(m_files, &ConfigFileActions::tableKept, this, &Form1::markKept);
    m_files->setReplaceCheck([this] { return mayReplaceTable(); });
    m_files->setSheetOrigin([this] {
        if (!m_table.file.isEmpty())
            return CustomerSheet::fileOrigin(m_table.file);
        return m_table.port.isEmpty() ? QString() : CustomerSheet::moduleOrigin(m_table.port);
    });
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
    QPalette heading = ui.productHeading->palette();
    heading.setColor(QPalette::WindowText, Palette::DarkBlue);
    ui.productHeading->setPalette(heading);

    ui.versionLine = make<QLabel>(this, "Label4", tr("setup utility v %1 , build 4.1.2006").arg(QStringLiteral(VRK04_VERSION)));
    ui.versionLine->setAlignment(Qt::AlignCenter);

    ui.tabs = make<TabControl>(this, "SSTab1");
    ui.tabs->tabBar()->setExpanding(false);
    buildCommandPage();
    buildSettingsPage();
    buildLinkPage();
    ui.tabs->setCurrentIndex(SettingsPage);

    ui.imageBox = make<ImageTextBox>(this, "Text1");
    ui.showImageButton = make<QPushButton>(this, "Command7", QStringLiteral("data -> win"));
    ui.takeImageButton = make<QPushButton>(this, "Command5", QStringLiteral("win -> data"));
    ui.showImageButton->setToolTip(tr("Zobrazit v poli výše obraz konfigurace, jak ho tabulka zapíše do modulu"));
    ui.takeImageButton->setToolTip(tr("Převzít obraz konfigurace z pole výše do tabulky a výchozích stavů"));
    connect(ui.showImageButton, &QPushButton::clicked, this, &Form1::showImageInBox);
    connect(ui.takeImageButton, &QPushButton::clicked, this, &Form1::takeImageFromBox);

    ui.progressBar = make<QProgressBar>(this, "bar");
    ui.progressBar->setRange(0, LinkProtocol::LongestTransfer);
    ui.progressBar->setValue(0);
    ui.progressBar->setTextVisible(false);

    ui.statusBar = make<QStatusBar>(this, "StatusBar1");
    ui.statusBar->setSizeGripEnabled(false);
    ui.statusBar->addWidget(
        new QLabel(tr("VRK-04 server setup utility     ") + MakerDetails::Notice), 1);

    ui.timer = &m_link.timer();
    ui.timer->setInterval(10);
}

void Form1::buildCommandPage()
{
    auto *page = new QWidget;
    ui.tabs->addTab(page, tr("Tabulka SMS Povelů"));
    ui.grid = makeOnPage<FlexGrid>(ui.tabs, page, "grid1", 21, 6);
    ui.grid->setFont(uiFont(8.25));
    ui.grid->setRowHeight(twipsToPixels(GridRowHeight));
    setFieldColour(ui.grid, Palette::GridYellow);
    connect(ui.grid, &FlexGrid::rowDoubleClicked, this, &Form1::editCommand);
}

void Form1::buildSettingsPage()
{
    auto *page = new QWidget;
    ui.tabs->addTab(page, tr("Nastavení"));

    ui.defaultsFrame = makeOnPage<QGroupBox>(ui.tabs, page, "Frame1",
                                      tr("Výchozí stavy výstupů uložené v EEPROM"));
    ui.outputNames = make<SpreadLabel>(ui.defaultsFrame, "Label1", QStringLiteral("RELE1    RELE2     RELE3     RELE4    RELE5"));
    const char *names[] = {"Command8", "Command9", "Command10", "Command11", "Command12"};
    for (int k = 1; k <= OutputCount; ++k) {
        QPushButton *button = make<QPushButton>(ui.defaultsFrame, names[k - 1], QStringLiteral("1"));
        button->setFont(uiFont(9.75, QFont::Bold));
        setButtonColour(button, Palette::Green);
        connect(button, &QPushButton::clicked, this, [this, k] { toggleDefaultButton(k); });
        ui.defaultButtons[k - 1] = button;
    }
    centreNamesOverButtons();
    ui.overwriteWarning = make<QLabel>(ui.defaultsFrame, "Label2", tr("Při každé změně povelem se nastavení přepisuje !!"));

    ui.cablingPicture = makeOnPage<QLabel>(ui.tabs, page, "Picture1");
    ui.cablingPicture->setPixmap(QPixmap(QStringLiteral(":/cabling.png")));
    ui.cablingPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.cablingPicture->setFocusPolicy(Qt::StrongFocus);

    ui.factoryButton = makeOnPage<QPushButton>(ui.tabs, page, "Command6", tr("Tovární nastavení"));
    ui.factoryButton->setEnabled(false);
}

// The spaces of Label1's text line the names up over the buttons only in the
// original font; the label spans the buttons and draws each name centred over
// its own.
void Form1::centreNamesOverButtons()
{
    const QRect first = ui.defaultButtons.front()->geometry();
    const QRect last = ui.defaultButtons.back()->geometry();
    ui.outputNames->setGeometry(first.left(), ui.outputNames->y(), last.right() - first.left() + 1, ui.outputNames->height());
    QList<int> centres;
    for (int k = 1; k <= OutputCount; ++k)
        centres << ui.defaultButtons[k - 1]->geometry().center().x() - first.left();
    ui.outputNames->setWordCentres(centres);
}

void Form1::buildLinkPage()
{
    auto *page = new QWidget;
    ui.tabs->addTab(page, tr("PC <--> GSM Pager"));

    ui.portFrame = makeOnPage<QGroupBox>(ui.tabs, page, "Frame2", QStringLiteral("Port"));
    const char *names[] = {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6"};
    for (int k = 1; k <= PortChoice::PortCount; ++k) {
        auto *option = make<QRadioButton>(ui.portFrame, names[k - 1], QStringLiteral("COM%1").arg(k));
        // Every click chooses again, also on the option already selected.
        connect(option, &QRadioButton::clicked, this, [this] { m_portChoice.SelectPort(); });
        ui.portOptions[k - 1] = option;
    }
    ui.testButton = make<QPushButton>(ui.portFrame, "Command3", QStringLiteral("TEST"));

    ui.statusFrame = makeOnPage<QGroupBox>(ui.tabs, page, "Frame5", tr("Status box"));
    ui.statusBox = make<StatusBox>(ui.statusFrame, "Text2");
    setFieldColour(ui.statusBox, Palette::PaleYellow);

    ui.transferFrame = makeOnPage<QGroupBox>(ui.tabs, page, "Frame4", tr("Přenos dat"));
    ui.writeButton = make<QPushButton>(ui.transferFrame, "Command2", QStringLiteral("PC -> VRK-04"));
    ui.readButton = make<QPushButton>(ui.transferFrame, "Command1", QStringLiteral("PC <- VRK-04"));
    for (QPushButton *transfer : {ui.writeButton, ui.readButton})
        transfer->setFont(uiFont(12, QFont::Bold));

    ui.infoFrame = makeOnPage<QGroupBox>(ui.tabs, page, "Frame3", tr("Info box"));
    ui.instructions = make<QLabel>(ui.infoFrame, "Label5",
                          tr("Zvolte sériový port, na kterém je připojen převodník PC-PAGER a "
                             "otestujte propojení mezi PC a Pagerem tlačítkem TEST .. "));
    ui.instructions->setWordWrap(true);
    ui.instructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.speedNote = make<QLabel>(ui.infoFrame, "Label10", tr("Rychlost přenosu je závislá na CPU"));
    ui.speedNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.makerLabel = make<QLabel>(ui.infoFrame, "Label6", tr("Výrobce :"));
    ui.makerLink = make<LinkLabel>(ui.infoFrame, "Label8", MakerDetails::WebAddress);
    ui.supportLabel = make<QLabel>(ui.infoFrame, "Label7", tr("Podpora :"));
    ui.supportLink = make<LinkLabel>(ui.infoFrame, "Label9", MakerDetails::SupportAddress);
    for (LinkLabel *link : {ui.makerLink, ui.supportLink})
        connect(link, &LinkLabel::doubleClicked, this, [link] { OpenLink(*link); });

    ui.helpButton = makeOnPage<QPushButton>(ui.tabs, page, "Command13", tr("HELP - jak postupovat"));
    connect(ui.helpButton, &QPushButton::clicked, this, &Form1::showHelp);
    ui.exitButton = makeOnPage<QPushButton>(ui.tabs, page, "Command4", tr("..:: KONEC ::.."));
    setButtonColour(ui.exitButton, Palette::LightRed);
    connect(ui.exitButton, &QPushButton::clicked, this, &Form1::endProgram);
}

// The controls added for configuration files and verify, which follow the
// window's original focus order. Built after connectLink(): the verify that
// follows a write starts once the window has shown the write's end.
void Form1::buildFileControls()
{
    m_files = new ConfigFileActions(*this, m_link);
    connect(m_files, &ConfigFileActions::logged, this, &Form1::LogStatus);

    ui.openButton = make<QPushButton>(this, "CommandOpen", tr("Otevřít…"));
    ui.openButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ui.openButton->setToolTip(tr("Načíst konfiguraci ze souboru (Ctrl+O)"));
    connect(ui.openButton, &QPushButton::clicked, m_files, &ConfigFileActions::open);

    ui.saveButton = make<QPushButton>(this, "CommandSave", tr("Uložit…"));
    ui.saveButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ui.saveButton->setToolTip(tr("Uložit konfiguraci z tabulky do souboru (Ctrl+S)"));
    connect(ui.saveButton, &QPushButton::clicked, m_files, &ConfigFileActions::save);

    // Two lines: the frame has room beside its buttons only for a narrow caption.
    ui.verifyAfterWrite = make<QCheckBox>(ui.transferFrame, "CheckVerify", tr("ověřit po\nzápisu"));
    ui.verifyAfterWrite->setAccessibleName(tr("ověřit po zápisu"));
    ui.verifyAfterWrite->setToolTip(tr("Po úspěšném zápisu do modulu jeho obsah hned vyčíst a porovnat"));
    connect(ui.verifyAfterWrite, &QCheckBox::toggled, m_files, [this](bool on) {
        m_files->setAfterWrite(on ? ConfigFileActions::AfterWrite::Verify : ConfigFileActions::AfterWrite::Nothing);
    });
    ui.verifyAfterWrite->setChecked(RememberedChoices::verifyAfterWrite());
    connect(ui.verifyAfterWrite, &QCheckBox::toggled, this, [this](bool on) {
        if (const QString problem = RememberedChoices::setVerifyAfterWrite(on); !problem.isEmpty())
            reportUnwritable(problem);
    });

    ui.verifyButton = make<QPushButton>(ui.transferFrame, "CommandVerify", tr("Ověřit"));
    ui.verifyButton->setToolTip(tr("Vyčíst modul a porovnat jej s tabulkou; tabulka se nemění"));
    connect(ui.verifyButton, &QPushButton::clicked, m_files, [this] {
        m_portPicker->openRestored();
        m_files->verify();
    });

    QWidget *const order[] = {ui.exitButton, ui.verifyAfterWrite, ui.verifyButton, ui.openButton, ui.saveButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// "Jiný port" under the frame "Port", in the focus order after the options.
void Form1::buildOtherPort()
{
    QWidget *page = ui.portFrame->parentWidget();
    ui.otherPortLabel = makeOnPage<QLabel>(ui.tabs, page, "LabelPort", tr("Jiný port:"));
    ui.otherPortBox = makeOnPage<PortCombo>(ui.tabs, page, "ComboPort");
    ui.otherPortBox->setToolTip(tr("Sériový port mimo COM1 až COM6, například USB převodník; "
                                   "vyberte ho ze seznamu nebo napište cestu a stiskněte Enter"));
    ui.otherPortLabel->setBuddy(ui.otherPortBox);
    setTabOrder(ui.portOptions[5], ui.otherPortBox);
    setTabOrder(ui.otherPortBox, ui.testButton);

    const QList<QRadioButton *> options(ui.portOptions.begin(), ui.portOptions.end());
    m_portPicker = new PortPicker(m_link, m_portChoice, *ui.otherPortBox, options, this);
    connect(m_portPicker, &PortPicker::logged, this, &Form1::LogStatus);
    connect(m_portPicker, &PortPicker::notRemembered, this, &Form1::reportUnwritable);
}

void Form1::setFocusOrder()
{
    QWidget *const order[] = {ui.imageBox,          ui.tabs,              ui.grid,
                              ui.defaultButtons[4], ui.defaultButtons[3], ui.defaultButtons[2],
                              ui.defaultButtons[1], ui.defaultButtons[0], ui.takeImageButton,
                              ui.showImageButton,   ui.portOptions[0],    ui.portOptions[1],
                              ui.portOptions[2],    ui.portOptions[3],    ui.portOptions[4],
                              ui.portOptions[5],    ui.testButton,        ui.writeButton,
                              ui.readButton, ui.statusBox,    ui.cablingPicture, ui.factoryButton,  ui.helpButton, ui.exitButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form1::connectLink()
{
    connect(&m_link, &ModuleLink::logged, this, &Form1::LogStatus);
    connect(&m_link, &ModuleLink::advised, ui.statusBox, &StatusBox::LogAdvice);
    connect(&m_link, &ModuleLink::progressChanged, this, &Form1::followProgress);
    connect(&m_link, &ModuleLink::operationEnded, this, &Form1::emptyBar);
    connect(&m_link, &ModuleLink::operationEnded, this, &Form1::followOperation);
    new FailureNotice(*this, m_link);
    connect(ui.testButton, &QPushButton::clicked, this, [this] {
        m_portPicker->openRestored();
        m_link.testLink();
    });
    connect(ui.readButton, &QPushButton::clicked, this, &Form1::readFromModule);
    connect(ui.writeButton, &QPushButton::clicked, this, &Form1::writeToModule);
}

void Form1::readFromModule()
{
    if (!m_link.isBusy() && !mayReplaceTable())
        return;
    m_portPicker->openRestored();
    m_link.readFromModule();
    if (m_link.isBusy() && m_link.protocol().runningOperation() == ModuleLink::Operation::Read)
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
    for (QPushButton *button : ui.defaultButtons)
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
        const WriteQuestion::Answer answer = WriteQuestion::ask(this, m_config, m_knownModule->image());
        if (answer == WriteQuestion::Answer::Back)
            return;
        if (answer == WriteQuestion::Answer::Write)
            m_table.touched = true;
    }
    if (!m_table.touched && !m_link.isBusy()) {
        const QString text = tr("Tabulka nebyla vyčtena z modulu, otevřena ze souboru ani upravena: je prázdná.\n"
                                "Opravdu ji zapsat do modulu?");
        if (questionBox()(this, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
        m_table.touched = true;
    }
    m_portPicker->openRestored();
    m_link.writeToModule();
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
    if (operation == ModuleLink::Operation::Write) {
        // The image went out as the write started: an edit made meanwhile
        // is not in the module.
        m_table.modified = tableImage() != m_link.writtenImage();
        showTitle();
    }
    if (operation != ModuleLink::Operation::Read)
        return;
    markKept({});
    // The box must not keep an earlier module's bytes for "win -> data" to bring back.
    if (ui.imageBox->image() != m_link.lastReadImage())
        ui.imageBox->clear();
    m_table.port = comm().usesDevice() ? comm().deviceName() : QStringLiteral("COM%1").arg(comm().CommPort());
    QString problem;
    const QString copy = ModuleCopies::keep(m_link.lastReadImage(), &problem);
    if (copy.isEmpty())
        reportUnwritable(tr("Kopii z modulu nelze uložit: %1").arg(problem));
    else
        ui.statusBox->LogAdvice(tr("Kopie z modulu uložena do %1").arg(QDir::toNativeSeparators(copy)));
}

void Form1::markEdited()
{
    m_table.modified = true;
    m_table.touched = true;
    showTitle();
}

void Form1::markKept(const QString &path)
{
    m_table = {path, false, true, {}};
    showTitle();
}

// "golden.bin* – VRK-04 setup": the file the table belongs to, and a star
// while it has unsaved edits.
void Form1::showTitle()
{
    const QString star = m_table.modified ? QStringLiteral("*") : QString();
    if (m_table.file.isEmpty())
        setWindowTitle(Title + star);
    else
        setWindowTitle(QStringLiteral("%1%2 – %3").arg(QFileInfo(m_table.file).fileName(), star, Title));
}

QByteArray Form1::tableImage() const
{
    const Configuration &config = m_config;
    return encodeImage(config.CommandTable(), config.DefaultStateByte1(), config.DefaultStateByte2()).image;
}

bool Form1::mayReplaceTable()
{
    if (!m_table.modified)
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
    if (m_link.isBusy() && m_link.protocol().runningOperation() == ModuleLink::Operation::Write) {
        const QString text = tr("Probíhá zápis do modulu. Po ukončení programu by v modulu zůstala neúplná "
                                "konfigurace a modul by čekal na zbytek obrazu.\nPřesto skončit?");
        if (questionBox()(this, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return false;
    }
    return mayReplaceTable();
}

void Form1::stopRequested(int number)
{
    const bool writing = m_link.isBusy() && m_link.protocol().runningOperation() == ModuleLink::Operation::Write;
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

void Form1::followProgress()
{
    if (m_link.protocol().position() == 0 || !m_barRedrawn.isValid() || m_barRedrawn.elapsed() >= BarRedrawIntervalMs)
        showProgress();
}

void Form1::showProgress()
{
    const LinkProtocol &protocol = m_link.protocol();
    ui.progressBar->setMaximum(protocol.total());
    ui.progressBar->setValue(qMin(protocol.position(), protocol.total()));
    m_barRedrawn.start();
}

// Every end empties the bar: where a transfer stopped is told by the log and
// the failure's message, not by a bar frozen at that point.
void Form1::emptyBar()
{
    ui.progressBar->setValue(0);
    // setValue skips the repaint for a change smaller than one chunk of the bar.
    ui.progressBar->update();
    m_barRedrawn.start();
}

void Form1::startUp()
{
    LogStatus(tr("Program spuštěn"));
    if (const QString problem = RememberedChoices::problem(); !problem.isEmpty())
        LogStatus(problem);
    for (int c = 0; c < ui.grid->Cols(); ++c) {
        ui.grid->setColWidth(c, twipsToPixels(GridColumnWidths[c]));
        ui.grid->setTextMatrix(0, c, c == 0 ? tr("č.") : CommandTable::heading(c - 1));
    }
    m_config.ResetTable();
    ButtonsToDefaults();
    m_portChoice.ScanPorts();
    m_portPicker->restore();
}

bool Form1::openFile(const QString &path)
{
    return mayReplaceTable() && m_files->openFile(path);
}

void Form1::LogStatus(const QString &message)
{
    ui.statusBox->LogStatus(message);
}

void Form1::reportUnwritable(const QString &problem)
{
    LogStatus(problem);
    FailureNotice::box()(this, problem);
}

void Form1::RefreshGrid()
{
    const CommandTable &table = m_config.CommandTable();
    for (int r = 0; r < CommandTable::RowCount; ++r) {
        ui.grid->setTextMatrix(r + 1, 0, QString::number(r + 1));
        ui.grid->setTextMatrix(r + 1, 1, QStringLiteral(" #") + table.cell(r, CommandTable::SmsText));
        for (int c = 2; c < ui.grid->Cols(); ++c)
            ui.grid->setTextMatrix(r + 1, c, table.cell(r, c - 1));
    }
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
    DefaultStates states;
    for (int k = 1; k <= OutputCount; ++k)
        states.at(k - 1) = ui.defaultButtons[k - 1]->text() != u"0";
    m_config.setDefaultStates(states);
}

void Form1::DefaultsToButtons()
{
    const DefaultStates states = m_config.defaultStates();
    for (int k = 1; k <= OutputCount; ++k)
        ui.defaultButtons[k - 1]->setText(states.at(k - 1) ? QStringLiteral("1") : QStringLiteral("0"));
}

void Form1::showImageInBox()
{
    ui.imageBox->clear();
    QString problem;
    if (!m_config.TableToImage(&problem)) {
        showMessage(problem + tr("\nObraz dat nebyl vytvořen."), MessageKind::Warning);
        return;
    }
    ui.imageBox->setImage(m_config.ConfigImage());
}

void Form1::takeImageFromBox()
{
    if (ui.imageBox->isEmpty()) {
        showMessage(tr("Nutno vložit platná data !") + QLatin1Char('\n')
                        + tr("Vložte do pole obraz konfigurace jako text, například zkopírovaný z pole "
                             "po „data -> win“ v jiném okně programu."),
                    MessageKind::Plain);
        return;
    }
    qsizetype unmapped = -1;
    const auto bytes = ui.imageBox->image(&unmapped);
    if (!bytes) {
        const QString text = ui.imageBox->document()->toRawText();
        showMessage(tr("Znak %1 na pozici %2 nelze převést do znakové sady Windows-1250.\n"
                       "Data nebyla převzata.")
                        .arg(describeCharacter(text, unmapped))
                        .arg(unmapped + 1),
                    MessageKind::Warning);
        return;
    }
    if (!mayReplaceTable())
        return;
    int failedPosition = 0;
    if (!m_config.ImageToTable(*bytes, &failedPosition)) {
        const QString reason =
            failedPosition > bytes->size()
                ? tr("Data jsou příliš krátká: %1 znaků, potřeba je alespoň %2.")
                      .arg(bytes->size())
                      .arg(ConfigImageLayout::DecodedLength)
                : tr("Znak na pozici %1 není platný kód povelu (očekává se číslice).")
                      .arg(failedPosition);
        showMessage(reason + tr("\nData nebyla převzata."), MessageKind::Warning);
    }
}

void Form1::showMessage(const QString &text, MessageKind kind)
{
    QMessageBox box(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, Title, text,
                    QMessageBox::Ok, this);
    box.exec();
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

void Form1::setOptionEnabled(int k, bool enabled)
{
    ui.portOptions[k - 1]->setEnabled(enabled);
}

void Form1::setOptionToolTip(int k, const QString &text)
{
    ui.portOptions[k - 1]->setToolTip(text);
}

bool Form1::optionValue(int k) const
{
    return ui.portOptions[k - 1]->isChecked();
}

// "Série…" in the free room left of "HELP - jak postupovat": the dialog of a
// production run on the window's port, with the table as it stands.
void Form1::buildSeriesButton()
{
    static constexpr TwipsRect Row[] = {{"CommandSeries", 5280, 3240, 1455, 255}};
    auto *button = makePlaced<QPushButton>(ui.helpButton->parentWidget(), Row, "CommandSeries", tr("Série…"));
    button->move(button->pos() - ui.tabs->pageOrigin());
    button->setToolTip(tr("Zapsat konfiguraci do modulu za modulem, každý ověřit a zapsat do protokolu"));
    connect(button, &QPushButton::clicked, this, [this] {
        QString port = ui.otherPortBox->currentText().trimmed();
        for (int k = 1; k <= PortChoice::PortCount; ++k) {
            if (ui.portOptions[k - 1]->isChecked())
                port = QStringLiteral("COM%1").arg(k);
        }
        auto *dialog = new SeriesDialog(m_link, tableImage(), port, this);
        connect(dialog, &SeriesDialog::logged, this, &Form1::LogStatus);
        dialog->open();
    });
}
