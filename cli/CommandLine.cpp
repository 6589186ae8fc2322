#include "CommandLine.h"

#include "AmpacityTables.h"
#include "AnswerOutput.h"
#include "ConsoleStreams.h"
#include "CorrectedAmpacity.h"
#include "Desktop.h"
#include "ProgramIdentity.h"
#include "QtText.h"
#include "Schedule.h"
#include "ScheduleFile.h"
#include "ScheduleReport.h"
#include "ScheduleTexts.h"
#include "TextEncoding.h"
#include "Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryFile>

#include <algorithm>
#include <cstring>
#include <tuple>

using namespace ampacity;
using namespace ampacity::sizing;
using qtbridge::toQString;
using qtbridge::toUtf8;
using scheduletexts::problemLine;

namespace commandline {
namespace {

// Where this run's answer goes, for the whole of CommandLine::run.
Output *answer = nullptr;

void output(std::string_view utf8)
{
    answer->write(utf8);
}

void print(const QString &text)
{
    output(toUtf8(text));
}

// One line on standard error, after the program's name.
void complain(const QString &text)
{
    console::write(console::Stream::Error, "torvane: " + toUtf8(text) + "\n");
}

enum class Format
{
    Text,
    Csv,
    Json
};

// The command line's options and commands. Its texts are translated in the
// context "CommandLine".
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    int run(const QStringList &arguments);

private:
    QCommandLineParser parser;
    std::string decimalSeparator = toUtf8(QLocale().decimalPoint());

    // One option for each of a circuit's conditions, in the order of
    // ConditionFields; a schedule's columns have the same names with "_".
    QCommandLineOption conditionOptions[std::size(ConditionFields)] = {
        {QStringLiteral("material"), tr("Conductor material: cu or al (cu)."),
         QStringLiteral("cu|al")},
        {QStringLiteral("installation"),
         tr("raceway (in a raceway, Tables 2 and 4), cable (as raceway; Table D3's cable "
            "column) or free-air (Tables 1 and 3) (raceway)."),
         QStringLiteral("raceway|cable|free-air")},
        {QStringLiteral("insulation"), tr("Insulation temperature rating, °C: 60, 75 or 90 (60)."),
         QStringLiteral("60|75|90")},
        {QStringLiteral("ambient"),
         tr("Ambient temperature, °C (30). Between two rows of Table 5A the hotter row applies; "
            "at or below 30 °C, none."),
         QStringLiteral("C")},
        {QStringLiteral("conductors"),
         tr("Current-carrying conductors run together (1): the groups of Table 5C in a raceway "
            "or cable, 1 to 4 of Table 5B in free air."),
         QStringLiteral("N")},
        {QStringLiteral("terminations"),
         tr("Temperature rating of the terminations, Rule 4-006: auto (60 °C up to a 100 A "
            "breaker, given or chosen, or with --breaker none up to No. 1 AWG; 75 °C above), 60, "
            "75, 90 or none (the table alone) (auto)."),
         QStringLiteral("auto|60|75|90|none")},
        {QStringLiteral("breaker"),
         tr("Rating of the breaker or fuse protecting the circuit, amperes, checked against the "
            "load (Rule 8-104) and the conductor (Rule 14-104, Table 13); without it the "
            "smallest standard rating that carries the load is chosen; none for a circuit whose "
            "protection another Rule decides (motors, heating). It decides auto terminations."),
         QStringLiteral("A|none")},
        {QStringLiteral("length"),
         tr("One-way length of the run, metres (or feet: 150ft), to check the voltage drop "
            "(Rule 8-102, Table D3)."),
         QStringLiteral("L")},
        {QStringLiteral("voltage"),
         tr("Nominal voltage, line to line in three-phase; needed with --length."),
         QStringLiteral("V")},
        {QStringLiteral("system"), tr("1ph, 3ph or dc (1ph)."), QStringLiteral("1ph|3ph|dc")},
        {QStringLiteral("power-factor"), tr("1, 0.9 or 0.8, the columns of Table D3 (1)."),
         QStringLiteral("1|0.9|0.8")},
        {QStringLiteral("max-drop"),
         tr("Voltage drop allowed, per cent (3; 5 from the supply to the point of use)."),
         QStringLiteral("PCT")},
        {QStringLiteral("continuous"),
         tr("Whether the load is continuous, Rule 8-104: yes (a load is, unless shown not to "
            "run more than 1 h in any 2 h) or no (yes)."),
         QStringLiteral("yes|no")},
        {QStringLiteral("device-rating"),
         tr("The breaker's marking for continuous loads, per cent: 80, or 100 for a device "
            "marked so (80)."),
         QStringLiteral("80|100")},
        {QStringLiteral("sets"),
         tr("Conductors in parallel, Rule 12-108: the number of sets, 1 to 10, each in its own "
            "raceway or cable, 1/0 AWG and larger; auto for the fewest sets of a conductor up to "
            "--largest (1)."),
         QStringLiteral("N|auto")},
        {QStringLiteral("largest"),
         tr("The largest conductor --sets auto may use (500 kcmil)."), QStringLiteral("SIZE")},
        {QStringLiteral("bond-material"),
         tr("The bonding conductor's material, Rule 10-616 and Table 16: cu or al (the circuit "
            "conductors')."),
         QStringLiteral("cu|al")},
    };
    QCommandLineOption schedule{
        QStringLiteral("schedule"),
        tr("Size every row of a cable schedule: a CSV file whose header names a load column and, "
           "optionally, columns named like these options (power_factor, max_drop); - reads "
           "standard input."),
        QStringLiteral("FILE")};
    QCommandLineOption current{QStringLiteral("current"),
                               tr("The current the drop command works the drop out for, amperes."),
                               QStringLiteral("I")};
    QCommandLineOption separator{
        QStringLiteral("separator"),
        tr("The schedule's separator: , or ; or tab (the header's own: the most frequent of "
           "them). A semicolon or tab schedule may write decimals with a comma."),
        QStringLiteral(",|;|tab")};
    QCommandLineOption outputFile{
        QStringLiteral("output"),
        tr("Write the answer to FILE rather than to standard output, whole or not at all: "
           "through a temporary file renamed at the end (FILE may be the schedule itself)."),
        QStringLiteral("FILE")};
    QCommandLineOption format{QStringLiteral("format"),
                              tr("Output: text (in your language), csv or json (decimal point, "
                                 "English names). Text for one load, csv for a schedule."),
                              QStringLiteral("text|csv|json")};

