// SPDX-License-Identifier: MIT
#pragma once

#include "PortChoice.h"
#include "Session.h"

#include <QPointer>
#include <QWidget>

class CommandPage;
class ConfigFileActions;
class FlexGrid;
class Form2;
class Form3;
class ImageBoxActions;
class ImageTextBox;
class LinkPage;
class PortPicker;
class QLabel;
class QPushButton;
class QStatusBar;
class SettingsPage;
class TabControl;
class TransferBar;

// The main window: the command grid, the default output states, the port
// choice, the link test and the transfers, the status log, the image box and
// the info box.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    static inline const QString Title = QStringLiteral("VRK-04 setup");

    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    Session &session() { return m_session; }
    ModuleLink &link() { return m_session.link(); }
    Configuration &configuration() { return m_session.configuration(); }

    // Opens a configuration file as "Otevřít…" does, without the file dialog.
    bool openFile(const QString &path);

    void LogStatus(const QString &message);
    // A copy or a setting that a folder or key refused: logged and shown.
    void reportUnwritable(const QString &problem);
    void RefreshGrid();
    void ButtonsToDefaults();
    void DefaultsToButtons();

    // A request from outside to end the program (SIGTERM, SIGINT: a log-out,
    // kill). The first during a write lets the write finish and then ends
    // the program; a second one, or one at any other time, ends it at once.
    void stopRequested(int number);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void buildCommandPage();
    void buildSettingsPage();
    void buildLinkPage();
    void buildFileControls();
    void buildOtherPort();
    void setFocusOrder();
    void connectLink();
    void startUp();
    void followOperation(ModuleLink::Operation operation, ModuleLink::Outcome outcome);

    // The transfer buttons, after asking when the table is at stake.
    void readFromModule();
    void writeToModule();
    // While a read runs, what it will replace cannot be edited: the grid, the
    // editor, the default buttons, "win -> data", "Otevřít…" and drops.
    enum class Edits { Allowed, Held };
    void holdEdits(Edits edits);
    void showTitle();
    void logFingerprint();
    // Unsaved edits: "Uložit", "Zahodit" or "Zrušit"; true when the table may go.
    bool mayReplaceTable();
    // A write under way, then unsaved edits; true when the program may end.
    bool mayLeave();

    void toggleDefaultButton(int output);


    void editCommand(int gridRow);
    void showHelp();
    void endProgram();

    // The controls; each has its designer name as objectName.
    struct Ui
    {
        QLabel *productHeading;          // Label3
        QLabel *versionLine;             // Label4
        TabControl *tabs;                // SSTab1: the three pages
        ImageTextBox *imageBox;          // Text1: the configuration image as text
        QPushButton *showImageButton;    // Command7: "data -> win"
        QPushButton *takeImageButton;    // Command5: "win -> data"
        TransferBar *progressBar;        // bar: transfer progress
        QStatusBar *statusBar;           // StatusBar1: product and maker line

        CommandPage *commands;           // page "Tabulka SMS Povelů"
        FlexGrid *grid;                  // grid1: the twenty SMS commands
        SettingsPage *settings;          // page "Nastavení"
        LinkPage *link;                  // page "PC <--> GSM Pager"
        // Configuration files, right of "win -> data"
        QPushButton *openButton;         // CommandOpen: "Otevřít…"
        QPushButton *saveButton;         // CommandSave: "Uložit…"
    } ui{};

    Session m_session{this};
    ModuleLink &m_link = m_session.link();
    Configuration &m_config = m_session.configuration();
    PortChoice *m_portChoice = nullptr;
    QPointer<Form2> m_editor;
    QPointer<Form3> m_help;
    ConfigFileActions *m_files = nullptr;
    ImageBoxActions *m_imageBox = nullptr;
    PortPicker *m_portPicker = nullptr;
    int m_stopAfterWrite = 0; // the signal that waits for the write to end
};
