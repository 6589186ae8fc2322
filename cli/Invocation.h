#pragma once

#include "AnswerOutput.h"
#include "CommandLine.h"
#include "ConductorSizing.h"
#include "Options.h"
#include "QtText.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "Fields.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One run of the command line: the arguments as parsed, the options, where
// the answer goes, and the readings every command shares. Its texts are
// translated in the context "CommandLine".
namespace commandline {

enum class Format
{
    Text,
    Csv,
    Json
};

// One line on standard error, after the program's name.
void complain(const QString &text);

class Invocation
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    Invocation(const QCommandLineParser &parser, const Options &options, Output &answer);

    const Options &options() const { return m_options; }
    bool isSet(const QCommandLineOption &option) const { return m_parser.isSet(option); }
    QString value(const QCommandLineOption &option) const { return m_parser.value(option); }
    QStringList positional() const { return m_parser.positionalArguments(); }
    Output &answer() const { return m_answer; }
    const std::string &decimalSeparator() const { return m_decimalSeparator; }

    void output(std::string_view utf8) const { m_answer.write(utf8); }
    void print(const QString &text) const;
    // A scaled number with the user's decimal separator.
    QString number(std::int64_t value, int decimals) const;

    // --format, or the command's own when not given; nothing once a bad one is told.
    std::optional<Format> chosenFormat(Format fallback) const;
    // Options that belong to other commands are refused, not ignored.
    bool onlyOptionsOf(const QString &command,
                       std::initializer_list<const QCommandLineOption *> foreign) const;
    // The conditions' texts as given; an option given with nothing after it
    // is refused. The texts live in `storage`.
    std::optional<ampacity::sizing::ConditionTexts>
    givenConditions(std::vector<std::string> &storage) const;
    // The conditions the options give, or nothing once the problem is told.
    std::optional<ampacity::sizing::Conditions>
    readGivenConditions(const ampacity::sizing::ConditionTexts &given) const;
    // One answer as the format asks: the text line (with its line end), or
    // the fields as a CSV header and row, or as a JSON object.
    void writeAnswer(Format chosen, const QString &text,
                     std::span<const ampacity::sizing::Field> fields) const;
    // --separator as a character into `chosen`, left empty without one (the
    // header's own then); false once a bad one is told.
    bool readSeparatorOption(std::optional<char> &chosen) const;

private:
    const QCommandLineParser &m_parser;
    const Options &m_options;
    Output &m_answer;
    std::string m_decimalSeparator;
};

} // namespace commandline
