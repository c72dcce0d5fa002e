// SPDX-License-Identifier: MIT
// The help window, the link labels and OpenLink.
#include "Form3.h"
#include "LinkLabel.h"
#include "MakerDetails.h"
#include "OpenLink.h"
#include "WindowTestAids.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace {

int helpWindowCount()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form3 *>(w) && w->isVisible())
            ++count;
    }
    return count;
}

struct Fragment
{
    QString text;
    bool bold;
    bool red;
    qreal pointSize;
};

QList<QList<Fragment>> paragraphs(const QLabel *label)
{
    QTextDocument document;
    document.setDefaultFont(label->font());
    document.setHtml(label->text());
    QList<QList<Fragment>> result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QList<Fragment> fragments;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat format = f.charFormat();
            fragments.append({f.text(), format.fontWeight() >= QFont::Bold,
                              format.foreground().color() == QColor(Qt::red),
                              format.font().pointSizeF()});
        }
        result.append(fragments);
    }
    return result;
}

QString joined(const QList<Fragment> &fragments)
{
    QString text;
    for (const Fragment &f : fragments)
        text += f.text;
    return text;
}

// Stands in for the browser while a test runs: records every address handed
// over and answers with result; the real opener comes back afterwards.
class RecordingOpener
{
public:
    explicit RecordingOpener(bool result = true)
        : m_result(result)
        , m_saved(std::exchange(linkOpener(), [this](const QUrl &url) {
            opened << url;
            return m_result;
        }))
    {
    }
    ~RecordingOpener() { linkOpener() = std::move(m_saved); }

    QList<QUrl> opened;

private:
    bool m_result;
    LinkOpener m_saved;
};

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void helpTwiceGivesOneWindow();
    void closingDestroys_data();
    void closingDestroys();
    void helpTextAsDesigned();
    void textsFitTheirControls();

    void linkLooksLikeALink();
    void onlyDoubleClickOpens();
    void openLinkFillsTagOnce();
    void openLinkKeepsAGivenTag();
    void failedOpenChangesNothing();

    void screenshot();

private:
    QPointer<Form3> m_help;
};

void TestHelp::cleanup()
{
    delete m_help;
}

void TestHelp::helpTwiceGivesOneWindow()
{
    QWidget mainWindow;
    mainWindow.show();
    Form3 *first = Form3::showHelp(m_help);
    QCOMPARE(m_help.data(), first);
    QTRY_COMPARE(QApplication::activeWindow(), first);
    QVERIFY(!first->parentWidget());

    mainWindow.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &mainWindow);
    Form3 *second = Form3::showHelp(m_help);
    QCOMPARE(second, first);
    QCOMPARE(helpWindowCount(), 1);
    QTRY_COMPARE(QApplication::activeWindow(), first);
    QVERIFY(mainWindow.isVisible());
}

void TestHelp::closingDestroys_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("CLOSE") << false;
    QTest::newRow("close box") << true;
}

void TestHelp::closingDestroys()
{
    QFETCH(bool, closeBox);

    Form3::showHelp(m_help);
    QTRY_COMPARE(QApplication::activeWindow(), m_help.data());
    if (closeBox) {
        m_help->close();
    } else {
        auto *close = m_help->findChild<QPushButton *>(QStringLiteral("Command1"));
        QVERIFY(close);
        QCOMPARE(close->text(), "CLOSE");
        QTest::mouseClick(close, Qt::LeftButton);
    }
    QTRY_VERIFY(m_help.isNull());
    QCOMPARE(helpWindowCount(), 0);

    Form3::showHelp(m_help);
    QVERIFY(m_help);
    QVERIFY(m_help->isVisible());
    QCOMPARE(helpWindowCount(), 1);
}

void TestHelp::helpTextAsDesigned()
{
    Form3::showHelp(m_help);
    auto *image = m_help->findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(image);
    const QList<QList<Fragment>> text = paragraphs(image);

    QCOMPARE(text.size(), 5);
    QCOMPARE(joined(text[0]), "Postup komunikace s VRK-04");
    QCOMPARE(joined(text[1]), "Připojte kablík do volného portu PC a VRK-04, zapněte jej – s připojeným "
                              "kablíkem najede do servisního režimu.");
    const QChar lineBreak = QChar::LineSeparator;
    QCOMPARE(joined(text[2]), QStringLiteral("Zvolte volný port COM, na kterém je připojen kablík a "
                                             "otestujte komunikaci tlačítkem TEST (možno opakovaně).")
                                  + lineBreak + "PC -> VRK-04 provádí zápis nastavení do VRK-04"
                                  + lineBreak + "PC <- VRK-04 načítá nastavení z VRK-04");
    QCOMPARE(joined(text[3]), "V případě chyby přenosu doporučujeme uzavřít aplikace zatěžující "
                              "procesor (u starých PC).");
    QCOMPARE(joined(text[4]), "Do provozu se VRK-04 uvádí vytažením kablíku z konektoru GSM pageru - "
                              "ukončí servisní režim.");

    const qreal body = text[1].at(0).pointSize;
    for (const Fragment &f : text[0]) {
        QVERIFY(f.bold);
        QVERIFY(f.pointSize > body);
    }
    for (const int p : {1, 3}) {
        for (const Fragment &f : text[p])
            QVERIFY2(!f.bold && !f.red, qPrintable(f.text));
    }
    QStringList boldInTransfers;
    for (const Fragment &f : text[2]) {
        if (f.bold)
            boldInTransfers << f.text;
    }
    QCOMPARE(boldInTransfers, (QStringList{"PC -> VRK-04", "PC <- VRK-04"}));
    QStringList red;
    for (const Fragment &f : text[4]) {
        QVERIFY(f.bold);
        if (f.red)
            red << f.text;
    }
    QCOMPARE(red, QStringList{"vytažením kablíku"});

    QTextDocument document;
    document.setDefaultFont(image->font());
    document.setHtml(image->text());
    const int blankLine = QFontMetrics(image->font()).lineSpacing();
    QTextBlock block = document.begin();
    for (int p = 0; p < 4; ++p, block = block.next())
        QVERIFY(block.blockFormat().bottomMargin() >= blankLine);
}

