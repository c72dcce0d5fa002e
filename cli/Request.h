// SPDX-License-Identifier: MIT
#pragma once

#include "ConfigText.h"
#include "TableFormat.h"

#include <QString>
#include <QStringList>
#include <optional>

// One invocation of vrk04, checked for usage: the command with what it needs.
struct Request
{
    enum class Command { Ports, Test, Read, Write, Verify, Show, Diff, Convert, Check, Series };
    using Format = TableFormat;
    enum class Verify { AfterWrite, Skip };

    Command command = Command::Ports;
    bool usesPort = false; // the command talks to the module: test, read, write, verify
    QString port;      // test, read, write, verify, series
    QStringList files; // read, write, verify, show, check: one; diff, convert: two
    Format format = Format::Text;
    std::optional<ConfigText::Form> outputForm; // convert --format; else by OUT's suffix
    bool sheet = false; // convert: OUT is the customer's sheet (--format pdf, or a name .pdf)
    Verify verify = Verify::AfterWrite;
    bool quiet = false;
    bool strict = false; // write: refuse when the check finds an error
    QString trace;     // --trace: test, read, write, verify, series
    QString log;       // series --log: the protocol; empty for the default name
    int count = 0;     // series --count: good modules to do; 0 until stopped
};
