// SPDX-License-Identifier: MIT
// Decode, encode, decode again. Whatever decodes must encode (every decoded
// cell is one the encoder accepts) into exactly 2048 bytes, and decoding that
// image over the first result, as the main window does, gives the first
// result back.
//
// One cell is exempt: a record whose action digit is not an action of its
// output (a relay with "8") keeps the action the row held before, e.g.
// "RELE4" with "TEST". The record has no code for that pair; the encoder
// writes the action's own code, which reads back as the relay's action of
// that code. For such rows the image of the second decode must still be the
// image of the first.
#include "ConfigImage.h"
#include "FuzzInput.h"
#include "ImageCodec.h"

using namespace ConfigImageLayout;

namespace {

bool actionFitsOutput(const CommandTable &table, int row)
{
    const QString &output = table.cell(row, CommandTable::Output);
    const QStringList &actions =
        output == Vocabulary::System ? Vocabulary::systemActions() : Vocabulary::relayActions();
    return actions.contains(table.cell(row, CommandTable::Action));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const CommandTable previous = resetTable();
    const ImageDecoding first = decodeImage(fuzzBytes(data, size), previous);
    if (!first.ok())
        return 0;

    const ImageEncoding encoded =
        encodeImage(first.table, first.defaultStateByte1, first.defaultStateByte2);
    FUZZ_CHECK(encoded.ok());
    FUZZ_CHECK(encoded.image.size() == ImageSize);

    const ImageDecoding second = decodeImage(encoded.image, first.table);
    FUZZ_CHECK(second.ok());
    FUZZ_CHECK(second.defaultStateByte1 == first.defaultStateByte1);
    FUZZ_CHECK(second.defaultStateByte2 == first.defaultStateByte2);
    for (int r = 0; r < CommandTable::RowCount; ++r) {
        for (int c = 0; c < CommandTable::ColumnCount; ++c) {
            if (c != CommandTable::Action || actionFitsOutput(first.table, r))
                FUZZ_CHECK(second.table.cell(r, c) == first.table.cell(r, c));
        }
    }

    const ImageEncoding reencoded =
        encodeImage(second.table, second.defaultStateByte1, second.defaultStateByte2);
    FUZZ_CHECK(reencoded.ok() && reencoded.image == encoded.image);
    return 0;
}
