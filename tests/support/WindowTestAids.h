#pragma once

// Aids for the suites that drive the main window offscreen.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <memory>

// Every port points at a device that does not exist, so that no test probes
// the machine's real serial ports; a test maps the ones it needs itself.
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

// Answers the next modal message box with OK and records what it showed.
inline std::shared_ptr<SeenMessageBox> answerNextMessageBox()
{
    auto seen = std::make_shared<SeenMessageBox>();
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [seen, poll] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->buttons = box->standardButtons();
        seen->seen = true;
        box->button(QMessageBox::Ok)->click();
        poll->deleteLater();
    });
    poll->start();
    return seen;
}
