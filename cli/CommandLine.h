// SPDX-License-Identifier: MIT
#pragma once

#include "Request.h"

#include <QCommandLineParser>
#include <optional>

// The arguments of vrk04: commands, options and their help text. A request
// comes out only when the usage is right; --help and --version are answered
// here.
class CommandLine
{
public:
    enum class Result { Run, Answered, BadUsage };

    CommandLine();

    // Parses arguments (the program name first). Run: request() is valid.
    // Answered: help or version was printed. BadUsage: error() says why.
    Result parse(const QStringList &arguments);

    const Request &request() const { return m_request; }
    const QString &error() const { return m_error; }
    QString helpText() const;

    // Whether arguments ask for the customer's sheet, told before the
    // application is made: only a sheet needs Qt Gui's fonts.
    static bool writesSheet(const QStringList &arguments);

private:
    Result refuse(const QString &error);
    // convert with --format pdf, or without --format to a name ending in .pdf.
    bool sheetWanted() const;

    QCommandLineParser m_parser;
    QList<QCommandLineOption> m_options;
    Request m_request;
    QString m_error;
};
