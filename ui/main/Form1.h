// SPDX-License-Identifier: MIT
#pragma once

#include "DefaultStates.h"
#include "ModuleLink.h"
#include "PortChoice.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <array>

class ConfigFileActions;
class FlexGrid;
class Form2;
class Form3;
class ImageTextBox;
class KnownModule;
class LinkLabel;
class PortCombo;
class PortPicker;
class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTimer;
class SpreadLabel;
class StatusBox;
class TabControl;

// The main window: the command grid, the default output states, the port
// choice, the link test and the transfers, the status log, the image box and
// the info box.
class Form1 : public QWidget, private PortOptions
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    ModuleLink &link() { return m_link; }
    Configuration &configuration() { return m_link.configuration(); }
    SerialComm &comm() { return m_link.comm(); }
    PortChoice &portChoice() { return m_portChoice; }

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
    void centreNamesOverButtons();
    void buildLinkPage();
    void buildFileControls();
    void buildOtherPort();
    void buildSeriesButton();
    void setFocusOrder();
    void connectLink();
    void startUp();
    void followProgress();
    void showProgress();
    void emptyBar();
    void followOperation(ModuleLink::Operation operation, ModuleLink::Outcome outcome);

    // The transfer buttons, after asking when the table is at stake.
    void readFromModule();
    void writeToModule();
    // While a read runs, what it will replace cannot be edited: the grid, the
    // editor, the default buttons, "win -> data", "Otevřít…" and drops.
    enum class Edits { Allowed, Held };
    void holdEdits(Edits edits);
    // The table was edited, or it now matches a module or file (path, or empty).
    void markEdited();
    void markKept(const QString &path);
    void showTitle();
    // The image the table and the default states encode to; empty when they cannot.
    QByteArray tableImage() const;
    // Unsaved edits: "Uložit", "Zahodit" or "Zrušit"; true when the table may go.
    bool mayReplaceTable();
    // A write under way, then unsaved edits; true when the program may end.
    bool mayLeave();

    void toggleDefaultButton(int output);

    void showImageInBox();   // "data -> win"
    void takeImageFromBox(); // "win -> data"
    enum class MessageKind { Plain, Warning };
    void showMessage(const QString &text, MessageKind kind);

    void editCommand(int gridRow);
    void showHelp();
    void endProgram();

    // PortOptions
    void setOptionEnabled(int k, bool enabled) override;
    void setOptionToolTip(int k, const QString &text) override;
    bool optionValue(int k) const override;

    // The controls; each has its designer name as objectName.
    struct Ui
    {
        QLabel *productHeading;          // Label3
        QLabel *versionLine;             // Label4
        TabControl *tabs;                // SSTab1: the three pages
        ImageTextBox *imageBox;          // Text1: the configuration image as text
        QPushButton *showImageButton;    // Command7: "data -> win"
        QPushButton *takeImageButton;    // Command5: "win -> data"
        QProgressBar *progressBar;       // bar: transfer progress
        QStatusBar *statusBar;           // StatusBar1: product and maker line
        QTimer *timer;                   // Timer1: the link protocol's one-shot tick

        // Page "Tabulka SMS Povelů"
        FlexGrid *grid;                  // grid1: the twenty SMS commands

        // Page "Nastavení"
        QGroupBox *defaultsFrame;        // Frame1: default output states
        SpreadLabel *outputNames;        // Label1: output names over the buttons
        std::array<QPushButton *, OutputCount> defaultButtons; // Command8 .. Command12: RELE1 .. RELE5
        QLabel *overwriteWarning;        // Label2
        QLabel *cablingPicture;          // Picture1
        QPushButton *factoryButton;      // Command6: factory settings, not available

        // Page "PC <--> GSM Pager"
        QGroupBox *portFrame;            // Frame2: port choice
        std::array<QRadioButton *, PortChoice::PortCount> portOptions; // Option1 .. Option6: COM1 .. COM6
        QPushButton *testButton;         // Command3: "TEST"
        QGroupBox *statusFrame;          // Frame5
        StatusBox *statusBox;            // Text2: the status log
        QGroupBox *transferFrame;        // Frame4: data transfer
        QPushButton *writeButton;        // Command2: "PC -> VRK-04"
        QPushButton *readButton;         // Command1: "PC <- VRK-04"
        QGroupBox *infoFrame;            // Frame3
        QLabel *instructions;            // Label5
        QLabel *speedNote;               // Label10
        QLabel *makerLabel;              // Label6: "Výrobce :"
        LinkLabel *makerLink;            // Label8: maker's web address
        QLabel *supportLabel;            // Label7: "Podpora :"
        LinkLabel *supportLink;          // Label9: support web address
        QPushButton *helpButton;         // Command13: the help window
        QPushButton *exitButton;         // Command4: "..:: KONEC ::..", ends the program

        // Configuration files, right of "win -> data"; verify, in Frame4
        QPushButton *openButton;         // CommandOpen: "Otevřít…"
        QPushButton *saveButton;         // CommandSave: "Uložit…"
        QCheckBox *verifyAfterWrite;     // CheckVerify: "ověřit po zápisu"
        QPushButton *verifyButton;       // CommandVerify: the module against the table

        // Any other serial port, under the frame "Port"
        QLabel *otherPortLabel;          // "Jiný port:"
        PortCombo *otherPortBox;         // the system's ports, or a typed path
    } ui{};

    ModuleLink m_link{this};
    Configuration &m_config = m_link.configuration();
    PortChoice m_portChoice{m_link.comm(), *this};
    QElapsedTimer m_barRedrawn;
    QPointer<Form2> m_editor;
    QPointer<Form3> m_help;
    ConfigFileActions *m_files = nullptr;
    // Where the table shown came from, and whether it was edited since.
    struct TableState
    {
        QString file;          // the file opened or saved last; empty for a module's or none
        bool modified = false; // edited since it was read, opened, saved or written
        bool touched = false;  // read, opened or edited since start-up
        QString port;          // the port of the module it was read from; empty for a file's or none
    } m_table;
    PortPicker *m_portPicker = nullptr;
    int m_stopAfterWrite = 0; // the signal that waits for the write to end
    KnownModule *m_knownModule = nullptr;
};
