// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

// Every user text of the device link, made here from the codes its
// components report: the status-log lines of the protocol and the reasons a
// port fails. Czech is the source language; the catalogues translate.
class LinkText
{
    Q_DECLARE_TR_FUNCTIONS(LinkText)

public:
    enum class Status {
        TestOk,
        TestError,
        TransferOk,
        ReadFailure,      // a read failed
        WriteFailure,     // a write failed
        DuplicateReceipt, // two answers to one byte of a write
        VerifyOk,
        AlreadyRunning,
        ReadStart,
        WriteStart,
        VerifyStart,
        ReadInterrupted,
        WriteInterrupted,
        VerifyInterrupted,
        TestInterrupted,
        ModuleAwaitsRest, // after an interrupted write
        ModuleErased,     // a read brought only fill bytes
        NotConfiguration, // a read brought bytes that do not decode
        AdapterUnplugged, // the port went away under the link
    };
    static QString status(Status status);

    // The module ended a write after `answered` of `size` bytes.
    static QString earlyEnd(qsizetype answered, qsizetype size);
    // A verify whose module sent its end mark after fewer than size bytes.
    static QString earlyVerifyEnd(qsizetype received, qsizetype size);
    // The module differs from the expected image, first at 1-based position.
    static QString verifyDifference(const QByteArray &module, const QByteArray &expected, int position);
    static QString portClosed(const QString &port, const QString &reason);
    static QString portCannotOpen(const QString &port, const QString &reason);

    enum class PortProblem {
        None,
        NotOpen,
        AlreadyOpen,
        NoRtsLine,
        NoDevice,
        AccessDenied, // the user may not use the device
        InUse,        // another program holds it
        Disconnected,
        Folder,
        NotSerial,
        Other,        // as the system words it
    };
    // The reason for a port problem; systemText is the system's own words, for Other.
    static QString portProblem(PortProblem problem, const QString &systemText);
};
