// SPDX-License-Identifier: MIT
#pragma once

#include "ModuleLink.h"

// The parts inside a ModuleLink, for tests that watch the engine's state or
// drive the port below the link.
class ModuleLinkInside
{
public:
    static SerialComm &comm(ModuleLink &link) { return link.m_comm; }
    static QTimer &timer1(ModuleLink &link) { return link.m_timer1; }
    static GraceTimer &ticker(ModuleLink &link) { return link.m_ticker; }
    static LinkProtocol &protocol(ModuleLink &link) { return link.m_protocol; }
};
