#include "TableCommand.h"

#include "AmpacityTables.h"
#include "Fields.h"
#include "QtText.h"

#include <algorithm>

using namespace ampacity;
using namespace ampacity::sizing;
using qtbridge::toQString;
using qtbridge::toUtf8;

namespace commandline {

TableCommand::TableCommand(const Invocation &run) : m_run(run) {}

int TableCommand::run()
{
    const Options &options = m_run.options();
    const QStringList positional = m_run.positional();
    // The sizing options, the schedule's first, as one list.
    std::vector<const QCommandLineOption *> sizingOptions{&options.schedule(), &options.current(),
                                                          &options.separator(),
                                                          &options.tradeSize(), &options.sheet()};
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        sizingOptions.push_back(&options.condition(field));
    for (const QCommandLineOption *sizingOnly : sizingOptions) {
        if (m_run.isSet(*sizingOnly)) {
            complain(tr("--%1 is for size, not for table").arg(sizingOnly->names().first()));
            return BadInput;
        }
    }
    if (positional.size() != 2) {
        complain(tr("table needs one table number, 1 to 4"));
        return BadInput;
    }
    const QString number = positional[1].trimmed();
    const int table = number.size() == 1 ? number.toInt() : 0;
    if (table < 1 || table > 4) {
        complain(tr("the table \"%1\" is not 1, 2, 3 or 4").arg(positional[1]));
        return BadInput;
    }
    const auto chosen = m_run.chosenFormat(Format::Text);
    if (!chosen)
        return BadInput;

    // Tables 1 and 2 are copper, 3 and 4 aluminum; 1 and 3 free air, 2 and 4
    // raceway or cable. Columns in the order of the printed Code.
    const std::int16_t materialCode = table <= 2 ? material::Copper : material::Aluminum;
    const std::int16_t installationCode =
        table % 2 == 0 ? installation::RacewayOrCable : installation::FreeAir;
    const std::int16_t ratings[] = {insulation::Rated60C, insulation::Rated75C,
                                    insulation::Rated90C};
    const char *ratingNames[] = {"60C", "75C", "90C"};
    const AmpacityColumn *columns[3];
    for (int c = 0; c < 3; ++c)
        columns[c] = selectAmpacityColumn(materialCode, installationCode, ratings[c]);
    const std::size_t rows = columns[0]->texts.size();

    std::string out;
    switch (*chosen) {
    case Format::Text: {
        QStringList sizes;
        auto sizeWidth = tr("Wire size").size();
        for (std::size_t row = 0; row < rows; ++row) {
            sizes << qtbridge::translatedWireSize(
                         wireSizeText(WireSize::atRow(materialCode, row).size))
                         .trimmed();
            sizeWidth = std::max(sizeWidth, sizes.last().size());
        }
        constexpr int ampacityWidth = 9;
        QString text = qtbridge::translatedCaption(columns[0]->title) + QLatin1Char('\n');
        text += tr("Wire size").leftJustified(sizeWidth);
        for (const char *degrees : {"60", "75", "90"})
            text += tr("%1\u00A0°C").arg(QLatin1String(degrees)).rightJustified(ampacityWidth);
        text += QLatin1Char('\n');
        for (std::size_t row = 0; row < rows; ++row) {
            text += sizes[int(row)].rightJustified(sizeWidth);
            for (const auto &column : columns)
                text += toQString(trimmed(column->texts[row])).rightJustified(ampacityWidth);
            text += QLatin1Char('\n');
        }
        out = toUtf8(text);
        break;
    }
    case Format::Csv:
    case Format::Json: {
        // One record a size: its text and the three columns' amperes.
        const bool csv = *chosen == Format::Csv;
        for (std::size_t row = 0; row < rows; ++row) {
            std::vector<Field> record{
                {"size", std::string(wireSizeName(WireSize::atRow(materialCode, row).size))}};
            for (int c = 0; c < 3; ++c)
                record.push_back({ratingNames[c], std::to_string(columns[c]->amperes[row]),
                                  Field::Kind::Number});
            if (csv)
                out += (row == 0 ? csvHeaderLine(record) : std::string()) + csvRowLine(record);
            else
                out += (row == 0 ? "[\n  " : ",\n  ") + jsonObject(record);
        }
        if (!csv)
            out += "\n]\n";
        break;
    }
    }
    m_run.output(out);
    return Answered;
}

} // namespace commandline
