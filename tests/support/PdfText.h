// SPDX-License-Identifier: MIT
#pragma once

// A PDF as poppler's tools (package poppler-utils) read it: its text, its
// pages and its fonts. Suites skip their PDF checks where the tools are absent.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace PdfText {

inline bool available()
{
    for (const char *tool : {"pdftotext", "pdfinfo", "pdffonts"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    }
    return true;
}

inline QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text laid out as on the page, a table row on one line, NFKC-normalised:
// Qt typesets "fi" as the ligature "ﬁ".
inline QString text(const QString &path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")})
        .normalized(QString::NormalizationForm_KC);
}

// pdfinfo's report: "Pages:", "Page size:" ...
inline QString info(const QString &path)
{
    return run(QStringLiteral("pdfinfo"), {path});
}

// One line a font, after two heading lines; its "emb" column says whether it is embedded.
inline QStringList fonts(const QString &path)
{
    return run(QStringLiteral("pdffonts"), {path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
}

} // namespace PdfText
