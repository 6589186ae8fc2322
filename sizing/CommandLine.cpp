#include "CommandLine.h"

#include "AmpacityTables.h"
#include "ConsoleStreams.h"
#include "CorrectedAmpacity.h"
#include "QtBridge.h"
#include "Schedule.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <cstring>

using namespace ampacity;
using namespace ampacity::sizing;
using qtbridge::toQString;
using qtbridge::toUtf8;

namespace commandline {
namespace {

void print(const QString &text)
{
    console::write(console::Stream::Output, toUtf8(text));
}

// One line on standard error, after the program's name.
void complain(const QString &text)
{
    console::write(console::Stream::Error, "torvane: " + toUtf8(text) + "\n");
}

// A problem in the user's language, numbers with the user's decimal separator.
QString problemLine(const Problem &problem, const std::string &decimalSeparator)
{
    const ProblemText text = problemText(problem, decimalSeparator);
    const QString format = QCoreApplication::translate("Sizing", std::string(text.format).c_str());
    return toQString(fillIn(toUtf8(format), text.arguments));
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

    QCommandLineOption material{QStringLiteral("material"),
                                tr("Conductor material: cu or al (cu)."), QStringLiteral("cu|al")};
    QCommandLineOption installation{QStringLiteral("installation"),
                                    tr("raceway (in a raceway or cable, Tables 2 and 4) or "
                                       "free-air (Tables 1 and 3) (raceway)."),
                                    QStringLiteral("raceway|free-air")};
    QCommandLineOption insulation{QStringLiteral("insulation"),
                                  tr("Insulation temperature rating, °C: 60, 75 or 90 (60)."),
                                  QStringLiteral("60|75|90")};
    QCommandLineOption ambient{
        QStringLiteral("ambient"),
        tr("Ambient temperature, °C (30). Between two rows of Table 5A the hotter row applies; "
           "at or below 30 °C, none."),
        QStringLiteral("C")};
    QCommandLineOption conductors{
        QStringLiteral("conductors"),
        tr("Current-carrying conductors run together (1): the groups of Table 5C in a raceway or "
           "cable, 1 to 4 of Table 5B in free air."),
        QStringLiteral("N")};
    QCommandLineOption schedule{
        QStringLiteral("schedule"),
        tr("Size every row of a cable schedule: a CSV file whose header names a load column, and "
           "optionally material, installation, insulation, ambient and conductors; - reads "
           "standard input."),
        QStringLiteral("FILE")};
    QCommandLineOption format{QStringLiteral("format"),
                              tr("Output: text (in your language), csv or json (decimal point, "
                                 "English names). Text for one load, csv for a schedule."),
                              QStringLiteral("text|csv|json")};

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

    // One conductor in a line of text, as the window would show it.
    QString sizingLine(const Sizing &sizing) const
    {
        const QString tables = sizing.correctionTables.empty()
                                   ? tr("no correction applied")
                                   : qtbridge::translatedCaption(sizing.correctionCaption);
        return tr("%1, %2 A from Table %3, %4, %5")
            .arg(qtbridge::translatedWireSize(sizing.sizeText).trimmed(),
                 QString::number(sizing.tableAmpacity), QString::number(sizing.tableNumber),
                 toQString(correctedAmpacityText(sizing.correctedAmp, sizing.ambientFactor,
                                                 sizing.countFactor, decimalSeparator)),
                 tables);
    }

    int size();
    int sizeOneLoad(const std::string &load, const ConditionTexts &given,
                    const Conditions &conditions, Format chosen);
    int sizeSchedule(const ConditionTexts &given, Format chosen);
    int table();
};

int CommandLine::size()
{
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
    const std::string texts[] = {toUtf8(value(material)), toUtf8(value(installation)),
                                 toUtf8(value(insulation)), toUtf8(value(ambient)),
                                 toUtf8(value(conductors))};
    const ConditionTexts given{texts[0], texts[1], texts[2], texts[3], texts[4]};
    for (const auto &[option, text] : {std::pair{&material, given.material},
                                       {&installation, given.installation},
                                       {&insulation, given.insulation},
                                       {&ambient, given.ambient},
                                       {&conductors, given.conductors}}) {
        if (parser.isSet(*option) && text.find_first_not_of(" \t") == std::string_view::npos) {
            complain(tr("--%1 needs a value").arg(option->names().first()));
            return BadInput;
        }
    }
    const auto conditions = readConditions(given);
    if (const auto *problem = std::get_if<Problem>(&conditions)) {
        complain(problemLine(*problem, decimalSeparator));
        return BadInput;
    }

    const auto chosen = chosenFormat(fromSchedule ? Format::Csv : Format::Text);
    if (!chosen)
        return BadInput;
    if (fromSchedule)
        return sizeSchedule(given, *chosen);
    return sizeOneLoad(toUtf8(positional[1]), given, std::get<Conditions>(conditions), *chosen);
}

int CommandLine::sizeOneLoad(const std::string &load, const ConditionTexts &given,
                             const Conditions &conditions, Format chosen)
{
    const auto hundredths = readLoad(load);
    if (const auto *problem = std::get_if<Problem>(&hundredths)) {
        complain(problemLine(*problem, decimalSeparator));
        return BadInput;
    }

    // One circuit is a schedule of one row: the same columns and the same
    // numbers in CSV and JSON.
    Schedule schedule;
    schedule.columns = {"load", "material", "installation", "insulation", "ambient", "conductors"};
    ScheduleRow row;
    row.line = 1;
    row.cells.push_back(load);
    for (const auto field :
         {&ConditionTexts::material, &ConditionTexts::installation, &ConditionTexts::insulation,
          &ConditionTexts::ambient, &ConditionTexts::conductors})
        row.cells.emplace_back((given.*field).empty() ? DefaultConditionTexts.*field
                                                      : given.*field);
    auto answer = sizeFor(std::get<LoadHundredths>(hundredths), conditions);
    if (auto *problem = std::get_if<Problem>(&answer)) {
        problem->value = trimmed(load);
        row.problem = *problem;
    } else {
        row.sizing = std::get<Sizing>(answer);
    }
    schedule.rows.push_back(row);

    if (row.problem)
        complain(problemLine(*row.problem, decimalSeparator));
    switch (chosen) {
    case Format::Text:
        if (row.sizing)
            print(sizingLine(*row.sizing) + QLatin1Char('\n'));
        break;
    case Format::Csv:
        console::write(console::Stream::Output, scheduleCsv(schedule));
        break;
    case Format::Json:
        console::write(console::Stream::Output, scheduleRowJson(schedule, 0) + "\n");
        break;
    }
    return row.problem ? Unanswered : Answered;
}

int CommandLine::sizeSchedule(const ConditionTexts &given, Format chosen)
{
    const QString path = value(schedule);
    std::string csv;
    if (path == QLatin1String("-")) {
        if (!console::readStandardInput(csv)) {
            complain(tr("standard input cannot be read"));
            return BadInput;
        }
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            complain(tr("%1: %2").arg(path, file.errorString()));
            return BadInput;
        }
        csv = file.readAll().toStdString();
    }