    const QCommandLineOption &option(std::string_view ConditionTexts::*field) const
    {
        for (std::size_t f = 0; f < std::size(ConditionFields); ++f)
            if (ConditionFields[f].text == field)
                return conditionOptions[f];
        return conditionOptions[0];
    }

    QString value(const QCommandLineOption &option) const { return parser.value(option); }

    std::optional<Format> chosenFormat(Format fallback) const
    {
        if (!parser.isSet(format))
            return fallback;
        const QString name = value(format).trimmed().toLower();
        if (name == QLatin1String("text"))
            return Format::Text;
        if (name == QLatin1String("csv"))
            return Format::Csv;
        if (name == QLatin1String("json"))
            return Format::Json;
        complain(tr("the format \"%1\" is not text, csv or json").arg(value(format)));
        return std::nullopt;
    }

    // Options that belong to other commands are refused, not ignored.
    bool onlyOptionsOf(const QString &command,
                       std::initializer_list<const QCommandLineOption *> foreign) const
    {
        for (const QCommandLineOption *other : foreign) {
            if (parser.isSet(*other)) {
                complain(tr("--%1 is not an option of %2").arg(other->names().first(), command));
                return false;
            }
        }
        return true;
    }

    QString number(std::int64_t value, int decimals) const
    {
        return toQString(scaledText(value, decimals, decimalSeparator));
    }

    QString systemName(SupplySystem system) const
    {
        switch (system) {
        case SupplySystem::ThreePhase:
            return tr("three-phase");
        case SupplySystem::DirectCurrent:
            return tr("dc");
        case SupplySystem::SinglePhase:
            break;
        }
        return tr("single-phase");
    }

    QString lengthText(const Run &run) const
    {
        if (!run.lengthInFeet)
            return tr("%1 m").arg(number(run.length, 4));
        // Feet as given, and the metres they make to the centimetre.
        return tr("%1 ft (%2)")
            .arg(number(run.feet, 4), tr("%1 m").arg(number((run.length + 50) / 100, 2)));
    }

    QString sizeName(std::string_view listText) const
    {
        return qtbridge::translatedWireSize(listText).trimmed();
    }

