// SPDX-License-Identifier: MIT
#pragma once

#include "ModuleLink.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

// What the module on the port holds, as far as this window knows: the image
// of its last successful read, write or verify on that port in this run.
// A failed write, or the port closing on its own, leaves nothing known. Logs
// the configuration's fingerprint after each successful read and write.
class KnownModule : public QObject
{
    Q_OBJECT

public:
    explicit KnownModule(ModuleLink &link, QObject *parent = nullptr);

    // The image the module on the port now chosen holds; nothing when unknown.
    std::optional<QByteArray> image() const;

signals:
    void logged(const QString &message);

private:
    void follow(ModuleLink::Operation operation, ModuleLink::Outcome outcome);

    ModuleLink &m_link;
    QString m_device; // where m_image was seen; empty when nothing is known
    QByteArray m_image;
};
