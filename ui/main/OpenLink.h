// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class LinkLabel;
class QUrl;

// The service that hands an address to the user's default handler:
// QDesktopServices::openUrl unless replaced (the tests replace it so that no
// browser starts). Its result is ignored.
using LinkOpener = std::function<bool(const QUrl &)>;
LinkOpener &linkOpener();

// Opens the label's link target; on first use the target is taken from the
// caption. A failure shows nothing and logs nothing.
void OpenLink(LinkLabel &label);