    // One conductor in a line of text: the window's figures, then what
    // limited it, the drop, the breaker and the bonding conductor.
    QString sizingLine(const Sizing &sizing) const
    {
        const QString tables = sizing.correctionTables.empty()
                                   ? tr("no correction applied")
                                   : qtbridge::translatedCaption(sizing.correctionCaption);
        const QString size = sizing.sets > 1 ? tr("%1 × %2").arg(QString::number(sizing.sets),
                                                                 sizeName(sizing.sizeText))
                                             : sizeName(sizing.sizeText);
        QString line =
            tr("%1, %2 A from Table %3, %4, %5")
                .arg(size, QString::number(sizing.tableAmpacity),
                     QString::number(sizing.tableNumber),
                     toQString(correctedAmpacityText(sizing.correctedAmp, sizing.ambientFactor,
                                                     sizing.countFactor, decimalSeparator)),
                     tables);
        if (sizing.usable < sizing.corrected)
            line += tr("; limited to %1 A by %2 °C terminations")
                        .arg(number(sizing.usable, 4), QString::number(sizing.terminationRating));
        if (sizing.sets > 1)
            line += tr("; %1 A in each of %2 parallel sets")
                        .arg(number(sizing.perConductor, 4), QString::number(sizing.sets));
        if (sizing.continuousPercent > 0) {
            // The ampacity the load needs, rounded up as a load is.
            const std::int64_t needed =
                (sizing.load * 100 + sizing.continuousPercent - 1) / sizing.continuousPercent;
            line += tr("; continuous load %1 A needs %2 A (Rule 8-104, %3 %)")
                        .arg(number(sizing.load, 4), number(needed, 4),
                             QString::number(sizing.continuousPercent));
        }
        if (sizing.drop)
            line += tr("; voltage drop %1 % (%2 V) over %3 at %4 V %5")
                        .arg(number(sizing.drop->percent, 2), number(sizing.drop->volts, 2),
                             lengthText(sizing.run), number(sizing.run.voltage, 2),
                             systemName(sizing.run.system));
        if (sizing.breaker <= 0)
            line += tr("; no breaker checked (at most %1 A on this conductor)")
                        .arg(sizing.maxBreaker);
        else if (sizing.breakerChosen)
            line += tr("; %1 A breaker (chosen; at most %2 A on this conductor)")
                        .arg(number(sizing.breaker, 4), QString::number(sizing.maxBreaker));
        else
            line += tr("; %1 A breaker (at most %2 A on this conductor)")
                        .arg(number(sizing.breaker, 4), QString::number(sizing.maxBreaker));
        line += (sizing.bondingMaterial == material::Copper ? tr("; bonding %1 copper")
                                                             : tr("; bonding %1 aluminum"))
                    .arg(sizeName(sizing.bondingText));
        switch (sizing.governedBy) {
        case Governing::Termination:
            line += tr("; governed by the terminations");
            break;
        case Governing::ContinuousLoad:
            line += tr("; governed by the continuous load");
            break;
        case Governing::Protection:
            line += tr("; governed by the breaker's protection (Rule 14-104)");
            break;
        case Governing::VoltageDrop:
            line += tr("; governed by voltage drop (ampacity alone: %1)")
                        .arg(sizeName(sizing.ampacitySizeText));
            break;
        case Governing::Ampacity:
            line += tr("; governed by ampacity");
            break;
        }
        return line;
    }

    // The conditions' texts as given on the command line; an option given
    // with nothing after it is refused.
    std::optional<ConditionTexts> givenConditions(std::vector<std::string> &storage) const
    {
        storage.clear();
        for (const QCommandLineOption &o : conditionOptions) {
            storage.push_back(toUtf8(value(o)));
            if (parser.isSet(o) && trimmed(storage.back()).empty()) {
                complain(tr("--%1 needs a value").arg(o.names().first()));
                return std::nullopt;
            }
        }
        ConditionTexts given;
        for (std::size_t f = 0; f < std::size(ConditionFields); ++f)
            given.*ConditionFields[f].text = storage[f];
        return given;
    }

    // The conditions the options give, or nothing once the problem is told.
    std::optional<Conditions> readGivenConditions(const ConditionTexts &given) const
    {
        const auto conditions = readConditions(given);
        if (const auto *problem = std::get_if<Problem>(&conditions)) {
            complain(problemLine(*problem, decimalSeparator));
            return std::nullopt;
        }
        return std::get<Conditions>(conditions);
    }

    // --separator as a character into `chosen`, left empty without one (the
    // header's own then); false once a bad one is told.
    bool readSeparatorOption(std::optional<char> &chosen) const
    {
        chosen.reset();
        if (!parser.isSet(separator))
            return true;
        const QString name = value(separator);
        if (name == QLatin1String(",") || name == QLatin1String(";"))
            chosen = name.at(0).toLatin1();
        else if (name.compare(QLatin1String("tab"), Qt::CaseInsensitive) == 0 ||
                 name == QLatin1String("\t"))
            chosen = '\t';
        else
            complain(tr("the separator \"%1\" is not , or ; or tab").arg(name));
        return chosen.has_value();
    }

    // Standard input copied into a temporary file, read from its start.
    static bool spoolStandardInput(QTemporaryFile &spool)
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

    int size();
    int sizeOneLoad(const std::string &load, const ConditionTexts &given, Format chosen);
    int sizeSchedule(const ConditionTexts &given, Format chosen);
    int drop();
    int table();
    int report();
    int runCommand(const QString &name);

