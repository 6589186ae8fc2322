#include "RacewayChoice.h"

#include "TextReading.h"

#include <algorithm>
#include <vector>

namespace ampacity::sizing {
namespace {

// The usual inch names of the metric designators (12 to 155); 200, 275 and
// 325 are 8, 10 and 12 inches, written but not read: "12" is a designator.
struct InchName
{
    int designator;
    std::string_view inches;
    bool read;
};
constexpr InchName InchNames[] = {
    {12, "3/8", true},   {16, "1/2", true},   {21, "3/4", true},  {27, "1", true},
    {35, "1-1/4", true}, {41, "1-1/2", true}, {53, "2", true},    {63, "2-1/2", true},
    {78, "3", true},     {91, "3-1/2", true}, {103, "4", true},   {129, "5", true},
    {155, "6", true},    {200, "8", false},   {275, "10", false}, {325, "12", false},
};

// Upper case, without blanks or hyphens: "rw-90 xlpe" is "RW90XLPE".
std::string squeezed(std::string_view text)
{
    std::string out;
    for (const char c : trimmed(text)) {
        if (isBlank(c) || c == '-' || c == '_')
            continue;
        out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return out;
}

constexpr std::string_view Suffixes[] = {"XLPE", "EP", "NYLON"};

// A printed type ("RW90XLPE", "T90 NYLON") as its Table 19 name and suffix.
WireTypeGiven printedType(std::string_view printed)
{
    const std::string name = squeezed(printed);
    WireTypeGiven type;
    std::string_view base = name;
    for (const std::string_view suffix : Suffixes) {
        if (base.size() > suffix.size() && base.ends_with(suffix)) {
            type.suffix = suffix;
            base.remove_suffix(suffix.size());
            break;
        }
    }
    const auto types = table19WireTypes();
    for (std::size_t t = 0; t < types.size(); ++t)
        if (types[t].name == base)
            type.type = static_cast<int>(t);
    return type;
}

// Each listing's type as read, once: the listings are looked through for
// every circuit's conditions.
struct ListedType
{
    WireTypeGiven printed;
    bool nylon; // its table lists nylon-jacketed types (6K)
};
const std::vector<ListedType> &listedTypes()
{
    static const std::vector<ListedType> types = [] {
        std::vector<ListedType> read;
        for (const Table6Listing &listing : table6Listings())
            read.push_back({printedType(listing.type),
                            table6()[listing.table].types.find("NYLON") != std::string_view::npos});
        return read;
    }();
    return types;
}

// Whether the listing of Table 6 at `index` is of the type given: its name,
// and its suffix where one was given (RW90EP is 6C's only; NYLON any of
// 6K's).
bool lists(std::size_t index, const WireTypeGiven &given)
{
    const ListedType &listed = listedTypes()[index];
    if (listed.printed.type != given.type)
        return false;
    if (given.suffix.empty())
        return true;
    if (given.suffix == "NYLON")
        return listed.nylon;
    return listed.printed.suffix == given.suffix;
}

bool inClass(const Table6Listing &listing, int voltage, bool jacketed)
{
    const bool anyVoltage = listing.voltages[0] == 0;
    const bool voltageMatches =
        anyVoltage || listing.voltages[0] == voltage || listing.voltages[1] == voltage;
    const bool jacketMatches =
        listing.jacket == Jacket::Any || (listing.jacket == Jacket::Jacketed) == jacketed;
    return voltageMatches && jacketMatches;
}

// A listing's class as the options write it: "Table 6D (1000 V, --jacketed yes)".
std::string classText(const Table6Listing &listing)
{
    std::string text = "Table " + std::string(table6()[listing.table].name);
    std::string what;
    for (const int v : listing.voltages)
        if (v > 0)
            what += (what.empty() ? "" : " or ") + std::to_string(v) + " V";
    if (listing.jacket != Jacket::Any)
        what += std::string(what.empty() ? "" : ", ") + "--jacketed " +
                (listing.jacket == Jacket::Jacketed ? "yes" : "no");
    return what.empty() ? text : text + " (" + what + ")";
}

} // namespace

std::variant<int, Problem> readRaceway(std::string_view text)
{
    const std::string_view word = trimmed(text);
    if (word.empty() || sameWord(word, "none") || sameWord(word, "aucune"))
        return -1;
    const auto raceways = table9();
    for (std::size_t r = 0; r < raceways.size(); ++r)
        if (sameWord(word, raceways[r].id))
            return static_cast<int>(r);
    Problem problem = makeProblem(Problem::Kind::UnknownRaceway, word);
    problem.listText = racewayNames();
    return problem;
}

std::string racewayNames()
{
    std::string names;
    for (const RacewayKind &raceway : table9())
        names += (names.empty() ? "" : ", ") + std::string(raceway.id);
    return names;
}

std::variant<std::size_t, Problem> readTradeSize(std::string_view text, const RacewayKind &raceway)
{
    std::string word = squeezed(text);
    for (const std::string_view unit : {"\"", "IN", "PO", "MM"})
        if (word.size() > unit.size() && word.ends_with(unit))
            word.resize(word.size() - unit.size());
    // "1-1/4" squeezed is "11/4": the inch names are compared squeezed too.
    std::optional<int> designator;
    for (const InchName &name : InchNames)
        if (std::to_string(name.designator) == word || (name.read && squeezed(name.inches) == word))
            designator = name.designator;
    if (designator)
        for (std::size_t s = 0; s < raceway.sizes.size(); ++s)
            if (raceway.sizes[s].designator == *designator)
                return s;
    Problem problem = makeProblem(Problem::Kind::TradeSizeNotListed, trimmed(text));
    problem.sizeText = raceway.id;
    for (const TradeSize &size : raceway.sizes)
        problem.listText +=
            (problem.listText.empty() ? "" : ", ") + std::to_string(size.designator);
    return problem;
}

std::string_view tradeSizeInches(int designator)
{
    for (const InchName &name : InchNames)
        if (name.designator == designator)
            return name.inches;
    return {};
}

std::variant<WireTypeGiven, Problem> readWireType(std::string_view text)
{
    if (trimmed(text).empty())
        return WireTypeGiven{};
    const WireTypeGiven given = printedType(text);
    bool listed = false;
    for (std::size_t l = 0; l < table6Listings().size() && given.type >= 0; ++l)
        listed = listed || lists(l, given);
    if (listed)
        return given;
    Problem problem = makeProblem(Problem::Kind::UnknownWireType, trimmed(text));
    for (const WireType &type : table19WireTypes())
        problem.listText += (problem.listText.empty() ? "" : ", ") + std::string(type.name);
    return problem;
}

int wireRating(std::string_view text)
{
    const WireTypeGiven given = printedType(text);
    return given.type >= 0 ? table19WireTypes()[static_cast<std::size_t>(given.type)].rating : 60;
}

std::variant<int, Problem> readWireVoltage(std::string_view text)
{
    if (trimmed(text).empty())
        return 0;
    std::string word = squeezed(text);
    if (word.empty())
        return 0;
    if (word.size() > 1 && word.back() == 'V')
        word.pop_back();
    for (const int voltage : {600, 1000, 2000})
        if (word == std::to_string(voltage))
            return voltage;
    return makeProblem(Problem::Kind::WireVoltageNotKnown, trimmed(text));
}

// The tables that list the type in the class asked for, into `wire`.
std::variant<Wire, Problem> listedWire(const WireTypeGiven &given, int voltage, bool jacketed,
                                       Wire wire);

std::variant<Wire, Problem> wireIn(const WireTypeGiven &given, int voltage, bool jacketed,
                                   bool solid)
{
    Wire wire;
    wire.type = given.type;
    wire.solid = solid;
    if (given.type < 0)
        return wire;
    // A schedule's rows ask for a few wires many times: each found once.
    const std::size_t suffix = given.suffix.empty()     ? 0
                               : given.suffix == "XLPE" ? 1
                               : given.suffix == "EP"   ? 2
                                                        : 3;
    const std::size_t classIndex = voltage == 0 ? 0 : voltage == 600 ? 1 : voltage == 1000 ? 2 : 3;
    const std::size_t key =
        (((static_cast<std::size_t>(given.type) * 4 + suffix) * 4 + classIndex) * 2 + jacketed) *
            2 +
        solid;
    thread_local std::vector<std::optional<Wire>> found(table19WireTypes().size() * 64);
    if (key < found.size() && found[key])
        return *found[key];
    auto answer = listedWire(given, voltage, jacketed, wire);
    if (const auto *listed = std::get_if<Wire>(&answer); listed && key < found.size())
        found[key] = *listed;
    return answer;
}

std::variant<Wire, Problem> listedWire(const WireTypeGiven &given, int voltage, bool jacketed,
                                       Wire wire)
{
    const auto listings = table6Listings();
    // The lowest class the type comes in, jacketed or not as asked.
    if (voltage == 0) {
        int lowest = 0;
        for (std::size_t index = 0; index < listings.size(); ++index) {
            const Table6Listing &l = listings[index];
            if (lists(index, given) && inClass(l, l.voltages[0], jacketed) && l.voltages[0] > 0 &&
                (lowest == 0 || l.voltages[0] < lowest))
                lowest = l.voltages[0];
        }
        voltage = lowest;
    }
    std::size_t found = 0;
    for (std::size_t index = 0; index < listings.size(); ++index) {
        const Table6Listing &l = listings[index];
        if (!lists(index, given) || !inClass(l, voltage, jacketed))
            continue;
        const auto table = static_cast<std::int8_t>(l.table);
        if (std::find(wire.tables.begin(), wire.tables.end(), table) != wire.tables.end())
            continue;
        if (found < wire.tables.size())
            wire.tables[found++] = table;
    }
    if (found > 0)
        return wire;
    Problem problem = makeProblem(Problem::Kind::WireClassNotListed,
                                  table19WireTypes()[static_cast<std::size_t>(given.type)].name);
    for (std::size_t index = 0; index < listings.size(); ++index)
        if (lists(index, given))
            problem.listText += (problem.listText.empty() ? "" : "; ") + classText(listings[index]);
    problem.limit = voltage;
    problem.other = jacketed ? 1 : 0;
    return problem;
}

int wireTypeFor(int insulationRating)
{
    const std::string_view name = insulationRating >= 90   ? "RW90"
                                  : insulationRating >= 75 ? "RW75"
                                                           : "TW";
    const auto types = table19WireTypes();
    for (std::size_t t = 0; t < types.size(); ++t)
        if (types[t].name == name)
            return static_cast<int>(t);
    return -1;
}

std::variant<ConductorGroup, Problem> readConductorGroup(std::string_view text)
{
    const std::string_view whole = trimmed(text);
    ConductorGroup group;
    std::string_view conductor = whole;
    if (const auto colon = whole.find(':'); colon != std::string_view::npos) {
        const auto wire = readWireType(whole.substr(colon + 1));
        if (const auto *problem = std::get_if<Problem>(&wire))
            return *problem;
        group.wire = std::get<WireTypeGiven>(wire);
        if (group.wire.type < 0)
            return makeProblem(Problem::Kind::GroupNotRead, whole);
        conductor = trimmed(whole.substr(0, colon));
    }
    // The count before an x (or a multiplication sign): "3x6", "3 × 6".
    std::string_view size = conductor;
    for (const std::string_view times : {"x", "X", "\u00D7"}) {
        if (const auto at = conductor.find(times); at != std::string_view::npos) {
            const std::string_view count = trimmed(conductor.substr(0, at));
            size = trimmed(conductor.substr(at + times.size()));
            const bool digits = !count.empty() && count.size() <= 3 &&
                                std::all_of(count.begin(), count.end(), isDigit);
            const auto value = digits ? wholeValue(count) : std::nullopt;
            if (count.empty())
                return makeProblem(Problem::Kind::GroupNotRead, whole);
            if (!value || *value < 1 || *value > MostConductorsInGroup)
                return makeProblem(Problem::Kind::CountNotWhole, count);
            group.count = static_cast<int>(*value);
            break;
        }
    }
    if (size.empty())
        return makeProblem(Problem::Kind::GroupNotRead, whole);
    const auto found = table6SizeOf(size);
    if (!found)
        return makeProblem(Problem::Kind::NotTable6Size, size);
    group.size = *found;
    return group;
}

std::optional<std::size_t> table6SizeOf(std::string_view text)
{
    // Without a string of its own: every designed circuit's conductors are
    // looked up.
    std::string_view word = trimmed(text);
    if (!word.empty() && word.front() == '#')
        word.remove_prefix(1);
    const auto endsWith = [&word](std::string_view unit) {
        if (word.size() <= unit.size())
            return false;
        const std::string_view end = word.substr(word.size() - unit.size());
        return std::equal(end.begin(), end.end(), unit.begin(), [](char a, char b) {
            return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
        });
    };
    for (const std::string_view unit : {"awg", "kcmil", "mcm"})
        if (endsWith(unit)) {
            word = trimmed(word.substr(0, word.size() - unit.size()));
            break;
        }
    // Each size's number, "14" or "1/0" or "250", cut once.
    static const std::vector<std::string_view> numbers = [] {
        std::vector<std::string_view> cut;
        for (const std::string_view size : table6Sizes())
            cut.push_back(size.substr(0, size.find(' ')));
        return cut;
    }();
    for (std::size_t s = 0; s < numbers.size(); ++s)
        if (numbers[s] == word)
            return s;
    return std::nullopt;
}

} // namespace ampacity::sizing
