// SPDX-License-Identifier: MIT
// Saves a picture of each page of the main window, for checking the layout
// by eye: form1-screenshots OUTPUT_DIR (run under a real X server or Xvfb).
#include "Form1.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    Form1 window;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QTest::qWait(200);
        const QString file = out.filePath(QStringLiteral("form1-page%1.png").arg(page + 1));
        if (!window.grab().save(file))
            return 1;
        qInfo("%s", qPrintable(file));
    }
    return 0;
}