    std::vector<const QCommandLineOption *> sizingOptions() const
    {
        std::vector<const QCommandLineOption *> options{&schedule, &current, &separator};
        for (const QCommandLineOption &o : conditionOptions)
            options.push_back(&o);
        return options;
    }
};

int CommandLine::size()
{
    if (!onlyOptionsOf(QStringLiteral("size"), {&current}))
        return BadInput;
    if (parser.isSet(separator) && !parser.isSet(schedule)) {
        complain(tr("--separator is for size --schedule"));
        return BadInput;
    }
    const QStringList positional = parser.positionalArguments();
    const bool fromSchedule = parser.isSet(schedule);
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
    const auto given = givenConditions(texts);
    if (!given || !readGivenConditions(*given))
        return BadInput;

    const auto chosen = chosenFormat(fromSchedule ? Format::Csv : Format::Text);
    if (!chosen)
        return BadInput;
    if (fromSchedule)
        return sizeSchedule(*given, *chosen);
    return sizeOneLoad(toUtf8(positional[1]), *given, *chosen);
}

int CommandLine::sizeOneLoad(const std::string &load, const ConditionTexts &given, Format chosen)
{
    const auto amperes = readLoad(load);
    if (const auto *problem = std::get_if<Problem>(&amperes)) {
        complain(problemLine(*problem, decimalSeparator));
        return BadInput;
    }

    // One circuit is a schedule of one row: the same columns and the same
    // numbers in CSV and JSON.
    const Schedule schedule = singleCircuit(load, given);
    const ScheduleRow &row = schedule.rows.front();
    if (row.problem)
        complain(problemLine(*row.problem, decimalSeparator));
    switch (chosen) {
    case Format::Text:
        if (row.sizing)
            print(sizingLine(*row.sizing) + QLatin1Char('\n'));
        break;
    case Format::Csv:
        output(scheduleCsv(schedule));
        break;
    case Format::Json:
        output(scheduleRowJson(schedule, schedule.rows.front()) + "\n");
        break;
    }
    return row.problem ? Unanswered : Answered;
}

int CommandLine::sizeSchedule(const ConditionTexts &given, Format chosen)
{
    const QString path = value(schedule);
    std::optional<char> separatorGiven;
    if (!readSeparatorOption(separatorGiven))
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

    // The encoding: a byte-order mark names it; without one, UTF-8 where all
    // of the file is, Windows-1252 (a spreadsheet's plain CSV) where not.
    const ByteOrderMark mark = byteOrderMarkOf(input->peek(4).toStdString());
    Encoding encoding = mark.encoding;
    if (mark.length == 0) {
        Utf8Check check;
        for (;;) {
            const auto bytes = readPiece();
            if (!bytes)
                return readFailed();
            if (bytes->empty())
                break;
            check.feed(*bytes);
        }
        if (!check.valid()) {
            encoding = Encoding::Windows1252;
            complain(tr("%1 is not UTF-8: read as Windows-1252").arg(name));
        }
        input->seek(0);
    }

    ScheduleReader reader(given, separatorGiven);
    TextDecoder decoder(encoding);
    if (encoding != Encoding::Utf8) {
        // The answer is UTF-8, with UTF-8's own byte-order mark in place of
        // UTF-16's, and in front of what was Windows-1252: a spreadsheet
        // opening it then knows it for UTF-8 and shows the accents right.
        input->read(piece.data(), static_cast<qint64>(mark.length));
        reader.append(Utf8ByteOrderMark);
    }

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
            output(scheduleHeaderCsv(reader.layout()));
        else if (chosen == Format::Json)
            output("[");
        started = true;
    };
    const auto writeRow = [&](const ScheduleRow &row) {
        const Schedule &layout = reader.layout();
        start();
        if (row.problem && ++problemRows <= problemsNamed)
            complain(
                tr("line %1: %2")
                    .arg(QString::number(row.line), problemLine(*row.problem, decimalSeparator)));
        switch (chosen) {
        case Format::Csv:
            appendScheduleRowCsv(answer->pending(), layout, row);
            answer->flushIfFull();
            break;
        case Format::Json:
            output(anyRow ? ",\n  " : "\n  ");
            output(scheduleRowJson(layout, row));
            break;
        case Format::Text:
            if (!row.blank)
                print(tr("line %1: %2")
                          .arg(QString::number(row.line),
                               row.sizing ? sizingLine(*row.sizing)
                                          : problemLine(*row.problem, decimalSeparator)) +
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
        complain(tr("%1: %2").arg(name, problemLine(*error, decimalSeparator)));
        answer->abandon();
        return BadInput;
    }
    start(); // a header alone is a schedule of no rows
    if (chosen == Format::Json)
        output(anyRow ? "\n]\n" : "]\n");
    if (problemRows > problemsNamed)
        complain(tr("rows with a problem: %1 more, each named in the problem column")
                     .arg(problemRows - problemsNamed));
    return problemRows == 0 ? Answered : Unanswered;
}

int CommandLine::report()
{
    if (!onlyOptionsOf(QStringLiteral("report"), {&current, &schedule, &format}))
        return BadInput;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        complain(
            positional.size() < 2
                ? tr("report needs a schedule: report FILE --output REPORT.pdf")
                : tr("report takes one schedule: \"%1\" is one too many").arg(positional.last()));
        return BadInput;
    }
    if (!parser.isSet(outputFile)) {
        complain(tr("report needs --output REPORT.pdf"));
        return BadInput;
    }
    std::optional<char> separatorGiven;
    if (!readSeparatorOption(separatorGiven))
        return BadInput;
    std::vector<std::string> texts;
    const auto given = givenConditions(texts);
    if (!given || !readGivenConditions(*given))
        return BadInput;

    const QString &path = positional[1];
    ScheduleFile file(*given);
    if (!file.load(path, separatorGiven)) {
        complain(tr("%1: %2").arg(path, file.errorString()));
        return BadInput;
    }
    if (file.readAsWindows1252())
        complain(tr("%1 is not UTF-8: read as Windows-1252").arg(path));
    QString error;
    if (!schedulereport::writeReport(file, value(outputFile), &error)) {
        complain(tr("the report could not be written to %1: %2").arg(value(outputFile), error));
        return BadInput;
    }
    return summarize(file.schedule()).problems == 0 ? Answered : Unanswered;
}

int CommandLine::drop()
{
    const QString command = QStringLiteral("drop");
    if (!onlyOptionsOf(
            command, {&option(&ConditionTexts::insulation), &option(&ConditionTexts::ambient),
                      &option(&ConditionTexts::conductors), &option(&ConditionTexts::terminations),
                      &option(&ConditionTexts::breaker), &option(&ConditionTexts::continuous),
                      &option(&ConditionTexts::deviceRating), &option(&ConditionTexts::largest),
                      &option(&ConditionTexts::bondMaterial), &schedule}))
        return BadInput;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        complain(tr("drop needs one conductor size, as in drop 3 or drop 250kcmil"));
        return BadInput;
    }
    if (!parser.isSet(current) || !parser.isSet(option(&ConditionTexts::voltage))) {
        complain(tr("drop needs --current and --voltage"));
        return BadInput;
    }
    std::vector<std::string> texts;
    const auto given = givenConditions(texts);
    const auto read = given ? readGivenConditions(*given) : std::nullopt;
    if (!read)
        return BadInput;
    const Conditions &c = *read;
    if (c.sets == 0) {
        complain(tr("drop takes a number of sets, 1 to 10, not auto"));
        return BadInput;
    }
    const std::string currentText = toUtf8(value(current));
    const auto amperes = readLoad(currentText);
    if (std::holds_alternative<Problem>(amperes)) {
        Problem problem;
        problem.kind = Problem::Kind::CurrentNotPositive;
        problem.value = trimmed(currentText);
        complain(problemLine(problem, decimalSeparator));
        return BadInput;
    }
    const auto row = readWireSize(toUtf8(positional[1]), c.materialCode);
    if (const auto *problem = std::get_if<Problem>(&row)) {
        complain(problemLine(*problem, decimalSeparator));
        return BadInput;
    }
    const int wireSizeRow = std::get<int>(row);
    const std::size_t firstRow = c.materialCode == material::Copper ? 0 : 1;
    const std::string_view sizeText =
        WireSizeTexts[static_cast<std::size_t>(wireSizeRow) + firstRow];
    if (c.sets > 1 && !mayRunInParallel(c.materialCode, wireSizeRow)) {
        complain(tr("%1 is not run in parallel: Rule 12-108 allows 1/0 AWG and larger")
                     .arg(sizeName(sizeText)));
        return BadInput;
    }
    // Each of parallel sets carries its share, rounded up (Rule 12-108).
    const Amperes total = std::get<Amperes>(amperes);
    const Amperes load = (total + c.sets - 1) / c.sets;
    const bool withLength = c.run.length > 0;
    const auto drop =
        voltageDrop(c.materialCode, c.installationCode, c.cable, wireSizeRow, load, c.run);
    const auto longest =
        longestRun(c.materialCode, c.installationCode, c.cable, wireSizeRow, load, c.run);
    if (!longest) {
        Problem problem;
        problem.kind = Problem::Kind::SizeNotInTableD3;
        problem.sizeText = sizeText;
        complain(problemLine(problem, decimalSeparator));
        return BadInput;
    }
    const bool within = !withLength || (drop && drop->withinLimit);

