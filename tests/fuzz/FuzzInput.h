// SPDX-License-Identifier: MIT
#pragma once

#include "CommandTable.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

// Shared by the libFuzzer targets.

// A violated property: abort so libFuzzer keeps the input as a reproducer.
#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition))     \
            std::abort();     \
    } while (false)

// The fuzzer's bytes, not copied.
inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The table the main window holds after start-up: twenty empty rows.
inline CommandTable resetTable()
{
    CommandTable table;
    for (int r = 0; r < CommandTable::RowCount; ++r)
        table.setRow(r, CommandTable::emptyRow());
    return table;
}
