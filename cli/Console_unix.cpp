// SPDX-License-Identifier: MIT
#include "Console.h"

#ifndef Q_OS_WIN

bool Console::write(std::FILE *stream, const QString &text)
{
    return writeUtf8(stream, text);
}

#endif
