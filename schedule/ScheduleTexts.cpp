#include "ScheduleTexts.h"

#include "QtText.h"

#include <QCoreApplication>

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

constexpr Choice Materials[] = {{"cu", QT_TRANSLATE_NOOP("Schedule", "Copper")},
                                {"al", QT_TRANSLATE_NOOP("Schedule", "Aluminum")}};
constexpr Choice Installations[] = {{"raceway", QT_TRANSLATE_NOOP("Schedule", "Raceway")},
                                    {"cable", QT_TRANSLATE_NOOP("Schedule", "Cable")},
                                    {"free-air", QT_TRANSLATE_NOOP("Schedule", "Free air")}};
constexpr Choice Insulations[] = {{"60", QT_TRANSLATE_NOOP("Schedule", "60 °C")},
                                  {"75", QT_TRANSLATE_NOOP("Schedule", "75 °C")},
                                  {"90", QT_TRANSLATE_NOOP("Schedule", "90 °C")}};
constexpr Choice Terminations[] = {{"auto", QT_TRANSLATE_NOOP("Schedule", "Auto (Rule 4-006)")},
                                   {"60", QT_TRANSLATE_NOOP("Schedule", "60 °C")},
                                   {"75", QT_TRANSLATE_NOOP("Schedule", "75 °C")},
                                   {"90", QT_TRANSLATE_NOOP("Schedule", "90 °C")},
                                   {"none", QT_TRANSLATE_NOOP("Schedule", "None (table alone)")}};
constexpr Choice Systems[] = {{"1ph", QT_TRANSLATE_NOOP("Schedule", "Single-phase")},
                              {"3ph", QT_TRANSLATE_NOOP("Schedule", "Three-phase")},
                              {"dc", QT_TRANSLATE_NOOP("Schedule", "DC")}};
constexpr Choice PowerFactors[] = {{"1", QT_TRANSLATE_NOOP("Schedule", "1")},
                                   {"0.9", QT_TRANSLATE_NOOP("Schedule", "0.9")},
                                   {"0.8", QT_TRANSLATE_NOOP("Schedule", "0.8")}};

constexpr const char *ConditionLabels[] = {
    QT_TRANSLATE_NOOP("Schedule", "Material"),
    QT_TRANSLATE_NOOP("Schedule", "Installation"),
    QT_TRANSLATE_NOOP("Schedule", "Insulation"),
    QT_TRANSLATE_NOOP("Schedule", "Ambient (°C)"),
    QT_TRANSLATE_NOOP("Schedule", "Conductors"),
    QT_TRANSLATE_NOOP("Schedule", "Terminations"),
    QT_TRANSLATE_NOOP("Schedule", "Breaker (A)"),
    QT_TRANSLATE_NOOP("Schedule", "Length (m)"),
    QT_TRANSLATE_NOOP("Schedule", "Voltage (V)"),
    QT_TRANSLATE_NOOP("Schedule", "System"),
    QT_TRANSLATE_NOOP("Schedule", "Power factor"),
    QT_TRANSLATE_NOOP("Schedule", "Maximum drop (%)"),
};
static_assert(std::size(ConditionLabels) == std::size(ConditionFields));

} // namespace

QString conditionLabel(std::size_t field)
{
    return translated(ConditionLabels[field]);
}

std::span<const Choice> choicesOf(std::size_t field)
{
    const auto text = ConditionFields[field].text;
    if (text == &ConditionTexts::material)
        return Materials;
    if (text == &ConditionTexts::installation)
        return Installations;
    if (text == &ConditionTexts::insulation)
        return Insulations;
    if (text == &ConditionTexts::terminations)
        return Terminations;
    if (text == &ConditionTexts::system)
        return Systems;
    if (text == &ConditionTexts::powerFactor)
        return PowerFactors;
    return {};
}

QString choiceName(const Choice &choice)
{
    return translated(choice.name);
}

QString conditionValueText(std::size_t field, std::string_view value)
{
    const std::string_view given = ampacity::trimmed(value);
    if (given.empty())
        return QCoreApplication::translate("Schedule", "not given");
    for (const Choice &choice : choicesOf(field))
        if (ampacity::sameWord(given, choice.value))
            return choiceName(choice);
    return toQString(given);
}

QString problemLine(const Problem &problem, std::string_view decimalSeparator)
{
    ProblemText text = problemText(problem, decimalSeparator);
    if (text.wireSizeArgument >= 0) {
        std::string &size = text.arguments[static_cast<std::size_t>(text.wireSizeArgument)];
        size = toUtf8(qtbridge::translatedWireSize(size).trimmed());
    }
    const QString format = QCoreApplication::translate("Sizing", std::string(text.format).c_str());
    return toQString(fillIn(toUtf8(format), text.arguments));
}

QString governingText(Governing governing)
{
    switch (governing) {
    case Governing::Termination:
        return QCoreApplication::translate("Schedule", "Terminations");
    case Governing::VoltageDrop:
        return QCoreApplication::translate("Schedule", "Voltage drop");
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
    return text;
}

QStringList answerHeaders()
{
    return {QCoreApplication::translate("Schedule", "Size"),
            QCoreApplication::translate("Schedule", "Governed by"),
            QCoreApplication::translate("Schedule", "Usable ampacity"),
            QCoreApplication::translate("Schedule", "Voltage drop %"),
            QCoreApplication::translate("Schedule", "Problem")};
}

QString answerText(const ScheduleRow &row, int column, std::string_view decimalSeparator)
{
    if (column == 4)
        return row.problem ? problemLine(*row.problem, decimalSeparator) : QString();
    if (!row.sizing)
        return {};
    const Sizing &sizing = *row.sizing;
    switch (column) {
    case 0:
        return qtbridge::translatedWireSize(sizing.sizeText).trimmed();
    case 1:
        return governingText(sizing.governedBy);
    case 2:
        return QCoreApplication::translate("Schedule", "%1 A")
            .arg(toQString(ampacity::scaledText(sizing.usable, 4, decimalSeparator)));
    case 3:
        return sizing.drop
                   ? toQString(ampacity::scaledText(sizing.drop->percent, 2, decimalSeparator))
                   : QString();
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
            "breaker (or, without one, up to No. 1 AWG) and 75 °C above."),
        QCoreApplication::translate(
            "Schedule",
            "Voltage drop, Rule 8-102: with a length and a voltage, drop = K × f × I × L / 1000, "
            "with K from Table D3 (ohms per km, for the power factor and installation), f = 2 "
            "single-phase and DC or √3 three-phase, I the load and L the one-way length in "
            "metres; the conductor is the first whose drop is within the limit, a drop exactly "
            "at the limit passing."),
    };
}

} // namespace scheduletexts
