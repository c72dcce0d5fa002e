// SPDX-License-Identifier: MIT
#include "ConfigCheck.h"

#include "ConfigImage.h"
#include "ConfigWords.h"
#include "ImageCodec.h"

#include <algorithm>

using namespace ConfigImageLayout;

namespace {

using Severity = ConfigFinding::Severity;

// The GSM 7-bit default alphabet and its extension table (3GPP TS 23.038),
// without the escape to that table, which no one types.
const QString &gsmAlphabet()
{
    static const QString alphabet = QStringLiteral(
        "@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
        "¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà"
        "\f^{}\\[~]|€");
    return alphabet;
}

// „ě“, or the code point of a character that would not show.
QString named(QChar ch)
{
    if (ch.isPrint() && ch.category() != QChar::Separator_Space)
        return QStringLiteral("„%1“").arg(ch);
    return QStringLiteral("U+%1").arg(ch.unicode(), 4, 16, QLatin1Char('0')).toUpper();
}

// A text with case, diacritics and spaces left out: two texts alike this way
// are easily taken one for the other.
QString lookalikeKey(const QString &text)
{
    QString key;
    for (const QChar ch : text.normalized(QString::NormalizationForm_D)) {
        if (!ch.isSpace() && ch.category() != QChar::Mark_NonSpacing)
            key += ch;
    }
    return key.toCaseFolded();
}

// Actions of the output's kind: the module reads the action code against them.
const QStringList &actionsOf(const QString &output)
{
    return output == Vocabulary::System ? Vocabulary::systemActions() : Vocabulary::relayActions();
}

class TableCheck
{
public:
    explicit TableCheck(const CommandTable &table)
        : m_table(table)
    {
    }

    QList<ConfigFinding> run()
    {
        for (int r = 0; r < CommandTable::RowCount; ++r) {
            if (text(r).isEmpty())
                continue;
            checkPair(r);
            checkSameText(r);
            checkAlphabet(r);
            checkSpaces(r);
            checkLookalikes(r);
            checkTime(r);
        }
        return m_findings;
    }

private:
    const QString &text(int r) const { return m_table.cell(r, CommandTable::SmsText); }

    void add(int r, CommandTable::Column field, Severity severity, const QString &sentence)
    {
        m_findings.append({r + 1, field, severity, sentence});
    }

    // Other used commands whose texts match row r's under key.
    template<typename Key>
    QList<int> othersAlike(int r, Key key) const
    {
        QList<int> numbers;
        for (int other = 0; other < CommandTable::RowCount; ++other) {
            if (other != r && !text(other).isEmpty() && key(text(other)) == key(text(r)))
                numbers << other + 1;
        }
        return numbers;
    }

    // The encoder writes the action's code whatever the output, and the
    // module reads that code as an action of the output's kind.
    void checkPair(int r)
    {
        const QString &output = m_table.cell(r, CommandTable::Output);
        const QString &action = m_table.cell(r, CommandTable::Action);
        const QStringList &own = actionsOf(output);
        if (own.contains(action))
            return;
        const QStringList &other = output == Vocabulary::System ? Vocabulary::relayActions()
                                                                : Vocabulary::systemActions();
        const qsizetype code = other.indexOf(action);
        if (code < 0)
            return; // not a word of the vocabulary: nothing the editor offers
        const QString sentence =
            code < own.size()
                ? ConfigWords::tr("Akce %1 k výstupu %2 nepatří: modul provede %3; zvolte jinou akci nebo jiný výstup.")
                      .arg(action, output, own.at(code))
                : ConfigWords::tr("Akce %1 k výstupu %2 nepatří a modul pro její kód u tohoto výstupu žádnou akci "
                                  "nemá; zvolte jinou akci nebo jiný výstup.")
                      .arg(action, output);
        add(r, CommandTable::Action, Severity::Error, sentence);
    }

