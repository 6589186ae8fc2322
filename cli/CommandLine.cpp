#include "CommandLine.h"

#include "AnswerOutput.h"
#include "ConsoleStreams.h"
#include "Desktop.h"
#include "DropCommand.h"
#include "FillCommand.h"
#include "Invocation.h"
#include "Options.h"
#include "OutputFile.h"
#include "ProgramIdentity.h"
#include "QtText.h"
#include "ReportCommand.h"
#include "SizeCommand.h"
#include "TableCommand.h"
#include "Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <memory>

using qtbridge::toUtf8;

namespace commandline {
namespace {

// The commands, found by their word.
template <typename Command> int runCommand(const Invocation &run)
{
    return Command(run).run();
}
struct CommandEntry
{
    const char *word;
    int (*run)(const Invocation &);
};
constexpr CommandEntry Commands[] = {
    {"size", runCommand<SizeCommand>},     {"table", runCommand<TableCommand>},
    {"drop", runCommand<DropCommand>},     {"fill", runCommand<FillCommand>},
    {"report", runCommand<ReportCommand>},
};

// The parser and the dispatch. Its texts are translated in the context
// "CommandLine".
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    int run(const QStringList &arguments);

private:
    int runCommand(const Invocation &run, const QString &name) const;

    QCommandLineParser parser;
    Options options;
};

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
           "  fill GROUP... --raceway TYPE [--size TRADE]\n"
           "                         the smallest trade size of a raceway that holds the\n"
           "                         conductors (GROUP: 3x6, 4x1/0, 1x10:TWN75), or one\n"
           "                         size's fill, or how many of one conductor it holds\n"
           "                         (GROUP without a count: 12:T90)\n"
           "  table N                Table N (1 to 4) with its 60, 75 and 90 °C columns\n"
           "  report FILE --output REPORT.pdf\n"
           "                         the report of a sized schedule, as the schedule\n"
           "                         window exports it\n"
           "\n"
           "torvane FILE, a schedule without a command, opens it in the schedule window.\n"
           "\n"
           "Exit status: 0 answered; 1 a load no conductor carries (or none its breaker\n"
           "protects, or a breaker too small for it), a drop above the limit, conductors no\n"
           "trade size holds, or schedule rows with a problem (the other rows are sized);\n"
           "2 bad input."));
    parser.addPositionalArgument(QStringLiteral("command"), tr("size, drop, fill, table or report"),
                                 QStringLiteral("command"));
    parser.addPositionalArgument(QStringLiteral("value"),
                                 tr("the load in amperes, the conductor size, the conductors to "
                                    "fill a raceway with, the table number, or the schedule to "
                                    "report"),
                                 QStringLiteral("[LOAD|SIZE|GROUP...|N|FILE]"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions(options.all());

    if (!parser.parse(arguments)) {
        complain(parser.errorText());
        return BadInput;
    }
    Output sink;
    const Invocation invocation(parser, options, sink);
    const QCommandLineOption &outputFile = options.output();
    int status = Answered;
    if (parser.isSet(help)) {
        invocation.print(parser.helpText());
    } else if (parser.isSet(version)) {
        invocation.print(QCoreApplication::applicationName() + QLatin1Char(' ') +
                         QCoreApplication::applicationVersion() + QLatin1Char('\n'));
    } else {
        // The report writes its PDF itself; every other answer goes through the sink.
        const QString command = parser.positionalArguments().value(0);
        // The answer is text, or (size --schedule) the workbook it was read
        // from: a workbook's name holds no other.
        const QString output = parser.value(outputFile);
        const QString suffix = QFileInfo(output).suffix().toLower();
        const bool workbookName = suffix == QLatin1String("xlsx") || suffix == QLatin1String("ods");
        if (parser.isSet(outputFile) && command != QLatin1String("report") &&
            (suffix == QLatin1String("xls") ||
             (workbookName && command != QLatin1String("size")))) {
            complain(tr("%1: the answer is written as CSV or JSON text, or into the .xlsx or .ods "
                        "workbook size --schedule read: give a .csv name")
                         .arg(output));
            return BadInput;
        }
        if (parser.isSet(outputFile) && command != QLatin1String("report") &&
            !sink.toFile(output)) {
            complain(tr("%1: %2").arg(parser.value(outputFile), sink.errorString()));
            return BadInput;
        }
        status = runCommand(invocation, command);
    }
    if (status == BadInput) {
        sink.abandon(); // nothing half-written
        return status;
    }
    if (!sink.finish()) {
        const bool toFile =
            parser.isSet(outputFile) &&
            OutputFile::kindOf(parser.value(outputFile)) != OutputFile::Kind::StandardOutput;
        complain(toFile ? tr("the answer could not be written to %1: %2")
                              .arg(parser.value(outputFile), sink.errorString())
                        : tr("the answer could not be written to standard output"));
        return BadInput;
    }
    return status;
}

int CommandLine::runCommand(const Invocation &run, const QString &name) const
{
    for (const CommandEntry &command : Commands)
        if (name == QLatin1String(command.word))
            return command.run(run);
    if (name.isEmpty())
        complain(tr("the options need a command: size, drop, fill, table, report, or --help"));
    else
        complain(
            tr("unknown command \"%1\": try size, drop, fill, table, report or --help").arg(name));
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
    // The command line's options that take a value, and Qt's window
    // options that take one: their values are not words.
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
            if (isOption(name)) {
                read.commandLineOption = true;
                if (equals == std::string_view::npos && optionTakesValue(name))
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
