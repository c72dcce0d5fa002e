// SPDX-License-Identifier: MIT
#include "CommandTable.h"

#include "ConfigWords.h"

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
    static const std::array<const char *, ColumnCount> headings = {
        QT_TRANSLATE_NOOP("ConfigWords", "Tvar SMS"), QT_TRANSLATE_NOOP("ConfigWords", "Výstup"),
        QT_TRANSLATE_NOOP("ConfigWords", "Akce"), QT_TRANSLATE_NOOP("ConfigWords", "Čas/s"),
        QT_TRANSLATE_NOOP("ConfigWords", "Oznam")};
    return ConfigWords::tr(headings.at(column));
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
