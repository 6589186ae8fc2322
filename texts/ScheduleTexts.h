#pragma once

#include "Schedule.h"

#include <QString>

#include <span>
#include <string_view>

// The sizing answers as a user reads them, in the user's language: for the
// command line, the schedule window and its report alike (Qt Core only).
namespace scheduletexts {

// A problem in one sentence, numbers with the decimal separator given.
QString problemLine(const ampacity::sizing::Problem &problem, std::string_view decimalSeparator);
// The same as UTF-8, for a schedule's problem column in the user's language.
std::string problemWords(const ampacity::sizing::Problem &problem,
                         std::string_view decimalSeparator);

// What chose the conductor, as the window's "Governed by" column says it.
QString governingText(ampacity::sizing::Governing governing);

// The counts of a schedule in a sentence: "312 circuits: 309 sized, 3 with a
// problem; 12 governed by voltage drop".
QString summaryText(const ampacity::sizing::ScheduleSummary &summary);

// A condition's name, ConditionFields' order, as a label: "Ambient (°C)".
QString conditionLabel(std::size_t field);

// The values a condition takes from a list (material, installation,
// insulation, terminations, system, power factor...): the command line's
// word and its name, marked for translation in the context "Schedule".
// Empty for a condition written as a number.
using Choice = ampacity::sizing::ConditionChoice;
std::span<const Choice> choicesOf(std::size_t field);
QString choiceName(const Choice &choice); // in the user's language

// A condition's value as a user reads it: a choice's name in the user's
// language, a number as written, "not given" for an empty one.
QString conditionValueText(std::size_t field, std::string_view value);

// The answer's columns in the window and the report, in their order.
enum AnswerText
{
    SizeAnswer,
    SetsAnswer,
    BreakerAnswer,
    BondingAnswer,
    RacewayAnswer, // shown where a schedule asks for raceways
    GovernedAnswer,
    UsableAnswer,
    DropAnswer,
    MotorAnswer, // shown where a schedule has motors
    ProblemAnswer,
    AnswerColumnCount
};

// Their names: Size, Sets, Breaker, Bonding, Raceway, Governed by, Usable
// ampacity, Voltage drop %, Motor current, Problem.
QStringList answerHeaders();

// A row's answer in one of those columns, numbers with the separator
// given: "1/0 AWG", "2", "125 A (chosen)", "6 AWG Cu", "27 (1 in) emt,
// 35.12 %", "Voltage drop", "150 A", "2.41"; a row with a problem has only
// the problem.
QString answerText(const ampacity::sizing::ScheduleRow &row, int column,
                   std::string_view decimalSeparator);

// A trade size as its metric designator with its inch name: "27 (1 in)".
QString tradeSizeText(int designator);
// A raceway of Table 9 by the Code's name, "rigid metal conduit", and a
// wire type by Table 19's, "RW90".
QString racewayName(int raceway);
QString wireTypeName(int type);
// A circuit's raceway: "27 (1 in) emt, 35.12 %"; empty without one.
QString racewayText(const ampacity::sizing::CircuitRaceway &raceway,
                    std::string_view decimalSeparator);

// How each rule is applied, one sentence each, for the report.
QStringList methodSentences();

} // namespace scheduletexts
