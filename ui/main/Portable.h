// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The program unpacked from the zip, told by a "portable.txt" beside it that
// the installer does not install: its settings and the copies of the modules
// stay in its own folder, nothing goes to the registry or the user's folders.
namespace Portable {

// The program's folder when it runs portable; empty when it does not.
QString folder();

} // namespace Portable
