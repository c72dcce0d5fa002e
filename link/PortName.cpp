// SPDX-License-Identifier: MIT
#include "PortName.h"

#include <QRegularExpression>

int PortName::comNumber(const QString &typed)
{
    // Windows' device namespace prefix \\.\ is allowed in front.
    static const QRegularExpression com(QStringLiteral(R"(^(?:\\\\\.\\)?COM([1-9][0-9]{0,2})$)"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = com.match(typed.trimmed());
    const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
    return number <= HighestCom ? number : 0;
}

QString PortName::normalised(const QString &typed)
{
    const int number = comNumber(typed);
    return number > 0 ? QStringLiteral("COM%1").arg(number) : typed.trimmed();
}
