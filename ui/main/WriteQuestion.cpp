// SPDX-License-Identifier: MIT
#include "WriteQuestion.h"

#include "ConfigCheck.h"
#include "ConfigDiff.h"
#include "Configuration.h"
#include "ImageCodec.h"
#include "Questions.h"

#include <QStringList>

namespace {

// The changes of the configuration, not of the fill the module may hold
// beyond it.
QStringList changes(const QByteArray &held, const QByteArray &written)
{
    const QByteArray before = reencodedImage(held);
    QStringList lines;
    for (const ConfigDifference &difference : configDifferences(before.isEmpty() ? held : before, written))
        lines << difference.change();
    return lines;
}

} // namespace

WriteQuestion::Answer WriteQuestion::ask(QWidget *window, const Configuration &config,
                                         const std::optional<QByteArray> &held)
{
    const ImageEncoding encoding =
        encodeImage(config.CommandTable(), config.DefaultStateByte1(), config.DefaultStateByte2());
    if (!encoding.ok())
        return Answer::NotAsked; // the write itself says why it cannot be made
    const QList<ConfigFinding> findings = checkTable(config.CommandTable());
    const QStringList changed = held ? changes(*held, encoding.image) : QStringList();
    if (!hasError(findings) && changed.isEmpty())
        return Answer::NotAsked;

    QString text;
    if (hasError(findings))
        text += tr("Modul nebude dělat, co tabulka říká:") + u'\n';
    else if (!findings.isEmpty())
        text += tr("Kontrola tabulky:") + u'\n';
    for (const ConfigFinding &finding : findings)
        text += findingLine(finding) + u'\n';
    if (!changed.isEmpty())
        text += (findings.isEmpty() ? QString() : QStringLiteral("\n")) + tr("Zápis v modulu změní:") + u'\n'
                + changed.join(u'\n') + u'\n';
    text += u'\n' + tr("Zapsat tabulku do modulu?");
    const auto answer = questionBox()(window, text, QMessageBox::Apply | QMessageBox::Abort, QMessageBox::Abort);
    return answer == QMessageBox::Apply ? Answer::Write : Answer::Back;
}
