#pragma once

#include <QObject>
#include <QString>
#include <functional>

class ModuleLink;
class QWidget;

enum class FileDialogMode { Open, Save };

// The dialog that names a configuration file, starting in folder: QFileDialog
// unless replaced (the tests replace it so that no dialog opens). An empty
// path means the user cancelled.
using FileChooser = std::function<QString(QWidget *parent, FileDialogMode mode, const QString &folder)>;
FileChooser &fileChooser();

// The main window's configuration files: "Otevřít…", "Uložit…" and a file
// dropped on the window. Files hold the raw image bytes, as the command-line
// tool keeps them. Problems go to a message box on the window, the files
// opened and saved to the status log through logged().
class ConfigFileActions : public QObject
{
    Q_OBJECT

public:
    ConfigFileActions(QWidget &window, ModuleLink &link);

    void open(); // "Otevřít…"
    void save(); // "Uložit…"
    // All or nothing: on any problem the table, the default states and
    // ConfigImage stay as they were.
    bool openFile(const QString &path);
    bool saveFile(const QString &path);

signals:
    void logged(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showProblem(const QString &text);

    QWidget &m_window;
    ModuleLink &m_link;
    QString m_folder;
};
