// SPDX-License-Identifier: MIT
// The image decoder on any byte string: it must neither crash nor read outside
// the image, and it fails exactly when a position it needs is missing or holds
// a code byte that is not a digit.
#include "ConfigImage.h"
#include "FuzzInput.h"
#include "ImageCodec.h"

using namespace ConfigImageLayout;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const CommandTable previous = resetTable();
    const QByteArray image = fuzzBytes(data, size);
    const ImageDecoding decoded = decodeImage(image, previous);

    const int failed = decoded.failedPosition;
    FUZZ_CHECK(failed >= 0 && failed <= DecodedLength);
    if (decoded.ok()) {
        FUZZ_CHECK(image.size() >= DecodedLength);
    } else if (failed <= image.size()) {
        const char code = image.at(offset(failed));
        FUZZ_CHECK(failed >= FirstRecordPos && (failed - FirstRecordPos) % RecordSize < 2);
        FUZZ_CHECK(code < '0' || code > '9');
    }
    return 0;
}
