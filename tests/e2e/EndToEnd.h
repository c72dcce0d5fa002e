// SPDX-License-Identifier: MIT
#pragma once

// The main window on COM1, COM1 being the module simulator's pseudo-terminal.

#include "FailureNotice.h"
#include "Form1.h"
#include "ModuleLinkInside.h"
#include "Questions.h"
#include "SimulatorProcess.h"
#include "StatusBox.h"
#include "TestBytes.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <memory>

class EndToEnd
{
public:
    // Starts the simulator with options, the window with COM1 mapped to it,
    // and chooses COM1. The window's questions are answered "Ano", "Zapsat"
    // and "Zahodit"; its notices of failures go to notices; its copies of
    // modules go to the test's data folder.
    bool start(const QStringList &simulatorOptions)
    {
        window.reset();
        QStandardPaths::setTestModeEnabled(true);
        notices.clear();
        FailureNotice::box() = [this](QWidget *, const QString &text) { notices << text; };
        questionBox() = [](QWidget *, const QString &, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton) {
            for (const QMessageBox::StandardButton yes : {QMessageBox::Yes, QMessageBox::Apply}) {
                if (buttons.testFlag(yes))
                    return yes;
            }
            return QMessageBox::Discard;
        };
        if (!simulator.start(simulatorOptions))
            return false;
        qputenv("VRK04_COM1", simulator.devicePath().toLocal8Bit());
        for (int k = 2; k <= 6; ++k)
            qputenv(QByteArray("VRK04_COM" + QByteArray::number(k)).constData(), "/nonexistent/tty");
        window = std::make_unique<Form1>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return false;
        QTest::mouseClick(window->findChild<QRadioButton *>("Option1"), Qt::LeftButton);
        return window->link().isPortOpen();
    }

    // "ověřit po zápisu", ticked on a first start.
    void setVerifyAfterWrite(bool on) { window->findChild<QCheckBox *>("CheckVerify")->setChecked(on); }

    void click(const char *button)
    {
        QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
    }

    // Runs the event loop until the running operation has ended; false on
    // timeout. QTRY_* would not do: QTest::qWait sleeps 10 ms between event
    // passes, which paces a transfer at one byte per 10 ms.
    bool waitUntilFinished(int timeoutMs)
    {
        QEventLoop loop;
        QTimer poll;
        QElapsedTimer clock;
        clock.start();
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (finished() || clock.elapsed() > timeoutMs)
                loop.quit();
        });
        poll.start(20);
        loop.exec();
        return finished();
    }

    // Runs the event loop for ms milliseconds, ticks on their real pace.
    void runFor(int ms)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // True once the running operation has ended: the link is idle, no tick
    // is pending, and something was logged since the window started.
    bool finished() const
    {
        return ModuleLinkInside::protocol(window->link()).LinkState() == 0 && !window->findChild<QTimer *>("Timer1")->isActive();
    }

    // The logged messages without their times, oldest first; the path in the
    // line that names a module's copy is left out.
    QStringList messages() const
    {
        QStringList lines = window->findChild<StatusBox *>("Text2")->text().split(QStringLiteral("\r\n"),
                                                                                  Qt::SkipEmptyParts);
        QStringList result;
        for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
            const QString message = it->section(QStringLiteral(" --> "), 1);
            result << (message.startsWith(CopyLine) ? CopyLine : message);
        }
        return result;
    }

    // The image the simulator saved to file once it reported a complete
    // write of size bytes; empty when it did not.
    QByteArray writtenImage(const QString &file, int size)
    {
        const QString event = QStringLiteral("write %1").arg(size);
        QElapsedTimer clock;
        clock.start();
        while (!simulator.events().contains(event) && clock.elapsed() < 10000)
            QTest::qWait(20);
        return fileBytes(file);
    }

    int barValue() const { return window->findChild<QProgressBar *>("bar")->value(); }

    // The newest line that names a module's copy, as logged.
    QString copyLine() const
    {
        const QString log = window->findChild<StatusBox *>("Text2")->text();
        const qsizetype at = log.indexOf(CopyLine);
        return at < 0 ? QString() : log.mid(at).section(QStringLiteral("\r\n"), 0, 0);
    }

    static inline const QString CopyLine = QStringLiteral("Kopie z modulu uložena do ");
    // After a read of the simulator's own image; fingerprints from Python's
    // zlib.crc32 of its first 715 bytes and of referenceResetImage()'s.
    static inline const QString ModuleCheck = QStringLiteral("Kontrola: 6 upozornění, povely 1, 2, 3, 4, 5 a 6");
    static inline const QString ModuleFingerprint = QStringLiteral("Otisk konfigurace: D8B0F43D");
    static inline const QString ResetFingerprint = QStringLiteral("Otisk konfigurace: C7C4A3B5");

    SimulatorProcess simulator;
    std::unique_ptr<Form1> window;
    QStringList notices;
};

// Generous: a slow, busy machine must still pass.
constexpr int TransferTimeoutMs = 180000;
