#include "FillCommand.h"

#include "Fields.h"
#include "ScheduleTexts.h"

#include <algorithm>

using namespace ampacity;
using namespace ampacity::sizing;
using qtbridge::toQString;
using qtbridge::toUtf8;
using scheduletexts::problemLine;

namespace commandline {
namespace {

// The conditions fill takes: the raceway and the wire its conductors are.
constexpr std::string_view ConditionTexts::*FillConditions[] = {
    &ConditionTexts::raceway, &ConditionTexts::wire, &ConditionTexts::wireVoltage,
    &ConditionTexts::jacketed, &ConditionTexts::solid};

// The largest Table 6 size that may be solid: 10 AWG.
constexpr std::size_t LargestSolid = Table6SolidSizeCount - 1;

} // namespace

FillCommand::FillCommand(const Invocation &run) : m_run(run) {}

int FillCommand::run()
{
    const Options &options = m_run.options();
    std::vector<const QCommandLineOption *> foreign{&options.schedule(), &options.current(),
                                                    &options.separator(), &options.sheet()};
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        if (std::find(std::begin(FillConditions), std::end(FillConditions),
                      ConditionFields[field].text) == std::end(FillConditions))
            foreign.push_back(&options.condition(field));
    for (const QCommandLineOption *other : foreign) {
        if (m_run.isSet(*other)) {
            complain(tr("--%1 is not an option of fill").arg(other->names().first()));
            return BadInput;
        }
    }
    const QStringList positional = m_run.positional();
    if (positional.size() < 2) {
        complain(tr("fill needs conductors, as in fill 3x6 1x10 --raceway emt"));
        return BadInput;
    }
    std::vector<std::string> texts;
    auto given = m_run.givenConditions(texts);
    if (!given)
        return BadInput;
    // Fill counts RW90, unjacketed 600 V (Table 6A), unless told otherwise.
    if (ampacity::trimmed(given->wire).empty())
        given->wire = "RW90";
    const auto read = m_run.readGivenConditions(*given);
    if (!read)
        return BadInput;
    const Conditions &c = *read;
    if (c.raceway.raceway < 0) {
        complain(tr("fill needs --raceway TYPE: %1").arg(toQString(racewayNames())));
        return BadInput;
    }
    const RacewayKind &raceway = table9()[static_cast<std::size_t>(c.raceway.raceway)];

    const auto groups = readGroups(c);
    if (!groups)
        return BadInput;
    const bool howMany = std::any_of(groups->begin(), groups->end(),
                                     [](const Group &g) { return g.given.count == 0; });
    const bool sizeGiven = m_run.isSet(options.tradeSize());
    if (howMany && (groups->size() > 1 || !sizeGiven)) {
        complain(tr("a conductor without a count asks how many fit: give it alone, with --size, "
                    "as in fill 12 --raceway emt --size 16"));
        return BadInput;
    }
    std::optional<std::size_t> asked;
    if (sizeGiven) {
        const auto size = readTradeSize(toUtf8(m_run.value(options.tradeSize())), raceway);
        if (const auto *problem = std::get_if<Problem>(&size)) {
            complain(problemLine(*problem, m_run.decimalSeparator()));
            return BadInput;
        }
        asked = std::get<std::size_t>(size);
    }
    const auto chosen = m_run.chosenFormat(Format::Text);
    if (!chosen)
        return BadInput;

    // The conductors, the trade size answered and the one below it.
    int count = 0;
    AreaHundredths total = 0;
    if (howMany) {
        count = mostConductors(raceway.sizes[*asked], groups->front().each);
        total = groups->front().each * count;
    } else {
        for (const Group &group : *groups) {
            count += group.given.count;
            total += group.each * group.given.count;
        }
    }
    std::optional<std::size_t> answered = asked;
    if (!asked)
        answered = smallestTradeSize(raceway, total, count);
    // Below the answer, or the largest where none holds them.
    std::optional<std::size_t> smaller;
    if (!asked)
        smaller = !answered       ? std::optional(raceway.sizes.size() - 1)
                  : *answered > 0 ? std::optional(*answered - 1)
                                  : std::nullopt;
    // How many: the fill of that many, at least one conductor's Table 8 row.
    const int counted = std::max(count, 1);
    const std::optional<Fill> fill =
        answered ? std::optional(fillOf(total, counted, raceway.sizes[*answered])) : std::nullopt;
    const std::optional<Fill> smallerFill =
        smaller ? std::optional(fillOf(total, counted, raceway.sizes[*smaller])) : std::nullopt;
    const bool fits = howMany ? count > 0 : fill && fill->fits;
    const Fill &shown = fill ? *fill : *smallerFill;

    using Kind = Field::Kind;
    constexpr Kind Text = Kind::Text, Number = Kind::Number, Boolean = Kind::Boolean;
    const auto twoDecimals = [](double value) { return scaledText(hundredths(value), 2); };
    const Field answer[] = {
        {"raceway", std::string(raceway.id), Text},
        {"raceway_size",
         answered ? std::to_string(raceway.sizes[*answered].designator) : std::string(), Number},
        {"raceway_fill", fill ? twoDecimals(fill->percent) : std::string(), Number},
        {"smaller_size", smaller ? std::to_string(raceway.sizes[*smaller].designator) : "", Number},
        {"smaller_fill", smallerFill ? twoDecimals(smallerFill->percent) : "", Number},
        {"count", std::to_string(count), Number},
        {"conductor_area", scaledText(total, 2), Number},
        {"raceway_area", fill ? twoDecimals(fill->racewayArea) : "", Number},
        {"allowed_percent", std::to_string(shown.allowedPercent), Number},
        {"allowed_area", fill ? twoDecimals(fill->allowedArea) : "", Number},
        {"fits", fits ? "true" : "false", Boolean},
    };

    QString text;
    if (*chosen == Format::Text) {
        for (const Group &group : *groups)
            if (!howMany)
                text += groupLine(group) + QLatin1Char('\n');
        const QString name = scheduletexts::racewayName(c.raceway.raceway);
        const QString allows =
            (counted == 1 ? tr("Table 8 allows %1 % for one conductor")
                          : tr("Table 8 allows %1 % for %2 conductors")
                                .arg(QStringLiteral("%1"), QString::number(counted)))
                .arg(shown.allowedPercent);
        if (howMany) {
            const Group &group = groups->front();
            const QString conductor =
                tr("%1 %2 (Table %3, %4 mm² each)")
                    .arg(toQString(table6Sizes()[group.given.size]),
                         scheduletexts::wireTypeName(group.wire.type),
                         toQString(conductorTable(group.wire, group.given.size)),
                         m_run.number(group.each, 2));
            text += count > 0
                        ? tr("%1 %2 holds %3 × %4: %5 mm² of %6 mm², %7 % full; %8, %9 mm² "
                             "(Rule 12-910)")
                              .arg(scheduletexts::tradeSizeText(raceway.sizes[*asked].designator),
                                   name, QString::number(count), conductor, m_run.number(total, 2),
                                   area(fill->racewayArea), area(fill->percent), allows,
                                   area(fill->allowedArea))
                        : tr("%1 %2 holds no %3: %4, %5 mm² (Rule 12-910)")
                              .arg(scheduletexts::tradeSizeText(raceway.sizes[*asked].designator),
                                   name, conductor, allows, area(fill->allowedArea));
        } else if (!answered) {
            text += tr("No trade size of %1 holds %2 mm²: %3 would be %4 % full; %5 (Rule 12-910)")
                        .arg(name, m_run.number(total, 2),
                             scheduletexts::tradeSizeText(raceway.sizes[*smaller].designator),
                             area(smallerFill->percent), allows);
        } else {
            text += tr("%1 %2: %3 mm² of %4 mm², %5 % full; %6, %7 mm² (Rule 12-910)")
                        .arg(scheduletexts::tradeSizeText(raceway.sizes[*answered].designator),
                             name, m_run.number(total, 2), area(fill->racewayArea),
                             area(fill->percent), allows, area(fill->allowedArea));
            if (asked)
                text += fits ? tr(": it fits") : tr(": too full");
            if (smaller)
                text += QLatin1Char('\n') +
                        tr("%1 would be %2 % full")
                            .arg(scheduletexts::tradeSizeText(raceway.sizes[*smaller].designator),
                                 area(smallerFill->percent));
        }
    }
    m_run.writeAnswer(*chosen, text, answer);
    return fits ? Answered : Unanswered;
}

std::optional<std::vector<FillCommand::Group>> FillCommand::readGroups(const Conditions &c) const
{
    const auto complainOf = [&](const Problem &problem) {
        complain(problemLine(problem, m_run.decimalSeparator()));
        return std::nullopt;
    };
    std::vector<Group> groups;
    const QStringList positional = m_run.positional();
    for (qsizetype p = 1; p < positional.size(); ++p) {
        const auto read = readConductorGroup(toUtf8(positional[p]));
        if (const auto *problem = std::get_if<Problem>(&read))
            return complainOf(*problem);
        Group group;
        group.given = std::get<ConductorGroup>(read);
        group.wire = c.raceway.wire;
        // A group's own wire type, in the class the options ask for.
        if (group.given.wire.type >= 0) {
            const auto wire = wireIn(group.given.wire, c.raceway.wireVoltage, c.raceway.jacketed,
                                     c.raceway.wire.solid);
            if (const auto *problem = std::get_if<Problem>(&wire))
                return complainOf(*problem);
            group.wire = std::get<Wire>(wire);
        }
        const std::string_view sizeText = table6Sizes()[group.given.size];
        if (group.wire.solid && group.given.size > LargestSolid)
            return complainOf(makeProblem(Problem::Kind::SolidAboveTenAwg, sizeText));
        group.each = conductorArea(group.wire, group.given.size);
        if (group.each == 0)
            return complainOf(notListed(group.wire, static_cast<int>(group.given.size)));
        if (suspectArea(group.wire, group.given.size))
            complain(tr("note: Table %1 prints %2 at %3 mm², counted as printed; with the "
                        "diameter its other sizes have it would be 35.8 mm²")
                         .arg(toQString(conductorTable(group.wire, group.given.size)),
                              toQString(sizeText), m_run.number(group.each, 2)));
        groups.push_back(group);
    }
    return groups;
}

QString FillCommand::groupLine(const Group &group) const
{
    return tr("%1 × %2 %3 (Table %4): %5 mm² each, %6 mm²")
        .arg(QString::number(group.given.count), toQString(table6Sizes()[group.given.size]),
             scheduletexts::wireTypeName(group.wire.type),
             toQString(conductorTable(group.wire, group.given.size)), m_run.number(group.each, 2),
             m_run.number(group.each * group.given.count, 2));
}

QString FillCommand::area(double value) const
{
    return m_run.number(hundredths(value), 2);
}

} // namespace commandline
