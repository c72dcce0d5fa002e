#include "Configuration.h"

#include "ImageCodec.h"

namespace {

void call(const std::function<void()> &hook)
{
    if (hook)
        hook();
}

} // namespace

void Configuration::ResetTable()
{
    for (int r = 0; r < CommandTable::RowCount; ++r)
        CommandTable.setRow(r, CommandTable::emptyRow());
    call(ButtonsToDefaults);
}

bool Configuration::ImageToTable(int *failedPosition)
{
    ImageDecoding decoded = decodeImage(ConfigImage, CommandTable);
    if (failedPosition)
        *failedPosition = decoded.failedPosition;
    if (!decoded.ok())
        return false;
    CommandTable = std::move(decoded.table);
    DefaultStateByte1 = decoded.defaultStateByte1;
    DefaultStateByte2 = decoded.defaultStateByte2;
    call(RefreshGrid);
    call(DefaultsToButtons);
    return true;
}

bool Configuration::TableToImage(QString *problem)
{
    ImageEncoding encoded = encodeImage(CommandTable, DefaultStateByte1, DefaultStateByte2);
    if (!encoded.ok()) {
        if (problem)
            *problem = encoded.message();
        return false;
    }
    ConfigImage = std::move(encoded.image);
    return true;
}
