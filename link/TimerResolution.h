// SPDX-License-Identifier: MIT
#pragma once

// The system timer's resolution while the link paces a transfer. Windows
// serves every timer, Qt's multimedia timers included, at the system timer's
// resolution: 15.6 ms unless a program asks for finer, far coarser than the
// link's 1 ms data steps. raise() asks for 1 ms, release() gives it back; as
// Windows advises, only for as long as it is needed. Elsewhere both do nothing.
class TimerResolution
{
public:
    TimerResolution() = default;
    ~TimerResolution() { release(); }
    TimerResolution(const TimerResolution &) = delete;
    TimerResolution &operator=(const TimerResolution &) = delete;

    void raise();
    void release();
    bool isRaised() const { return m_raised; }

private:
    bool m_raised = false;
};
