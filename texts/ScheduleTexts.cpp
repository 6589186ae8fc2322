#include "ScheduleTexts.h"

#include "AmpacityTables.h"
#include "QtText.h"

#include <QCoreApplication>

#include <map>
#include <string>

using namespace ampacity::sizing;
using qtbridge::toQString;
using qtbridge::toUtf8;

namespace scheduletexts {
namespace {

// A text marked with QT_TRANSLATE_NOOP("Schedule", ...), in the user's language.
QString translated(const char *text)
{
    return QCoreApplication::translate("Schedule", text);
}

} // namespace

QString conditionLabel(std::size_t field)
{
    return translated(ConditionFields[field].label);
}

std::span<const Choice> choicesOf(std::size_t field)
{
    return ConditionFields[field].choices;
}

QString choiceName(const Choice &choice)
{
    return translated(choice.name);
}

QString conditionValueText(std::size_t field, std::string_view value)
{
    const std::string_view given = ampacity::trimmed(value);
    for (const Choice &choice : choicesOf(field))
        if (ampacity::sameWord(given, choice.value))
            return choiceName(choice);
    if (given.empty())
        return QCoreApplication::translate("Schedule", "not given");
    // A size with its unit, as the list names it: "500" is 500 kcmil.
    if (ConditionFields[field].text == &ConditionTexts::largest)
        if (const auto size = ampacity::sizing::readLargest(given);
            std::holds_alternative<ampacity::ConductorSize>(size))
            return qtbridge::translatedWireSize(
                       ampacity::wireSizeText(std::get<ampacity::ConductorSize>(size)))
                .trimmed();
    return toQString(given);
}

namespace {

// The program's texts in the user's language as UTF-8, each looked up once:
// the language is installed once, at start, and a schedule may have a
// problem on every one of its million rows.
using TranslationCache = std::map<std::string, std::string, std::less<>>;

const std::string &translatedOnce(TranslationCache &cache, const char *context,
                                  std::string_view text)
{
    auto found = cache.find(text);
    if (found == cache.end()) {
        std::string source(text);
        std::string translation = toUtf8(QCoreApplication::translate(context, source.c_str()));
        found = cache.emplace(std::move(source), std::move(translation)).first;
    }
    return found->second;
}

} // namespace

std::string problemWords(const Problem &problem, std::string_view decimalSeparator)
{
    static TranslationCache formats;
    static TranslationCache wireSizes;
    std::string line;
    for (ProblemText &text : problemSentences(problem, decimalSeparator)) {
        if (text.wireSizeArgument >= 0) {
            std::string &size = text.arguments[static_cast<std::size_t>(text.wireSizeArgument)];
            size = std::string(ampacity::trimmed(translatedOnce(wireSizes, "Wire sizes", size)));
        }
        line += fillIn(translatedOnce(formats, "Sizing", text.format), text.arguments);
    }
    return line;
}

QString problemLine(const Problem &problem, std::string_view decimalSeparator)
{
    return toQString(problemWords(problem, decimalSeparator));
}

QString governingText(Governing governing)
{
    switch (governing) {
    case Governing::Termination:
        return QCoreApplication::translate("Schedule", "Terminations");
    case Governing::VoltageDrop:
        return QCoreApplication::translate("Schedule", "Voltage drop");
    case Governing::ContinuousLoad:
        return QCoreApplication::translate("Schedule", "Continuous load");
    case Governing::Protection:
        return QCoreApplication::translate("Schedule", "Protection");
    case Governing::Motor:
        return QCoreApplication::translate("Schedule", "Motor");
    case Governing::Ampacity:
        break;
    }
    return QCoreApplication::translate("Schedule", "Ampacity");
}

QString summaryText(const ScheduleSummary &summary)
{
    const QString counts = QCoreApplication::translate("Schedule", "%1 sized, %2 with a problem")
                               .arg(summary.sized)
                               .arg(summary.problems);
    QString text = summary.circuits == 1
                       ? QCoreApplication::translate("Schedule", "1 circuit: %1").arg(counts)
                       : QCoreApplication::translate("Schedule", "%1 circuits: %2")
                             .arg(QString::number(summary.circuits), counts);
    if (summary.byVoltageDrop > 0)
        text += QCoreApplication::translate("Schedule", "; %1 governed by voltage drop")
                    .arg(summary.byVoltageDrop);
    if (summary.byTermination > 0)
        text += QCoreApplication::translate("Schedule", "; %1 governed by the terminations")
                    .arg(summary.byTermination);
    if (summary.byContinuous > 0)
        text += QCoreApplication::translate("Schedule", "; %1 governed by the continuous load")
                    .arg(summary.byContinuous);
    if (summary.byMotor > 0)
        text += QCoreApplication::translate("Schedule", "; %1 governed by a motor's current")
                    .arg(summary.byMotor);
    if (summary.byProtection > 0)
        text += QCoreApplication::translate("Schedule", "; %1 governed by protection")
                    .arg(summary.byProtection);
    return text;
}

QString tradeSizeText(int designator)
{
    const std::string_view inches = ampacity::sizing::tradeSizeInches(designator);
    if (inches.empty())
        return QString::number(designator);
    return QCoreApplication::translate("Schedule", "%1 (%2 in)")
        .arg(QString::number(designator), toQString(inches));
}

QString racewayName(int raceway)
{
    return QCoreApplication::translate("Raceways",
                                       ampacity::table9()[static_cast<std::size_t>(raceway)].name);
}

QString wireTypeName(int type)
{
    return toQString(ampacity::table19WireTypes()[static_cast<std::size_t>(type)].name);
}

QString racewayText(const ampacity::sizing::CircuitRaceway &raceway,
                    std::string_view decimalSeparator)
{
    if (raceway.tradeSize < 0)
        return {};
    return QCoreApplication::translate("Schedule", "%1 %2, %3 %")
        .arg(tradeSizeText(ampacity::sizing::tradeSizeOf(raceway).designator),
             toQString(ampacity::table9()[static_cast<std::size_t>(raceway.raceway)].id),
             toQString(ampacity::scaledText(ampacity::sizing::racewayFillHundredths(raceway), 2,
                                            decimalSeparator)));
}

QStringList answerHeaders()
{
    QStringList headers(AnswerColumnCount);
    for (const AnswerColumn &column : answerColumns())
        if (column.windowPlace >= 0)
            headers[column.windowPlace] = translated(column.heading);
    return headers;
}

QString answerText(const ScheduleRow &row, int column, std::string_view decimalSeparator)
{
    if (column == ProblemAnswer)
        return row.problem ? problemLine(*row.problem, decimalSeparator) : QString();
    if (!row.sizing)
        return {};
    const Sizing &sizing = *row.sizing;
    const auto amperes = [&](ampacity::Amperes value) {
        return QCoreApplication::translate("Schedule", "%1 A")
            .arg(toQString(ampacity::scaledText(value, 4, decimalSeparator)));
    };
    switch (column) {
    case SizeAnswer:
        return qtbridge::translatedWireSize(wireSizeText(sizing.conductor.size)).trimmed();
    case SetsAnswer:
        return QString::number(sizing.sets);
    case BreakerAnswer:
        if (sizing.breaker <= 0)
            return QCoreApplication::translate("Schedule", "None (max. %1 A)")
                .arg(sizing.maxBreaker);
        return sizing.breakerChosen ? QCoreApplication::translate("Schedule", "%1 (chosen)")
                                          .arg(amperes(sizing.breaker))
                                    : amperes(sizing.breaker);
    case BondingAnswer:
        return (sizing.bonding.material == ampacity::material::Copper
                    ? QCoreApplication::translate("Schedule", "%1 Cu")
                    : QCoreApplication::translate("Schedule", "%1 Al"))
            .arg(qtbridge::translatedWireSize(wireSizeText(sizing.bonding.size)).trimmed());
    case RacewayAnswer:
        return racewayText(sizing.raceway, decimalSeparator);
    case GovernedAnswer:
        return governingText(sizing.governedBy);
    case UsableAnswer:
        return amperes(sizing.usable);
    case DropAnswer:
        return sizing.drop
                   ? toQString(ampacity::scaledText(sizing.drop->percent, 2, decimalSeparator))
                   : QString();
    case MotorAnswer:
        if (!sizing.motor)
            return {};
        switch (sizing.motorCurrentFrom) {
        case MotorCurrentFrom::Table44:
            return QCoreApplication::translate("Schedule", "%1 (Table 44)")
                .arg(amperes(sizing.load));
        case MotorCurrentFrom::Table45:
            return QCoreApplication::translate("Schedule", "%1 (Table 45)")
                .arg(amperes(sizing.load));
        case MotorCurrentFrom::Nameplate:
            break;
        }
        return QCoreApplication::translate("Schedule", "%1 (nameplate)").arg(amperes(sizing.load));
    default:
        return {};
    }
}

QStringList methodSentences()
{
    return {
        QCoreApplication::translate(
            "Schedule",
            "Ampacity: the smallest conductor of the wire-size list whose allowable ampacity, the "
            "cell of Table 1, 2, 3 or 4 for its insulation times the factors of Table 5A (ambient "
            "temperature) and Table 5B or 5C (conductors run together), carries the load, "
            "compared exactly."),
        QCoreApplication::translate(
            "Schedule",
            "Terminations, Rule 4-006: the usable ampacity is the lesser of that derated ampacity "
            "and the cell of the termination temperature's column, which caps it where the "
            "terminations are rated lower than the insulation; auto is 60 °C up to a 100 A "
            "breaker, given or chosen (or, with none, up to No. 1 AWG), and 75 °C above."),
        QCoreApplication::translate(
            "Schedule",
            "Voltage drop, Rule 8-102: with a length and a voltage, drop = K × f × I × L / 1000, "
            "with K from Table D3 (ohms per km, for the power factor and installation), f = 2 "
            "single-phase and DC or √3 three-phase, I the load and L the one-way length in "
            "metres; the conductor is the first whose drop is within the limit, a drop exactly "
            "at the limit passing."),
        QCoreApplication::translate(
            "Schedule",
            "Continuous load, Rule 8-104: a load is taken as continuous unless the schedule says "
            "no; it may then be at most 80 % of the ampacity from Table 2 or 4 (100 % with a "
            "device marked for 100 %) and 70 % of the ampacity from Table 1 or 3 (85 %), and at "
            "most 80 % (100 %) of the breaker's rating."),
        QCoreApplication::translate(
            "Schedule",
            "Protection, Rule 14-104 and Table 13: without a breaker given, the smallest standard "
            "rating that carries the load is chosen; the breaker may not exceed the rating "
            "Table 13 permits for the ampacity in whole amperes rounded down (110.4 A permits "
            "110 A), above 800 A the ampacity itself, nor the limits of Rule 14-104(2): 15, 20 "
            "and 30 A on 14, 12 and 10 AWG copper, 15 and 25 A on 12 and 10 AWG aluminum."),
        QCoreApplication::translate(
            "Schedule",
            "Bonding, Rule 10-616 and Table 16: the bonding conductor by the breaker's rating, "
            "or by the ampacity where the voltage drop made the conductors larger; one in each "
            "raceway or cable of parallel sets, for its share; never larger than the circuit "
            "conductors of the same metal."),
        QCoreApplication::translate(
            "Schedule",
            "Motors, Rule 28-106 and Tables 44 and 45: a load in horsepower (or in amperes said "
            "to be a motor's) is a motor; its full-load current is the nameplate's where given, "
            "otherwise Table 44's (three-phase) or Table 45's (single-phase) at its voltage, and "
            "its conductors carry 125 % of it, without Rule 8-104 or Table 13."),
        QCoreApplication::translate(
            "Schedule",
            "Motor branch-circuit protection, Rule 28-200 and Table 29: the breaker or fuse is "
            "at most the full-load current times Table 29's per cent for the motor's kind, "
            "starting and device, taken down to a standard rating, 15 A being always permitted; "
            "without one given, that largest rating is chosen."),
        QCoreApplication::translate(
            "Schedule",
            "Motor overload, Rule 28-306: the overload relay is set at most 125 % of the "
            "full-load current for a service factor of 1.15 or more, 115 % otherwise; the "
            "nameplate current, not the table's, sets it."),
        QCoreApplication::translate(
            "Schedule",
            "Raceways, Rule 12-910 with Tables 6, 8 and 9: where a raceway is asked for, each "
            "set's raceway holds its ungrounded conductors, the neutral where asked and the "
            "bonding conductor unless the raceway is the bonding path, each of the wire type's "
            "printed area in Table 6 (the insulation's type where none is given: TW, RW75 or "
            "RW90); the smallest trade size whose internal area, worked out from Table 9's "
            "diameter, they fill to at most Table 8's per cent (53 % for one conductor, 31 % for "
            "two, 40 % for three or more), a fill exactly at the limit passing."),
        QCoreApplication::translate(
            "Schedule",
            "Parallel sets, Rule 12-108: each set in its own raceway or cable and of 1/0 AWG or "
            "larger, every conductor carrying its share of the load, the voltage drop worked out "
            "with that share; auto takes the fewest sets, up to 10, of a conductor no larger "
            "than the largest allowed."),
    };
}

} // namespace scheduletexts
