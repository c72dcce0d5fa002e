// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>

class ModuleLink;
class PortChoice;
class PortCombo;
class QRadioButton;

// The window's port beyond the six options: "Jiný port" and the port
// remembered from the last run. A port entered in the box clears the options
// and opens as a chosen option does; an option chosen clears the box. Either
// is remembered.
class PortPicker : public QObject
{
    Q_OBJECT

public:
    PortPicker(ModuleLink &link, PortChoice &choice, PortCombo &box, const QList<QRadioButton *> &options,
               QObject *parent = nullptr);

    // At start-up, after the scan: selects the remembered port again when it
    // is there, with one line, but does not open it: the device behind the
    // name may now be another one. Otherwise nothing is chosen.
    void restore();
    // Opens the port restore() selected, when the user first acts (TEST, a
    // transfer); the port chosen since, if any, is open already.
    void openRestored();

signals:
    void logged(const QString &message);
    // The choice could not be remembered: why, for the log and a message.
    void notRemembered(const QString &problem);

private:
    void optionChosen(int k);
    void otherPortEntered(const QString &typed);
    void clearOptions();
    void remember(const QString &port);

    ModuleLink &m_link;
    PortChoice &m_choice;
    PortCombo &m_box;
    QList<QRadioButton *> m_options;
    QString m_restored; // selected at start-up, not opened yet
};
