// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>

// The translation context of the command-line tool's own texts: help,
// refusals, reports. Czech is the source language.
class ToolText
{
    Q_DECLARE_TR_FUNCTIONS(ToolText)
};
