#include "SizeCommand.h"

#include "ConsoleStreams.h"
#include "Schedule.h"
#include "ScheduleTexts.h"
#include "TextEncoding.h"

#include "Workbook.h"
#include "WorkbookAnswers.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <utility>

using namespace ampacity;
using namespace ampacity::sizing;
using qtbridge::toUtf8;
using scheduletexts::problemLine;

namespace commandline {

SizeCommand::SizeCommand(const Invocation &run) : m_run(run), m_texts(run.decimalSeparator()) {}

int SizeCommand::run()
{
    const Options &options = m_run.options();
    if (!m_run.onlyOptionsOf(QStringLiteral("size"), {&options.current(), &options.tradeSize()}))
        return BadInput;
    if (m_run.isSet(options.sheet()) && !m_run.isSet(options.schedule())) {
        complain(tr("--sheet is for size --schedule"));
        return BadInput;
    }
    if (m_run.isSet(options.separator()) && !m_run.isSet(options.schedule())) {
        complain(tr("--separator is for size --schedule"));
        return BadInput;
    }
    const QStringList positional = m_run.positional();
    const bool fromSchedule = m_run.isSet(options.schedule());
    if (positional.size() > 2 || (fromSchedule && positional.size() > 1)) {
        complain(tr("size takes one load, or --schedule FILE: \"%1\" is one too many")
                     .arg(positional.last()));
        return BadInput;
    }
    if (!fromSchedule && positional.size() < 2) {
        complain(tr("size needs a load in amperes, or --schedule FILE"));
        return BadInput;
    }

    // The options' values stand for every circuit; they must be good in any case.
    std::vector<std::string> texts;
    const auto given = m_run.givenConditions(texts);
    if (!given || !m_run.readGivenConditions(*given))
        return BadInput;

    const auto chosen = m_run.chosenFormat(fromSchedule ? Format::Csv : Format::Text);
    if (!chosen)
        return BadInput;
    if (fromSchedule)
        return sizeSchedule(*given, *chosen);
    return sizeOneLoad(toUtf8(positional[1]), *given, *chosen);
}

int SizeCommand::sizeOneLoad(const std::string &load, const ConditionTexts &given, Format chosen)
{
    const auto amperes = readLoadText(load, LoadUnit::Amperes);
    if (const auto *problem = std::get_if<Problem>(&amperes)) {
        complain(problemLine(*problem, m_run.decimalSeparator()));
        return BadInput;
    }

    // One circuit is a schedule of one row: the same columns and the same
    // numbers in CSV and JSON.
    Schedule schedule = singleCircuit(load, given);
    schedule.problemWords = scheduletexts::problemWords;
    const ScheduleRow &row = schedule.rows.front();
    if (row.problem)
        complain(problemLine(*row.problem, m_run.decimalSeparator()));
    // A motor the tables cannot answer for needs the user's nameplate current.
    if (row.problem && isMotorInputProblem(*row.problem))
        return BadInput;
    switch (chosen) {
    case Format::Text:
        if (row.sizing)
            m_run.print(m_texts.sizingLine(*row.sizing) + QLatin1Char('\n'));
        break;
    case Format::Csv:
        m_run.output(scheduleCsv(schedule));
        break;
    case Format::Json:
        m_run.output(scheduleRowJson(schedule, schedule.rows.front()) + "\n");
        break;
    }
    return row.problem ? Unanswered : Answered;
}

int SizeCommand::sizeSchedule(const ConditionTexts &given, Format chosen)
{
    const Options &options = m_run.options();
    const QString path = m_run.value(options.schedule());
    std::optional<char> separatorGiven;
    if (!m_run.readSeparatorOption(separatorGiven))
        return BadInput;

    // Standard input goes to a temporary file first: its encoding is known
    // only once all of it is read, and it is read again to be sized.
    QTemporaryFile spool;
    QFile file;
    QIODevice *input = &file;
    if (path == QLatin1String("-")) {
        if (!spoolStandardInput(spool))
            return BadInput;
        input = &spool;
    } else {
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly)) {
            complain(tr("%1: %2").arg(path, file.errorString()));
            return BadInput;
        }
    }
    const QString name = path == QLatin1String("-") ? tr("standard input") : path;
    constexpr qint64 pieceSize = 1 << 16;
    std::string piece(pieceSize, '\0');
    const auto readPiece = [&]() -> std::optional<std::string_view> {
        const qint64 read = input->read(piece.data(), pieceSize);
        if (read < 0)
            return std::nullopt;
        return std::string_view(piece.data(), static_cast<std::size_t>(read));
    };
    const auto readFailed = [&] {
        complain(tr("%1: %2").arg(name, input->errorString()));
        return BadInput;
    };

    // A workbook's sheet is read whole (its zip entry is inflated whole) and
    // goes on as the schedule's text; with --output naming a workbook of its
    // format, the answer goes back into it.
    QBuffer sheetText;
    std::vector<int> linesWithoutValues;
    std::optional<workbook::WorkbookSchedule> sheet;
    const QString workbookOut = workbookOutput();
    if (isWorkbook(input->peek(8).toStdString())) {
        const QByteArray bytes = input->readAll();
        QString error;
        sheet = workbook::readWorkbookSchedule(bytes, m_run.value(options.sheet()), &error);
        if (!sheet) {
            complain(tr("%1: %2").arg(name, error));
            return BadInput;
        }
        if (!workbookOut.isEmpty() && workbookOut != sheet->book->suffix()) {
            complain(tr("%1 is a .%2 workbook: its answer is written into a .%2 workbook, or as "
                        "CSV under a .csv name")
                         .arg(name, sheet->book->suffix()));
            return BadInput;
        }
        sheetText.setData(QByteArray::fromStdString(std::exchange(sheet->text, {})));
        sheetText.open(QIODevice::ReadOnly);
        input = &sheetText;
        linesWithoutValues = std::move(sheet->linesWithoutValues);
        separatorGiven = ',';
    } else if (m_run.isSet(options.sheet())) {
        complain(tr("--sheet is for a workbook (.xlsx, .ods): %1 is not one").arg(name));
        return BadInput;
    } else if (!workbookOut.isEmpty()) {
        complain(tr("%1 is not a workbook: the answer goes into a workbook only when the schedule "
                    "is read from one; give a .csv name")
                     .arg(name));
        return BadInput;
    }
    const bool intoWorkbook = !workbookOut.isEmpty();
    if (intoWorkbook && m_run.isSet(options.format())) {
        complain(tr("--format is for text answers: a workbook takes the answer in its own cells"));
        return BadInput;
    }
    std::optional<workbook::WorkbookAnswers> answers;

    // The encoding: one decision, made over the whole file where it has no
    // byte-order mark, before any of it is decoded.
    ScheduleDecoder decoder(input->peek(4).toStdString());
    if (decoder.needsCheck()) {
        for (;;) {
            const auto bytes = readPiece();
            if (!bytes)
                return readFailed();
            if (bytes->empty())
                break;
            decoder.check(*bytes);
        }
        input->seek(0);
    }
    if (decoder.guessed())
        complain(tr("%1 is not UTF-8: read as Windows-1252").arg(name));
    ScheduleReader reader(given, separatorGiven);
    reader.setProblemWords(scheduletexts::problemWords);
    reader.setLinesWithoutValues(std::move(linesWithoutValues));

    // Each row is written as soon as it is sized; the first problem rows go
    // to standard error, then how many more: the problem column has them all.
    constexpr int problemsNamed = 20;
    int problemRows = 0;
    bool started = false;
    bool anyRow = false;
    const auto start = [&] {
        if (started)
            return;
        if (chosen == Format::Csv)
            m_run.output(scheduleHeaderCsv(reader.layout()));
        else if (chosen == Format::Json)
            m_run.output("[");
        started = true;
    };
    const auto writeRow = [&](const ScheduleRow &row) {
        const Schedule &layout = reader.layout();
        if (row.problem && ++problemRows <= problemsNamed)
            complain(tr("line %1: %2")
                         .arg(QString::number(row.line),
                              problemLine(*row.problem, m_run.decimalSeparator())));
        if (intoWorkbook) {
            if (!answers)
                answers.emplace(*sheet, layout);
            answers->addRow(layout, row);
            return;
        }
        start();
        switch (chosen) {
        case Format::Csv:
            appendScheduleRowCsv(m_run.answer().pending(), layout, row);
            m_run.answer().flushIfFull();
            break;
        case Format::Json:
            m_run.output(anyRow ? ",\n  " : "\n  ");
            m_run.output(scheduleRowJson(layout, row));
            break;
        case Format::Text:
            if (!row.blank)
                m_run.print(tr("line %1: %2")
                                .arg(QString::number(row.line),
                                     row.sizing
                                         ? m_texts.sizingLine(*row.sizing)
                                         : problemLine(*row.problem, m_run.decimalSeparator())) +
                            QLatin1Char('\n'));
            break;
        }
        anyRow = true;
    };
    std::string text;
    ScheduleRow row;
    for (bool end = false; !end;) {
        const auto bytes = readPiece();
        if (!bytes)
            return readFailed();
        text.clear();
        if (bytes->empty()) {
            decoder.finish(text);
            reader.append(text);
            reader.close();
            end = true;
        } else {
            decoder.decode(*bytes, text);
            reader.append(text);
        }
        ScheduleReader::Status status;
        while ((status = reader.next(row)) == ScheduleReader::Status::Row)
            writeRow(row);
        if (status == ScheduleReader::Status::End)
            break;
    }
    if (const auto &error = reader.layout().error) {
        complain(tr("%1: %2").arg(name, problemLine(*error, m_run.decimalSeparator())));
        m_run.answer().abandon();
        return BadInput;
    }
    if (intoWorkbook) {
        if (!answers)
            answers.emplace(*sheet, reader.layout()); // a heading alone
        QString error;
        const auto bytes = answers->bytes(&error);
        if (!bytes) {
            complain(tr("%1: %2").arg(name, error));
            m_run.answer().abandon();
            return BadInput;
        }
        m_run.output(std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
    } else {
        start(); // a header alone is a schedule of no rows
    }
    if (chosen == Format::Json && !intoWorkbook)
        m_run.output(anyRow ? "\n]\n" : "]\n");
    if (problemRows > problemsNamed)
        complain(tr("rows with a problem: %1 more, each named in the problem column")
                     .arg(problemRows - problemsNamed));
    return problemRows == 0 ? Answered : Unanswered;
}

// The workbook format --output names ("xlsx", "ods"), or none.
QString SizeCommand::workbookOutput() const
{
    const QCommandLineOption &output = m_run.options().output();
    if (!m_run.isSet(output))
        return {};
    const QString suffix = QFileInfo(m_run.value(output)).suffix().toLower();
    return suffix == QLatin1String("xlsx") || suffix == QLatin1String("ods") ? suffix : QString();
}

// Standard input copied into a temporary file, read from its start.
bool SizeCommand::spoolStandardInput(QTemporaryFile &spool)
{
    if (!spool.open()) {
        complain(tr("standard input cannot be read: %1").arg(spool.errorString()));
        return false;
    }
    std::string piece;
    for (;;) {
        const console::Read read = console::readStandardInput(piece);
        if (read == console::Read::End)
            return spool.seek(0);
        if (read == console::Read::Failed ||
            spool.write(piece.data(), static_cast<qint64>(piece.size())) !=
                static_cast<qint64>(piece.size())) {
            complain(tr("standard input cannot be read"));
            return false;
        }
    }
}

} // namespace commandline