    const Schedule schedule = sizing::sizeSchedule(csv, given);
    if (schedule.error) {
        complain(tr("%1: %2").arg(path, problemLine(*schedule.error, decimalSeparator)));
        return BadInput;
    }

    std::string problems;
    for (const ScheduleRow &row : schedule.rows)
        if (row.problem)
            problems += "torvane: " +
                        toUtf8(tr("line %1: %2")
                                   .arg(QString::number(row.line),
                                        problemLine(*row.problem, decimalSeparator))) +
                        "\n";
    console::write(console::Stream::Error, problems);

    switch (chosen) {
    case Format::Csv:
        console::write(console::Stream::Output, scheduleCsv(schedule));
        break;
    case Format::Json:
        console::write(console::Stream::Output, scheduleJson(schedule));
        break;
    case Format::Text: {
        QString text;
        for (const ScheduleRow &row : schedule.rows) {
            const QString answer =
                row.sizing ? sizingLine(*row.sizing) : problemLine(*row.problem, decimalSeparator);
            text += tr("line %1: %2").arg(QString::number(row.line), answer) + QLatin1Char('\n');
        }
        print(text);
        break;
    }
    }
    return problems.empty() ? Answered : Unanswered;
}

int CommandLine::table()
{
    const QStringList positional = parser.positionalArguments();
    for (const QCommandLineOption *sizingOnly :
         {&material, &installation, &insulation, &ambient, &conductors, &schedule}) {
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
        int sizeWidth = tr("Wire size").size();
        for (std::size_t row = 0; row < rows; ++row) {
            sizes << qtbridge::translatedWireSize(WireSizeTexts[row + firstRow]).trimmed();
            sizeWidth = std::max(sizeWidth, int(sizes.last().size()));
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
    console::write(console::Stream::Output, out);
    return Answered;
}

int CommandLine::run(const QStringList &arguments)
{
    parser.setApplicationDescription(
        tr("Allowable ampacity of insulated conductors from the Canadian Electrical Code.\n"
           "Without a command, opens the calculator's window.\n"
           "\n"
           "Commands:\n"
           "  size LOAD              the smallest conductor whose corrected ampacity, as the\n"
           "                         window shows it, is at least LOAD amperes\n"
           "  size --schedule FILE   the same for every row of a cable schedule\n"
           "  table N                Table N (1 to 4) with its 60, 75 and 90 °C columns\n"
           "\n"
           "Exit status: 0 answered; 1 a load no conductor carries, or schedule rows with\n"
           "a problem (the other rows are sized); 2 bad input."));
    parser.addPositionalArgument(QStringLiteral("command"), tr("size or table"),
                                 QStringLiteral("command"));
    parser.addPositionalArgument(QStringLiteral("value"),
                                 tr("the load in amperes, or the table number"),
                                 QStringLiteral("[LOAD|N]"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({material, installation, insulation, ambient, conductors, schedule, format});

    if (!parser.parse(arguments)) {
        complain(parser.errorText());
        return BadInput;
    }
    if (parser.isSet(help)) {
        print(parser.helpText());
        return Answered;
    }
    if (parser.isSet(version)) {
        print(QCoreApplication::applicationName() + QLatin1Char(' ') +
              QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        return Answered;
    }

    const QString name = parser.positionalArguments().value(0);
    if (name == QLatin1String("size"))
        return size();
    if (name == QLatin1String("table"))
        return table();
    complain(tr("unknown command \"%1\": try size, table or --help").arg(name));
    return BadInput;
}

} // namespace

bool asksForCommandLine(int argc, char **argv)
{
    if (argc < 2)
        return false;
    const char *first = argv[1];
    for (const char *option : {"--help", "-h", "-?", "/?", "--version", "-v", "--help-all"})
        if (std::strcmp(first, option) == 0)
            return true;
    // Any other word is a command, known or not; an option is Qt's, for the window.
    return first[0] != '-';
}

int run(const QStringList &arguments)
{
    return CommandLine().run(arguments);
}

} // namespace commandline
