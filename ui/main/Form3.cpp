// SPDX-License-Identifier: MIT
#include "Form3.h"

#include "Layout.h"
#include "MakerDetails.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

const QString Title = QStringLiteral("VRK-04 help");

// Positions and sizes in twips, relative to the window's client area.
constexpr int ClientWidth = 7065;
constexpr int ClientHeight = 5925;
constexpr TwipsRect Form3Layout[] = {
    {"Image1", 480, 120, 5940, 4590},
    {"Line1", 120, 5160, 6720, TwipsPerPixel},
    {"Label1", 0, 5400, 5775, 255},
    {"Command1", 6000, 5280, 855, 495},
};

constexpr qreal HelpPointSize = 10;
constexpr qreal HeadingPointSize = 13;

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString bold(const QString &html)
{
    return QStringLiteral("<b>%1</b>").arg(html);
}

// The procedure as rich text: a bold heading, then paragraphs with a blank
// line between them; the third is a sentence with one line per transfer
// button under it.
QString helpText(int blankLine)
{
    const QString paragraph =
        QStringLiteral("<p style=\"margin-top:0px; margin-bottom:%1px\">%2</p>").arg(blankLine);
    const QString heading = QStringLiteral("<span style=\"font-size:%1pt\">%2</span>")
                                .arg(HeadingPointSize)
                                .arg(bold(escaped(Form3::tr("Postup komunikace s VRK-04"))));
    const QString transfers =
        escaped(Form3::tr("Zvolte volný port COM, na kterém je připojen kablík a otestujte komunikaci "
                "tlačítkem TEST (možno opakovaně)."))
        + QStringLiteral("<br>") + bold(escaped(Form3::tr("PC -> VRK-04"))) + QLatin1Char(' ')
        + escaped(Form3::tr("provádí zápis nastavení do VRK-04")) + QStringLiteral("<br>")
        + bold(escaped(Form3::tr("PC <- VRK-04"))) + QLatin1Char(' ') + escaped(Form3::tr("načítá nastavení z VRK-04"));
    const QString operation =
        bold(escaped(Form3::tr("Do provozu se VRK-04 uvádí")) + QLatin1Char(' ')
             + QStringLiteral("<span style=\"color:#ff0000\">%1</span>").arg(escaped(Form3::tr("vytažením kablíku")))
             + QLatin1Char(' ') + escaped(Form3::tr("z konektoru GSM pageru - ukončí servisní režim.")));

    return paragraph.arg(heading)
           + paragraph.arg(escaped(Form3::tr("Připojte kablík do volného portu PC a VRK-04, zapněte jej – "
                                   "s připojeným kablíkem najede do servisního režimu.")))
           + paragraph.arg(transfers)
           + paragraph.arg(escaped(Form3::tr("V případě chyby přenosu doporučujeme uzavřít aplikace "
                                   "zatěžující procesor (u starých PC).")))
           + QStringLiteral("<p style=\"margin:0px\">%1</p>").arg(operation);
}

QFont serifFont(qreal pointSize)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

Form3::Form3()
    : QWidget(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    buildWindow();
}

Form3 *Form3::showHelp(QPointer<Form3> &instance)
{
    if (!instance)
        instance = new Form3;
    if (instance->isMinimized())
        instance->showNormal();
    else
        instance->show();
    instance->raise();
    instance->activateWindow();
    return instance;
}

void Form3::buildWindow()
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(Title);
    setFont(uiFont());
    setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    ui.Image1 = makePlaced<QLabel>(this, Form3Layout, "Image1");
    ui.Image1->setFont(serifFont(HelpPointSize));
    ui.Image1->setTextFormat(Qt::RichText);
    ui.Image1->setWordWrap(true);
    ui.Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.Image1->setText(helpText(QFontMetrics(ui.Image1->font()).lineSpacing()));

    ui.Line1 = makePlaced<QFrame>(this, Form3Layout, "Line1");
    ui.Line1->setFrameShape(QFrame::HLine);
    ui.Line1->setFrameShadow(QFrame::Plain);

    ui.Label1 = makePlaced<QLabel>(this, Form3Layout, "Label1", tr("Technické dotazy :     ") + MakerDetails::Contact);
    ui.Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    ui.Command1 = makePlaced<QPushButton>(this, Form3Layout, "Command1", QStringLiteral("CLOSE"));
    setButtonColour(ui.Command1, Palette::LightRed);
    connect(ui.Command1, &QPushButton::clicked, this, &QWidget::close);
}