    const auto chosen = chosenFormat(Format::Text);
    if (!chosen)
        return BadInput;
    // The answer's columns, and how JSON writes each.
    enum Kind
    {
        Text,
        Number,
        Boolean
    };
    const char *systems[] = {"1ph", "3ph", "dc"};
    const char *powerFactors[] = {"1", "0.9", "0.8"};
    const std::tuple<const char *, std::string, Kind> answer[] = {
        {"size", std::string(trimmed(sizeText)), Text},
        {"material", c.materialCode == material::Copper ? "cu" : "al", Text},
        {"current", scaledText(total, 4), Number},
        {"sets", std::to_string(c.sets), Number},
        {"voltage", scaledText(c.run.voltage, 2), Number},
        {"system", systems[static_cast<int>(c.run.system)], Text},
        {"power_factor",
         c.run.system == SupplySystem::DirectCurrent
             ? ""
             : powerFactors[static_cast<int>(c.run.powerFactor)],
         Number},
        {"k", scaledText(longest->k, 4), Number},
        {"length", withLength ? scaledText(c.run.length, 4) : "", Number},
        {"max_drop", scaledText(c.run.maxDrop, 2), Number},
        {"drop_volts", withLength ? scaledText(drop->volts, 2) : "", Number},
        {"drop_percent", withLength ? scaledText(drop->percent, 2) : "", Number},
        {"within_limit", withLength ? (within ? "true" : "false") : "", Boolean},
        {"max_length", withLength ? "" : scaledText(longest->metreTenths, 1), Number},
    };
    const QString currentWords =
        c.sets > 1 ? tr("%1 A in %2 parallel sets").arg(number(total, 4), QString::number(c.sets))
                   : tr("%1 A").arg(number(total, 4));
    std::string out;
    switch (*chosen) {
    case Format::Text:
        if (withLength)
            out = toUtf8(
                tr("%1: voltage drop %2 % (%3 V) over %4 at %5 V %6, %7; %8")
                    .arg(sizeName(sizeText), number(drop->percent, 2), number(drop->volts, 2),
                         lengthText(c.run), number(c.run.voltage, 2), systemName(c.run.system),
                         currentWords,
                         (within ? tr("within the %1 % allowed") : tr("above the %1 % allowed"))
                             .arg(number(c.run.maxDrop, 2))));
        else
            out = toUtf8(tr("%1: longest run %2 m (%3 ft) for a voltage drop of at most %4 % at "
                            "%5 V %6, %7")
                             .arg(sizeName(sizeText), number(longest->metreTenths, 1),
                                  number(longest->footTenths, 1), number(c.run.maxDrop, 2),
                                  number(c.run.voltage, 2), systemName(c.run.system),
                                  currentWords));
        out += "\n";
        break;
    case Format::Csv: {
        std::string header, cells;
        for (const auto &[name, cell, kind] : answer) {
            const char *separator = header.empty() ? "" : ",";
            header += separator + std::string(name);
            cells += separator + csvField(cell);
        }
        out = header + "\n" + cells + "\n";
        break;
    }
    case Format::Json:
        for (const auto &[name, cell, kind] : answer) {
            out += out.empty() ? "{" : ", ";
            out += jsonString(name) + ": ";
            out += cell.empty() ? "null" : kind == Text ? jsonString(cell) : cell;
        }
        out += "}\n";
        break;
    }
    output(out);
    return within ? Answered : Unanswered;
}

