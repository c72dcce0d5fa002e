#pragma once

#include <QString>
#include <QStringList>

// One invocation of vrk04, checked for usage: the command with what it needs.
struct Request
{
    enum class Command { Ports, Test, Read, Write, Verify, Show, Diff };
    enum class Format { Text, Csv, Json };
    enum class Verify { AfterWrite, Skip };

    Command command = Command::Ports;
    QString port;      // test, read, write, verify
    QStringList files; // read, write, verify, show: one; diff: two
    Format format = Format::Text;
    Verify verify = Verify::AfterWrite;
    bool quiet = false;
};
