// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

// "Jiný port": an editable list of every serial port the system offers, by
// the names a person knows the adapter by, read again each time it opens so
// that an adapter plugged in later shows. Any device path may be typed.
class PortCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit PortCombo(QWidget *parent = nullptr);

    void showPopup() override;

protected:
    // The whole device or by-id name of the entry shown, above the box's own tip.
    bool event(QEvent *event) override;

signals:
    // An entry was chosen or a path typed and Enter pressed: the device to open.
    void portEntered(const QString &path);

private:
    void refresh();
    void entryActivated(int index);
};
