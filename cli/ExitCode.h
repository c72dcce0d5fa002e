// SPDX-License-Identifier: MIT
#pragma once

// What vrk04 returns to the shell; listed in --help and in the README.
enum class ExitCode {
    Done = 0,
    LinkFailed = 1,   // no answer from the module, a transfer error, a port that does not open
    BadUsage = 2,     // also: no --port, and not exactly one USB-serial adapter
    Different = 3,    // verify or diff found a difference; a text cannot hold an image exactly
    FileProblem = 4,  // a file that cannot be read or written, or is not a configuration image
    NotConfiguration = 5, // read: the module's image is not a configuration; no file was replaced
    CheckError = 6,   // check, write --strict: the check found an error ("chyba")
};

// Ended by a signal (Ctrl+C is SIGINT, 2): 128 + its number, as a shell reports it.
constexpr ExitCode signalExit(int number)
{
    return static_cast<ExitCode>(128 + number);
}

constexpr int toInt(ExitCode code)
{
    return static_cast<int>(code);
}
