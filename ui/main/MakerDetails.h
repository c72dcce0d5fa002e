// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Everything the program says about its maker, in one place. These are neutral
// placeholders: a distributor puts the real name, notice, addresses and
// contact here, in this one edit.
namespace MakerDetails {

inline const QString Name = QStringLiteral("Výrobce s.r.o.");
inline const QString Notice = QStringLiteral("© 2006 Výrobce s.r.o.");
inline const QString WebAddress = QStringLiteral("www.example.com");
inline const QString SupportAddress = QStringLiteral("www.example.com/podpora");
// Name, e-mail address and telephone number, separated by runs of spaces.
inline const QString Contact =
    QStringLiteral("Výrobce s.r.o.     podpora@example.com     +420 000 000 000");

} // namespace MakerDetails
