#include "DropCommand.h"

#include "AmpacityTables.h"
#include "Fields.h"
#include "ScheduleTexts.h"

using namespace ampacity;
using namespace ampacity::sizing;
using qtbridge::toQString;
using qtbridge::toUtf8;
using scheduletexts::problemLine;

namespace commandline {

DropCommand::DropCommand(const Invocation &run) : m_run(run), m_texts(run.decimalSeparator()) {}

int DropCommand::run()
{
    const Options &options = m_run.options();
    const QString command = QStringLiteral("drop");
    if (!m_run.onlyOptionsOf(command, {&options.condition(&ConditionTexts::insulation),
                                       &options.condition(&ConditionTexts::ambient),
                                       &options.condition(&ConditionTexts::conductors),
                                       &options.condition(&ConditionTexts::terminations),
                                       &options.condition(&ConditionTexts::breaker),
                                       &options.condition(&ConditionTexts::continuous),
                                       &options.condition(&ConditionTexts::deviceRating),
                                       &options.condition(&ConditionTexts::largest),
                                       &options.condition(&ConditionTexts::bondMaterial),
                                       &options.condition(&ConditionTexts::motor),
                                       &options.condition(&ConditionTexts::fla),
                                       &options.condition(&ConditionTexts::protection),
                                       &options.condition(&ConditionTexts::starting),
                                       &options.condition(&ConditionTexts::motorType),
                                       &options.condition(&ConditionTexts::serviceFactor),
                                       &options.condition(&ConditionTexts::raceway),
                                       &options.condition(&ConditionTexts::wire),
                                       &options.condition(&ConditionTexts::wireVoltage),
                                       &options.condition(&ConditionTexts::jacketed),
                                       &options.condition(&ConditionTexts::solid),
                                       &options.condition(&ConditionTexts::neutral),
                                       &options.condition(&ConditionTexts::bondInRaceway),
                                       &options.schedule(),
                                       &options.tradeSize(),
                                       &options.sheet()}))
        return BadInput;
    const QStringList positional = m_run.positional();
    if (positional.size() != 2) {
        complain(tr("drop needs one conductor size, as in drop 3 or drop 250kcmil"));
        return BadInput;
    }
    if (!m_run.isSet(options.current()) ||
        !m_run.isSet(options.condition(&ConditionTexts::voltage))) {
        complain(tr("drop needs --current and --voltage"));
        return BadInput;
    }
    std::vector<std::string> texts;
    const auto given = m_run.givenConditions(texts);
    const auto read = given ? m_run.readGivenConditions(*given) : std::nullopt;
    if (!read)
        return BadInput;
    const Conditions &c = *read;
    if (c.sets == 0) {
        complain(tr("drop takes a number of sets, 1 to 10, not auto"));
        return BadInput;
    }
    const std::string currentText = toUtf8(m_run.value(options.current()));
    const auto amperes = readLoad(currentText);
    if (std::holds_alternative<Problem>(amperes)) {
        Problem problem;
        problem.kind = Problem::Kind::CurrentNotPositive;
        problem.value = trimmed(currentText);
        complain(problemLine(problem, m_run.decimalSeparator()));
        return BadInput;
    }
    const auto size = readWireSize(toUtf8(positional[1]), c.materialCode);
    if (const auto *problem = std::get_if<Problem>(&size)) {
        complain(problemLine(*problem, m_run.decimalSeparator()));
        return BadInput;
    }
    const WireSize conductor = std::get<WireSize>(size);
    const std::string_view sizeText = wireSizeText(conductor.size);
    if (c.sets > 1 && !mayRunInParallel(conductor)) {
        complain(tr("%1 is not run in parallel: Rule 12-108 allows 1/0 AWG and larger")
                     .arg(AnswerTexts::sizeName(sizeText)));
        return BadInput;
    }
    // Each of parallel sets carries its share, rounded up (Rule 12-108).
    const Amperes total = std::get<Amperes>(amperes);
    const Amperes load = (total + c.sets - 1) / c.sets;
    const bool withLength = c.run.length > 0;
    const auto drop = voltageDrop(conductor, c.installationCode, c.cable, load, c.run);
    const auto longest = longestRun(conductor, c.installationCode, c.cable, load, c.run);
    if (!longest) {
        Problem problem;
        problem.kind = Problem::Kind::SizeNotInTableD3;
        problem.sizeText = sizeText;
        complain(problemLine(problem, m_run.decimalSeparator()));
        return BadInput;
    }
    const bool within = !withLength || (drop && drop->withinLimit);

    const auto chosen = m_run.chosenFormat(Format::Text);
    if (!chosen)
        return BadInput;
    // The answer's columns, and how JSON writes each.
    using Kind = Field::Kind;
    constexpr Kind Text = Kind::Text, Number = Kind::Number, Boolean = Kind::Boolean;
    const char *systems[] = {"1ph", "3ph", "dc"};
    const char *powerFactors[] = {"1", "0.9", "0.8"};
    const Field answer[] = {
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
        c.sets > 1
            ? tr("%1 A in %2 parallel sets").arg(m_run.number(total, 4), QString::number(c.sets))
            : tr("%1 A").arg(m_run.number(total, 4));
    QString text;
    if (*chosen == Format::Text && withLength)
        text =
            tr("%1: voltage drop %2 % (%3 V) over %4 at %5 V %6, %7; %8")
                .arg(AnswerTexts::sizeName(sizeText), m_run.number(drop->percent, 2),
                     m_run.number(drop->volts, 2), m_texts.lengthText(c.run),
                     m_run.number(c.run.voltage, 2), m_texts.systemName(c.run.system), currentWords,
                     (within ? tr("within the %1 % allowed") : tr("above the %1 % allowed"))
                         .arg(m_run.number(c.run.maxDrop, 2)));
    else if (*chosen == Format::Text)
        text = tr("%1: longest run %2 m (%3 ft) for a voltage drop of at most %4 % at %5 V %6, %7")
                   .arg(AnswerTexts::sizeName(sizeText), m_run.number(longest->metreTenths, 1),
                        m_run.number(longest->footTenths, 1), m_run.number(c.run.maxDrop, 2),
                        m_run.number(c.run.voltage, 2), m_texts.systemName(c.run.system),
                        currentWords);
    m_run.writeAnswer(*chosen, text, answer);
    return within ? Answered : Unanswered;
}

} // namespace commandline
