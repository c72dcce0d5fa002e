// SPDX-License-Identifier: MIT
#include "OpenLink.h"

#include "LinkLabel.h"

#include <QDesktopServices>
#include <QUrl>

LinkOpener &linkOpener()
{
    static LinkOpener opener = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    return opener;
}

void OpenLink(LinkLabel &label)
{
    if (label.tag().isEmpty())
        label.setTag(label.text());
    // The caption is an address such as "www.example.com", without a scheme.
    const QUrl url = QUrl::fromUserInput(label.tag());
    if (url.isValid() && linkOpener())
        linkOpener()(url);
}
