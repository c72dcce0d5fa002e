// SPDX-License-Identifier: MIT
#include "LinkText.h"

#include "ImageDiff.h"

QString LinkText::status(Status status)
{
    // Some lines are worded without diacritics, as the module's users know them.
    switch (status) {
    case Status::TestOk:
        return tr("TEST OK");
    case Status::TestError:
        return tr("TEST ERROR");
    case Status::TransferOk:
        return tr("Prenos OK");
    case Status::ReadFailure:
        return tr("chyba v prenosu!");
    case Status::WriteFailure:
        return tr("chyba komunikace!");
    case Status::DuplicateReceipt:
        return tr("duplicitni prijem");
    case Status::VerifyOk:
        return tr("Ověření OK");
    case Status::AlreadyRunning:
        return tr("Přenos již probíhá, počkejte na jeho konec.");
    case Status::ReadStart:
        return tr("Vyčítání START");
    case Status::WriteStart:
        return tr("Zápis START");
    case Status::VerifyStart:
        return tr("Ověření START");
    case Status::ReadInterrupted:
        return tr("Vyčítání přerušeno");
    case Status::WriteInterrupted:
        return tr("Zápis přerušen");
    case Status::VerifyInterrupted:
        return tr("Ověření přerušeno");
    case Status::TestInterrupted:
        return tr("Test přerušen");
    case Status::ModuleAwaitsRest:
        return tr("Modul čeká na zbytek obrazu: před další operací ho vypněte a zapněte, pak zapište znovu.");
    case Status::ModuleErased:
        return tr("Paměť modulu je prázdná (samé 0xFF): modul nemá uloženou konfiguraci.");
    case Status::NotConfiguration:
        return tr("Data z modulu nejsou konfigurace: přenos proběhl, ale obsah nelze dekódovat.");
    case Status::AdapterUnplugged:
        return tr("Převodník byl odpojen");
    }
    return {};
}

QString LinkText::earlyEnd(qsizetype answered, qsizetype size)
{
    return tr("Modul ukončil zápis předčasně, po %1. bajtu z %2.")
        .arg(answered)
        .arg(size);
}

QString LinkText::earlyVerifyEnd(qsizetype received, qsizetype size)
{
    return tr("Modul ukončil vyčítání předčasně, po %1. bajtu z %2.").arg(received).arg(size);
}

QString LinkText::verifyDifference(const QByteArray &module, const QByteArray &expected, int position)
{
    return tr("Ověření: první rozdíl, ")
           + describeDifference(module, expected, position, tr("modul"),
                                tr("očekáváno"));
}

QString LinkText::portClosed(const QString &port, const QString &reason)
{
    return tr("Port %1 byl zavřen: %2").arg(port, reason);
}

QString LinkText::portCannotOpen(const QString &port, const QString &reason)
{
    return tr("Port %1 nelze otevřít: %2").arg(port, reason);
}

QString LinkText::portProblem(PortProblem problem, const QString &systemText)
{
    switch (problem) {
    case PortProblem::None:
        return {};
    case PortProblem::NotOpen:
        return tr("port není otevřen");
    case PortProblem::AlreadyOpen:
        return tr("port je již otevřen");
    case PortProblem::NoRtsLine:
        return tr("zařízení nemá linku RTS");
    case PortProblem::NoDevice:
        return tr("zařízení neexistuje");
    case PortProblem::AccessDenied:
        return tr("přístup odepřen (přidejte uživatele do skupiny dialout)");
    case PortProblem::InUse:
        return tr("port používá jiný program");
    case PortProblem::Disconnected:
        return tr("zařízení bylo odpojeno");
    case PortProblem::Folder:
        return tr("je to složka, ne sériové zařízení");
    case PortProblem::NotSerial:
        return tr("není sériové zařízení");
    case PortProblem::Other:
        return tr("chyba portu: %1").arg(systemText);
    }
    return {};
}
