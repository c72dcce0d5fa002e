// SPDX-License-Identifier: MIT
// The three windows in English: every text fits its control. With
// VRK04_SCREENSHOT_DIR set, a picture of each window (each page of the main
// window) is saved there for a look by eye.
#include "Configuration.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Translations.h"
#include "WindowTestAids.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

namespace {

enum class Window { Main, Editor, Help };

// A text of several lines fits a box of width by height.
bool fits(const QFontMetrics &metrics, const QString &text, int width, int height)
{
    const QStringList lines = text.split(u'\n');
    for (const QString &line : lines) {
        if (metrics.horizontalAdvance(line) > width)
            return false;
    }
    return lines.size() * metrics.height() <= height;
}

int indicatorRoom(const QAbstractButton *button)
{
    const QStyle *style = button->style();
    if (qobject_cast<const QCheckBox *>(button))
        return style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    if (qobject_cast<const QRadioButton *>(button))
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
               + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    return 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
}

// The controls of window whose text is cut off.
QStringList misfits(const QWidget &window)
{
    QStringList found;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect();
        const bool fitsRoom = label->wordWrap() ? label->heightForWidth(room.width()) <= room.height()
                                                : fits(label->fontMetrics(), label->text(), room.width(), room.height());
        if (!fitsRoom)
            found << label->objectName() + u':' + label->text();
    }
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (!fits(button->fontMetrics(), button->text(), button->width() - indicatorRoom(button), button->height()))
            found << button->objectName() + u':' + button->text();
    }
    for (const QGroupBox *frame : window.findChildren<QGroupBox *>()) {
        if (frame->fontMetrics().horizontalAdvance(frame->title()) > frame->width())
            found << frame->objectName() + u':' + frame->title();
    }
    for (const QTabWidget *tabs : window.findChildren<QTabWidget *>()) {
        const QTabBar *bar = tabs->tabBar();
        if (bar->tabRect(bar->count() - 1).right() >= tabs->width())
            found << tabs->objectName();
    }
    return found;
}

void save(QWidget &window, const QString &name)
{
    const QString folder = qEnvironmentVariable("VRK04_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(window.grab().save(folder + u'/' + name + QStringLiteral("-en.png")));
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestEnglish : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textsFit_data();
    void textsFit();
};

void TestEnglish::initTestCase()
{
    QCOMPARE(programLanguage(), QStringLiteral("en"));
    installTranslations(*qApp);
    QCOMPARE(Form1::tr("Nastavení"), QStringLiteral("Settings"));
}

void TestEnglish::textsFit_data()
{
    QTest::addColumn<Window>("window");
    QTest::newRow("Form1") << Window::Main;
    QTest::newRow("Form2") << Window::Editor;
    QTest::newRow("Form3") << Window::Help;
}

void TestEnglish::textsFit()
{
    QFETCH(Window, window);
    if (windowsFontMissing())
        QSKIP("MS Sans Serif is not installed");

    Form1 main;
    std::unique_ptr<Form3> help;
    QWidget *shown = &main;
    if (window == Window::Editor) {
        main.configuration().setCommand(11, {"Heating in the garage on", "RELE2", "IMPULS", "45", "ANO"});
        auto *editor = new Form2(main.configuration(), &main);
        editor->editRow(12);
        shown = editor;
    } else if (window == Window::Help) {
        help = std::make_unique<Form3>();
        shown = help.get();
    }
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));

    const QStringList cut = misfits(*shown);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(" | "))));

    if (auto *tabs = shown->findChild<QTabWidget *>()) {
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            save(*shown, QStringLiteral("%1-page%2").arg(shown->objectName()).arg(page + 1));
        }
    } else {
        save(*shown, shown->objectName());
    }
}

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
