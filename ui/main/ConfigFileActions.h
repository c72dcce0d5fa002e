// SPDX-License-Identifier: MIT
#pragma once

#include "Session.h"

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

enum class FileDialogMode { Open, Save, SaveTrace };

// The dialog that names a configuration file, starting in folder: QFileDialog
// unless replaced (the tests replace it so that no dialog opens). An empty
// path means the user cancelled.
using FileChooser = std::function<QString(QWidget *parent, FileDialogMode mode, const QString &folder)>;
FileChooser &fileChooser();

// The main window's configuration files and verify: "Otevřít…", "Uložit…",
// a file dropped on the window, "Ověřit", and a verify of the written image
// right after each successful write when asked for. Files hold the raw image
// bytes or the configuration as JSON or CSV, as the command-line tool keeps
// them: opened by content, saved by the name's suffix; a name ending in .pdf
// saves the customer's sheet of the table, which is never opened. Problems go to a
// message box on the window, the files opened and saved to the status log
// through logged(), and so does a file that could not be written.
class ConfigFileActions : public QObject
{
    Q_OBJECT

public:
    enum class AfterWrite { Nothing, Verify };

    ConfigFileActions(QWidget &window, Session &session);

    void open(); // "Otevřít…"
    // "Uložit…"; false when cancelled or failed, and after a sheet, which does
    // not keep the table for opening again.
    bool save();
    // All or nothing: on any problem the table, the default states and
    // ConfigImage stay as they were.
    bool openFile(const QString &path);
    bool saveFile(const QString &path);
    // "Uložit záznam linky…": the line trace of the last transfers, for support.
    void saveTrace();

    // "Ověřit": the module against the image the table encodes to; the table
    // and ConfigImage stay as they are.
    void verify();
    void setAfterWrite(AfterWrite afterWrite) { m_afterWrite = afterWrite; }
    // Asked before "Otevřít…" or a dropped file replaces the table; false keeps it.
    void setReplaceCheck(std::function<bool()> mayReplace) { m_mayReplace = std::move(mayReplace); }

signals:
    void logged(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followWrite(ModuleLink::Operation operation, ModuleLink::Outcome outcome);
    bool saveSheet(const QString &path);
    void showProblem(const QString &text);

    QWidget &m_window;
    // Where the table came from, for the customer's sheet.
    QString sheetOrigin() const;

    Session &m_session;
    ModuleLink &m_link;
    AfterWrite m_afterWrite = AfterWrite::Nothing;
    QString m_folder;
    std::function<bool()> m_mayReplace = [] { return true; };
};
