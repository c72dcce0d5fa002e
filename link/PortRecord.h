// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// One serial port as the system lists it.
struct PortRecord
{
    QString device;       // "/dev/ttyUSB0", "COM3"
    QString byId;         // "/dev/serial/by-id/usb-FTDI_..."; empty when there is none
    QString description;  // "FT232R USB UART"
    QString manufacturer; // "FTDI"
    QString serialNumber; // "A50285BI"
    int vendorId = -1;    // USB ids, -1 when unknown
    int productId = -1;

    // A USB-serial adapter: the system knows its USB vendor and product.
    bool isUsbAdapter() const { return vendorId >= 0 && productId >= 0; }
    // "0403:6001", or empty.
    QString usbIds() const;
};
