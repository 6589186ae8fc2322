#include "ReportCommand.h"

#include "OutputFile.h"
#include "Schedule.h"
#include "ScheduleFile.h"
#include "ScheduleReport.h"
#include "ScheduleTexts.h"

#include <QBuffer>

using namespace ampacity;
using namespace ampacity::sizing;
using qtbridge::toQString;
using qtbridge::toUtf8;
using scheduletexts::problemLine;

namespace commandline {

ReportCommand::ReportCommand(const Invocation &run) : m_run(run) {}

int ReportCommand::run()
{
    const Options &options = m_run.options();
    if (!m_run.onlyOptionsOf(QStringLiteral("report"), {&options.current(), &options.schedule(),
                                                        &options.format(), &options.tradeSize()}))
        return BadInput;
    const QStringList positional = m_run.positional();
    if (positional.size() != 2) {
        complain(
            positional.size() < 2
                ? tr("report needs a schedule: report FILE --output REPORT.pdf")
                : tr("report takes one schedule: \"%1\" is one too many").arg(positional.last()));
        return BadInput;
    }
    if (!m_run.isSet(options.output())) {
        complain(tr("report needs --output REPORT.pdf"));
        return BadInput;
    }
    std::optional<char> separatorGiven;
    if (!m_run.readSeparatorOption(separatorGiven))
        return BadInput;
    std::vector<std::string> texts;
    const auto given = m_run.givenConditions(texts);
    if (!given || !m_run.readGivenConditions(*given))
        return BadInput;

    const QString &path = positional[1];
    ScheduleFile file(*given);
    file.setSheet(m_run.value(options.sheet()));
    if (!file.load(path, separatorGiven)) {
        complain(tr("%1: %2").arg(path, file.errorString()));
        return BadInput;
    }
    if (file.readAsWindows1252())
        complain(tr("%1 is not UTF-8: read as Windows-1252").arg(path));
    QString error;
    const QString output = m_run.value(options.output());
    if (OutputFile::kindOf(output) == OutputFile::Kind::StandardOutput) {
        // Drawn whole, then written as the answers are (a PDF is bytes, sent
        // as they are to a file or a pipe).
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (!schedulereport::drawReport(file, pdf, &error)) {
            complain(tr("the report could not be written to %1: %2").arg(output, error));
            return BadInput;
        }
        m_run.output(
            std::string_view(pdf.data().constData(), static_cast<std::size_t>(pdf.data().size())));
    } else if (!schedulereport::writeReport(file, output, &error)) {
        complain(tr("the report could not be written to %1: %2")
                     .arg(m_run.value(options.output()), error));
        return BadInput;
    }
    return summarize(file.schedule()).problems == 0 ? Answered : Unanswered;
}

} // namespace commandline
