// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <optional>

class Configuration;
class QWidget;

// The one question before "PC -> VRK-04" writes the table: asked when the
// check finds an error, or when the module is known to hold something else
// than the write sends. It lists the findings as vrk04 check prints them and
// the commands and default states the write changes; "Zapsat" writes,
// "Zpět" (the default) sends nothing. Warnings alone ask nothing.
class WriteQuestion
{
    Q_DECLARE_TR_FUNCTIONS(WriteQuestion)

public:
    enum class Answer { NotAsked, Write, Back };

    // held: what the module on the port holds, when known.
    static Answer ask(QWidget *window, const Configuration &config, const std::optional<QByteArray> &held);
};