int CommandLine::table()
{
    const QStringList positional = parser.positionalArguments();
    for (const QCommandLineOption *sizingOnly : sizingOptions()) {
        if (parser.isSet(*sizingOnly)) {
            complain(tr("--%1 is for size, not for table").arg(sizingOnly->names().first()));
            return BadInput;
        }
    }
    if (positional.size() != 2) {
        complain(tr("table needs one table number, 1 to 4"));
        return BadInput;
    }
    const QString number = positional[1].trimmed();
    const int table = number.size() == 1 ? number.toInt() : 0;
    if (table < 1 || table > 4) {
        complain(tr("the table \"%1\" is not 1, 2, 3 or 4").arg(positional[1]));
        return BadInput;
    }
    const auto chosen = chosenFormat(Format::Text);
    if (!chosen)
        return BadInput;

    // Tables 1 and 2 are copper, 3 and 4 aluminum; 1 and 3 free air, 2 and 4
    // raceway or cable. Columns in the order of the printed Code.
    const std::int16_t materialCode = table <= 2 ? material::Copper : material::Aluminum;
    const std::int16_t installationCode =
        table % 2 == 0 ? installation::RacewayOrCable : installation::FreeAir;
    const std::int16_t ratings[] = {insulation::Rated60C, insulation::Rated75C,
                                    insulation::Rated90C};
    const char *ratingNames[] = {"60C", "75C", "90C"};
    std::optional<AmpacityColumn> columns[3];
    for (int c = 0; c < 3; ++c)
        columns[c] = selectAmpacityColumn(materialCode, installationCode, ratings[c]);
    const std::size_t firstRow = materialCode == material::Copper ? 0 : 1;
    const std::size_t rows = columns[0]->texts.size();

    std::string out;
    switch (*chosen) {
    case Format::Text: {
        QStringList sizes;
        auto sizeWidth = tr("Wire size").size();
        for (std::size_t row = 0; row < rows; ++row) {
            sizes << qtbridge::translatedWireSize(WireSizeTexts[row + firstRow]).trimmed();
            sizeWidth = std::max(sizeWidth, sizes.last().size());
        }
        constexpr int ampacityWidth = 9;
        QString text = qtbridge::translatedCaption(columns[0]->title) + QLatin1Char('\n');
        text += tr("Wire size").leftJustified(sizeWidth);
        for (const char *degrees : {"60", "75", "90"})
            text += tr("%1\u00A0°C").arg(QLatin1String(degrees)).rightJustified(ampacityWidth);
        text += QLatin1Char('\n');
        for (std::size_t row = 0; row < rows; ++row) {
            text += sizes[int(row)].rightJustified(sizeWidth);
            for (const auto &column : columns)
                text += toQString(trimmed(column->texts[row])).rightJustified(ampacityWidth);
            text += QLatin1Char('\n');
        }
        out = toUtf8(text);
        break;
    }
    case Format::Csv:
    case Format::Json: {
        const bool csv = *chosen == Format::Csv;
        out = csv ? "size,60C,75C,90C\n" : "[";
        for (std::size_t row = 0; row < rows; ++row) {
            const std::string size(trimmed(WireSizeTexts[row + firstRow]));
            if (csv) {
                out += size;
                for (const auto &column : columns)
                    out += "," + std::to_string(column->amperes[row]);
                out += "\n";
                continue;
            }
            out += row == 0 ? "\n  {" : ",\n  {";
            out += "\"size\": " + jsonString(size);
            for (int c = 0; c < 3; ++c)
                out += ", \"" + std::string(ratingNames[c]) +
                       "\": " + std::to_string(columns[c]->amperes[row]);
            out += "}";
        }
        if (!csv)
            out += "\n]\n";
        break;
    }
    }
    output(out);
    return Answered;
}

