// SPDX-License-Identifier: MIT
#include "Form2.h"

#include "ConfigImage.h"
#include "Configuration.h"
#include "InputFilter.h"
#include "Layout.h"
#include "TimeTextBox.h"
#include "Windows1250.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

namespace {

// Positions and sizes in twips, relative to the window's client area.
constexpr int ClientWidth = 6915;
constexpr int ClientHeight = 3480;
constexpr TwipsRect Form2Layout[] = {
    {"Label6", 480, 120, 5895, 375},
    {"Label1", 1920, 720, 615, 255},
    {"Text1", 2640, 600, 495, 375},
    {"Check1", 3360, 600, 1815, 375},
    {"Label2", 360, 1320, 1095, 375},
    {"Text2", 1560, 1320, 3015, 285},
    {"Label3", 4680, 1320, 855, 255},
    {"Combo1", 5640, 1320, 1095, 315},
    {"Label4", 960, 1800, 495, 255},
    {"Combo2", 1560, 1680, 1455, 315},
    {"Label5", 3240, 1800, 1215, 375},
    {"Text3", 4440, 1680, 375, 375},
    {"Label7", 5040, 1800, 1695, 255},
    {"Line1", 120, 2400, 6600, TwipsPerPixel},
    {"Command1", 2160, 2760, 855, 615},
    {"Command2", 3720, 2760, 855, 615},
};

// The SMS text goes into the image byte for byte in Windows-1250, where 0xFF
// ("˙") is the fill that the decoder drops; control characters cannot be
// typed into the one-line field and an SMS does not carry them.
bool isSmsCharacter(QChar ch)
{
    const auto byte = Windows1250::fromChar(ch);
    return byte && *byte != 0xFF && ch.category() != QChar::Other_Control;
}

template<typename W, typename... Args>
W *make(QWidget *parent, const char *name, Args &&...args)
{
    return makePlaced<W>(parent, Form2Layout, name, std::forward<Args>(args)...);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = make<QLabel>(parent, name, text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QComboBox *makeComboBox(QWidget *parent, const char *name)
{
    auto *box = make<QComboBox>(parent, name);
    box->setEditable(true);
    // Typed text stays exactly as typed and never joins the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    setFieldColour(box, Palette::PaleYellow);
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text, const QColor &colour)
{
    auto *button = make<QPushButton>(parent, name, text);
    button->setFont(uiFont(9.75, QFont::Bold));
    setButtonColour(button, colour);
    // Enter clicks the button that has the focus; neither button answers
    // Enter or Escape elsewhere in the window.
    button->setAutoDefault(true);
    return button;
}

// A focus change that comes with the opening or closing of a drop-down list
// or a menu, not the user moving to another control.
bool isPopupFocusChange(const QEvent *event)
{
    return static_cast<const QFocusEvent *>(event)->reason() == Qt::PopupFocusReason
           || QApplication::activePopupWidget();
}

} // namespace

Form2::Form2(Configuration &config, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Dialog)
    , m_config(config)
{
    setAttribute(Qt::WA_DeleteOnClose);
    buildWindow();
    setFocusOrder();
    m_lastFocusWindow = QGuiApplication::focusWindow();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Form2::followFocusWindow);
    connect(&m_config, &Configuration::tableChanged, this, &Form2::followTable);
}

void Form2::buildWindow()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString());
    // For an empty title X11 shows the program's name in the title bar; the
    // window system gets a blank title instead, so that the bar stays empty.
    create();
    windowHandle()->setTitle(QStringLiteral(" "));
    setFont(uiFont());
    setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));

    ui.Label6 = makeLabel(this, "Label6", tr("Editace a vkládání povelu do tabulky"));
    ui.Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ui.Label6->setFont(uiFont(12, QFont::Bold));

    ui.Label1 = makeLabel(this, "Label1", tr("Povel č."));
    ui.Text1 = make<QLineEdit>(this, "Text1");
    ui.Text1->setReadOnly(true);
    setFieldColour(ui.Text1, Palette::PaleYellow);
    ui.Check1 = make<QCheckBox>(this, "Check1", tr("potvrdit prozvoněním"));

    ui.Label2 = makeLabel(this, "Label2", tr("sms ve tvaru #"));
    ui.Text2 = make<QLineEdit>(this, "Text2");
    setFieldColour(ui.Text2, Palette::PaleYellow);
    m_smsFilter = new InputFilter(isSmsCharacter, ConfigImageLayout::SmsFieldSize, ui.Text2);
    ui.Label3 = makeLabel(this, "Label3", tr("provede na"));
    ui.Combo1 = makeComboBox(this, "Combo1");
    ui.Combo1->installEventFilter(this);

    ui.Label4 = makeLabel(this, "Label4", tr("akci"));
    ui.Combo2 = makeComboBox(this, "Combo2");
    ui.Label5 = makeLabel(this, "Label5", tr("Délka impulsu :"));
    ui.Text3 = make<TimeTextBox>(this, "Text3");
    setFieldColour(ui.Text3, Palette::PaleYellow);
    ui.Label7 = makeLabel(this, "Label7", tr("1-90 sek. / 0 = 0,5s"));

    ui.Line1 = make<QFrame>(this, "Line1");
    ui.Line1->setFrameShape(QFrame::HLine);
    ui.Line1->setFrameShadow(QFrame::Plain);

    ui.Command1 = makeButton(this, "Command1", tr("Vložit"), Palette::Green);
    ui.Command2 = makeButton(this, "Command2", tr("Zpět"), Palette::LightRed);
    connect(ui.Command1, &QPushButton::clicked, this, &Form2::storeRow);
    connect(ui.Command2, &QPushButton::clicked, this, &QWidget::close);
}

