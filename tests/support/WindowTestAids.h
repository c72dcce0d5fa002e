// SPDX-License-Identifier: MIT
#pragma once

// Aids for the suites that drive the main window offscreen.

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <memory>

// Every port points at a device that does not exist, so that no test probes
// the machine's real serial ports; a test maps the ones it needs itself.
// The windows are laid out for MS Sans Serif on Windows; a stand-in font there
// (Wine's test fonts) measures a few pixels wider, so texts-fit checks skip.
inline bool windowsFontMissing()
{
#ifdef Q_OS_WIN
    return !QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"));
#else
    return false;
#endif
}

inline void mapPortsToNothing()
{
    for (int k = 1; k <= 6; ++k)
        qputenv(QByteArray("VRK04_COM" + QByteArray::number(k)).constData(),
                QByteArray("/nonexistent/ttyVRK" + QByteArray::number(k)));
}

struct SeenMessageBox
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    bool seen = false;
};

// Answers the next modal message boxes, one button each in turn, and records
// what each showed (seen stays false until a box came). A box without the
// button is closed with Escape.
inline std::shared_ptr<QList<SeenMessageBox>> answerMessageBoxes(const QList<QMessageBox::StandardButton> &buttons)
{
    auto seen = std::make_shared<QList<SeenMessageBox>>(buttons.size());
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [seen, poll, buttons, next = qsizetype(0)]() mutable {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        SeenMessageBox &entry = (*seen)[next];
        entry = {box->windowTitle(), box->text(), box->standardButtons(), true};
        if (QAbstractButton *button = box->button(buttons.at(next)))
            button->click();
        else
            box->reject();
        if (++next == buttons.size())
            poll->deleteLater();
    });
    poll->start();
    return seen;
}

// Answers the next modal message box with button (OK unless told) and records what it showed.
inline std::shared_ptr<SeenMessageBox> answerNextMessageBox(QMessageBox::StandardButton button = QMessageBox::Ok)
{
    const auto all = answerMessageBoxes({button});
    return std::shared_ptr<SeenMessageBox>(all, &all->first());
}