int CommandLine::run(const QStringList &arguments)
{
    parser.setApplicationDescription(
        tr("Allowable ampacity of insulated conductors from the Canadian Electrical Code.\n"
           "Without a command, opens the calculator's window.\n"
           "\n"
           "Commands:\n"
           "  size LOAD              the smallest conductor whose allowable ampacity carries\n"
           "                         LOAD amperes, within its terminations' rating, as a\n"
           "                         continuous load unless --continuous no, protected by\n"
           "                         its breaker (given, or chosen) and, with --length and\n"
           "                         --voltage, within the voltage drop allowed; with its\n"
           "                         breaker, bonding conductor and parallel sets\n"
           "  size --schedule FILE   the same for every row of a cable schedule\n"
           "  drop SIZE --current I --voltage V [--length L]\n"
           "                         the voltage drop of a conductor over a run, or without\n"
           "                         --length the longest run within --max-drop\n"
           "  table N                Table N (1 to 4) with its 60, 75 and 90 °C columns\n"
           "  report FILE --output REPORT.pdf\n"
           "                         the report of a sized schedule, as the schedule\n"
           "                         window exports it\n"
           "\n"
           "torvane FILE, a schedule without a command, opens it in the schedule window.\n"
           "\n"
           "Exit status: 0 answered; 1 a load no conductor carries (or none its breaker\n"
           "protects, or a breaker too small for it), a drop above the limit, or schedule\n"
           "rows with a problem (the other rows are sized); 2 bad input."));
    parser.addPositionalArgument(QStringLiteral("command"), tr("size, drop, table or report"),
                                 QStringLiteral("command"));
    parser.addPositionalArgument(QStringLiteral("value"),
                                 tr("the load in amperes, the conductor size, the table number, or "
                                    "the schedule to report"),
                                 QStringLiteral("[LOAD|SIZE|N|FILE]"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const QCommandLineOption &o : conditionOptions)
        parser.addOption(o);
    parser.addOptions({schedule, separator, current, format, outputFile});

    if (!parser.parse(arguments)) {
        complain(parser.errorText());
        return BadInput;
    }
    Output sink;
    answer = &sink;
    int status = Answered;
    if (parser.isSet(help)) {
        print(parser.helpText());
    } else if (parser.isSet(version)) {
        print(QCoreApplication::applicationName() + QLatin1Char(' ') +
              QCoreApplication::applicationVersion() + QLatin1Char('\n'));
    } else {
        // The report writes its PDF itself; every other answer goes through the sink.
        const QString command = parser.positionalArguments().value(0);
        if (parser.isSet(outputFile) && command != QLatin1String("report") &&
            !sink.toFile(value(outputFile))) {
            complain(tr("%1: %2").arg(value(outputFile), sink.errorString()));
            return BadInput;
        }
        status = runCommand(command);
    }
    if (status == BadInput) {
        sink.abandon(); // nothing half-written
        return status;
    }
    if (!sink.finish()) {
        complain(parser.isSet(outputFile)
                     ? tr("the answer could not be written to %1: %2")
                           .arg(value(outputFile), sink.errorString())
                     : tr("the answer could not be written to standard output"));
        return BadInput;
    }
    return status;
}

int CommandLine::runCommand(const QString &name)
{
    if (name == QLatin1String("size"))
        return size();
    if (name == QLatin1String("table"))
        return table();
    if (name == QLatin1String("drop"))
        return drop();
    if (name == QLatin1String("report"))
        return report();
    if (name.isEmpty())
        complain(tr("the options need a command: size, drop, table, report, or --help"));
    else
        complain(tr("unknown command \"%1\": try size, drop, table, report or --help").arg(name));
    return BadInput;
}

} // namespace

