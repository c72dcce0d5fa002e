// SPDX-License-Identifier: MIT
// The manual pages of vrk04, English and Czech, against the tool's own help:
// the same commands, options per command and exit codes. The commands come
// from the help, so a new command or exit code needs only the pages and the help.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

using Names = QSet<QString>;

// The help the tool prints for arguments; empty when it fails.
QString help(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(VRK04_CLI_PATH), arguments);
    const bool ok = process.waitForFinished(60000) && process.exitCode() == 0;
    return ok ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

Names matches(const QString &text, const char *pattern)
{
    Names found;
    const QRegularExpression expression(QString::fromLatin1(pattern), QRegularExpression::MultilineOption);
    for (auto it = expression.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

// Help lines that start with an option, a command or an exit code.
Names helpOptions(const QString &text) { return matches(text, "^  (?:-\\w, )?--([a-z][a-z-]*)"); }
Names helpCommands(const QString &text) { return matches(text, "^  ([a-z]+) {2,}\\S"); }
Names helpExitCodes(const QString &text) { return matches(text, "^  (\\d+|128\\+N) "); }

struct Page
{
    QMap<QString, Names> synopsis; // command -> its options
    Names commands, options, exitCodes;
};

// The page's sections by their English or Czech headings; the line after each
// .TP names a command, an option or an exit code.
Page readPage(const QString &language)
{
    QFile file(QStringLiteral(VRK04_SOURCE_DIR "/packaging/%1vrk04.1").arg(language == u"Czech" ? "cs/" : ""));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QMap<QString, QString> sections;
    QString section;
    for (const QString &line : QString::fromUtf8(file.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-")).split(u'\n')) {
        if (line.startsWith(QStringLiteral(".SH ")))
            section = line.mid(4).remove(u'"');
        else
            sections[section] += line + u'\n';
    }
    auto either = [&sections](const char *english, const char *czech) {
        return sections.value(QString::fromUtf8(english)) + sections.value(QString::fromUtf8(czech));
    };
    Page page;
    for (const QString &usage : either("SYNOPSIS", "POUŽITÍ").split(QStringLiteral(".br\n")))
        page.synopsis[usage.section(u'\n', 0, 0).section(u' ', 2, 2)] = matches(usage, "--([a-z][a-z-]*)");
    page.commands = matches(either("COMMANDS", "PŘÍKAZY"), "^\\.TP\\n\\.BI? \"?([a-z]+)");
    page.options = matches(either("OPTIONS", "VOLBY"), "^\\.TP\\n[^\\n]*?--([a-z][a-z-]*)");
    page.exitCodes = matches(either("EXIT STATUS", "NÁVRATOVÝ KÓD"), "^\\.TP\\n\\.B (\\S+)");
    return page;
}

} // namespace

class TestManPages : public QObject
{
    Q_OBJECT

private slots:
    void pageMatchesHelp_data();
    void pageMatchesHelp();
};

void TestManPages::pageMatchesHelp_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Czech") << "Czech";
}

// Each command's own help names its options and the program, not its path.
void TestManPages::pageMatchesHelp()
{
    QFETCH(QString, language);
    const Page page = readPage(language);
    const QString overview = help({QStringLiteral("--help")});
    const Names commands = helpCommands(overview);
    QVERIFY2(commands.size() >= 8, qPrintable(overview));
    const QStringList synopsis = page.synopsis.keys();
    QCOMPARE(Names(synopsis.cbegin(), synopsis.cend()), commands);
    QCOMPARE(page.commands, commands);
    QCOMPARE(page.options, helpOptions(overview));
    QCOMPARE(page.exitCodes, helpExitCodes(overview));
    for (const QString &command : commands) {
        const QString own = help({command, QStringLiteral("--help")});
        const QString usage = own.section(u'\n', 0, 0);
        QVERIFY2(usage.contains(QStringLiteral(" vrk04 ") + command) && !usage.contains(u'/'), qPrintable(usage));
        QVERIFY2(helpOptions(own) == page.synopsis.value(command), qPrintable(command));
    }
}

QTEST_GUILESS_MAIN(TestManPages)
#include "tst_manpages.moc"
