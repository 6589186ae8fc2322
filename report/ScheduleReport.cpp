#include "ScheduleReport.h"

#include "AmpacityTables.h"
#include "OutputFile.h"
#include "QtText.h"
#include "ScheduleFile.h"
#include "ScheduleTexts.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <vector>

using namespace ampacity;
using namespace ampacity::sizing;
using qtbridge::toQString;

namespace schedulereport {
namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString cell(const QString &text, const char *tag = "td")
{
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), escaped(text));
}

// A column's heading.
QString heading(const QString &text)
{
    return cell(text, "th");
}

// The answer's columns on paper: the window's, with the parallel sets
// written before the size ("2 × 350 kcmil") rather than in a column of
// their own, for the width a Letter page has; the raceway where the
// schedule asks for raceways, the motor's current where it has motors.
std::vector<int> reportAnswers(const ScheduleSummary &summary)
{
    std::vector<int> columns = {scheduletexts::SizeAnswer,    scheduletexts::BreakerAnswer,
                                scheduletexts::BondingAnswer, scheduletexts::GovernedAnswer,
                                scheduletexts::UsableAnswer,  scheduletexts::DropAnswer,
                                scheduletexts::ProblemAnswer};
    if (summary.raceways > 0)
        columns.insert(columns.begin() + 3, scheduletexts::RacewayAnswer);
    if (summary.motors > 0)
        columns.insert(columns.end() - 1, scheduletexts::MotorAnswer);
    return columns;
}

// One row's inputs and answer, as the window's columns show them.
QString circuitRow(const Schedule &schedule, const ScheduleRow &row, const std::string &separator,
                   const std::vector<int> &answers)
{
    QString html = QStringLiteral("<tr>") + cell(QString::number(row.line));
    for (std::size_t c = 0; c < schedule.columns.size(); ++c)
        html += cell(c < row.cells.size() ? toQString(row.cells[c]) : QString());
    for (const int column : answers) {
        QString text = scheduletexts::answerText(row, column, separator);
        if (column == scheduletexts::SizeAnswer && row.sizing && row.sizing->sets > 1)
            text = QCoreApplication::translate("Report", "%1 × %2")
                       .arg(QString::number(row.sizing->sets), text);
        html += cell(text);
    }
    return html + QStringLiteral("</tr>");
}

// The page a point of the laid-out document falls on.
int pageOf(const QTextDocument &document, qreal y)
{
    return static_cast<int>(y / document.pageSize().height());
}

} // namespace

void keepHeadingsWithWhatFollows(QTextDocument &document)
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 3)
            continue;
        // What the heading heads: the first row of a table within the next
        // blocks (after a paragraph saying what it holds), else the next block.
        QTextBlock kept = block.next();
        QTextBlock ahead = kept;
        for (int look = 0; look < 3 && ahead.isValid(); ++look, ahead = ahead.next()) {
            if (QTextTable *table = QTextCursor(ahead).currentTable()) {
                const int firstRow = std::min(table->format().headerRowCount(), table->rows() - 1);
                kept = table->cellAt(firstRow, 0).lastCursorPosition().block();
                break;
            }
        }
        if (!kept.isValid())
            continue;
        // In document coordinates, a table cell's block included.
        const QRectF heading = layout->blockBoundingRect(block);
        const QRectF followed = layout->blockBoundingRect(kept);
        if (pageOf(document, heading.top()) == pageOf(document, followed.bottom()))
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
}

