// SPDX-License-Identifier: MIT
#include "CheckMarks.h"

#include "ConfigCheck.h"
#include "Configuration.h"
#include "FlexGrid.h"
#include "Layout.h"

CheckMarks::CheckMarks(const Configuration &config, FlexGrid &grid, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_grid(grid)
{
    connect(&m_config, &Configuration::tableChanged, this, &CheckMarks::refresh);
}

void CheckMarks::refresh()
{
    const QList<ConfigFinding> findings = checkTable(m_config.CommandTable());
    for (int command = 1; command <= CommandTable::RowCount; ++command) {
        QStringList lines;
        bool error = false;
        for (const ConfigFinding &finding : findings) {
            if (finding.command == command) {
                lines << findingLine(finding);
                error = error || finding.isError();
            }
        }
        const QColor colour = lines.isEmpty() ? QColor() : error ? Palette::FindingRed : Palette::FindingAmber;
        m_grid.markRow(command, colour, lines.join(u'\n'));
    }
    if (!findings.isEmpty() || m_foundBefore)
        emit logged(checkSummary(findings));
    m_foundBefore = !findings.isEmpty();
}
