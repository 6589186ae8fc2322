#include "Options.h"

#include <QCoreApplication>

#include <algorithm>

using ampacity::sizing::ConditionFields;
using ampacity::sizing::ConditionTexts;

namespace commandline {
namespace {

// Every option: one for each of a circuit's conditions, in the order of
// ConditionFields (a schedule's column "power_factor" is the option
// "--power-factor"), then the commands' own.
constexpr OptionEntry Entries[] = {
    {"material", "cu|al", QT_TRANSLATE_NOOP("CommandLine", "Conductor material: cu or al (cu).")},
    {"installation", "raceway|cable|free-air",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "raceway (in a raceway, Tables 2 and 4), cable (as raceway; Table D3's cable "
         "column) or free-air (Tables 1 and 3) (raceway).")},
    {"insulation", "60|75|90",
     QT_TRANSLATE_NOOP("CommandLine", "Insulation temperature rating, °C: 60, 75 or 90 (60).")},
    {"ambient", "C",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Ambient temperature, °C (30). Between two rows of Table 5A the hotter row "
                       "applies; at or below 30 °C, none.")},
    {"conductors", "N",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Current-carrying conductors run together (1): the groups of Table 5C in a "
                       "raceway or cable, 1 to 4 of Table 5B in free air.")},
    {"terminations", "auto|60|75|90|none",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Temperature rating of the terminations, Rule 4-006: auto (60 °C up to a "
                       "100 A breaker, given or chosen, or with --breaker none up to No. 1 AWG; "
                       "75 °C above), 60, 75, 90 or none (the table alone) (auto).")},
    {"breaker", "A|none",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Rating of the breaker or fuse protecting the circuit, amperes, checked "
                       "against the load (Rule 8-104) and the conductor (Rule 14-104, Table 13); "
                       "without it the smallest standard rating that carries the load is chosen; "
                       "none for a circuit whose protection another Rule decides (motors, "
                       "heating). It decides auto terminations.")},
    {"length", "L",
     QT_TRANSLATE_NOOP("CommandLine",
                       "One-way length of the run, metres (or feet: 150ft), to check the voltage "
                       "drop (Rule 8-102, Table D3).")},
    {"voltage", "V",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Nominal voltage, line to line in three-phase; needed with --length.")},
    {"system", "1ph|3ph|dc", QT_TRANSLATE_NOOP("CommandLine", "1ph, 3ph or dc (1ph).")},
    {"power-factor", "1|0.9|0.8",
     QT_TRANSLATE_NOOP("CommandLine", "1, 0.9 or 0.8, the columns of Table D3 (1).")},
    {"max-drop", "PCT",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Voltage drop allowed, per cent (3; 5 from the supply to the point of use).")},
    {"continuous", "yes|no",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Whether the load is continuous, Rule 8-104: yes (a load is, unless shown "
                       "not to run more than 1 h in any 2 h) or no (yes).")},
    {"device-rating", "80|100",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The breaker's marking for continuous loads, per cent: 80, or 100 for a "
                       "device marked so (80).")},
    {"sets", "N|auto",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Conductors in parallel, Rule 12-108: the number of sets, 1 to 10, each in "
                       "its own raceway or cable, 1/0 AWG and larger; auto for the fewest sets of "
                       "a conductor up to --largest (1).")},
    {"largest", "SIZE",
     QT_TRANSLATE_NOOP("CommandLine", "The largest conductor --sets auto may use (500 kcmil).")},
    {"bond-material", "cu|al",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The bonding conductor's material, Rule 10-616 and Table 16: cu or al (the "
                       "circuit conductors').")},
    {"motor", "yes|no",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Whether a load in amperes is a motor's full-load current, sized by "
                       "Section 28 rather than as a continuous load (no). A load in horsepower "
                       "(10hp, 1-1/2hp, 3/4hp) is a motor.")},
    {"fla", "A",
     QT_TRANSLATE_NOOP("CommandLine",
                       "A motor's nameplate full-load current, amperes, for a load in "
                       "horsepower; without it the current comes from Table 44 (three-phase) or "
                       "Table 45 (single-phase) at --voltage (Rule 28-106).")},
    {"protection", "breaker|fuse|time-delay-fuse",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The device protecting a motor's branch circuit, Rule 28-200 and Table 29: "
                       "breaker (inverse time), fuse or time-delay-fuse (breaker).")},
    {"starting", "full-voltage|resistor|reactor|autotransformer|star-delta",
     QT_TRANSLATE_NOOP("CommandLine", "How a motor is started, for Table 29 (full-voltage).")},
    {"motor-type", "induction|synchronous|wound-rotor",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The kind of motor, for Tables 44 and 29; a synchronous motor's current "
                       "is Table 44's unity power factor current times 1.1 at --power-factor 0.9 "
                       "and 1.25 at 0.8 (induction).")},
    {"service-factor", "SF",
     QT_TRANSLATE_NOOP("CommandLine",
                       "A motor's service factor: the overload relay is set at most 125 % of the "
                       "full-load current at 1.15 or more, 115 % below (Rule 28-306) (1).")},
    {"schedule", "FILE",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Size every row of a cable schedule: a CSV file whose header names a load "
                       "column and, optionally, columns named like these options (power_factor, "
                       "max_drop); - reads standard input.")},
    {"separator", ",|;|tab",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The schedule's separator: , or ; or tab (the header's own: the most "
                       "frequent of them). A semicolon or tab schedule may write decimals with a "
                       "comma.")},
    {"current", "I",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The current the drop command works the drop out for, amperes.")},
    {"format", "text|csv|json",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Output: text (in your language), csv or json (decimal point, English "
                       "names). Text for one load, csv for a schedule.")},
    {"output", "FILE",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Write the answer to FILE rather than to standard output, whole or not at "
                       "all: through a temporary file renamed at the end (FILE may be the "
                       "schedule itself).")},
};

// A condition's option is named as its schedule column, a hyphen for the
// underscore.
constexpr bool namedAsColumn(std::string_view option, std::string_view column)
{
    if (option.size() != column.size())
        return false;
    for (std::size_t c = 0; c < option.size(); ++c)
        if (option[c] != (column[c] == '_' ? '-' : column[c]))
            return false;
    return true;
}

constexpr bool conditionsComeFirst()
{
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        if (!namedAsColumn(Entries[field].name, ConditionFields[field].name))
            return false;
    return true;
}
static_assert(conditionsComeFirst(), "one option for each condition, in their order");

} // namespace

bool isOption(std::string_view name)
{
    return std::any_of(std::begin(Entries), std::end(Entries),
                       [&](const OptionEntry &entry) { return entry.name == name; });
}

Options::Options()
{
    for (const OptionEntry &entry : Entries)
        m_all.append(QCommandLineOption(
            QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size())),
            QCoreApplication::translate("CommandLine", entry.description),
            QString::fromUtf8(entry.valueName)));
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
    for (qsizetype o = 0; o < m_all.size(); ++o)
        if (Entries[o].name == name)
            return m_all[o];
    return m_all.front();
}

} // namespace commandline
