// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QValidator>
#include <functional>

class QLineEdit;

// Guards a one-line field against what the user puts into it: of every
// insertion (typed, pasted from the keyboard or the context menu, dropped,
// committed by an input method) only the accepted characters are kept, and
// only as many as leave the field at most maxLength long. The rest of the
// field stays as it was. Text the program itself puts in with setTextAsIs()
// is taken unchanged.
//
// A plain maxLength on the field would cut a paste to the room left before
// the refused characters are dropped, losing good characters; this filter
// drops first and cuts after.
class InputFilter : public QValidator
{
    Q_OBJECT

public:
    using Accepts = std::function<bool(QChar)>;

    // Installs itself as the validator of field, which owns it.
    InputFilter(Accepts accepts, int maxLength, QLineEdit *field);

    void setTextAsIs(const QString &text);

    State validate(QString &input, int &pos) const override;

private:
    QLineEdit *m_field;
    Accepts m_accepts;
    int m_maxLength;
    bool m_asIs = false;
    // The field's text as last validated: what an edit is measured against.
    mutable QString m_previous;
};
