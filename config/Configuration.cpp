#include "Configuration.h"

#include "ImageCodec.h"

void Configuration::ResetTable()
{
    for (int r = 0; r < CommandTable::RowCount; ++r)
        CommandTable.setRow(r, CommandTable::emptyRow());
}

void Configuration::setCommand(int row, const CommandTable::Row &cells)
{
    CommandTable.setRow(row, cells);
    emit tableChanged();
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
    emit tableChanged();
    emit defaultStatesChanged();
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
