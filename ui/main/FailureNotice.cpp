// SPDX-License-Identifier: MIT
#include "FailureNotice.h"

#include "ConfigDiff.h"
#include "ImageCodec.h"

#include <QMessageBox>

namespace {

using Failure = ModuleLink::Failure;
using Operation = ModuleLink::Operation;

void showInBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, parent ? parent->windowTitle() : QString(), text, QMessageBox::Ok, parent);
    box.exec();
}

QString checkTheLink()
{
    return FailureNotice::tr("Zkontrolujte kabel, zvolený port a napájení modulu, vyzkoušejte spojení tlačítkem "
                             "TEST a zkuste to znovu.");
}

QString writeNotice(const Session &session)
{
    const ModuleLink &link = session.link();
    switch (link.lastFailure()) {
    case Failure::TableRefused: {
        const Configuration &config = session.configuration();
        const QString problem =
            encodeImage(config.CommandTable(), config.DefaultStateByte1(), config.DefaultStateByte2()).message();
        return FailureNotice::tr("Zápis neproběhl, do modulu se nic neposlalo: %1\n"
                                 "Opravte povel v tabulce a zapište znovu.")
            .arg(problem);
    }
    case Failure::CutShort:
        return FailureNotice::tr("Zápis se nedokončil (po bajtu %1 z %2). Modul teď nemá platnou konfiguraci: "
                                 "vypněte ho a zapněte, pak zapište znovu.")
            .arg(qMax(link.position() - 1, 0))
            .arg(link.total() - 1);
    default:
        return FailureNotice::tr("Zápis neproběhl: modul neodpověděl, jeho konfigurace zůstala beze změny.\n%1")
            .arg(checkTheLink());
    }
}

QString readNotice(const ModuleLink &link)
{
    switch (link.lastFailure()) {
    case Failure::Erased:
        return FailureNotice::tr("Modul nemá uloženou konfiguraci (jeho paměť je prázdná). Tabulka zůstala beze "
                                 "změny; upravte ji nebo otevřete ze souboru a zapište ji do modulu.");
    case Failure::NotConfiguration:
        return FailureNotice::tr("Data z modulu nejsou platná konfigurace. Tabulka zůstala beze změny; vyčtěte "
                                 "modul znovu, a když se to opakuje, zapište do něj konfiguraci.");
    case Failure::CutShort:
        return FailureNotice::tr("Vyčítání se nedokončilo (po bajtu %1 z %2). Tabulka zůstala beze změny.\n%3")
            .arg(link.position())
            .arg(link.total())
            .arg(checkTheLink());
    default:
        return FailureNotice::tr("Vyčítání neproběhlo: modul neodpověděl. Tabulka zůstala beze změny.\n%1")
            .arg(checkTheLink());
    }
}

QString verifyNotice(const ModuleLink &link)
{
    if (link.lastFailure() != Failure::Differs)
        return FailureNotice::tr("Ověření se nedokončilo, modul nebyl porovnán s tabulkou.\n%1").arg(checkTheLink());
    const QList<ConfigDifference> differences = configDifferences(link.verifiedImage(), link.expectedImage());
    const ConfigDifference first = differences.value(0);
    return FailureNotice::tr("Modul obsahuje jinou konfiguraci než tabulka. První rozdíl: %1, v modulu %2, "
                             "v tabulce %3 (rozdílů celkem: %4).\nZapište tabulku do modulu znovu, nebo ji "
                             "z modulu vyčtěte.")
        .arg(first.where, first.left, first.right)
        .arg(differences.size());
}

} // namespace

FailureNotice::FailureNotice(QWidget &window, Session &session)
    : QObject(&window)
    , m_window(window)
    , m_session(session)
{
    connect(&m_session.link(), &ModuleLink::operationEnded, this, &FailureNotice::followOperation);
}

FailureNotice::Box &FailureNotice::box()
{
    static Box shown = showInBox;
    return shown;
}

QString FailureNotice::text(ModuleLink::Operation operation, const Session &session)
{
    switch (operation) {
    case Operation::Write:
        return writeNotice(session);
    case Operation::Read:
        return readNotice(session.link());
    case Operation::Verify:
        return verifyNotice(session.link());
    case Operation::Test:
        break;
    }
    return {};
}

// The box opens once the link has finished reporting the end, not inside it.
void FailureNotice::followOperation(ModuleLink::Operation operation, ModuleLink::Outcome outcome)
{
    if (outcome != ModuleLink::Outcome::Failed || operation == Operation::Test)
        return;
    const QString notice = text(operation, m_session);
    QMetaObject::invokeMethod(this, [this, notice] { box()(&m_window, notice); }, Qt::QueuedConnection);
}
