#include "Fields.h"

#include "Csv.h"
#include "Json.h"

namespace ampacity::sizing {

std::string csvHeaderLine(std::span<const Field> fields)
{
    std::string line;
    for (const Field &field : fields) {
        if (!line.empty())
            line += ',';
        appendCsvField(line, field.name, ',');
    }
    return line + "\n";
}

std::string csvRowLine(std::span<const Field> fields)
{
    std::string line;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (f > 0)
            line += ',';
        appendCsvField(line, fields[f].text, ',');
    }
    return line + "\n";
}

std::string jsonObject(std::span<const Field> fields)
{
    std::string json = "{";
    for (const Field &field : fields) {
        if (json.size() > 1)
            json += ", ";
        json += jsonString(field.name);
        json += ": ";
        if (field.text.empty() && field.nullWhenEmpty)
            json += "null";
        else if (field.kind == Field::Kind::Text)
            json += jsonString(field.text);
        else
            json += field.text;
    }
    return json + "}";
}

} // namespace ampacity::sizing
