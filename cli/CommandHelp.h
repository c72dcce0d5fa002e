// SPDX-License-Identifier: MIT
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

// The help of vrk04: `vrk04 --help` lists the commands, the options and the
// exit codes; `vrk04 COMMAND --help` explains that command alone, with its
// usage, its options and an example. One entry per command below.
namespace CommandHelp {

// The commands in the order the help lists them.
QStringList commandNames();

QString overview(const QList<QCommandLineOption> &options);
// The page of one command; empty for a name that is no command.
QString page(const QString &command, const QList<QCommandLineOption> &options);

} // namespace CommandHelp
