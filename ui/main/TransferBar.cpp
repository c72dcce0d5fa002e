// SPDX-License-Identifier: MIT
#include "TransferBar.h"

#include "LinkProtocol.h"

namespace {

constexpr int RedrawIntervalMs = 80;

} // namespace

TransferBar::TransferBar(QWidget *parent)
    : QProgressBar(parent)
{
    setRange(0, LinkProtocol::LongestTransfer);
    setValue(0);
    setTextVisible(false);
}

void TransferBar::follow(int position, int total)
{
    if (position == 0 || !m_redrawn.isValid() || m_redrawn.elapsed() >= RedrawIntervalMs)
        draw(position, total);
}

void TransferBar::draw(int position, int total)
{
    setMaximum(total);
    setValue(qMin(position, total));
    m_redrawn.start();
}

void TransferBar::empty()
{
    setValue(0);
    // setValue skips the repaint for a change smaller than one chunk of the bar.
    update();
    m_redrawn.start();
}
