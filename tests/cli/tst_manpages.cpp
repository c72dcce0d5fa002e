// SPDX-License-Identifier: MIT
// The manual pages of vrk04, English and Czech, against the tool's own help:
// the same commands, options per command and exit codes. A new command or
// exit code needs the pages and the help, not this test.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

using Names = QSet<QString>;

struct Page
{
    QMap<QString, Names> synopsis; // command -> its options
    Names commands;
    Names options;
    Names exitCodes;
};

struct Help
{
    int exitCode = -1;
    QString text;
};

Help vrk04(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("cs"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VRK04_CLI_PATH), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

Names matches(const QString &text, const QRegularExpression &pattern)
{
    Names found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

const QRegularExpression LongOption(QStringLiteral("--([a-z][a-z-]*)"));

// The first line after each .TP of a section, escapes undone.
QStringList taggedLines(const QStringList &lines)
{
    QStringList tags;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines.at(i) == u".TP")
            tags << lines.at(i + 1);
    }
    return tags;
}

Page readPage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QMap<QString, QStringList> sections;
    QString section;
    for (QString line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        line.replace(QStringLiteral("\\-"), QStringLiteral("-"));
        if (line.startsWith(QStringLiteral(".SH ")))
            section = line.mid(4).remove(u'"');
        else
            sections[section] << line;
    }
    auto either = [&sections](const char *english, const char *czech) {
        return sections.value(QString::fromUtf8(english)) + sections.value(QString::fromUtf8(czech));
    };
    Page page;
    for (const QString &usage : either("SYNOPSIS", "POUŽITÍ").join(u'\n').split(QStringLiteral(".br"))) {
        const QString command = usage.trimmed().section(u'\n', 0, 0).section(u' ', 2, 2);
        page.synopsis[command] = matches(usage, LongOption);
    }
    for (const QString &tag : taggedLines(either("COMMANDS", "PŘÍKAZY")))
        page.commands << tag.section(u' ', 1, 1).remove(u'"');
    for (const QString &tag : taggedLines(either("OPTIONS", "VOLBY")))
        page.options += matches(tag, LongOption);
    for (const QString &tag : taggedLines(either("EXIT STATUS", "NÁVRATOVÝ KÓD")))
        page.exitCodes << tag.section(u' ', 1, 1);
    return page;
}

// The options listed in a help text: lines that start with an option.
Names helpOptions(const QString &help)
{
    static const QRegularExpression line(QStringLiteral("^  (?:-\\w, )?--([a-z][a-z-]*)"),
                                         QRegularExpression::MultilineOption);
    return matches(help, line);
}

QString pagePath(const QString &language)
{
    return QStringLiteral(VRK04_SOURCE_DIR "/packaging/%1vrk04.1").arg(language == u"Czech" ? "cs/" : "");
}

} // namespace

class TestManPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageMatchesHelp_data();
    void pageMatchesHelp();
    void commandHelpMatchesSynopsis_data();
    void commandHelpMatchesSynopsis();

private:
    Help m_overview;
    Names m_commands;
};

void TestManPages::initTestCase()
{
    m_overview = vrk04({QStringLiteral("--help")});
    QCOMPARE(m_overview.exitCode, 0);
    static const QRegularExpression command(QStringLiteral("^  ([a-z]+) {2,}\\S"), QRegularExpression::MultilineOption);
    m_commands = matches(m_overview.text, command);
    QVERIFY2(m_commands.size() >= 8, qPrintable(m_overview.text));
}

void TestManPages::pageMatchesHelp_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("English") << pagePath(QStringLiteral("English"));
    QTest::newRow("Czech") << pagePath(QStringLiteral("Czech"));
}

void TestManPages::pageMatchesHelp()
{
    QFETCH(QString, path);
    const Page page = readPage(path);
    static const QRegularExpression code(QStringLiteral("^  (\\d+|128\\+N) "), QRegularExpression::MultilineOption);
    const QStringList synopsisCommands = page.synopsis.keys();
    QCOMPARE(Names(synopsisCommands.cbegin(), synopsisCommands.cend()), m_commands);
    QCOMPARE(page.commands, m_commands);
    QCOMPARE(page.options, helpOptions(m_overview.text));
    QCOMPARE(page.exitCodes, matches(m_overview.text, code));
}

void TestManPages::commandHelpMatchesSynopsis_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("path");
    for (const QString &language : {QStringLiteral("English"), QStringLiteral("Czech")}) {
        for (const QString &command : std::as_const(m_commands))
            QTest::addRow("%s, %s", qPrintable(command), qPrintable(language)) << command << pagePath(language);
    }
}

// The usage names the program, not the path it was started by.
void TestManPages::commandHelpMatchesSynopsis()
{
    QFETCH(QString, command);
    QFETCH(QString, path);
    const Help help = vrk04({command, QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    const QString usage = help.text.section(u'\n', 0, 0);
    QVERIFY2(usage.contains(QStringLiteral(" vrk04 ") + command) && !usage.contains(u'/'), qPrintable(usage));
    QCOMPARE(helpOptions(help.text), readPage(path).synopsis.value(command));
}

QTEST_GUILESS_MAIN(TestManPages)
#include "tst_manpages.moc"
