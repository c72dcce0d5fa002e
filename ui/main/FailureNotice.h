// SPDX-License-Identifier: MIT
#pragma once

#include "Session.h"

#include <QObject>
#include <functional>

class QWidget;

// The message box after a failed read, write or verify: what happened and
// what to do next, in one place per kind of failure. The status log keeps its
// lines; a failed TEST asks nothing.
class FailureNotice : public QObject
{
    Q_OBJECT

public:
    FailureNotice(QWidget &window, Session &session);

    // The text for the operation that just failed, from the link's record of it.
    static QString text(ModuleLink::Operation operation, const Session &session);

    // Shows the notice with "OK" only; replaceable like questionBox(), so
    // that end-to-end runs go on without a box.
    using Box = std::function<void(QWidget *parent, const QString &text)>;
    static Box &box();

private:
    void followOperation(ModuleLink::Operation operation, ModuleLink::Outcome outcome);

    QWidget &m_window;
    Session &m_session;
};