void Form2::setFocusOrder()
{
    QWidget *const order[] = {ui.Text1,  ui.Check1, ui.Text2,    ui.Combo1,
                              ui.Combo2, ui.Text3,  ui.Command1, ui.Command2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form2::editRow(int gridRow)
{
    if (gridRow < 1 || gridRow > CommandTable::RowCount)
        return;
    ui.Text1->setText(QString::number(gridRow));
    show();
    raise();
    activateWindow();
    // Coming from the main window, activation loads the row too, but the
    // window may be active already, or the window system may refuse to
    // activate it.
    loadRow();
}

// Back from another window of the program, where the table may have
// changed, the editor shows the row again. Back from another application it
// keeps what the user typed, such as a text just copied from there: the focus
// then went from the editor to no window of the program and back.
void Form2::followFocusWindow(QWindow *now)
{
    if (!now || now->type() == Qt::Popup || now->type() == Qt::ToolTip)
        return;
    if (now == windowHandle() && m_lastFocusWindow && m_lastFocusWindow != now)
        loadRow();
    m_lastFocusWindow = now;
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.Combo1) {
        if (event->type() == QEvent::FocusIn && !isPopupFocusChange(event))
            PreviousOutput = ui.Combo1->currentText();
        else if (event->type() == QEvent::FocusOut && !isPopupFocusChange(event))
            followOutputKind();
    }
    return QWidget::eventFilter(watched, event);
}

// The table changed while the editor is open, without the focus passing
// through another window of the program (a read ending, a dropped file): when
// its row is no longer what the editor loaded, the editor shows the table's
// row, so that "Vložit" cannot store an old row over it.
void Form2::followTable()
{
    const int row = tableRow();
    if (isVisible() && row >= 0 && m_config.CommandTable().row(row) != m_loaded)
        loadRow();
}

// Escape leaves the editor as "Zpět" does.
void Form2::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

int Form2::tableRow() const
{
    bool isNumber = false;
    const int gridRow = ui.Text1->text().toInt(&isNumber);
    return isNumber && gridRow >= 1 && gridRow <= CommandTable::RowCount ? gridRow - 1 : -1;
}

void Form2::loadRow()
{
    const int row = tableRow();
    if (row < 0)
        return;
    const CommandTable::Row &cells = m_config.CommandTable().row(row);
    m_loaded = cells;

    ui.Combo1->clear();
    ui.Combo1->addItems(Vocabulary::outputs());
    ui.Combo1->setCurrentIndex(int(Vocabulary::outputs().indexOf(cells[CommandTable::Output])));
    if (ui.Combo1->hasFocus())
        PreviousOutput = ui.Combo1->currentText();

    offerActionsFor(ui.Combo1->currentText());
    ui.Combo2->setCurrentIndex(ui.Combo2->findText(cells[CommandTable::Action]));

    m_smsFilter->setTextAsIs(cells[CommandTable::SmsText]);
    ui.Check1->setChecked(cells[CommandTable::Confirmation] == Vocabulary::Yes);
    ui.Text3->showTime(cells[CommandTable::Time]);
}

void Form2::storeRow()
{
    const int row = tableRow();
    if (row >= 0) {
        CommandTable::Row cells;
        cells[CommandTable::SmsText] = ui.Text2->text();
        cells[CommandTable::Output] = ui.Combo1->currentText();
        cells[CommandTable::Action] = ui.Combo2->currentText();
        // An empty time is stored as the empty row's "0", which the grid shows.
        cells[CommandTable::Time] = ui.Text3->text().isEmpty() ? CommandTable::emptyRow().at(CommandTable::Time)
                                                               : ui.Text3->text();
        cells[CommandTable::Confirmation] = ui.Check1->isChecked() ? Vocabulary::Yes : Vocabulary::No;
        m_loaded = cells;
        m_config.setCommand(row, cells);
    }
    close();
}

// Empties the action box and offers the actions that go with output.
void Form2::offerActionsFor(const QString &output)
{
    ui.Combo2->clear();
    ui.Combo2->addItems(output == Vocabulary::System ? Vocabulary::systemActions()
                                                      : Vocabulary::relayActions());
    ui.Combo2->setCurrentIndex(-1);
}

// The output box lost the focus: a change between SYSTEM and a relay output
// offers the other kind of actions.
void Form2::followOutputKind()
{
    const bool isSystem = ui.Combo1->currentText() == Vocabulary::System;
    const bool wasSystem = PreviousOutput == Vocabulary::System;
    if (isSystem != wasSystem)
        offerActionsFor(ui.Combo1->currentText());
}
