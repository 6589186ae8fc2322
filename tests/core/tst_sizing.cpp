// Sizing for a load: the conductor named must be the one a user reaches by
// stepping the wire-size list until the window's corrected ampacity first
// reaches the load, under every condition the buttons can set; and a cable
// schedule goes through whole, its own columns untouched.

#include "AmpacityTables.h"
#include "Check.h"
#include "CorrectedAmpacity.h"
#include "FactorCycle.h"
#include "Schedule.h"
#include "TableOnly.h"

#include <string>
#include <vector>

using namespace ampacity;
using namespace ampacity::sizing;

namespace {

// A decimal text as a whole number of ten-thousandths: "0.82" is 8200.
long tenThousandths(std::string_view text)
{
    long whole = 0, fraction = 0, scale = 1000;
    std::size_t pos = 0;
    for (; pos < text.size() && text[pos] != '.'; ++pos)
        whole = whole * 10 + (text[pos] - '0');
    for (++pos; pos < text.size() && scale > 0; ++pos, scale /= 10)
        fraction += (text[pos] - '0') * scale;
    return whole * 10000 + fraction;
}

// The exact allowable ampacity a user works out from the window: the table
// ampacity from the list's text times the two factors the result box
// names ("=159.9 A  (I × 0.82 × 1)"), in ten-thousandths of an ampere.
long exactFromWindow(std::string_view listText, std::string_view boxText)
{
    const std::string times = " \u00D7 ";
    const auto first = boxText.find(times) + times.size();
    const auto second = boxText.find(times, first) + times.size();
    const auto ambient = tenThousandths(boxText.substr(first, boxText.find(times, first) - first));
    const auto count = tenThousandths(boxText.substr(second, boxText.find(')') - second));
    return static_cast<long>(leadingNumber(listText)) * (ambient / 100) * (count / 100);
}

std::string loadText(long tenThousandths)
{
    std::string fraction = std::to_string(10000 + tenThousandths % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    std::string text = std::to_string(tenThousandths / 10000);
    if (!fraction.empty())
        text.append(1, '.').append(fraction);
    return text;
}

// Conductor counts that fall in each group of Table 5C and 5B, first and last.
const std::vector<std::vector<std::string>> RacewayCounts = {
    {"1", "3"}, {"4", "6"}, {"7", "24"}, {"25", "42"}, {"43", "200"}};
const std::vector<std::vector<std::string>> FreeAirCounts = {{"1"}, {"2"}, {"3"}, {"4"}};

// Every condition, every load at, a ten-thousandth around and a hundredth
// above each conductor's exact ampacity, and halfway between neighbours:
// with the terminations left out, the size named is the first row, in list
// order, whose ampacity worked out from the window carries the load, and the
// text line keeps the window's own rounded figure.
void agreesWithTheWindowEverywhere()
{
    int disagreements = 0, cases = 0;
    for (const char *materialText : {"cu", "al"})
        for (const char *installationText : {"raceway", "free-air"})
            for (const char *ratingText : {"60", "75", "90"}) {
                const auto m = std::get<std::int16_t>(readMaterial(materialText));
                const auto i = std::get<std::int16_t>(readInstallation(installationText));
                const auto t = std::get<std::int16_t>(readInsulation(ratingText));
                const auto column = selectAmpacityColumn(m, i, t);
                const auto ambient = ambientCycle(t);
                const auto counts = conductorCountCycle(i);
                const auto &countTexts = i == installation::FreeAir ? FreeAirCounts : RacewayCounts;
                for (std::size_t a = 0; a < ambient.size(); ++a)
                    for (std::size_t n = 0; n < counts.size(); ++n)
                        for (const std::string &count : countTexts[n]) {
                            const std::string ambientText = std::to_string(30 + 5 * a);
                            ConditionTexts texts{materialText, installationText, ratingText,
                                                 ambientText, count};
                            texts.terminations = "none";
                            texts = tableonly::conditions(texts);
                            const auto conditions = std::get<Conditions>(readConditions(texts));
                            std::vector<long> exact;
                            std::vector<std::string> boxes;
                            for (const std::string &text : column->texts) {
                                const Correction c =
                                    correctAmpacity(text, ambient[a].factor, counts[n].factor);
                                boxes.push_back(correctedAmpacityText(
                                    c.correctedAmp, ambient[a].factor, counts[n].factor));
                                exact.push_back(exactFromWindow(text, boxes.back()));
                            }
                            std::vector<long> loads;
                            for (std::size_t r = 0; r < exact.size(); ++r) {
                                loads.insert(loads.end(), {exact[r], exact[r] - 1, exact[r] + 1,
                                                           exact[r] + 100});
                                if (r > 0)
                                    loads.push_back((exact[r - 1] + exact[r]) / 2);
                            }
                            for (long load : loads) {
                                if (load <= 0)
                                    continue;
                                ++cases;
                                std::size_t stepped = 0;
                                while (stepped < exact.size() && exact[stepped] < load)
                                    ++stepped;
                                const auto answer = sizeFor(
                                    std::get<Amperes>(readLoad(loadText(load))), conditions);
                                const auto *sizing = std::get_if<Sizing>(&answer);
                                const bool agrees =
                                    stepped == exact.size()
                                        ? std::holds_alternative<Problem>(answer)
                                        : sizing && sizing->conductor.row() == stepped &&
                                              sizing->usable == exact[stepped] &&
                                              sizing->governedBy == Governing::Ampacity &&
                                              correctedAmpacityText(
                                                  sizing->correctedAmp, sizing->ambientFactor,
                                                  sizing->countFactor) == boxes[stepped];
                                if (!agrees && ++disagreements <= 5)
                                    check::that(false, std::string(materialText) + " " +
                                                           installationText + " " + ratingText +
                                                           " ambient " + ambientText + " count " +
                                                           count + " load " + loadText(load));
                            }
                        }
            }
    check::equal(disagreements, 0, "loads sized unlike the window");
    check::that(cases > 60000, "every condition was tried: " + std::to_string(cases));
}

// One circuit, as the examples in the README read.
void namesTheSizeTheTableAndTheCorrection()
{
    struct Case
    {
        std::string load;
        ConditionTexts conditions{};
        std::string size;
        int table;
        int tableAmpacity;
        std::string box;
        std::string caption;
        std::string tables; // the caption's tables in short, for the schedule
    };
    const std::string x = " \u00D7 ";
    // clang-format off
    const Case cases[] = {
        {"150", {"", "", "", "40", ""}, "4/0 AWG", 2, 195, "=159.9 A  (I" + x + "0.82" + x + "1)", "Table 5A applied", "5A"},
        {"15", {}, "14 AWG", 2, 15, "=15 A  (I" + x + "1" + x + "1)", "Correction Factors", ""},
        // 14 AWG is not made in aluminum: its list begins at 12 AWG.
        {"1", {"al"}, "12 AWG", 4, 15, "=15 A  (I" + x + "1" + x + "1)", "Correction Factors", ""},
        {"150", {"cu", "raceway", "75", "40", "6"}, "4/0 AWG", 2, 230, "=161.9 A  (I" + x + "0.88" + x + "0.8)", "Tables 5A and 5C applied", "5A+5C"},
        // 4 AWG, 115 A x 0.85 = 97.75, is not enough.
        {"100", {"AL", "Free-Air", "90C", "", "3", "none"}, "3 AWG", 3, 130, "=110.5 A  (I" + x + "1" + x + "0.85)", "Table 5B applied", "5B"},
        {"100", {"cu", "free-air", "90", "35", "2"}, "4 AWG", 1, 140, "=121 A  (I" + x + "0.96" + x + "0.9)", "Tables 5A and 5B applied", "5A+5B"},
        {"100", {"cu", "raceway", "60", "", "4"}, "1/0 AWG", 2, 125, "=100 A  (I" + x + "1" + x + "0.8)", "Table 5C applied", "5C"},
        // Ties: 10 AWG at 75 °C, 35 A x 0.75 x 0.5 = 13.125, shown 13.12, carries
        // 13.125 A and not a ten-thousandth more.
        {"13.125", {"cu", "raceway", "75", "50", "43"}, "10 AWG", 2, 35, "=13.12 A  (I" + x + "0.75" + x + "0.5)", "Tables 5A and 5C applied", "5A+5C"},
        {"13.1251", {"cu", "raceway", "75", "50", "43"}, "8 AWG", 2, 50, "=18.75 A  (I" + x + "0.75" + x + "0.5)", "Tables 5A and 5C applied", "5A+5C"},
        // More digits than a ten-thousandth: rounded up, so not carried either.
        {"13.12501", {"cu", "raceway", "75", "50", "43"}, "8 AWG", 2, 50, "=18.75 A  (I" + x + "0.75" + x + "0.5)", "Tables 5A and 5C applied", "5A+5C"},
        // Between rows of Table 5A: 41 °C takes the 45 °C row, 0.71 at 60 °C.
        {"150", {"", "", "", "41", ""}, "250 MCM", 2, 215, "=152.6 A  (I" + x + "0.71" + x + "1)", "Table 5A applied", "5A"},
        // At or below 30 °C the table ampacity holds as it is.
        {"150", {"", "", "", "-20", ""}, "3/0 AWG", 2, 165, "=165 A  (I" + x + "1" + x + "1)", "Correction Factors", ""},
    };
    // clang-format on
    for (const Case &c : cases) {
        const auto conditions =
            std::get<Conditions>(readConditions(tableonly::conditions(c.conditions)));
        const auto answer = sizeFor(std::get<Amperes>(readLoad(c.load)), conditions);
        const auto *sizing = std::get_if<Sizing>(&answer);
        if (!check::that(sizing != nullptr, "load " + c.load + " is sized"))
            continue;
        check::equal(wireSizeName(sizing->conductor.size), c.size, "size for " + c.load);
        check::equal(sizing->tableNumber, c.table, "table for " + c.load);
        check::equal(sizing->tableAmpacity, c.tableAmpacity, "table ampacity for " + c.load);
        check::equal(
            correctedAmpacityText(sizing->correctedAmp, sizing->ambientFactor, sizing->countFactor),
            c.box, "result for " + c.load);
        check::equal(sizing->correctionCaption, c.caption, "caption for " + c.load);
        check::equal(sizing->correctionTables, c.tables, "tables for " + c.load);
    }
}

// Bad values are named, never guessed; the one line says what is allowed.
void badValuesAreNamed()
{
    struct Case
    {
        std::string load;
        ConditionTexts conditions{};
        std::string problem;
        ConditionTexts defaults{}; // beyond the table-only ones
    };
    const Case cases[] = {
        {"0", {}, "the load \"0\" is not a positive number of amperes"},
        {"-5", {}, "the load \"-5\" is not a positive number of amperes"},
        {"abc", {}, "the load \"abc\" is not a positive number of amperes"},
        {"1,500",
         {},
         "the load \"1,500\" is not a positive number of amperes (write decimals after a point)"},
        {"1e3", {}, "the load \"1e3\" is not a positive number of amperes"},
        {"", {"cu"}, "the load is missing"},
        {"10", {"steel"}, "the material \"steel\" is not cu or al"},
        {"10", {"cu", "buried"}, "the installation \"buried\" is not raceway, cable or free-air"},
        {"10", {"cu", "raceway", "105"}, "the insulation \"105\" is not 60, 75 or 90 (°C)"},
        {"10", {"cu", "raceway", "60", "hot"}, "the ambient \"hot\" is not a temperature in °C"},
        {"10",
         {"cu", "raceway", "60", "56"},
         "the ambient \"56\" °C is above 55 °C, the highest Table 5A allows for 60 °C insulation"},
        {"10",
         {"cu", "raceway", "75", "70.5"},
         "the ambient \"70.5\" °C is above 70 °C, the highest Table 5A allows for 75 °C "
         "insulation"},
        {"10",
         {"cu", "raceway", "90", "81"},
         "the ambient \"81\" °C is above 80 °C, the highest Table 5A allows for 90 °C insulation"},
        {"10",
         {"cu", "raceway", "60", "30", "0"},
         "the conductors \"0\" is not a whole number of conductors, 1 or more"},
        {"10",
         {"cu", "raceway", "60", "30", "2.5"},
         "the conductors \"2.5\" is not a whole number of conductors, 1 or more"},
        {"10",
         {"cu", "free-air", "60", "30", "5"},
         "the conductors \"5\" is more than free air allows: Table 5B stops at 4"},
        {"5000",
         {},
         "no conductor carries \"5000\" A under these conditions: 2000 MCM carries 555 A"},
        {"99999999999999999999",
         {},
         "no conductor carries \"99999999999999999999\" A under these "
         "conditions: 2000 MCM carries 555 A"},
        // 2000 MCM at 90 °C carries 750 A, but 75 °C terminations hold it to 665 A.
        {"700",
         {"cu", "raceway", "90"},
         "no conductor carries \"700\" A under these conditions: 2000 MCM carries 665 A; 2 "
         "parallel sets of 500 MCM would (Rule 12-108)"},
        {"10",
         {.terminations = "80"},
         "the terminations \"80\" are not auto, 60, 75, 90 or none (°C)"},
        {"10", {.breaker = "0"}, "the breaker \"0\" is not a positive number of amperes"},
        {"10", {.breaker = "-15"}, "the breaker \"-15\" is not a positive number of amperes"},
        {"10",
         {.length = "0", .voltage = "120"},
         "the length \"0\" is not a positive number of metres (or of feet, as in 150 ft)"},
        {"10",
         {.length = "ten", .voltage = "120"},
         "the length \"ten\" is not a positive number of metres (or of feet, as in 150 ft)"},
        {"10",
         {.length = "-3 ft", .voltage = "120"},
         "the length \"-3 ft\" is not a positive number of metres (or of feet, as in 150 ft)"},
        {"10",
         {.length = "30"},
         "the length \"30\" needs a voltage to work out the voltage drop from"},
        {"10", {.voltage = "0"}, "the voltage \"0\" is not a positive number of volts"},
        {"10", {.voltage = "1,2"}, "the voltage \"1,2\" is not a positive number of volts"},
        {"10", {.system = "2ph"}, "the system \"2ph\" is not 1ph, 3ph or dc"},
        {"10",
         {.powerFactor = "0.85"},
         "the power factor \"0.85\" is not 1, 0.9 or 0.8, the columns of Table D3"},
        {"10",
         {.powerFactor = "0.901"},
         "the power factor \"0.901\" is not 1, 0.9 or 0.8, the columns of Table D3"},
        {"10",
         {.maxDrop = "0"},
         "the maximum drop \"0\" is not a percentage above 0 and at most 100"},
        {"10",
         {.maxDrop = "101"},
         "the maximum drop \"101\" is not a percentage above 0 and at most 100"},
        // Only 1250 MCM and larger carry 1100 A in free air, and Table D3 stops at 1000 kcmil.
        {"1100",
         {"cu", "free-air", "75", "", "", "", "", "10", "600"},
         "only conductors above 1000 kcmil carry \"1100\" A, and Table D3 gives no K for "
         "them: consider conductors in parallel; 2 parallel sets of 500 MCM would (Rule 12-108)"},
        // 1000 kcmil over 2 km at 120 V: 0.0558 x 2 x 100 x 2000 / 1000 = 22.32 V, 18.6 %.
        {"100",
         {.length = "2000", .voltage = "120"},
         "no conductor of Table D3 keeps the voltage drop within 3 %: the least is 18.6 % with "
         "1000 MCM; consider conductors in parallel"},
    };
    for (const Case &c : cases) {
        // Sized as a schedule's row, every condition a column: the problem
        // column is the line.
        std::string header = "load", row = csvField(c.load);
        for (const ConditionField &field : ConditionFields) {
            header.append(1, ',').append(field.name);
            row.append(1, ',').append(csvField(c.conditions.*field.text));
        }
        const Schedule schedule =
            sizeSchedule(header + "\n" + row + "\n", tableonly::conditions(c.defaults));
        if (!check::equal(schedule.rows.size(), 1u, "one row for " + c.load))
            continue;
        const ScheduleRow &sized = schedule.rows[0];
        check::that(!sized.sizing, "no size for " + c.problem);
        check::equal(sized.problem ? describe(*sized.problem) : "", c.problem, "problem");
    }
}

// A schedule from a spreadsheet: extra columns, quoted fields with commas,
// quotes and line breaks, blank cells taking the defaults, bad rows among
// good ones, the byte-order mark and CRLF line ends it came with.
void scheduleRoundTrips()
{
    const std::string input = "\xEF\xBB\xBF"
                              "circuit,Load,ambient,notes,conductors\r\n"
                              "P-1,150,40,\"feeds \"\"MCC-1\"\", east\",\r\n"
                              "P-2,30,,,4\r\n"
                              "\r\n"
                              "P-3,abc,30,\"two\r\nlines\",1\r\n"
                              "P-4,20,60,3/4\" conduit,1\r\n"
                              "P-5,20\r\n"
                              "P-6,5000,,,\r\n";
    const Schedule schedule = sizeSchedule(input, tableonly::Defaults);
    check::that(!schedule.error, "the schedule reads");
    const std::string answerHeader =
        "size,table,table_ampacity,corrected_ampacity,ambient_factor,count_factor,tables,"
        "terminations,usable_ampacity,drop_volts,drop_percent,governed_by,size_for_ampacity,"
        "breaker_rating,breaker_chosen,max_breaker,parallel_sets,bonding,bonding_material,"
        "motor_current,motor_current_from,overload_max,raceway_size,raceway_fill,raceway_wire,"
        "problem";
    const std::string noAnswer = ",,,,,,,,,,,,,,,,,,,,,,,,,,"; // 25 empty answers, then the problem
    // 4/0 AWG is larger than No. 1 AWG: 75 °C terminations, above the
    // conductor's own 60 °C, so they do not limit it. Without a breaker, the
    // bonding conductor goes by the ampacity: 159.9 A, 6 AWG.
    const std::string expected =
        "\xEF\xBB\xBF"
        "circuit,Load,ambient,notes,conductors," +
        answerHeader +
        "\r\n"
        "P-1,150,40,\"feeds \"\"MCC-1\"\", east\",,4/0 AWG,2,195,159.9,0.82,1,5A,75,159.9,,,"
        "ampacity,,,no,175,1,6 AWG,cu,,,,,,,\r\n"
        "P-2,30,,,4,8 AWG,2,40,32,1,0.8,5C,60,32,,,ampacity,,,no,35,1,10 AWG,cu,,,,,,,\r\n"
        ",,,," +
        noAnswer +
        "\r\n" // the blank line, kept as a blank row
        "P-3,abc,30,\"two\r\nlines\",1" +
        noAnswer +
        "\"the load \"\"abc\"\" is not a positive "
        "number of amperes\"\r\n"
        "P-4,20,60,\"3/4\"\" conduit\",1" +
        noAnswer +
        "\"the ambient \"\"60\"\" °C is above 55 "
        "°C, the highest Table 5A allows for 60 °C insulation\"\r\n"
        "P-5,20,,," +
        noAnswer +
        "the row has 2 cells and the header 5\r\n"
        "P-6,5000,,," +
        noAnswer +
        "\"no conductor carries \"\"5000\"\" A under these "
        "conditions: 2000 MCM carries 555 A\"\r\n";
    check::equal(scheduleCsv(schedule), expected, "the schedule with its answers");
    // Where each row starts in the file, for the messages.
    std::string lines;
    for (const ScheduleRow &row : schedule.rows)
        lines += std::to_string(row.line) + " ";
    check::equal(lines, std::string("2 3 4 5 7 8 9 "), "row lines");

    // A schedule sized before is sized again, not given its columns twice;
    // the short row now has its cells.
    std::string again = expected;
    const std::string shortRow =
        "P-5,20,,," + noAnswer + "the row has 2 cells and the header 5\r\n";
    again.replace(again.find(shortRow), shortRow.size(),
                  "P-5,20,,,,12 AWG,2,20,20,1,1,,60,20,,,ampacity,,,no,20,1,14 AWG,cu,,,,,,,\r\n");
    check::equal(scheduleCsv(sizeSchedule(expected, tableonly::Defaults)), again,
                 "sizing the answer again");
    // So is one sized by the version before terminations and voltage drop.
    check::equal(scheduleCsv(sizeSchedule("load,size,table,table_ampacity,corrected_ampacity,"
                                          "ambient_factor,count_factor,tables,problem\n"
                                          "20,14 AWG,2,15,15,1,1,,\n",
                                          tableonly::Defaults)),
                 "load," + answerHeader +
                     "\n20,12 AWG,2,20,20,1,1,,60,20,,,ampacity,,,no,20,1,14 AWG,cu,,,,,,,\n",
                 "sizing an earlier answer again");

    // The same as JSON: the CSV's names as keys, numbers as numbers.
    const Schedule two = sizeSchedule("id,load\nA,150\nB,x\n",
                                      tableonly::conditions({"cu", "raceway", "60", "40", "1"}));
    check::equal(
        scheduleJson(two),
        std::string(
            "[\n"
            "  {\"id\": \"A\", \"load\": \"150\", \"size\": \"4/0 AWG\", \"table\": 2, "
            "\"table_ampacity\": 195, \"corrected_ampacity\": 159.9, "
            "\"ambient_factor\": 0.82, \"count_factor\": 1, \"tables\": \"5A\", "
            "\"terminations\": \"75\", \"usable_ampacity\": 159.9, \"drop_volts\": null, "
            "\"drop_percent\": null, \"governed_by\": \"ampacity\", "
            "\"size_for_ampacity\": null, \"breaker_rating\": null, "
            "\"breaker_chosen\": \"no\", \"max_breaker\": 175, \"parallel_sets\": 1, "
            "\"bonding\": \"6 AWG\", \"bonding_material\": \"cu\", \"motor_current\": null, "
            "\"motor_current_from\": null, \"overload_max\": null, \"raceway_size\": null, "
            "\"raceway_fill\": null, \"raceway_wire\": null, \"problem\": null},\n"
            "  {\"id\": \"B\", \"load\": \"x\", \"size\": null, \"table\": null, "
            "\"table_ampacity\": null, \"corrected_ampacity\": null, "
            "\"ambient_factor\": null, \"count_factor\": null, \"tables\": null, "
            "\"terminations\": null, \"usable_ampacity\": null, \"drop_volts\": null, "
            "\"drop_percent\": null, \"governed_by\": null, \"size_for_ampacity\": null, "
            "\"breaker_rating\": null, \"breaker_chosen\": null, \"max_breaker\": null, "
            "\"parallel_sets\": null, \"bonding\": null, \"bonding_material\": null, "
            "\"motor_current\": null, "
            "\"motor_current_from\": null, \"overload_max\": null, \"raceway_size\": null, "
            "\"raceway_fill\": null, \"raceway_wire\": null, \"problem\": \"the load \\\"x\\\" is "
            "not a positive number of "
            "amperes\"}\n"
            "]\n"),
        "JSON with the options' defaults");
}

// A user's own column named like an answer column stays where it is, and
// the answer's goes under a distinct name; a terminations column is the
// user's input, kept as written.
void usersColumnsAreNeverReplaced()
{
    const Schedule schedule = sizeSchedule("Size,load,terminations,note\n"
                                           "big,25,75,\n"
                                           "small,25,,\n",
                                           tableonly::conditions({"cu", "raceway", "90"}));
    // 25 A on 90 °C insulation: 14 AWG carries 25 A, but 75 °C terminations
    // hold it to 20 A (Rule 4-006), so 12 AWG; auto gives 60 °C, where 12 AWG
    // is held to 20 A too, so 10 AWG.
    check::equal(
        scheduleCsv(schedule),
        std::string(
            "Size,load,terminations,note,torvane_size,table,table_ampacity,"
            "corrected_ampacity,ambient_factor,count_factor,tables,torvane_terminations,"
            "usable_ampacity,drop_volts,drop_percent,governed_by,size_for_ampacity,"
            "breaker_rating,breaker_chosen,max_breaker,parallel_sets,bonding,"
            "bonding_material,motor_current,motor_current_from,overload_max,raceway_size,raceway_"
            "fill,raceway_wire,problem\n"
            "big,25,75,,12 AWG,2,30,30,1,1,,75,25,,,termination,,,no,20,1,12 AWG,cu,,,,,,,\n"
            "small,25,,,10 AWG,2,40,40,1,1,,60,30,,,termination,,,no,30,1,12 AWG,cu,,,,,,,\n"),
        "the user's Size and terminations kept");
    // And sized again, the same.
    check::equal(scheduleCsv(sizeSchedule(scheduleCsv(schedule),
                                          tableonly::conditions({"cu", "raceway", "90"}))),
                 scheduleCsv(schedule), "sized again");
}

// Options not given leave the window's start-up values for blank cells, and
// the designer's: a continuous load, and a breaker chosen for it. 150 A
// continuous needs a 200 A breaker (150 / 0.8 = 187.5), so 75 °C
// terminations, and 187.5 A of conductor: 4/0 AWG at 60 °C, 195 A, which
// Table 13 lets a 200 A breaker protect; bonded with 6 AWG (Table 16, 200 A).
void blankCellsWithoutOptionsTakeTheStartUpValues()
{
    const Schedule schedule = sizeSchedule("load,ambient,conductors\n150,,\n", ConditionTexts{});
    check::equal(scheduleCsv(schedule),
                 std::string("load,ambient,conductors,size,table,table_ampacity,corrected_ampacity,"
                             "ambient_factor,count_factor,tables,terminations,usable_ampacity,"
                             "drop_volts,drop_percent,governed_by,size_for_ampacity,"
                             "breaker_rating,breaker_chosen,max_breaker,parallel_sets,bonding,"
                             "bonding_material,motor_current,motor_current_from,overload_max,"
                             "raceway_size,raceway_fill,raceway_wire,problem\n"
                             "150,,,4/0 AWG,2,195,195,1,1,,75,195,,,continuous load,,200,yes,"
                             "200,1,6 AWG,cu,,,,,,,\n"),
                 "blank cells, no options");
}

void unreadableSchedulesAreRefused()
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "the schedule is empty: its first row must name the columns, load among them"},
        {"circuit,amps\nP-1,20\n", "the header row names no load column"},
        {"load,Load\n1,2\n", "the header names the column Load twice"},
        {"\"load\n1\n", "a quoted field opened on line 1 is never closed"},
    };
    for (const auto &[csv, error] : cases) {
        const Schedule refused = sizeSchedule(csv);
        check::equal(refused.error ? describe(*refused.error) : "", error, "refused: " + error);
    }
    // An unclosed quote further down takes the rest of the file into its
    // field, so its row is the last, and the problem says where it opened.
    const Schedule open = sizeSchedule("load,note\n20,ok\n30,\"never closed\n40,x\n");
    check::equal(open.rows.size(), 2u, "rows before and of the unclosed quote");
    check::equal(open.rows[1].problem ? describe(*open.rows[1].problem) : "",
                 std::string("a quoted field opened on line 3 is never closed"), "unclosed quote");
}

} // namespace

