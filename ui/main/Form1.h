#pragma once

#include "ModuleLink.h"
#include "PortChoice.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

class ConfigFileActions;
class FlexGrid;
class Form2;
class Form3;
class ImageTextBox;
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

    void LogStatus(const QString &message);
    void RefreshGrid();
    void ButtonsToDefaults();
    void DefaultsToButtons();

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
    void setFocusOrder();
    void connectLink();
    void startUp();
    void followProgress();
    void showProgress();
    void followOperation(ModuleLink::Operation operation, ModuleLink::Outcome outcome);

    // The transfer buttons, after asking when the table is at stake.
    void readFromModule();
    void writeToModule();
    // The table was edited, or it now matches a module or file (path, or empty).
    void markEdited();
    void markKept(const QString &path);
    void showTitle();
    // Unsaved edits: "Uložit", "Zahodit" or "Zrušit"; true when the table may go.
    bool mayReplaceTable();
    // A write under way, then unsaved edits; true when the program may end.
    bool mayLeave();

    void toggleDefaultButton(int output);
    void setDefaultButton(int output, int v);
    QPushButton *defaultButton(int output) const;

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

    struct Ui
    {
        QLabel *Label3;          // product heading
        QLabel *Label4;          // version line
        TabControl *SSTab1;      // the three pages
        ImageTextBox *Text1;     // the configuration image as text
        QPushButton *Command7;   // "data -> win"
        QPushButton *Command5;   // "win -> data"
        QProgressBar *bar;       // transfer progress
        QStatusBar *StatusBar1;  // product and maker line
        QTimer *Timer1;          // the link protocol's one-shot tick

        // Page "Tabulka SMS Povelů"
        FlexGrid *grid1;         // the twenty SMS commands

        // Page "Nastavení"
        QGroupBox *Frame1;       // default output states
        SpreadLabel *Label1;     // output names over the buttons
        QPushButton *Command8;   // RELE1 default state
        QPushButton *Command9;   // RELE2 default state
        QPushButton *Command10;  // RELE3 default state
        QPushButton *Command11;  // RELE4 default state
        QPushButton *Command12;  // RELE5 default state
        QLabel *Label2;          // overwrite warning
        QLabel *Picture1;        // illustration of the cabling
        QPushButton *Command6;   // factory settings, not available

        // Page "PC <--> GSM Pager"
        QGroupBox *Frame2;       // port choice
        QRadioButton *Option1;   // COM1 .. COM6
        QRadioButton *Option2;
        QRadioButton *Option3;
        QRadioButton *Option4;
        QRadioButton *Option5;
        QRadioButton *Option6;
        QPushButton *Command3;   // "TEST": link test
        QGroupBox *Frame5;       // status box frame
        StatusBox *Text2;        // the status log
        QGroupBox *Frame4;       // data transfer
        QPushButton *Command2;   // "PC -> VRK-04": write to the module
        QPushButton *Command1;   // "PC <- VRK-04": read from the module
        QGroupBox *Frame3;       // info box
        QLabel *Label5;          // instructions
        QLabel *Label10;         // speed note
        QLabel *Label6;          // "Výrobce :"
        LinkLabel *Label8;       // maker's web address
        QLabel *Label7;          // "Podpora :"
        LinkLabel *Label9;       // support web address
        QPushButton *Command13;  // help window
        QPushButton *Command4;   // "..:: KONEC ::..": ends the program

        // Configuration files, right of "win -> data"; verify, in Frame4
        QPushButton *CommandOpen;   // "Otevřít…": the configuration from a file
        QPushButton *CommandSave;   // "Uložit…": the configuration to a file
        QCheckBox *CheckVerify;     // "ověřit po zápisu": verify after each write
        QPushButton *CommandVerify; // "Ověřit": the module against the table

        // Any other serial port, under the frame "Port"
        QLabel *otherPortLabel;     // "Jiný port:"
        PortCombo *otherPortBox;    // the system's ports, or a typed path
    } ui{};

    QRadioButton *option(int k) const;

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
    } m_table;
    PortPicker *m_portPicker = nullptr;
};
