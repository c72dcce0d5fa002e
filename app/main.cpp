#include "Form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Qt's own event dispatcher keeps sub-millisecond timer precision; the
    // GLib one rounds every wait up to whole milliseconds, which doubles the
    // time of a transfer paced by one-millisecond ticks.
    qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    Form1 window;
    window.show();
    return app.exec();
}
