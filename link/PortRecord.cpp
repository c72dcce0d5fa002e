// SPDX-License-Identifier: MIT
#include "PortRecord.h"

namespace {

QString hex4(int value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

} // namespace

QString PortRecord::usbIds() const
{
    return isUsbAdapter() ? hex4(vendorId) + u':' + hex4(productId) : QString();
}
