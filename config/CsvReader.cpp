// SPDX-License-Identifier: MIT
// The CSV form (RFC 4180): the header "number,sms,output,action,time,confirm",
// twenty command rows, then "defaults" with the five 0/1. Spreadsheets set to
// Czech write ";" between fields: the header's separator is used throughout.
// A leading byte-order mark is gone by the time the text gets here.
#include "ConfigText.h"
#include "ParsedText.h"

using Reason = TextRefusal::Reason;

namespace {

struct Record
{
    int line = 0;
    QStringList fields;
};

class Splitter
{
public:
    explicit Splitter(const QString &text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_at >= m_text.size(); }
    int line() const { return m_line; }

    // The next record; false at a quote left open.
    bool next(QChar separator, Record *record)
    {
        record->line = m_line;
        record->fields = {QString()};
        bool quoted = false;
        while (m_at < m_text.size()) {
            const QChar ch = m_text.at(m_at++);
            if (ch == u'\n')
                ++m_line;
            if (quoted) {
                if (ch != u'"')
                    record->fields.last() += ch;
                else if (m_at < m_text.size() && m_text.at(m_at) == u'"')
                    record->fields.last() += m_text.at(m_at++);
                else
                    quoted = false;
            } else if (ch == u'"') {
                quoted = true;
            } else if (ch == separator) {
                record->fields << QString();
            } else if (ch == u'\n') {
                return true;
            } else if (ch != u'\r' || (m_at < m_text.size() && m_text.at(m_at) != u'\n')) {
                record->fields.last() += ch;
            }
        }
        return !quoted;
    }

private:
    const QString &m_text;
    qsizetype m_at = 0;
    int m_line = 1;
};

} // namespace

ParsedText parseCsv(const QString &text)
{
    ParsedText parsed;
    TextRefusal &refusal = parsed.refusal;
    auto refuse = [&](Reason reason, int line, const QString &value = QString()) {
        refusal.reason = reason;
        refusal.line = line;
        refusal.value = value;
        return parsed;
    };

    const QStringList &keys = ConfigText::keys();
    qsizetype afterFirstKey = text.indexOf(keys.constFirst()) + keys.constFirst().size();
    if (afterFirstKey < text.size() && text.at(afterFirstKey) == u'"')
        ++afterFirstKey;
    const QChar separator = afterFirstKey < text.size() && text.at(afterFirstKey) == u';' ? u';' : u',';
    Splitter splitter(text);
    Record record;
    if (!splitter.next(separator, &record))
        return refuse(Reason::UnclosedQuote, record.line);
    if (record.fields != keys) {
        for (const QString &key : keys) {
            if (!record.fields.contains(key))
                return refuse(Reason::MissingColumn, record.line, key);
        }
        return refuse(Reason::BadHeader, record.line, keys.join(separator));
    }

    while (!splitter.atEnd()) {
        if (!splitter.next(separator, &record))
            return refuse(Reason::UnclosedQuote, record.line);
        if (record.fields == QStringList{QString()})
            continue; // a blank line, as after the last record
        if (parsed.hasDefaults)
            return refuse(Reason::ExtraLine, record.line);
        if (record.fields.size() != keys.size())
            return refuse(Reason::FieldCount, record.line, QString::number(record.fields.size()));
        if (record.fields.constFirst() == ConfigText::DefaultsKey) {
            parsed.hasDefaults = true;
            parsed.defaults = record.fields.mid(1);
            parsed.defaultsLine = record.line;
            continue;
        }
        ParsedText::Command command;
        command.line = record.line;
        std::copy(record.fields.cbegin(), record.fields.cend(), command.cells.begin());
        parsed.commands << command;
    }
    if (!parsed.hasDefaults)
        return refuse(Reason::MissingDefaults, splitter.line());
    return parsed;
}