// Nothing is cut off: every text fits its control in the font it is drawn in.
void TestHelp::textsFitTheirControls()
{
    Form3::showHelp(m_help);
    auto *image = m_help->findChild<QLabel *>(QStringLiteral("Image1"));
    QTextDocument document;
    document.setDefaultFont(image->font());
    document.setHtml(image->text());
    document.setDocumentMargin(0);
    document.setTextWidth(image->width());
    QVERIFY2(document.size().height() <= image->height(),
             qPrintable(QString::number(document.size().height())));

    if (windowsFontMissing())
        QSKIP("MS Sans Serif is not installed");
    auto *contact = m_help->findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(contact->text().startsWith(QStringLiteral("Technické dotazy :")));
    QVERIFY(contact->text().endsWith(MakerDetails::Contact));
    QVERIFY2(contact->sizeHint().width() <= contact->width(), qPrintable(contact->text()));
    auto *close = m_help->findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(close->fontMetrics().horizontalAdvance(close->text()) < close->width());
}

void TestHelp::linkLooksLikeALink()
{
    QWidget window;
    auto *label = new LinkLabel(MakerDetails::WebAddress, &window);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(label->font().underline());
    QVERIFY(label->tag().isEmpty());

    // The window's font reaches the label; the underline stays.
    QFont big = window.font();
    big.setPointSize(20);
    window.setFont(big);
    QCOMPARE(label->font().pointSize(), 20);
    QVERIFY(label->font().underline());
    label->setFont(QFont());
    QVERIFY(label->font().underline());
}

void TestHelp::onlyDoubleClickOpens()
{
    RecordingOpener browser;
    LinkLabel label(QStringLiteral("www.example.com"));
    connect(&label, &LinkLabel::doubleClicked, &label, [&] { OpenLink(label); });
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));

    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::mouseClick(&label, Qt::RightButton);
    QTest::mouseDClick(&label, Qt::RightButton);
    QVERIFY(browser.opened.isEmpty());
    QVERIFY(label.tag().isEmpty());

    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::mouseDClick(&label, Qt::LeftButton);
    QCOMPARE(browser.opened, QList<QUrl>{QUrl(QStringLiteral("http://www.example.com"))});
}

void TestHelp::openLinkFillsTagOnce()
{
    RecordingOpener browser;
    LinkLabel label(QStringLiteral("www.example.com/podpora"));

    OpenLink(label);
    QCOMPARE(label.tag(), "www.example.com/podpora");
    label.setText(QStringLiteral("www.jinde.example"));
    OpenLink(label);
    QCOMPARE(label.tag(), "www.example.com/podpora");

    const QUrl expected(QStringLiteral("http://www.example.com/podpora"));
    QCOMPARE(browser.opened, (QList<QUrl>{expected, expected}));
}

void TestHelp::openLinkKeepsAGivenTag()
{
    RecordingOpener browser;
    LinkLabel label(QStringLiteral("www.example.com"));
    label.setTag(QStringLiteral("https://podpora.example.com/vrk04"));
    OpenLink(label);
    QCOMPARE(label.tag(), "https://podpora.example.com/vrk04");
    QCOMPARE(browser.opened, QList<QUrl>{QUrl(QStringLiteral("https://podpora.example.com/vrk04"))});
}

void TestHelp::failedOpenChangesNothing()
{
    RecordingOpener browser(false);
    QWidget window;
    auto *label = new LinkLabel(QStringLiteral("www.example.com"), &window);
    window.show();
    const QWidgetList before = QApplication::topLevelWidgets();

    OpenLink(*label);
    OpenLink(*label);
    QCOMPARE(browser.opened.size(), 2);
    QCOMPARE(label->tag(), "www.example.com");
    QCOMPARE(QApplication::topLevelWidgets(), before);
    QVERIFY(!QApplication::activeModalWidget());
}

// Saves a picture of the help window when VRK04_SCREENSHOT_DIR names a folder.
void TestHelp::screenshot()
{
    const QString folder = qEnvironmentVariable("VRK04_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("VRK04_SCREENSHOT_DIR not set");
    Form3::showHelp(m_help);
    QVERIFY(QTest::qWaitForWindowExposed(m_help));
    QVERIFY(m_help->grab().save(folder + QStringLiteral("/Form3.png")));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