// A problem's words: each %1 to %9 the argument of its number, in one pass,
// so that an argument holding "%2" stays as it is; a percent sign that
// names no argument stays too.
void placeholdersFilledInOnePass()
{
    struct Case
    {
        std::string_view format;
        std::vector<std::string> arguments;
        std::string_view text;
    };
    const Case cases[] = {
        {"a %1 b %2 c", {"x", "y"}, "a x b y c"},
        {"%1%2", {"x", "y"}, "xy"},
        {"%2 before %1", {"x", "y"}, "y before x"},
        {"100%", {"x"}, "100%"},
        {"%%1", {"x"}, "%x"},
        {"%0 and %3", {"x", "y"}, "%0 and %3"},
        {"%1", {"%2", "z"}, "%2"},
        {"", {"x"}, ""},
        {"no argument", {}, "no argument"},
    };
    for (const Case &c : cases)
        check::equal(fillIn(c.format, c.arguments), std::string(c.text),
                     "filled in: " + std::string(c.format));
}

int main()
{
    placeholdersFilledInOnePass();
    agreesWithTheWindowEverywhere();
    namesTheSizeTheTableAndTheCorrection();
    badValuesAreNamed();
    scheduleRoundTrips();
    usersColumnsAreNeverReplaced();
    blankCellsWithoutOptionsTakeTheStartUpValues();
    unreadableSchedulesAreRefused();
    return check::summary();
}
