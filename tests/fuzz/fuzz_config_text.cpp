// SPDX-License-Identifier: MIT
// The configuration text reader on any bytes: it either refuses with a
// sentence, or gives a 2048-byte image that decodes, whose text in either
// form reads back to the same image.
#include "ConfigImage.h"
#include "ConfigText.h"
#include "FuzzInput.h"
#include "ImageCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const ConfigText::Reading reading = ConfigText::read(bytes);
    if (!reading.ok()) {
        FUZZ_CHECK(reading.image.isEmpty() && !reading.refusal.message(QStringLiteral("f")).isEmpty());
        return 0;
    }
    FUZZ_CHECK(reading.image.size() == ConfigImageLayout::ImageSize);
    FUZZ_CHECK(decodeImage(reading.image, CommandTable()).ok());
    for (const ConfigText::Form form : {ConfigText::Form::Json, ConfigText::Form::Csv}) {
        const ConfigText::Rendering rendering = ConfigText::render(reading.image, form);
        FUZZ_CHECK(rendering.ok() && ConfigText::formOfContent(rendering.bytes) == form);
        FUZZ_CHECK(ConfigText::read(rendering.bytes).image == reading.image);
    }
    return 0;
}
