#pragma once

#include "ConductorSizing.h"

#include <QCommandLineOption>
#include <QList>

#include <span>
#include <string_view>

// The command line's options, listed once: the parser is built from this
// list, and so is the reading of the program's arguments that decides
// between the command line and a window.
namespace commandline {

struct OptionEntry
{
    std::string_view name;   // --name
    const char *valueName;   // in --help: --name VALUE
    const char *description; // marked for translation in the context "CommandLine"
};

// Whether --name is one of them, and whether it takes a value (--solid is
// a flag).
bool isOption(std::string_view name);
bool optionTakesValue(std::string_view name);

// The options as Qt's parser takes them, their descriptions in the user's
// language.
class Options
{
public:
    Options();

    const QCommandLineOption &condition(std::size_t field) const
    {
        return m_all[static_cast<qsizetype>(field)];
    }
    const QCommandLineOption &
    condition(std::string_view ampacity::sizing::ConditionTexts::*text) const;
    const QCommandLineOption &schedule() const { return named("schedule"); }
    const QCommandLineOption &current() const { return named("current"); }
    const QCommandLineOption &separator() const { return named("separator"); }
    const QCommandLineOption &output() const { return named("output"); }
    const QCommandLineOption &format() const { return named("format"); }
    const QCommandLineOption &tradeSize() const { return named("size"); }
    const QCommandLineOption &sheet() const { return named("sheet"); }
    const QList<QCommandLineOption> &all() const { return m_all; }

private:
    const QCommandLineOption &named(std::string_view name) const;

    QList<QCommandLineOption> m_all;
};

} // namespace commandline
