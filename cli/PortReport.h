// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The text of `vrk04 ports`, one tab-separated line a port: COM1..COM6 with
// their device and whether it opens (or why not), then the other serial
// ports the system lists as PortCatalog::report writes them.
QString portReport();
