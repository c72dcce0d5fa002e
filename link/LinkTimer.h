// SPDX-License-Identifier: MIT
#pragma once

// The one-shot timer that paces the link protocol (the main window's Timer1),
// as the protocol engine sees it. One tick follows each arm(), no earlier than
// the interval; the owner of the timer delivers it to LinkProtocol::TimerTick.
class LinkTimer
{
public:
    virtual ~LinkTimer() = default;

    // What a tick in the grace waits for: any byte (the data phase), or the
    // acknowledgement 6 (a set-up state, where stray bytes must not end it).
    enum class Awaiting { AnyByte, Acknowledgement };
    static constexpr char AcknowledgementByte = 6;

    // Sets the interval and starts the timer (Timer1.Interval, then
    // Timer1.Enabled = true), replacing any pending tick. When what the step
    // awaits has not arrived by the end of the interval, the tick may wait up
    // to graceMs longer for it to come in.
    virtual void arm(int intervalMs, int graceMs, Awaiting awaiting) = 0;

    // Timer1.Enabled = false: no tick follows until the next arm().
    virtual void disarm() = 0;

    virtual bool isArmed() const = 0;
};
