// SPDX-License-Identifier: MIT
#pragma once

#include "ConfigImage.h"

#include <QByteArray>
#include <QString>

// Configuration images kept in files: the raw bytes, as the module holds them,
// or a configuration text that ConfigText reads into an image.
// Every problem comes back as a Czech sentence for the user; nothing throws.
namespace ImageFile {

// The longest file the window takes into its text box.
inline constexpr qsizetype WindowMaximum = 64 * 1024;
// The longest image that may be written to a module.
inline constexpr qsizetype WriteMaximum = ConfigImageLayout::ImageSize;

// Why bytes are not a configuration image of at most maximum bytes (shorter
// than 715 bytes, longer than maximum, or not decodable, naming the position);
// empty when they are one.
QString problemWith(const QByteArray &bytes, qsizetype maximum);
// The one sentence for an image that does not decode at the 1-based
// position: "bajt 0x41 na pozici 657 (…) nelze dekódovat", or that it is
// too short when the position lies beyond its end.
QString undecodableByte(const QByteArray &bytes, int position);

struct Loaded
{
    QByteArray bytes;
    QString problem; // a sentence naming the file; empty on success

    bool ok() const { return problem.isEmpty(); }
};

// The bytes of path when they are a configuration image of at most maximum
// bytes, or the 2048-byte image of a configuration text (JSON, CSV);
// otherwise the reason, and no bytes.
Loaded load(const QString &path, qsizetype maximum);

// image filled up with the fill byte 0xFF to a whole image: the module takes
// exactly that, and a shorter write would leave it waiting for the rest.
QByteArray whole(QByteArray image);

// Why path cannot be saved to (a folder, a missing or read-only folder), as
// a sentence naming the file; empty when it looks possible. Checked before a
// transfer whose result is to be saved, and again by save().
QString unsavable(const QString &path);

// Replaces path by bytes through a temporary file: either the whole new
// content stands under the name, or the old file stays as it was. False and
// a sentence naming the file (when problem is given) on failure.
bool save(const QString &path, const QByteArray &bytes, QString *problem = nullptr);

// Why path is no place for a configuration file: it exists but is neither a
// regular file (nor a symbolic link to one) nor a folder, such as a FIFO, which
// would block an open() for ever, or a device node, which a save would
// replace. Empty otherwise.
QString notRegularFile(const QString &path);

// A path as the sentences above name it: „path“, with the platform's separators.
QString quoted(const QString &path);

} // namespace ImageFile