namespace {

// What the program's arguments hold: whether one is a help or version flag
// or one of the command line's options, and the first word that is neither
// an option nor an option's value.
struct ArgumentsRead
{
    bool commandLineOption = false;
    std::string_view firstWord;
};

ArgumentsRead readArguments(int argc, char **argv)
{
    // The command line's options, which all take a value (the conditions'
    // names with a hyphen for the underscore), and Qt's window options that
    // take one: their values are not words.
    constexpr std::string_view otherOptions[] = {"schedule", "separator", "current", "format",
                                                 "output"};
    const auto ours = [&](std::string_view name) {
        for (const ConditionField &field : ConditionFields) {
            std::string option(field.name);
            std::replace(option.begin(), option.end(), '_', '-');
            if (option == name)
                return true;
        }
        return std::find(std::begin(otherOptions), std::end(otherOptions), name) !=
               std::end(otherOptions);
    };
    constexpr std::string_view qtOptions[] = {
        "-platform", "-platformpluginpath", "-platformtheme", "-plugin",     "-qmljsdebugger",
        "-style",    "-stylesheet",         "-session",       "-display",    "-geometry",
        "-title",    "-qwindowgeometry",    "-qwindowtitle",  "-qwindowicon"};
    const auto among = [](const auto &list, std::string_view name) {
        return std::find(std::begin(list), std::end(list), name) != std::end(list);
    };
    ArgumentsRead read;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        for (std::string_view flag : {"--help", "-h", "-?", "/?", "--version", "-v", "--help-all"})
            if (argument == flag)
                read.commandLineOption = true;
        if (argument.starts_with("--")) {
            const std::size_t equals = argument.find('=');
            const std::string_view name = argument.substr(2, equals - 2);
            if (ours(name)) {
                read.commandLineOption = true;
                if (equals == std::string_view::npos)
                    ++i; // its value
            }
            continue;
        }
        if (argument.starts_with("-") && argument.size() > 1) {
            if (among(qtOptions, argument))
                ++i; // its value
            continue;
        }
        if (read.firstWord.empty())
            read.firstWord = argument;
    }
    return read;
}

// A word that names a schedule rather than a mistyped command: it has an
// extension or a folder in it. The window says so if the file is not there.
bool looksLikeFile(std::string_view word)
{
    return word.find_first_of("./\\:") != std::string_view::npos;
}

} // namespace

bool asksForCommandLine(int argc, char **argv)
{
    const ArgumentsRead read = readArguments(argc, argv);
    if (read.commandLineOption)
        return true;
    // A word: a command, known or not, unless it names a schedule to open.
    return !read.firstWord.empty() && !looksLikeFile(read.firstWord);
}

int run(const QStringList &arguments)
{
    return CommandLine().run(arguments);
}

int runProgram(int argc, char *argv[])
{
    console::attachToParentConsole();
    // The report draws its pages: it needs Qt Gui's fonts, not a display.
    std::unique_ptr<QCoreApplication> app;
    if (readArguments(argc, argv).firstWord == "report") {
        platform::drawWithoutWindows();
        // Qt's notes on the desktop it finds (no runtime folder without a
        // session, say) are not the report's business: it says what it has
        // to say in its own lines.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                console::write(console::Stream::Error, toUtf8(text) + "\n");
        });
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    about::nameTheProgram();
    installTranslations(*app);
    return run(QCoreApplication::arguments());
}

} // namespace commandline
