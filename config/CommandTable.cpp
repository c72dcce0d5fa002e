#include "CommandTable.h"

CommandTable::CommandTable()
{
    m_rows.fill(Row{});
}

CommandTable::Row CommandTable::emptyRow()
{
    return {QString(), Vocabulary::System, Vocabulary::systemActions().at(0), QStringLiteral("0"),
            Vocabulary::No};
}

CommandTable CommandTable::emptyTable()
{
    CommandTable table;
    table.m_rows.fill(emptyRow());
    return table;
}

QString CommandTable::heading(int column)
{
    static const std::array<QString, ColumnCount> headings = {
        QStringLiteral("Tvar SMS"), QStringLiteral("Výstup"), QStringLiteral("Akce"),
        QStringLiteral("Čas/s"), QStringLiteral("Oznam")};
    return headings.at(column);
}

namespace Vocabulary {

const QStringList &outputs()
{
    static const QStringList list = {System,
                                     QStringLiteral("RELE1"),
                                     QStringLiteral("RELE2"),
                                     QStringLiteral("RELE3"),
                                     QStringLiteral("RELE4"),
                                     QStringLiteral("RELE5")};
    return list;
}

const QStringList &systemActions()
{
    static const QStringList list = {QStringLiteral("TEST"), QStringLiteral("RESET")};
    return list;
}

const QStringList &relayActions()
{
    static const QStringList list = {QStringLiteral("ROZEPNUTI"), QStringLiteral("SEPNUTI"),
                                     QStringLiteral("IMPULS"), QStringLiteral("ZMENA")};
    return list;
}

} // namespace Vocabulary
