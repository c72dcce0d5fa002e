// SPDX-License-Identifier: MIT
#pragma once

#include "LinkTimer.h"

#include <QList>

// Timer1 driven by hand: records every arm() and disarm(); the test calls
// LinkProtocol::TimerTick itself when it wants the tick to happen.
class ManualTimer : public LinkTimer
{
public:
    bool armed = false;
    QList<int> intervals; // of every arm(), in order
    QList<int> graces;
    QList<Awaiting> awaits;
    int disarms = 0;

    void arm(int intervalMs, int graceMs, Awaiting awaiting) override
    {
        armed = true;
        intervals << intervalMs;
        graces << graceMs;
        awaits << awaiting;
    }
    void disarm() override
    {
        armed = false;
        ++disarms;
    }
    bool isArmed() const override { return armed; }
};