    void checkSameText(int r)
    {
        const QList<int> same = othersAlike(r, [](const QString &t) { return t; });
        if (same.isEmpty())
            return;
        const QString sentence =
            same.size() == 1
                ? ConfigWords::tr("Stejný text má i povel %1: modul povely nerozliší a provede jen jeden z nich; "
                                  "jeden z textů změňte.")
                : ConfigWords::tr("Stejný text mají i povely %1: modul povely nerozliší a provede jen jeden z nich; "
                                  "texty odlište.");
        add(r, CommandTable::SmsText, Severity::Error, sentence.arg(commandNumbers(same)));
    }

    void checkAlphabet(int r)
    {
        QStringList outside;
        for (const QChar ch : text(r)) {
            if (!gsmAlphabet().contains(ch) && !outside.contains(named(ch)))
                outside << named(ch);
        }
        if (outside.isEmpty())
            return;
        const QString sentence =
            outside.size() == 1
                ? ConfigWords::tr("Znak %1 není v abecedě GSM: telefon pošle SMS jako UCS-2 a modul povel nemusí "
                                  "poznat; napište ho jinak, například bez diakritiky.")
                : ConfigWords::tr("Znaky %1 nejsou v abecedě GSM: telefon pošle SMS jako UCS-2 a modul povel "
                                  "nemusí poznat; napište je jinak, například bez diakritiky.");
        add(r, CommandTable::SmsText, Severity::Warning, sentence.arg(outside.join(QStringLiteral(", "))));
    }

    void checkSpaces(int r)
    {
        const QString &t = text(r);
        if (t.startsWith(u' ')) {
            add(r, CommandTable::SmsText, Severity::Warning,
                ConfigWords::tr("Text začíná mezerou, kterou telefon i člověk snadno vynechá, a modul pak povel "
                                "nepozná; mezeru smažte."));
        }
        if (t.endsWith(u' ') && t.size() > 1) {
            add(r, CommandTable::SmsText, Severity::Warning,
                ConfigWords::tr("Text končí mezerou, kterou telefon i člověk snadno vynechá, a modul pak povel "
                                "nepozná; mezeru smažte."));
        }
        if (t.contains(QStringLiteral("  "))) {
            add(r, CommandTable::SmsText, Severity::Warning,
                ConfigWords::tr("Text má dvě mezery za sebou, kde se snadno napíše jen jedna, a modul pak povel "
                                "nepozná; nechte jednu."));
        }
    }

    void checkLookalikes(int r)
    {
        QList<int> alike = othersAlike(r, lookalikeKey);
        alike.removeIf([this, r](int number) { return text(number - 1) == text(r); });
        if (alike.isEmpty())
            return;
        const QString sentence =
            alike.size() == 1
                ? ConfigWords::tr("Text se od povelu %1 liší jen velikostí písmen, diakritikou nebo mezerami: "
                                  "odesílatel snadno pošle ten druhý; odlište texty výrazněji.")
                : ConfigWords::tr("Text se od povelů %1 liší jen velikostí písmen, diakritikou nebo mezerami: "
                                  "odesílatel snadno pošle jiný z nich; odlište texty výrazněji.");
        add(r, CommandTable::SmsText, Severity::Warning, sentence.arg(commandNumbers(alike)));
    }

    // The editor offers 0..90 s; images and files can hold -32..95 s.
    void checkTime(int r)
    {
        bool whole = false;
        const int time = m_table.cell(r, CommandTable::Time).toInt(&whole);
        if (!whole || (time >= 0 && time <= 90))
            return;
        add(r, CommandTable::Time, Severity::Warning,
            ConfigWords::tr("Čas %1 s je mimo rozsah 0 až 90 s, který nabízí editor, a modul s ním nemusí "
                            "pracovat, jak čekáte; zadejte 0 až 90 s.")
                .arg(time));
    }

    const CommandTable &m_table;
    QList<ConfigFinding> m_findings;
};

} // namespace

QList<ConfigFinding> checkTable(const CommandTable &table)
{
    return TableCheck(table).run();
}

