#pragma once

#include "Request.h"

#include <QString>

struct ImageDecoding;

// The twenty commands and the five default states of a decoded image, as
// aligned text, as CSV (a header row, then one row per command; no defaults)
// or as JSON: {"commands": [{"number", "sms", "output", "action", "time",
// "confirm"}, ...], "defaults": [five 0/1]}.
QString formatTable(const ImageDecoding &decoded, Request::Format format);
