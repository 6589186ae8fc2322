#pragma once

#include "ConductorSizing.h"
#include "RacewayFill.h"
#include "Schedule.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the fuzz target does with one input, shared with the test that runs
// every input it ever found again: the schedule reader over bytes in any
// encoding, cut into pieces, written as CSV and JSON; and the readers of a
// load, of a circuit's conditions and of a raceway's conductors over the
// same bytes.
namespace fuzzing {

inline void exercise(std::string_view bytes)
{
    using namespace ampacity;
    using namespace ampacity::sizing;
    if (bytes.empty())
        return;
    // The first byte picks the piece size, the separator and the decimal mark.
    const auto choice = static_cast<unsigned char>(bytes.front());
    bytes.remove_prefix(1);
    const std::size_t pieceSize = 1 + choice % 13;
    const std::optional<char> separator =
        choice & 0x10 ? std::optional<char>(";,\t"[choice % 3]) : std::nullopt;

    // The schedule read in pieces of `size` bytes, or whole when 0, as CSV
    // (the JSON of each row made too).
    const auto readSchedule = [&](std::size_t size) {
        ScheduleDecoder decoder(bytes.substr(0, 4));
        if (decoder.needsCheck())
            decoder.check(bytes);
        ScheduleReader reader(DefaultConditionTexts, separator);
        std::string text, csv;
        ScheduleRow row;
        const auto drain = [&] {
            while (reader.next(row) == ScheduleReader::Status::Row) {
                appendScheduleRowCsv(csv, reader.layout(), row);
                (void)scheduleRowJson(reader.layout(), row);
            }
        };
        const std::size_t piece = size == 0 ? std::max<std::size_t>(bytes.size(), 1) : size;
        for (std::size_t pos = 0; pos < bytes.size(); pos += piece) {
            text.clear();
            decoder.decode(bytes.substr(pos, piece), text);
            reader.append(text);
            drain();
        }
        text.clear();
        decoder.finish(text);
        reader.append(text);
        reader.close();
        drain();
        if (reader.layout().error)
            csv += describe(*reader.layout().error);
        return csv;
    };
    // However the bytes come, the answer is the same: a reader that read a
    // record whole otherwise than in pieces would be caught here.
    std::string out = readSchedule(pieceSize);
    if (readSchedule(0) != out)
        __builtin_trap();

    // The readers, each given the bytes as one field of text.
    const std::string field(bytes.substr(0, 64));
    const bool comma = (choice & 0x20) != 0;
    (void)readLoad(field, comma);
    (void)readWireSize(field, material::Copper);
    // The raceway's readers: a group of conductors, a trade size, a wire type.
    const auto group = readConductorGroup(field);
    if (const auto *read = std::get_if<ConductorGroup>(&group))
        (void)mostConductors(table9()[0].sizes[0], static_cast<AreaHundredths>(read->size + 1));
    (void)readTradeSize(field, table9()[choice % table9().size()]);
    (void)readWireType(field);
    ConditionTexts texts;
    for (std::size_t f = 0; f < std::size(ConditionFields); ++f)
        texts.*ConditionFields[f].text =
            std::string_view(field).substr(std::min(field.size(), f * 3), 5);
    texts.decimalComma = comma;
    const auto conditions = readConditions(texts);
    if (const auto *c = std::get_if<Conditions>(&conditions)) {
        const auto sized = sizeFor(std::get<Amperes>(readLoad("100")), *c);
        if (const auto *problem = std::get_if<Problem>(&sized))
            out += describe(*problem);
    } else {
        out += describe(std::get<Problem>(conditions));
    }
}

} // namespace fuzzing
