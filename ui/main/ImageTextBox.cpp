// SPDX-License-Identifier: MIT
#include "ImageTextBox.h"

#include "ImageText.h"
#include "Windows1250.h"

#include <QMimeData>

namespace {

// Plain text from elsewhere, with its control characters turned into the
// pictures the box shows for them.
QString plainToDisplay(const QString &text)
{
    QString display;
    display.reserve(text.size());
    for (const QChar ch : text) {
        const auto byte = Windows1250::fromChar(ch);
        display += byte ? ImageText::displayChar(*byte) : ch;
    }
    return display;
}

} // namespace

const QString ImageTextBox::MimeType = QStringLiteral("application/x-vrk04-image");

ImageTextBox::ImageTextBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ImageTextBox::setImage(const QByteArray &bytes)
{
    setPlainText(bytesToDisplay(bytes));
}

std::optional<QByteArray> ImageTextBox::image(qsizetype *firstUnmapped) const
{
    return displayToBytes(document()->toRawText(), firstUnmapped);
}

bool ImageTextBox::isEmpty() const
{
    return document()->isEmpty();
}

QString ImageTextBox::bytesToDisplay(const QByteArray &bytes)
{
    return ImageText::bytesToDisplay(bytes);
}

std::optional<QByteArray> ImageTextBox::displayToBytes(QStringView text, qsizetype *firstUnmapped)
{
    return ImageText::displayToBytes(text, firstUnmapped);
}

QMimeData *ImageTextBox::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    const QString selected = textCursor().selectedText();
    if (const auto bytes = displayToBytes(selected)) {
        data->setData(MimeType, *bytes);
        data->setText(Windows1250::toText(*bytes));
    } else {
        data->setText(selected);
    }
    return data;
}

bool ImageTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    // Files dropped here are left to the window, which opens them; Qt would
    // count their addresses as text.
    if (source->hasUrls() && !source->hasFormat(MimeType))
        return false;
    return source->hasFormat(MimeType) || source->hasText();
}

void ImageTextBox::insertFromMimeData(const QMimeData *source)
{
    if (source->hasFormat(MimeType))
        insertPlainText(bytesToDisplay(source->data(MimeType)));
    else if (source->hasText())
        insertPlainText(plainToDisplay(source->text()));
}
