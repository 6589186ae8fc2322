#include "Invocation.h"

#include "ConsoleStreams.h"
#include "QtText.h"
#include "ScheduleTexts.h"

#include <QLocale>

using namespace ampacity;
using namespace ampacity::sizing;
using qtbridge::toQString;
using qtbridge::toUtf8;

namespace commandline {

void complain(const QString &text)
{
    console::write(console::Stream::Error, "torvane: " + toUtf8(text) + "\n");
}

Invocation::Invocation(const QCommandLineParser &parser, const Options &options, Output &answer)
    : m_parser(parser), m_options(options), m_answer(answer),
      m_decimalSeparator(toUtf8(QLocale().decimalPoint()))
{
}

void Invocation::print(const QString &text) const
{
    output(toUtf8(text));
}

QString Invocation::number(std::int64_t value, int decimals) const
{
    return toQString(scaledText(value, decimals, m_decimalSeparator));
}

std::optional<Format> Invocation::chosenFormat(Format fallback) const
{
    const QCommandLineOption &format = m_options.format();
    if (!isSet(format))
        return fallback;
    const QString name = value(format).trimmed().toLower();
    if (name == QLatin1String("text"))
        return Format::Text;
    if (name == QLatin1String("csv"))
        return Format::Csv;
    if (name == QLatin1String("json"))
        return Format::Json;
    complain(tr("the format \"%1\" is not text, csv or json").arg(value(format)));
    return std::nullopt;
}

bool Invocation::onlyOptionsOf(const QString &command,
                               std::initializer_list<const QCommandLineOption *> foreign) const
{
    for (const QCommandLineOption *other : foreign) {
        if (isSet(*other)) {
            complain(tr("--%1 is not an option of %2").arg(other->names().first(), command));
            return false;
        }
    }
    return true;
}

std::optional<ConditionTexts> Invocation::givenConditions(std::vector<std::string> &storage) const
{
    storage.clear();
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field) {
        const QCommandLineOption &o = m_options.condition(field);
        // A flag (--solid) says yes by being there.
        if (o.valueName().isEmpty()) {
            storage.emplace_back(isSet(o) ? "yes" : "");
            continue;
        }
        storage.push_back(toUtf8(value(o)));
        if (isSet(o) && trimmed(storage.back()).empty()) {
            complain(tr("--%1 needs a value").arg(o.names().first()));
            return std::nullopt;
        }
    }
    ConditionTexts given;
    for (std::size_t f = 0; f < std::size(ConditionFields); ++f)
        given.*ConditionFields[f].text = storage[f];
    return given;
}

std::optional<Conditions> Invocation::readGivenConditions(const ConditionTexts &given) const
{
    const auto conditions = readConditions(given);
    if (const auto *problem = std::get_if<Problem>(&conditions)) {
        complain(scheduletexts::problemLine(*problem, m_decimalSeparator));
        return std::nullopt;
    }
    return std::get<Conditions>(conditions);
}

void Invocation::writeAnswer(Format chosen, const QString &text,
                             std::span<const ampacity::sizing::Field> fields) const
{
    switch (chosen) {
    case Format::Text:
        output(toUtf8(text) + "\n");
        break;
    case Format::Csv:
        output(ampacity::sizing::csvHeaderLine(fields) + ampacity::sizing::csvRowLine(fields));
        break;
    case Format::Json:
        output(ampacity::sizing::jsonObject(fields) + "\n");
        break;
    }
}

bool Invocation::readSeparatorOption(std::optional<char> &chosen) const
{
    chosen.reset();
    const QCommandLineOption &separator = m_options.separator();
    if (!isSet(separator))
        return true;
    const QString name = value(separator);
    if (name == QLatin1String(",") || name == QLatin1String(";"))
        chosen = name.at(0).toLatin1();
    else if (name.compare(QLatin1String("tab"), Qt::CaseInsensitive) == 0 ||
             name == QLatin1String("\t"))
        chosen = '\t';
    else
        complain(tr("the separator \"%1\" is not , or ; or tab").arg(name));
    return chosen.has_value();
}

} // namespace commandline
