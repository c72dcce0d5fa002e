// SPDX-License-Identifier: MIT
// The image box's conversions between bytes and the text it shows.
// The input serves twice: as bytes, which must come back unchanged through the
// shown text; and as UTF-16 text, which either maps to bytes or names its
// first character without one. Text that maps shows again as the same bytes,
// and text already in the box's own form shows exactly as it was.
#include "FuzzInput.h"
#include "ImageText.h"

#include <cstring>

namespace {

void bytesComeBack(const QByteArray &bytes)
{
    const QString display = ImageText::bytesToDisplay(bytes);
    FUZZ_CHECK(display.size() == bytes.size());
    const auto back = ImageText::displayToBytes(display);
    FUZZ_CHECK(back && *back == bytes);
}

// Raw control characters and the two Unicode line breaks map to bytes, but
// the box shows those bytes in another form.
bool inDisplayForm(QStringView text)
{
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x20 || u == 0x7F || ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator)
            return false;
    }
    return true;
}

void textMapsConsistently(QStringView text)
{
    qsizetype unmapped = -1;
    const auto bytes = ImageText::displayToBytes(text, &unmapped);
    if (!bytes) {
        FUZZ_CHECK(unmapped >= 0 && unmapped < text.size());
        FUZZ_CHECK(ImageText::displayToBytes(text.left(unmapped)));
        FUZZ_CHECK(!ImageText::displayToBytes(text.mid(unmapped, 1)));
        return;
    }
    const QString display = ImageText::bytesToDisplay(*bytes);
    const auto again = ImageText::displayToBytes(display);
    FUZZ_CHECK(again && *again == *bytes);
    if (inDisplayForm(text))
        FUZZ_CHECK(display == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    bytesComeBack(fuzzBytes(data, size));

    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    textMapsConsistently(text);
    return 0;
}