QString reportHtml(const ScheduleFile &file)
{
    const Schedule &schedule = file.schedule();
    const QLocale locale;
    const std::string separator = qtbridge::toUtf8(locale.decimalPoint());
    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<h2>%1</h2>")
                .arg(escaped(QCoreApplication::translate("Report", "Cable schedule: %1")
                                 .arg(QFileInfo(file.path()).fileName())));
    html += QStringLiteral("<p>%1<br>%2<br>%3</p>")
                .arg(escaped(QCoreApplication::translate("Report", "Date: %1")
                                 .arg(locale.toString(QDate::currentDate(), QLocale::LongFormat))),
                     escaped(QCoreApplication::translate("Report", "Sized by %1 %2")
                                 .arg(QCoreApplication::applicationName(),
                                      QCoreApplication::applicationVersion())),
                     escaped(QCoreApplication::translate("Report",
                                                         "Canadian Electrical Code, Part I, %1")
                                 .arg(toQString(CodeEdition))));

    html += QStringLiteral("<h3>%1</h3><table cellspacing=\"0\" cellpadding=\"2\">")
                .arg(escaped(QCoreApplication::translate("Report", "Values for empty cells")));
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        html += QStringLiteral("<tr>") + cell(scheduletexts::conditionLabel(field)) +
                cell(scheduletexts::conditionValueText(field, file.defaultText(field))) +
                QStringLiteral("</tr>");
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h3>%1</h3><ul>")
                .arg(escaped(QCoreApplication::translate("Report", "Method")));
    for (const QString &sentence : scheduletexts::methodSentences())
        html += QStringLiteral("<li>%1</li>").arg(escaped(sentence));
    html += QStringLiteral("</ul>");

    const ScheduleSummary summary = summarize(schedule);
    const std::vector<int> answers = reportAnswers(summary);
    html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                .arg(escaped(QCoreApplication::translate("Report", "Circuits")),
                     escaped(scheduletexts::summaryText(summary)));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"1\" "
                           "width=\"100%\" style=\"font-size: 6.5pt\"><thead><tr>");
    html += heading(QCoreApplication::translate("Report", "Line"));
    for (const std::string &name : schedule.columns)
        html += heading(toQString(name));
    const QStringList headers = scheduletexts::answerHeaders();
    for (const int column : answers)
        html += heading(headers.value(column));
    html += QStringLiteral("</tr></thead>");
    for (const ScheduleRow &row : schedule.rows)
        html += circuitRow(schedule, row, separator, answers);
    html += QStringLiteral("</table></body></html>");
    return html;
}

bool drawReport(const ScheduleFile &file, QIODevice &output, QString *error)
{
    {
        QPdfWriter writer(&output);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageOrientation(QPageLayout::Landscape);
        // Margins any office printer keeps, and room for a schedule's columns.
        writer.setPageMargins(QMarginsF(10, 12, 10, 12), QPageLayout::Millimeter);
        writer.setTitle(QCoreApplication::translate("Report", "Cable schedule: %1")
                            .arg(QFileInfo(file.path()).fileName()));
        writer.setCreator(QCoreApplication::applicationName() + QLatin1Char(' ') +
                          QCoreApplication::applicationVersion());

        QTextDocument document;
        document.documentLayout()->setPaintDevice(&writer);
        QFont font = document.defaultFont();
        font.setPointSizeF(8.5);
        document.setDefaultFont(font);
        // Lines break between words only: a word cut in two ("Conductor s")
        // misreads, and the table makes room for its longest words instead.
        QTextOption wrapping = document.defaultTextOption();
        wrapping.setWrapMode(QTextOption::WordWrap);
        document.setDefaultTextOption(wrapping);
        document.setHtml(reportHtml(file));

        // Each page: its part of the document, then its number at the foot.
        const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
        const qreal footer = QFontMetricsF(font, &writer).height() * 2;
        const QSizeF body(page.width(), page.height() - footer);
        document.setPageSize(body);
        keepHeadingsWithWhatFollows(document);
        const int pages = document.pageCount();
        QPainter painter(&writer);
        painter.setFont(font);
        for (int p = 0; p < pages; ++p) {
            if (p > 0)
                writer.newPage();
            painter.save();
            const QRectF shown(0, p * body.height(), body.width(), body.height());
            painter.translate(0, -shown.top());
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = shown;
            painter.setClipRect(shown);
            document.documentLayout()->draw(&painter, context);
            painter.restore();
            painter.drawText(
                QRectF(0, body.height(), body.width(), footer), Qt::AlignRight | Qt::AlignBottom,
                QCoreApplication::translate("Report", "Page %1 of %2").arg(p + 1).arg(pages));
        }
        if (!painter.end()) {
            *error = QCoreApplication::translate("Report", "the report could not be drawn");
            return false;
        }
    }
    return true;
}

bool writeReport(const ScheduleFile &file, const QString &pdfPath, QString *error)
{
    // A report written over its own schedule would lose the schedule.
    if (file.isAt(pdfPath)) {
        *error = QCoreApplication::translate("Report", "that is the schedule itself");
        return false;
    }
    // Through a temporary file, as the schedule is saved: a report that
    // cannot be finished leaves nothing behind. (A device or a pipe is
    // written to directly.)
    OutputFile output;
    if (!output.open(pdfPath) || !output.device()) {
        *error = output.errorString();
        return false;
    }
    if (!drawReport(file, *output.device(), error)) {
        output.cancel();
        return false;
    }
    if (!output.commit()) {
        *error = output.errorString();
        return false;
    }
    return true;
}

} // namespace schedulereport
