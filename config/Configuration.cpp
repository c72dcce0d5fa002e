// SPDX-License-Identifier: MIT
#include "Configuration.h"

#include "ImageCodec.h"

DefaultStates Configuration::defaultStates() const
{
    return decomposeDefaultStates(m_defaultBytes);
}

void Configuration::ResetTable()
{
    m_table = ::CommandTable::emptyTable();
    emit tableChanged();
}

void Configuration::setCommand(int row, const ::CommandTable::Row &cells)
{
    m_table.setRow(row, cells);
    emit tableChanged();
}

void Configuration::setDefaultStates(const DefaultStates &states)
{
    const DefaultStateBytes bytes = composeDefaultStates(states);
    if (bytes == m_defaultBytes)
        return;
    m_defaultBytes = bytes;
    emit defaultStatesChanged();
}

bool Configuration::ImageToTable(const QByteArray &image, int *failedPosition)
{
    ImageDecoding decoded = decode(image, failedPosition);
    if (!decoded.ok())
        return false;
    setImage(image);
    apply(std::move(decoded));
    return true;
}

bool Configuration::receiveImage(const QByteArray &image, int *failedPosition)
{
    ImageDecoding decoded = decode(image, failedPosition);
    setImage(image);
    if (!decoded.ok())
        return false;
    apply(std::move(decoded));
    return true;
}

ImageDecoding Configuration::decode(const QByteArray &image, int *failedPosition) const
{
    ImageDecoding decoded = decodeImage(image, m_table);
    if (failedPosition)
        *failedPosition = decoded.failedPosition;
    return decoded;
}

void Configuration::apply(ImageDecoding &&decoded)
{
    m_table = std::move(decoded.table);
    m_defaultBytes = {decoded.defaultStateByte1, decoded.defaultStateByte2};
    emit tableChanged();
    emit defaultStatesChanged();
}

bool Configuration::TableToImage(QString *problem)
{
    ImageEncoding encoded = encodeImage(m_table, m_defaultBytes.byte1, m_defaultBytes.byte2);
    if (!encoded.ok()) {
        if (problem)
            *problem = encoded.message();
        return false;
    }
    setImage(encoded.image);
    return true;
}

void Configuration::setImage(const QByteArray &image)
{
    if (image == m_image)
        return;
    m_image = image;
    emit imageChanged();
}
