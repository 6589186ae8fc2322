#pragma once

#include <span>
#include <string>
#include <string_view>

// A record the command line writes as CSV or as JSON, one field a column:
// its name (the CSV column's, the JSON key; scripts read these names), its
// text, and how JSON writes it. The same fields make both, so that the two
// never differ.
namespace ampacity::sizing {

struct Field
{
    enum class Kind
    {
        Text,
        Number,
        Boolean,
    };
    std::string_view name;
    std::string text;
    Kind kind = Kind::Text;
    // An empty text is null in JSON, unless it is an empty answer ("").
    bool nullWhenEmpty = true;
};

// The names as a CSV header line, and the texts as a CSV row, each with its
// line end.
std::string csvHeaderLine(std::span<const Field> fields);
std::string csvRowLine(std::span<const Field> fields);

// The fields as one JSON object: {"name": value, ...}.
std::string jsonObject(std::span<const Field> fields);

} // namespace ampacity::sizing
