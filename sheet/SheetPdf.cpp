// SPDX-License-Identifier: MIT
#include "SheetPdf.h"

#include "CustomerSheet.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QtMath>

#include <numeric>

namespace {

constexpr int Resolution = 300;
constexpr qreal MarginMm = 15;
constexpr qreal LargestPoints = 10;
constexpr qreal SmallestPoints = 5;
constexpr qreal FooterPoints = 7;
constexpr int CellPadding = 5; // in pixels of 96 dpi, as HTML counts them

// Families with the Czech letters: Debian's package brings DejaVu Sans,
// Windows has the other two.
QFont sheetFont()
{
    const QStringList installed = QFontDatabase::families();
    for (const char *family : {"DejaVu Sans", "Segoe UI", "Arial"}) {
        if (installed.contains(QLatin1String(family)))
            return QFont(QString::fromLatin1(family));
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// The share of the line, in percent, that each column but the SMS needs to
// keep its words on one line; the SMS column has the rest.
QList<int> columnShares(const CustomerSheet &sheet, const QFont &font, QPaintDevice &device, int lineWidth)
{
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF cells(font, &device);
    const QFontMetricsF headings(bold, &device);
    // Both paddings, the rules and a little room.
    const qreal frame = 3.0 * CellPadding * Resolution / 96;
    QList<int> shares;
    for (int c = 0; c < CustomerSheet::ColumnCount; ++c) {
        qreal widest = headings.horizontalAdvance(sheet.headings.at(c));
        for (const QStringList &row : sheet.rows)
            widest = qMax(widest, cells.horizontalAdvance(row.at(c)));
        shares << qCeil(100 * (widest + frame) / lineWidth);
    }
    shares[CustomerSheet::Sms] = 0;
    shares[CustomerSheet::Sms] = qMax(20, 100 - int(std::accumulate(shares.cbegin(), shares.cend(), 0)));
    return shares;
}

QString commandTable(const CustomerSheet &sheet, const QList<int> &shares)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"%1\" width=\"100%\" "
                                  "style=\"border-collapse: collapse; border-color: #808080\"><tr>")
                       .arg(CellPadding);
    for (int c = 0; c < CustomerSheet::ColumnCount; ++c) {
        html += QStringLiteral("<th width=\"%1%\" align=\"left\" bgcolor=\"#e8e8e8\">%2</th>")
                    .arg(shares.at(c))
                    .arg(escaped(sheet.headings.at(c)));
    }
    html += QStringLiteral("</tr>");
    for (const QStringList &row : sheet.rows) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < CustomerSheet::ColumnCount; ++c) {
            // The SMS keeps its spaces as typed: two of them are not one.
            const QString cell = c == CustomerSheet::Sms
                ? QStringLiteral("<b style=\"white-space: pre-wrap\">%1</b>").arg(escaped(row.at(c)))
                : escaped(row.at(c));
            html += QStringLiteral("<td>%1</td>").arg(cell);
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString findingsBox(const CustomerSheet &sheet)
{
    QString lines;
    for (const QString &line : sheet.findings)
        lines += QStringLiteral("<p style=\"margin-top: 4px\">%1</p>").arg(escaped(line));
    return QStringLiteral("<p></p><table border=\"2\" cellspacing=\"0\" cellpadding=\"8\" width=\"100%\" "
                          "bgcolor=\"#fff3f0\" style=\"border-collapse: collapse; border-color: #c00000\">"
                          "<tr><td><p><b style=\"color: #c00000\">%1</b></p>%2</td></tr></table>")
        .arg(escaped(sheet.findingsHeading), lines);
}

QString html(const CustomerSheet &sheet, const QList<int> &shares)
{
    QStringList states;
    for (const QString &state : sheet.states)
        states << escaped(state);
    QString html = QStringLiteral("<h1>%1</h1><p>%2<br/>%3</p>")
                       .arg(escaped(sheet.title), escaped(sheet.subtitle), escaped(sheet.fingerprint));
    if (!sheet.findings.isEmpty())
        html += findingsBox(sheet);
    html += QStringLiteral("<p></p>") + commandTable(sheet, shares);
    html += QStringLiteral("<p></p><p><b>%1</b></p><table cellspacing=\"0\" cellpadding=\"0\" width=\"100%\"><tr><td>%2</td></tr></table>")
                .arg(escaped(sheet.statesHeading), states.join(QStringLiteral("</td><td>")));
    return html;
}

} // namespace

QByteArray sheetPdf(const CustomerSheet &sheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                                         QPageLayout::Millimeter));
        writer.setResolution(Resolution);
        writer.setTitle(sheet.title);
        writer.setCreator(sheet.footer);
        const QRect page = writer.pageLayout().paintRectPixels(Resolution);

        QFont footerFont = sheetFont();
        footerFont.setPointSizeF(FooterPoints);
        const int footerHeight = 2 * QFontMetrics(footerFont, &writer).height();

        QTextDocument document;
        document.documentLayout()->setPaintDevice(&writer);
        document.setDocumentMargin(0);
        document.setTextWidth(page.width());
        QFont font = sheetFont();
        for (qreal points = LargestPoints; points >= SmallestPoints; points -= 0.5) {
            font.setPointSizeF(points);
            document.setDefaultFont(font);
            document.setHtml(html(sheet, columnShares(sheet, font, writer, page.width())));
            if (document.size().height() <= page.height() - footerHeight)
                break;
        }

        QPainter painter(&writer);
        document.drawContents(&painter);
        painter.setFont(footerFont);
        painter.setPen(Qt::darkGray);
        painter.drawText(QRect(0, page.height() - footerHeight, page.width(), footerHeight),
                         Qt::AlignRight | Qt::AlignBottom, sheet.footer);
    }
    return buffer.data();
}
