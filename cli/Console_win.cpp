// SPDX-License-Identifier: MIT
// A Windows console takes bytes in its own code page, and some hosts garble
// UTF-8 even after chcp 65001; the wide-character call shows Czech as it is.
// Redirected streams keep UTF-8.
#include "Console.h"

#ifdef Q_OS_WIN

#include <cerrno>
#include <io.h>
#include <windows.h>

bool Console::write(std::FILE *stream, const QString &text)
{
    const HANDLE handle = HANDLE(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode))
        return writeUtf8(stream, text);
    // Whatever went into the stream's buffer before comes out first.
    std::fflush(stream);
    const auto *chars = reinterpret_cast<const wchar_t *>(text.utf16());
    qsizetype left = text.size();
    while (left > 0) {
        DWORD written = 0;
        const DWORD chunk = DWORD(qMin<qsizetype>(left, 8192));
        if (!WriteConsoleW(handle, chars, chunk, &written, nullptr) || written == 0) {
            errno = EIO;
            return false;
        }
        chars += written;
        left -= written;
    }
    return true;
}

#endif
