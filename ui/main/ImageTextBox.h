// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QPlainTextEdit>
#include <optional>

// The box that shows the configuration image as text, one character per byte
// in Windows-1250, and takes text typed or pasted into it.
//
// Control bytes show as their control pictures (ImageText). Copying puts the
// real characters on the clipboard as plain text, plus the exact bytes under a
// private type; pasting prefers the exact bytes and otherwise maps the plain
// text back character by character, so CR, LF, NUL and NBSP survive.
class ImageTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    static const QString MimeType;

    explicit ImageTextBox(QWidget *parent = nullptr);

    void setImage(const QByteArray &bytes);

    // The box's text as bytes; nothing when a character has no Windows-1250
    // byte, whose index then goes to firstUnmapped (when given).
    std::optional<QByteArray> image(qsizetype *firstUnmapped = nullptr) const;

    bool isEmpty() const;

    static QString bytesToDisplay(const QByteArray &bytes);
    static std::optional<QByteArray> displayToBytes(QStringView text, qsizetype *firstUnmapped = nullptr);

protected:
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};