QList<ConfigFinding> checkImage(const QByteArray &image)
{
    ImageDecoding decoded = decodeImage(image, CommandTable::emptyTable());
    if (!decoded.ok())
        return {};
    // Where a code has no word of the output's kind, the decoded table keeps
    // start-up's words. A relay action's code on SYSTEM is put into words for
    // the pair check; any other such code is a finding of its own, and its
    // row gets a pair that goes together, so that it is not found twice.
    QList<ConfigFinding> unknownCodes;
    CommandTable &table = decoded.table;
    for (int r = 0; r < CommandCount; ++r) {
        const int output = image.at(offset(recordPos(r))) - '0';
        const int action = image.at(offset(recordPos(r) + 1)) - '0';
        if (table.cell(r, CommandTable::SmsText).isEmpty())
            continue;
        if (output >= Vocabulary::outputs().size()) {
            table.setCell(r, CommandTable::Output, Vocabulary::System);
            table.setCell(r, CommandTable::Action, Vocabulary::systemActions().first());
            unknownCodes.append({r + 1, CommandTable::Output, Severity::Error,
                                 ConfigWords::tr("Kód výstupu „%1“ nemá žádný výstup a modul povel neprovede, jak "
                                                 "tabulka ukazuje; zvolte výstup znovu.")
                                     .arg(output)});
        } else if (action >= actionsOf(Vocabulary::outputs().at(output)).size()) {
            if (output == 0 && action < Vocabulary::relayActions().size()) {
                // A relay action's code on SYSTEM: the pair check names it.
                table.setCell(r, CommandTable::Action, Vocabulary::relayActions().at(action));
                continue;
            }
            const QString &outputWord = Vocabulary::outputs().at(output);
            table.setCell(r, CommandTable::Action, actionsOf(outputWord).first());
            unknownCodes.append({r + 1, CommandTable::Action, Severity::Error,
                                 ConfigWords::tr("Kód akce „%1“ nemá u výstupu %2 žádnou akci a modul povel "
                                                 "neprovede, jak tabulka ukazuje; zvolte akci znovu.")
                                     .arg(action)
                                     .arg(outputWord)});
        }
    }
    QList<ConfigFinding> findings = unknownCodes + checkTable(table);
    std::stable_sort(findings.begin(), findings.end(),
                     [](const ConfigFinding &a, const ConfigFinding &b) { return a.command < b.command; });
    return findings;
}

bool hasError(const QList<ConfigFinding> &findings)
{
    return std::any_of(findings.cbegin(), findings.cend(), [](const ConfigFinding &f) { return f.isError(); });
}

QString findingLine(const ConfigFinding &finding)
{
    const QString severity = finding.isError() ? ConfigWords::tr("chyba") : ConfigWords::tr("upozornění");
    return ConfigWords::tr("povel %1: %2, %3: %4")
        .arg(finding.command)
        .arg(severity, CommandTable::heading(finding.field), finding.sentence);
}

QString checkSummary(const QList<ConfigFinding> &findings)
{
    if (findings.isEmpty())
        return ConfigWords::tr("Kontrola: bez chyb a upozornění");
    QList<int> commands;
    int errors = 0;
    for (const ConfigFinding &finding : findings) {
        errors += finding.isError() ? 1 : 0;
        if (!commands.contains(finding.command))
            commands << finding.command;
    }
    std::sort(commands.begin(), commands.end());
    const int warnings = int(findings.size()) - errors;
    QStringList counts;
    // Czech has three forms of "chyba"; "upozornění" has one.
    if (errors == 1)
        counts << ConfigWords::tr("%1 chyba").arg(errors);
    else if (errors >= 2 && errors <= 4)
        counts << ConfigWords::tr("%1 chyby").arg(errors);
    else if (errors > 4)
        counts << ConfigWords::tr("%1 chyb").arg(errors);
    if (warnings > 0)
        counts << ConfigWords::tr("%n upozornění", nullptr, warnings);
    const QString where = commands.size() == 1 ? ConfigWords::tr("povel %1") : ConfigWords::tr("povely %1");
    return ConfigWords::tr("Kontrola: %1, %2").arg(counts.join(QStringLiteral(", ")), where.arg(commandNumbers(commands)));
}

QString commandNumbers(const QList<int> &numbers)
{
    QStringList texts;
    for (const int n : numbers)
        texts << QString::number(n);
    if (texts.size() < 2)
        return texts.join(QString());
    const QString last = texts.takeLast();
    return ConfigWords::tr("%1 a %2").arg(texts.join(QStringLiteral(", ")), last);
}
