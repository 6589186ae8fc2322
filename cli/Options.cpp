#include "Options.h"

#include <QCoreApplication>

#include <algorithm>

using ampacity::sizing::ConditionFields;
using ampacity::sizing::ConditionTexts;

namespace commandline {
namespace {

// The commands' own options; each of a circuit's conditions is an option
// too, from its row of ConditionFields (a schedule's column "power_factor"
// is the option "--power-factor"), and comes first.
constexpr OptionEntry Entries[] = {
    {"schedule", "FILE",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Size every row of a cable schedule: a CSV file whose header names a load "
                       "column and, optionally, columns named like these options (power_factor, "
                       "max_drop); - reads standard input.")},
    {"sheet", "NAME|N",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The sheet of a workbook (.xlsx, .ods) the schedule is on: its name, or its "
                       "number from 1 (the first).")},
    {"separator", ",|;|tab",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The schedule's separator: , or ; or tab (the header's own: the most "
                       "frequent of them). A semicolon or tab schedule may write decimals with a "
                       "comma.")},
    {"current", "I",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The current the drop command works the drop out for, amperes.")},
    {"size", "TRADE",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The trade size fill checks, as its metric designator (21) or inch name "
                       "(3/4); without it the smallest that holds the conductors.")},
    {"format", "text|csv|json",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Output: text (in your language), csv or json (decimal point, English "
                       "names). Text for one load, csv for a schedule.")},
    {"output", "FILE",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Write the answer to FILE rather than to standard output, whole or not at "
                       "all: through a temporary file renamed at the end (FILE may be the "
                       "schedule itself). A schedule read from a workbook goes back into a "
                       ".xlsx or .ods FILE of its format.")},
};

// A condition's option is named as its schedule column, a hyphen for the
// underscore.
bool namedAsColumn(std::string_view option, std::string_view column)
{
    if (option.size() != column.size())
        return false;
    for (std::size_t c = 0; c < option.size(); ++c)
        if (option[c] != (column[c] == '_' ? '-' : column[c]))
            return false;
    return true;
}

} // namespace

bool isOption(std::string_view name)
{
    return std::any_of(std::begin(ConditionFields), std::end(ConditionFields),
                       [&](const auto &field) { return namedAsColumn(name, field.name); }) ||
           std::any_of(std::begin(Entries), std::end(Entries),
                       [&](const OptionEntry &entry) { return entry.name == name; });
}

bool optionTakesValue(std::string_view name)
{
    for (const auto &field : ConditionFields)
        if (namedAsColumn(name, field.name))
            return *field.valueName != '\0';
    return true;
}

Options::Options()
{
    const auto add = [this](std::string_view name, const char *description, const char *valueName) {
        m_all.append(QCommandLineOption(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
                .replace(QLatin1Char('_'), QLatin1Char('-')),
            QCoreApplication::translate("CommandLine", description), QString::fromUtf8(valueName)));
    };
    for (const auto &field : ConditionFields)
        add(field.name, field.description, field.valueName);
    for (const OptionEntry &entry : Entries)
        add(entry.name, entry.description, entry.valueName);
}

const QCommandLineOption &Options::condition(std::string_view ConditionTexts::*text) const
{
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        if (ConditionFields[field].text == text)
            return m_all[static_cast<qsizetype>(field)];
    return m_all.front();
}

const QCommandLineOption &Options::named(std::string_view name) const
{
    constexpr auto conditions = static_cast<qsizetype>(std::size(ConditionFields));
    for (qsizetype o = 0; o < static_cast<qsizetype>(std::size(Entries)); ++o)
        if (Entries[o].name == name)
            return m_all[conditions + o];
    return m_all.front();
}

} // namespace commandline
