#include "ImageTextBox.h"

#include "Windows1250.h"

#include <QMimeData>

namespace {

constexpr char16_t ControlPictures = 0x2400; // ␀ .. ␟ for 0x00 .. 0x1F
constexpr char16_t DeletePicture = 0x2421;   // ␡ for 0x7F

QChar displayChar(quint8 byte)
{
    if (byte < 0x20)
        return QChar(char16_t(ControlPictures + byte));
    if (byte == 0x7F)
        return QChar(DeletePicture);
    return Windows1250::toChar(byte);
}

// Plain text from elsewhere, with its control characters turned into the
// pictures the box shows for them.
QString plainToDisplay(const QString &text)
{
    QString display;
    display.reserve(text.size());
    for (const QChar ch : text) {
        const auto byte = Windows1250::fromChar(ch);
        display += byte ? displayChar(*byte) : ch;
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
    QString display;
    display.reserve(bytes.size());
    for (const char b : bytes)
        display += displayChar(quint8(b));
    return display;
}

std::optional<QByteArray> ImageTextBox::displayToBytes(QStringView text, qsizetype *firstUnmapped)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u >= ControlPictures && u < ControlPictures + 0x20) {
            bytes += char(u - ControlPictures);
        } else if (u == DeletePicture) {
            bytes += char(0x7F);
        } else if (u == QChar::ParagraphSeparator) {
            bytes += "\r\n"; // Enter typed into the box, as a text box ends a line
        } else if (u == QChar::LineSeparator) {
            bytes += '\n';
        } else if (const auto byte = Windows1250::fromChar(text[i])) {
            bytes += char(*byte);
        } else {
            if (firstUnmapped)
                *firstUnmapped = i;
            return std::nullopt;
        }
    }
    return bytes;
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
