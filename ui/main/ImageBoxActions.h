// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <functional>

class Configuration;
class ImageTextBox;
class QWidget;

// "data -> win" and "win -> data": the configuration's image into the image
// box as text, and the box's text back into the table and the default states.
// Problems go to a message box on the window.
class ImageBoxActions : public QObject
{
    Q_OBJECT

public:
    ImageBoxActions(QWidget &window, ImageTextBox &box, Configuration &config);

    void showImage(); // "data -> win"
    void takeImage(); // "win -> data"

    // Asked before the box's image replaces the table; false keeps it.
    void setReplaceCheck(std::function<bool()> mayReplace) { m_mayReplace = std::move(mayReplace); }

private:
    enum class MessageKind { Plain, Warning };
    void showMessage(const QString &text, MessageKind kind);

    QWidget &m_window;
    ImageTextBox &m_box;
    Configuration &m_config;
    std::function<bool()> m_mayReplace = [] { return true; };
};
