// SPDX-License-Identifier: MIT
#include "InputFilter.h"

#include <QLineEdit>
#include <algorithm>

InputFilter::InputFilter(Accepts accepts, int maxLength, QLineEdit *field)
    : QValidator(field)
    , m_field(field)
    , m_accepts(std::move(accepts))
    , m_maxLength(maxLength)
    , m_previous(field->text())
{
    field->setValidator(this);
}

void InputFilter::setTextAsIs(const QString &text)
{
    m_asIs = true;
    m_field->setText(text);
    m_asIs = false;
    m_previous = m_field->text();
}

QValidator::State InputFilter::validate(QString &input, int &pos) const
{
    if (m_asIs) {
        m_previous = input;
        return Acceptable;
    }

    // The edit replaced the middle of the previous text: what lies between
    // the common start and the common end is new.
    const qsizetype shorter = std::min(m_previous.size(), input.size());
    qsizetype prefix = 0;
    while (prefix < shorter && m_previous.at(prefix) == input.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix
           && m_previous.at(m_previous.size() - 1 - suffix) == input.at(input.size() - 1 - suffix))
        ++suffix;
    const qsizetype insertedEnd = input.size() - suffix;

    const qsizetype room = std::max<qsizetype>(0, m_maxLength - (prefix + suffix));
    QString kept;
    qsizetype cursor = pos;
    for (qsizetype i = prefix; i < insertedEnd; ++i) {
        const bool keep = kept.size() < room && m_accepts(input.at(i));
        if (keep)
            kept.append(input.at(i));
        else if (i < pos)
            --cursor;
    }

    input = input.left(prefix) + kept + input.right(suffix);
    pos = std::clamp<qsizetype>(cursor, 0, input.size());
    m_previous = input;
    return Acceptable;
}
