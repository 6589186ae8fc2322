#include "AnswerTexts.h"

#include "AmpacityTables.h"
#include "CorrectedAmpacity.h"
#include "QtText.h"
#include "ScheduleTexts.h"

using namespace ampacity;
using namespace ampacity::sizing;
using qtbridge::toQString;

namespace scheduletexts {

AnswerTexts::AnswerTexts(std::string decimalSeparator)
    : m_decimalSeparator(std::move(decimalSeparator))
{
}

QString AnswerTexts::number(std::int64_t value, int decimals) const
{
    return toQString(scaledText(value, decimals, m_decimalSeparator));
}

QString AnswerTexts::systemName(SupplySystem system) const
{
    switch (system) {
    case SupplySystem::ThreePhase:
        return tr("three-phase");
    case SupplySystem::DirectCurrent:
        return tr("dc");
    case SupplySystem::SinglePhase:
        break;
    }
    return tr("single-phase");
}

QString AnswerTexts::lengthText(const Run &run) const
{
    if (!run.lengthInFeet)
        return tr("%1 m").arg(number(run.length, 4));
    // Feet as given, and the metres they make to the centimetre.
    return tr("%1 ft (%2)")
        .arg(number(run.feet, 4), tr("%1 m").arg(number((run.length + 50) / 100, 2)));
}

QString AnswerTexts::sizeName(std::string_view listText)
{
    return qtbridge::translatedWireSize(listText).trimmed();
}

QString AnswerTexts::motorDeviceText(const Sizing &sizing) const
{
    // Rule 28-200: the branch-circuit device and Table 29's largest; Rule
    // 28-306: the overload relay's largest setting.
    const QString most = QString::number(sizing.maxBreaker);
    QString text;
    switch (sizing.motorDevice) {
    case MotorDevice::Fuse:
        text =
            sizing.breaker <= 0 ? tr("; no fuse checked (at most %1 A, Table 29)").arg(most)
            : sizing.breakerChosen
                ? tr("; %1 A fuse (chosen; at most %2 A, Table 29)")
                      .arg(number(sizing.breaker, 4), most)
                : tr("; %1 A fuse (at most %2 A, Table 29)").arg(number(sizing.breaker, 4), most);
        break;
    case MotorDevice::TimeDelayFuse:
        text = sizing.breaker <= 0
                   ? tr("; no time-delay fuse checked (at most %1 A, Table 29)").arg(most)
               : sizing.breakerChosen
                   ? tr("; %1 A time-delay fuse (chosen; at most %2 A, Table 29)")
                         .arg(number(sizing.breaker, 4), most)
                   : tr("; %1 A time-delay fuse (at most %2 A, Table 29)")
                         .arg(number(sizing.breaker, 4), most);
        break;
    case MotorDevice::Breaker:
        text = sizing.breaker <= 0 ? tr("; no breaker checked (at most %1 A, Table 29)").arg(most)
               : sizing.breakerChosen ? tr("; %1 A breaker (chosen; at most %2 A, Table 29)")
                                            .arg(number(sizing.breaker, 4), most)
                                      : tr("; %1 A breaker (at most %2 A, Table 29)")
                                            .arg(number(sizing.breaker, 4), most);
        break;
    }
    return text + tr("; overload at most %1 A (Rule 28-306)").arg(number(sizing.overloadMax, 4));
}

QString AnswerTexts::sizingLine(const Sizing &sizing) const
{
    const QString tables = sizing.correctionTables.empty()
                               ? tr("no correction applied")
                               : qtbridge::translatedCaption(sizing.correctionCaption);
    const QString size = sizing.sets > 1
                             ? tr("%1 × %2").arg(QString::number(sizing.sets),
                                                 sizeName(wireSizeText(sizing.conductor.size)))
                             : sizeName(wireSizeText(sizing.conductor.size));
    QString line =
        tr("%1, %2 A from Table %3, %4, %5")
            .arg(size, QString::number(sizing.tableAmpacity), QString::number(sizing.tableNumber),
                 toQString(correctedAmpacityText(sizing.correctedAmp, sizing.ambientFactor,
                                                 sizing.countFactor, m_decimalSeparator)),
                 tables);
    if (sizing.usable < sizing.corrected)
        line += tr("; limited to %1 A by %2 °C terminations")
                    .arg(number(sizing.usable, 4), QString::number(sizing.terminationRating));
    if (sizing.sets > 1)
        line += tr("; %1 A in each of %2 parallel sets")
                    .arg(number(sizing.perConductor, 4), QString::number(sizing.sets));
    if (sizing.motor) {
        // The conductors' 125 % of the full-load current, rounded up as a load is.
        const std::int64_t needed = (sizing.load * MotorConductorPercent + 99) / 100;
        line += (sizing.motorCurrentFrom == MotorCurrentFrom::Table44
                     ? tr("; motor full-load current %1 A (Table 44) needs %2 A (Rule 28-106, "
                          "125 %)")
                 : sizing.motorCurrentFrom == MotorCurrentFrom::Table45
                     ? tr("; motor full-load current %1 A (Table 45) needs %2 A (Rule 28-106, "
                          "125 %)")
                     : tr("; motor full-load current %1 A (nameplate) needs %2 A (Rule 28-106, "
                          "125 %)"))
                    .arg(number(sizing.load, 4), number(needed, 4));
    }
    if (sizing.continuousPercent > 0) {
        // The ampacity the load needs, rounded up as a load is.
        const std::int64_t needed =
            (sizing.load * 100 + sizing.continuousPercent - 1) / sizing.continuousPercent;
        line += tr("; continuous load %1 A needs %2 A (Rule 8-104, %3 %)")
                    .arg(number(sizing.load, 4), number(needed, 4),
                         QString::number(sizing.continuousPercent));
    }
    if (sizing.drop)
        line += tr("; voltage drop %1 % (%2 V) over %3 at %4 V %5")
                    .arg(number(sizing.drop->percent, 2), number(sizing.drop->volts, 2),
                         lengthText(sizing.run), number(sizing.run.voltage, 2),
                         systemName(sizing.run.system));
    if (sizing.motor)
        line += motorDeviceText(sizing);
    else if (sizing.breaker <= 0)
        line += tr("; no breaker checked (at most %1 A on this conductor)").arg(sizing.maxBreaker);
    else if (sizing.breakerChosen)
        line += tr("; %1 A breaker (chosen; at most %2 A on this conductor)")
                    .arg(number(sizing.breaker, 4), QString::number(sizing.maxBreaker));
    else
        line += tr("; %1 A breaker (at most %2 A on this conductor)")
                    .arg(number(sizing.breaker, 4), QString::number(sizing.maxBreaker));
    line += (sizing.bonding.material == material::Copper ? tr("; bonding %1 copper")
                                                         : tr("; bonding %1 aluminum"))
                .arg(sizeName(wireSizeText(sizing.bonding.size)));
    if (const CircuitRaceway &raceway = sizing.raceway; raceway.tradeSize >= 0)
        line += (sizing.sets > 1 ? tr("; each set in %1 %2, %3 % full with %4 %5 conductors "
                                      "(Rule 12-910)")
                                 : tr("; in %1 %2, %3 % full with %4 %5 conductors (Rule 12-910)"))
                    .arg(tradeSizeText(tradeSizeOf(raceway).designator),
                         racewayName(raceway.raceway), number(racewayFillHundredths(raceway), 2),
                         QString::number(raceway.conductors), wireTypeName(raceway.wire.type));
    switch (sizing.governedBy) {
    case Governing::Termination:
        line += tr("; governed by the terminations");
        break;
    case Governing::ContinuousLoad:
        line += tr("; governed by the continuous load");
        break;
    case Governing::Protection:
        line += tr("; governed by the breaker's protection (Rule 14-104)");
        break;
    case Governing::VoltageDrop:
        line +=
            tr("; governed by voltage drop (ampacity alone: %1)")
                .arg(sizeName(sizing.sizeForAmpacity ? wireSizeText(sizing.sizeForAmpacity->size)
                                                     : std::string_view()));
        break;
    case Governing::Motor:
        line += tr("; governed by the motor's full-load current");
        break;
    case Governing::Ampacity:
        line += tr("; governed by ampacity");
        break;
    }
    return line;
}

} // namespace scheduletexts
