// SPDX-License-Identifier: MIT
#pragma once

#include "ModuleLink.h"
#include "SeriesRun.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// A production run from the window: the configuration of the grid or of a
// file, written and verified into module after module on one port, with the
// protocol. The run has a link of its own, so that its tests stay out of the
// window's status log; the window's link gives the port up meanwhile and
// takes it back afterwards. One line per module goes to the status log.
class SeriesDialog : public QDialog
{
    Q_OBJECT

public:
    // windowPort: the port the window has chosen, or empty.
    SeriesDialog(ModuleLink &windowLink, const QByteArray &tableImage, const QString &windowPort,
                 QWidget *parent = nullptr);

signals:
    // A line for the window's status log.
    void logged(const QString &line);

protected:
    // Not while a run goes on: Stop ends it first.
    void reject() override;

private:
    void buildWindow();
    void start();
    void stop();
    void chooseFile();
    void chooseProtocol();
    void followPhase(SeriesRun::Phase phase);
    void moduleRecorded(const SeriesRecord &record);
    void finished(SeriesRun::Ending ending);
    void showState(const QString &text, const QColor &colour);
    void showCounts();
    void setRunning(bool running);
    bool usesWindowPort() const;
    void giveBackPort();

    ModuleLink &m_windowLink;
    const QByteArray m_tableImage;
    const QString m_windowPort;
    ModuleLink m_link;
    SeriesRun m_run{m_link};
    QString m_port; // of the run under way
    bool m_lastOk = false;

    struct Ui
    {
        QRadioButton *tableOption;   // OptionTable: the configuration in the grid
        QRadioButton *fileOption;    // OptionFile: a configuration file
        QLineEdit *fileEdit;         // EditFile
        QPushButton *fileButton;     // CommandFile: "…"
        QLineEdit *portEdit;         // EditPort
        QLineEdit *protocolEdit;     // EditLog
        QPushButton *protocolButton; // CommandLog: "…"
        QSpinBox *countBox;          // SpinCount: 0 for no limit
        QLabel *state;               // LabelState: what to do now, large
        QLabel *counts;              // LabelCounts
        QPushButton *startButton;    // CommandStart: "Spustit"
        QPushButton *stopButton;     // CommandStop: "Stop"
        QPushButton *closeButton;    // CommandClose: "Zavřít"
    } ui{};
};
