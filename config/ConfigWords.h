// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>

// The translation context of the configuration's user texts: the problems
// and differences its functions report, worded in Czech, the source language.
class ConfigWords
{
    Q_DECLARE_TR_FUNCTIONS(ConfigWords)
};
