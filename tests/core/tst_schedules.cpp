// Cable schedules as spreadsheets write them: any encoding Excel saves, the
// separator and decimal mark of a French or English sheet, French headers,
// blank rows, and a reader that gives the same answer however the text is
// cut into pieces.

#include "AmpacityTables.h"
#include "Check.h"
#include "Csv.h"
#include "Schedule.h"
#include "TableOnly.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace ampacity;
using namespace ampacity::sizing;

namespace {

std::string decoded(Encoding encoding, std::string_view bytes, std::size_t pieceSize)
{
    TextDecoder decoder(encoding);
    std::string utf8;
    for (std::size_t pos = 0; pos < bytes.size(); pos += pieceSize)
        decoder.decode(bytes.substr(pos, pieceSize), utf8);
    decoder.finish(utf8);
    return utf8;
}

// "Matériau €" and a musical G clef (outside the basic plane), cut at every
// size of piece, in each encoding Excel writes.
void encodingsComeOutAsUtf8()
{
    const std::string text = "Mat\xC3\xA9riau \xE2\x82\xAC \xF0\x9D\x84\x9E";
    const std::string utf16le =
        std::string("M\0a\0t\0\xE9\0r\0i\0a\0u\0 \0\xAC\x20 \0\x34\xD8\x1E\xDD", 26);
    std::string utf16be;
    for (std::size_t i = 0; i + 1 < utf16le.size(); i += 2)
        utf16be += std::string{utf16le[i + 1], utf16le[i]};
    const std::string windows1252 = "Mat\xE9riau \x80 \x92";
    for (std::size_t piece = 1; piece <= 7; ++piece) {
        const std::string size = " in pieces of " + std::to_string(piece);
        check::equal(decoded(Encoding::Utf8, text, piece), text, "UTF-8" + size);
        check::equal(decoded(Encoding::Utf16LittleEndian, utf16le, piece), text, "UTF-16LE" + size);
        check::equal(decoded(Encoding::Utf16BigEndian, utf16be, piece), text, "UTF-16BE" + size);
        check::equal(decoded(Encoding::Windows1252, windows1252, piece),
                     std::string("Mat\xC3\xA9riau \xE2\x82\xAC \xE2\x80\x99"),
                     "Windows-1252" + size);
        check::equal(decoded(Encoding::Windows1252, "c\x9Cur, \x8Cuvre, \x9Fle", piece),
                     std::string("c\xC5\x93ur, \xC5\x92uvre, \xC5\xB8le"),
                     "Windows-1252's \u0153, \u0152 and \u0178" + size);
        Utf8Check check;
        for (std::size_t pos = 0; pos < text.size(); pos += piece)
            check.feed(std::string_view(text).substr(pos, piece));
        check::that(check.valid(), "valid UTF-8" + size);
    }
    // Not UTF-8: a Windows-1252 é, an overlong slash, a lone continuation, a
    // surrogate, a sequence cut off at the end. Each bad sequence becomes
    // U+FFFD, so what comes out is always UTF-8.
    for (const std::string bad :
         {"Mat\xE9riau", "\xC0\xAF", "a\x80", "\xED\xA0\x80", "ab\xE2\x82"}) {
        Utf8Check check;
        check.feed(bad);
        check::that(!check.valid(), "not UTF-8: " + bad);
        Utf8Check again;
        again.feed(decoded(Encoding::Utf8, bad, 1));
        check::that(again.valid(), "repaired into UTF-8: " + bad);
    }
    check::equal(decoded(Encoding::Utf8, "Mat\xE9riau", 4), std::string("Mat\xEF\xBF\xBDriau"),
                 "a bad byte becomes U+FFFD");
    check::that(byteOrderMarkOf("\xFF\xFEl\0").encoding == Encoding::Utf16LittleEndian,
                "UTF-16LE's mark");
    check::that(byteOrderMarkOf("\xEF\xBB\xBFload").length == 3, "UTF-8's mark");
    check::that(byteOrderMarkOf("load").length == 0, "no mark");
}

// What French Excel saves: semicolons, decimal commas, French headers, CRLF,
// a blank row; written back the same way.
void frenchSpreadsheetGoesBackAsItCame()
{
    const std::string input = "\xEF\xBB\xBF"
                              "Circuit;Charge (A);Mat\xC3\xA9riau;Temp\xC3\xA9rature ambiante;"
                              "Longueur (m);Tension (V);Syst\xC3\xA8me\r\n"
                              "P-1;15,5;cuivre;40;;;\r\n"
                              ";;;;;;\r\n"
                              "P-2;30;;;60;240;monophas\xC3\xA9\r\n"
                              "P-3;1,500,5;;;;;\r\n";
    const Schedule schedule = sizeSchedule(input);
    check::that(!schedule.error, "the French schedule reads");
    check::equal(schedule.separator, ';', "semicolons");
    check::that(schedule.decimalComma, "decimal commas");
    check::that(schedule.byteOrderMark, "the byte-order mark kept");
    const std::string answer = ";size;table;table_ampacity;corrected_ampacity;ambient_factor;"
                               "count_factor;tables;terminations;usable_ampacity;drop_volts;"
                               "drop_percent;governed_by;size_for_ampacity;breaker_rating;"
                               "breaker_chosen;max_breaker;parallel_sets;bonding;"
                               "bonding_material;motor_current;motor_current_from;overload_max;"
                               "raceway_size;raceway_fill;raceway_wire;problem\r\n";
    check::equal(
        scheduleCsv(schedule),
        "\xEF\xBB\xBF"
        "Circuit;Charge (A);Mat\xC3\xA9riau;Temp\xC3\xA9rature ambiante;Longueur (m);"
        "Tension (V);Syst\xC3\xA8me" +
            answer +
            // A continuous 15,5 A needs 19,375 A of conductor and a 20 A
            // breaker: 12 AWG at 40 °C, 20 x 0,82 = 16,4 A, is not enough;
            // 10 AWG, 24,6 A, may have 25 A (Table 13). Bonded with 14 AWG.
            "P-1;15,5;cuivre;40;;;;10 AWG;2;30;24,6;0,82;1;5A;60;24,6;;;continuous load;;20;yes;"
            "25;1;14 AWG;cu;;;;;;;\r\n"
            ";;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;\r\n"
            // 30 A continuous: a 40 A breaker and 8 AWG; 60 m at 240 V: 8 AWG
            // drops 3,81 %, 6 AWG 2,39 %. Bonded by 6 AWG's 55 A: 10 AWG.
            "P-2;30;;;60;240;monophas\xC3\xA9;6 AWG;2;55;55;1;1;;60;55;5,72;2,39;voltage drop;"
            "8 AWG;40;yes;60;1;10 AWG;cu;;;;;;;\r\n"
            "P-3;1,500,5;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;\"the load \"\"1,500,5\"\" is not a "
            "positive "
            "number of amperes (write decimals after a point)\"\r\n",
        "written back with semicolons and decimal commas");
    // The same with a point: written back with points.
    const Schedule points = sizeSchedule("load;note\n15.5;a\n");
    check::that(!points.decimalComma, "a semicolon file with decimal points");
    // A comma file never reads a decimal comma: 1,500 is not one and a half.
    const Schedule commas = sizeSchedule("load,note\n\"1,5\",a\n");
    check::that(commas.rows.size() == 1 && commas.rows[0].problem.has_value(),
                "1,5 refused in a comma file");
    // Tabs, as Excel's "Unicode text".
    const Schedule tabs = sizeSchedule("Circuit\tLoad\nP-1\t20\n", tableonly::Defaults);
    check::equal(tabs.separator, '\t', "tabs");
    check::equal(tabs.rows.size(), 1u, "one tab row");
    check::equal(tabs.rows.empty() || !tabs.rows[0].sizing
                     ? std::string()
                     : std::string(wireSizeName(tabs.rows[0].sizing->conductor.size)),
                 std::string("12 AWG"), "sized from tabs");
    // A separator given outright wins over the header's.
    const Schedule given =
        sizeSchedule("load;note,with,commas\n20;x\n", DefaultConditionTexts, ';');
    check::equal(given.columns.size(), 2u, "the separator given");
}

// Header names in English and French, whatever their case, accents, blanks,
// underscores or unit in brackets.
void headerNamesInBothLanguages()
{
    const std::pair<const char *, int> names[] = {
        {"load", 0},
        {"Charge (A)", 0},
        {"COURANT", 0},
        {"Mat\xC3\xA9riau", 1},
        {"pose", 2},
        {"Isolant", 3},
        {"isolation", 3},
        {"Temp\xC3\xA9rature ambiante", 4},
        {"Ambiante (\xC2\xB0"
         "C)",
         4},
        {"conducteurs", 5},
        {"terminaisons", 6},
        {"Disjoncteur (A)", 7},
        {"longueur [m]", 8},
        {"tension", 9},
        {"syst\xC3\xA8me", 10},
        {"Facteur de puissance", 11},
        {"power_factor", 11},
        {"Chute max (%)", 12},
        {"max drop", 12},
        {"notes", -1},
        {"size", -1},
    };
    for (const auto &[name, column] : names) {
        const auto found = inputColumnOf(name);
        check::equal(found ? static_cast<int>(*found) : -1, column, name);
    }
}

// A schedule read piece by piece, cut anywhere (within a quoted field, a
// "\r\n", a UTF-8 sequence), sizes as the whole text does; a header whose
// "\r" ends a piece keeps the separator its own line gave, whatever the
// rows below it hold.
void piecesGiveTheSameAnswer()
{
    const std::string inputs[] = {
        "\xEF\xBB\xBF"
        "circuit,load,note\r\n"
        "P-1,150,\"a \"\"quoted\"\"\r\nnote, with a comma\"\r\n"
        "P-2,20,caf\xC3\xA9\r\n"
        ",,\r\n"
        "P-3,abc,x\r\n",
        "circuit,load,note;x\r\n"
        "P-1;2;3;4;5,60\r\n"
        "P-2;;;;;;;;,70\r\n",
    };
    for (const std::string &input : inputs) {
        const std::string whole = scheduleCsv(sizeSchedule(input));
        for (std::size_t piece = 1; piece <= 21; ++piece) {
            ScheduleReader reader;
            std::string out;
            ScheduleRow row;
            bool headerWritten = false;
            const auto drain = [&] {
                while (reader.next(row) == ScheduleReader::Status::Row) {
                    if (!headerWritten)
                        out += scheduleHeaderCsv(reader.layout()), headerWritten = true;
                    appendScheduleRowCsv(out, reader.layout(), row);
                }
            };
            for (std::size_t pos = 0; pos < input.size(); pos += piece) {
                reader.append(std::string_view(input).substr(pos, piece));
                drain();
            }
            reader.close();
            drain();
            check::equal(out, whole,
                         "in pieces of " + std::to_string(piece) + ": " + input.substr(0, 20));
        }
    }
}

// Cells holding a carriage return alone, a tab or another control
// character: one row each still, in CSV read back and in JSON.
void controlCharactersStayInTheirCells()
{
    const std::string input = "load,note\n"
                              "20,\"a\rb\"\n"
                              "30,\"tab\there\"\n"
                              "40,\"bell\x07x\"\n";
    const Schedule schedule = sizeSchedule(input);
    const std::string csv = scheduleCsv(schedule);
    const Schedule again = sizeSchedule(csv);
    check::equal(again.rows.size(), 3u, "three rows read back");
    const char *notes[] = {"a\rb", "tab\there", "bell\x07x"};
    for (std::size_t r = 0; r < again.rows.size() && r < 3; ++r)
        check::equal(again.rows[r].cells[1], std::string(notes[r]),
                     "note of row " + std::to_string(r));
    const std::string json = scheduleJson(schedule);
    check::that(json.find("\"a\\rb\"") != std::string::npos, "\\r escaped in JSON");
    check::that(json.find("\"tab\\there\"") != std::string::npos, "\\t escaped in JSON");
    check::that(json.find("\"bell\\u0007x\"") != std::string::npos, "U+0007 escaped in JSON");
    check::that(json.find('\r') == std::string::npos && json.find('\x07') == std::string::npos,
                "no raw control character in JSON");
}

// A carriage return alone ends a record as a line feed does: any field
// holding one goes out quoted, whatever the separator. A problem sentence
// in French quotes a cell with « », not with '"', so only the carriage
// return makes it quoted: unquoted, it would split the row in two.
void carriageReturnsAreQuoted()
{
    for (const char separator : {',', ';', '\t', '|'})
        check::equal(csvField("a\rb", separator), std::string("\"a\rb\""),
                     std::string("a lone carriage return quoted with '") + separator + "'");
    Schedule schedule = sizeSchedule("load,material\n20,\"a\rb\"\n30,cu\n");
    schedule.problemWords = [](const Problem &problem, std::string_view) {
        return "le matériau « " + problem.value + " » n'est ni cu ni al";
    };
    const Schedule again = sizeSchedule(scheduleCsv(schedule));
    check::equal(again.rows.size(), std::size_t{2}, "two rows read back");
    check::that(!again.rows.empty() && again.rows[0].cells.size() == 2 &&
                    again.rows[0].cells[1] == "a\rb",
                "the cell read back whole");
}

// The separator is the header's outside quotes: a name holding commas or
// semicolons does not count; a tab file may write a decimal comma.
void separatorsAndDecimalMarks()
{
    const Schedule semicolons = sizeSchedule("\"Load; A, each\";\"note, x\";other\n20;x;y\n");
    check::equal(semicolons.separator, ';', "semicolons outside the quotes");
    check::equal(semicolons.columns.size(), 3u, "three columns");
    const Schedule commas = sizeSchedule("\"Load; A\",\"note; x\";other\n");
    check::equal(commas.separator, ',', "a comma between quoted names");
    const Schedule tabs = sizeSchedule("load\tnote\n20,5\tx\n", tableonly::Defaults);
    check::equal(tabs.separator, '\t', "tabs");
    check::that(tabs.decimalComma, "a decimal comma in a tab file");
    check::that(tabs.rows.size() == 1 && tabs.rows[0].sizing && tabs.rows[0].sizing->load == 205000,
                "20,5 read as 20.5 A");
}

// Text cells a spreadsheet exported in quotes ("01", "3/4", "1E3") go out
// in quotes, so that it reopens them as text, not as 1, a date and 1000;
// the others as before, an edited cell as it came.
void quotedCellsGoOutQuoted()
{
    const std::string input = "\"circuit\",load,\"code\"\r\n"
                              "\"01\",20,\"3/4\"\r\n"
                              "P-2,30,\"1E3\"\r\n";
    Schedule schedule = sizeSchedule(input, tableonly::Defaults);
    const std::string csv = scheduleCsv(schedule);
    check::that(csv.starts_with("\"circuit\",load,\"code\",size,"), "the header's quotes kept");
    check::that(csv.find("\r\n\"01\",20,\"3/4\",12 AWG,") != std::string::npos,
                "\"01\" and \"3/4\" quoted");
    check::that(csv.find("\r\nP-2,30,\"1E3\",10 AWG,") != std::string::npos, "\"1E3\" quoted");
    check::equal(scheduleCsv(sizeSchedule(csv, tableonly::Defaults)), csv, "sized again, the same");
    schedule.rows[0].cells[2] = "1/2";
    resizeRow(schedule, schedule.rows[0], tableonly::Defaults);
    check::that(scheduleCsv(schedule).find("\"01\",20,\"1/2\",") != std::string::npos,
                "an edited cell keeps its quotes");
}

// Quoted cells of one column, row after row, longer and shorter than the
// one before, a doubled quote among them, read as the command line reads
// a schedule: into the room of the rows before. Each row holds its own
// cells, and a quoted material is the row's own.
void quotedCellsAreEachRowsOwn()
{
    const std::string input = "circuit,load,material,notes\n"
                              "A,100,\"al\",\"feeder, panel 12\"\n"
                              "B,100,\"cu\",\"lights\"\n"
                              "C,100,\"al\",\"\"\n"
                              "D,100,\"cu\",\"say \"\"hi\"\", twice\"\n"
                              "E,100,\"cu\",\"x\"\n"
                              "F,100,al,\"a much longer note than any before it\"\n";
    const std::vector<std::vector<std::string>> expected = {
        {"A", "100", "al", "feeder, panel 12"},
        {"B", "100", "cu", "lights"},
        {"C", "100", "al", ""},
        {"D", "100", "cu", "say \"hi\", twice"},
        {"E", "100", "cu", "x"},
        {"F", "100", "al", "a much longer note than any before it"},
    };
    ScheduleReader reader(tableonly::Defaults);
    reader.append(input);
    reader.close();
    ScheduleRow row;
    std::size_t r = 0;
    for (; reader.next(row) == ScheduleReader::Status::Row && r < expected.size(); ++r) {
        const std::string &name = expected[r][0];
        check::that(row.cells == expected[r], "row " + name + "'s own cells");
        const std::int16_t metal = expected[r][2] == "cu" ? material::Copper : material::Aluminum;
        check::equal(row.sizing ? row.sizing->conductor.material : std::int16_t{-1}, metal,
                     "row " + name + "'s metal");
    }
    check::equal(r, expected.size(), "every quoted row read");
}

// A row whose cells are unchanged is written back as the file had it, in
// one copy: the same bytes as writing its cells one by one, whatever the
// file did (blanks at a cell's ends, a quote in an unquoted cell, quoted
// line breaks, a row cut short or too long, the answer of an earlier run).
void unchangedRowsGoBackAsTheyCame()
{
    const std::string inputs[] = {
        "circuit,load,notes\nP-1,20, leading\nP-2,30,trailing \nP-3,40,3/4\" conduit\n",
        "circuit,load,notes\r\n\"P-1\",20,\"a \"\"b\"\" \r\nc\"\r\n,,\r\nP-3,15,\"\"\r\n",
        "circuit;load;notes\nP-1;20,5;x\nP-2;30\nP-3;40;y;z\n\"P-4\"x;10;\n",
        "circuit\tload\nP-1\t20\n P-2 \t30\n\"P-3\n",
        "circuit,load,size,table,table_ampacity,corrected_ampacity,ambient_factor,count_factor,"
        "tables,problem\nP-1,20,12 AWG,2,25,25,1,1,,\n",
        "load\n20\n\n30",
    };
    for (const std::string &input : inputs) {
        Schedule schedule = sizeSchedule(input, tableonly::Defaults);
        const std::string copied = scheduleCsv(schedule);
        for (ScheduleRow &row : schedule.rows)
            row.inFileText = false;
        check::equal(copied, scheduleCsv(schedule), "written back as it came: " + input);
    }
    // The rows' own text is used, not the cells written again.
    const Schedule plain = sizeSchedule("circuit,load\nP-1,20\nP-2,30\n", tableonly::Defaults);
    check::that(plain.rows.size() == 2 && plain.rows[0].inFileText && plain.rows[1].inFileText,
                "plain rows keep their text");
}

// A title and a blank row above the headings, as many schedules have: the
// heading row is the first that names a load column, within the first ten;
// the rows above it go out as they came, in their place.
void titleRowsAboveTheHeadings()
{
    const std::string input = "Panel P1 \xE2\x80\x94 4th floor, east, rev. 2, lights\r\n"
                              "\r\n"
                              "Circuit;Charge (A);Notes\r\n"
                              "P-1;20;x\r\n";
    const Schedule schedule = sizeSchedule(input, tableonly::Defaults);
    check::that(!schedule.error, "read past its title");
    check::equal(schedule.separator, ';', "the heading row's separator");
    check::equal(schedule.columns.size(), 3u, "the heading row's columns");
    check::that(schedule.rows.size() == 1 && schedule.rows[0].line == 4 && schedule.rows[0].sizing,
                "the circuit on line 4, sized");
    const std::string csv = scheduleCsv(schedule);
    check::that(
        csv.starts_with(
            "Panel P1 \xE2\x80\x94 4th floor, east, rev. 2, lights\r\n\r\nCircuit;Charge (A);"
            "Notes;size;"),
        "the title and the blank row kept: " + csv.substr(0, 60));
    check::equal(scheduleCsv(sizeSchedule(csv, tableonly::Defaults)), csv, "sized again, the same");
    // Ten rows without one: the header names no load column.
    std::string titles;
    for (int row = 0; row < 10; ++row)
        titles += "title\n";
    const Schedule none = sizeSchedule(titles + "load\n20\n");
    check::that(none.error && none.error->kind == Problem::Kind::NoLoadColumn,
                "the heading within the first ten rows");
    const Schedule nine = sizeSchedule(titles.substr(6) + "load\n20\n");
    check::that(!nine.error && nine.rows.size() == 1, "nine title rows are read past");
}

// Units in the headings, English and French, and in the cells: a load given
// as a power becomes amperes from its circuit's voltage and system (and
// power factor, for watts), worked out here by hand; a length in feet is
// read in feet. A unit not known is refused, never read as another.
void unitsInTheHeadings()
{
    struct Case
    {
        std::string csv;
        Amperes amperes; // ten-thousandths, rounded up
        bool loadAmperesColumn;
    };
    const Case cases[] = {
        // 15 000 W / 208 V = 72.11538...
        {"Load (kW),voltage\n15,208\n", 721154, true},
        // 15 000 / (√3 x 208) = 41.63586...
        {"Load (kW),voltage,system\n15,208,3ph\n", 416359, true},
        // 15 000 VA / (√3 x 600) = 14.43375...
        {"Charge kVA;Tension;Système\n15;600;triphasé\n", 144338, true},
        {"Charge (W);Tension\n1500;120\n", 125000, true},
        {"Load (VA),voltage\n2400,240\n", 100000, true},
        // Real power over the power factor: 10 000 / (240 x 0.8) = 52.0833...
        {"Load (kW),voltage,power factor\n10,240,0.8\n", 520834, true},
        // Direct current has no power factor: 480 W / 48 V.
        {"Load (W),voltage,system,pf\n480,48,dc,0.8\n", 100000, true},
        {"Load (A),voltage\n20,240\n", 200000, false},
        {"Load amps\n20\n", 200000, false},
        // A unit of the cell's own.
        {"Load,voltage\n15 kW,208\n", 721154, false},
        {"Load (kW),voltage\n500 W,100\n", 50000, true},
    };
    for (const Case &c : cases) {
        const Schedule schedule = sizeSchedule(c.csv, tableonly::Defaults);
        const bool sized = !schedule.error && schedule.rows.size() == 1 && schedule.rows[0].sizing;
        if (!check::that(sized, "sized: " + c.csv))
            continue;
        check::equal(schedule.rows[0].sizing->load, c.amperes, "amperes of " + c.csv);
        const std::string csv = scheduleCsv(schedule);
        check::equal(csv.find("load_amperes") != std::string::npos, c.loadAmperesColumn,
                     "load_amperes column for " + c.csv);
    }
    // Lengths: 150 ft is 45.72 m, in English or French headings.
    for (const char *heading : {"Length (ft)", "Longueur (pi)", "Longueur pieds", "length"}) {
        const std::string value = std::string(heading) == "length" ? "150 ft" : "150";
        const Schedule schedule =
            sizeSchedule("load,voltage," + std::string(heading) + "\n20,240," + value + "\n",
                         tableonly::Defaults);
        check::that(!schedule.error && schedule.rows.size() == 1 && schedule.rows[0].sizing &&
                        schedule.rows[0].sizing->run.length == 457200,
                    std::string(heading) + ": 45.72 m");
    }
    const Schedule metres =
        sizeSchedule("load,voltage,Longueur (m)\n20,240,150\n", tableonly::Defaults);
    check::that(metres.rows.size() == 1 && metres.rows[0].sizing &&
                    metres.rows[0].sizing->run.length == 1500000,
                "Longueur (m): 150 m");
    // Refused: units not known, and a power without a voltage.
    for (const char *refused : {"Load (BTU/h)\n5\n", "load,Length (yd)\n5,10\n"}) {
        const Schedule schedule = sizeSchedule(refused);
        check::that(schedule.error && schedule.error->kind == Problem::Kind::UnknownUnit,
                    std::string("refused: ") + refused);
    }
    check::equal(describe(*sizeSchedule("Load (BTU/h)\n5\n").error),
                 std::string("the column \"Load (BTU/h)\" gives its load in a unit not known: A, "
                             "kVA, kW, VA, W or hp"),
                 "the line names the column and the units known");
    const Schedule noVoltage = sizeSchedule("Load (kW)\n15\n");
    check::that(noVoltage.rows.size() == 1 && noVoltage.rows[0].problem &&
                    noVoltage.rows[0].problem->kind == Problem::Kind::PowerWithoutVoltage,
                "a power without a voltage is the row's problem");
}

// A designer's schedule in French: the circuit's design read from columns
// named in French, sized and written back with its breaker, sets and bonding.
void designColumnsInFrench()
{
    const std::string input = "Circuit;Charge (A);Continu;Calibre du dispositif;Ensembles;"
                              "Calibre max;Mat\xC3\xA9riau de liaison;Disjoncteur\r\n"
                              "P-1;48;oui;;;;;\r\n"
                              "P-2;85;non;100 %;;;aluminium;aucun\r\n"
                              "P-3;800;;;auto;;;\r\n"
                              "P-4;600;non;;2;;;600\r\n";
    const Schedule schedule = sizeSchedule(input);
    check::that(!schedule.error && schedule.rows.size() == 4, "four circuits");
    const std::string csv = scheduleCsv(schedule);
    const auto row = [&](std::string_view start) {
        const auto at = csv.find(start);
        return at == std::string::npos ? std::string() : csv.substr(at, csv.find('\r', at) - at);
    };
    // 48 A continuous: a 60 A breaker chosen, 4 AWG, bonded with 10 AWG.
    check::that(row("P-1;").find(";4 AWG;2;70;70;1;1;;60;70;;;continuous load;;60;yes;70;1;"
                                 "10 AWG;cu;") != std::string::npos,
                "P-1: " + row("P-1;"));
    // Not continuous, no breaker: 85 A, 4 AWG (60 °C, 70 A) is not enough.
    check::that(row("P-2;").find(";3 AWG;2;85;85;1;1;;60;85;;;ampacity;;;no;90;1;6 AWG;al;") !=
                    std::string::npos,
                "P-2: " + row("P-2;"));
    // The fewest sets up to 500 kcmil: four of 350 kcmil on a 1000 A breaker.
    check::that(row("P-3;").find(";350 MCM;2;260;260;1;1;;75;260;;;continuous load;;1000;yes;"
                                 "1040;4;4 AWG;cu;") != std::string::npos,
                "P-3: " + row("P-3;"));
    // Two sets of 500 kcmil (320 A each) on 600 A, each raceway bonded as 300 A.
    check::that(row("P-4;").find(";500 MCM;2;320;320;1;1;;75;320;;;ampacity;;600;no;700;2;"
                                 "4 AWG;cu;") != std::string::npos,
                "P-4: " + row("P-4;"));
    check::equal(scheduleCsv(sizeSchedule(csv)), csv, "written back and sized again, the same");
}

// A cell that is not UTF-8 still gives valid JSON.
void jsonIsAlwaysValid()
{
    const Schedule schedule = sizeSchedule("load,note\n20,caf\xE9\n");
    const std::string json = scheduleJson(schedule);
    Utf8Check check;
    check.feed(json);
    check::that(check.valid(), "JSON in UTF-8");
    check::that(json.find("\"caf\xEF\xBF\xBD\"") != std::string::npos, "the bad byte replaced");
}

std::string sizeOf(const ScheduleRow &row)
{
    return row.sizing ? std::string(wireSizeName(row.sizing->conductor.size)) : std::string("-");
}

// What the schedule window does to a schedule: a cell edited sizes its row
// again, a value for empty cells sizes the rows that take it, and the
// counts follow.
void editsAndDefaultsSizeRowsAgain()
{
    Schedule schedule = sizeSchedule("circuit,load,material,length,voltage\n"
                                     "A,16,,,\n"
                                     "B,16,cu,,\n"
                                     "C,abc,,,\n"
                                     ",,,,\n"
                                     "D,30,,60,240\n"
                                     "E,5,al\n",
                                     tableonly::Defaults);
    check::equal(schedule.rows.size(), 6u, "every row kept");
    const ScheduleSummary before = summarize(schedule);
    check::equal(before.circuits, 5, "the blank row is no circuit");
    check::equal(before.sized, 3, "three sized");
    check::equal(before.problems, 2, "the bad load and the short row");
    check::equal(before.byVoltageDrop, 1, "D's drop governs");

    // Its load fixed, C is sized; B's load written with a comma is refused.
    schedule.rows[2].cells[1] = "40";
    resizeRow(schedule, schedule.rows[2], tableonly::Defaults);
    check::equal(sizeOf(schedule.rows[2]), std::string("8 AWG"), "C sized once fixed");
    check::that(!schedule.rows[2].problem, "C's problem gone");
    schedule.rows[1].cells[1] = "20,5";
    resizeRow(schedule, schedule.rows[1], tableonly::Defaults);
    check::that(schedule.rows[1].problem.has_value(), "no decimal comma in a comma file");
    // A row short of cells has them all once edited.
    schedule.rows[5].cells.resize(3);
    resizeRow(schedule, schedule.rows[5], tableonly::Defaults);
    check::equal(sizeOf(schedule.rows[5]), std::string("12 AWG"), "E sized once completed");
    // Emptied, a row is blank again, not a circuit.
    for (std::string &cell : schedule.rows[0].cells)
        cell.clear();
    resizeRow(schedule, schedule.rows[0], tableonly::Defaults);
    check::that(schedule.rows[0].blank && !schedule.rows[0].problem, "an emptied row is blank");

    // The material's default: D takes it, B names copper; nobody names an
    // insulation, so every row takes that.
    const std::size_t material = 0;
    check::that(takesDefault(schedule, schedule.rows[4], material), "D takes the material");
    check::that(!takesDefault(schedule, schedule.rows[1], material), "B names its own");
    check::that(takesDefault(schedule, schedule.rows[1], 2), "no insulation column: the default");
    ConditionTexts aluminum = tableonly::Defaults;
    aluminum.material = "al";
    resizeRow(schedule, schedule.rows[4], aluminum);
    check::equal(sizeOf(schedule.rows[4]), std::string("4 AWG"),
                 "D in aluminum: 60 m at 240 V within 3 %");

    const ScheduleSummary after = summarize(schedule);
    check::equal(after.circuits, 4, "A emptied");
    check::equal(after.sized, 3, "C, D and E sized");
    check::equal(after.problems, 1, "B's decimal comma");
}

// A whole file as a spreadsheet saved it: UTF-8 as it is, byte-order mark
// and all; UTF-16 and unmarked Windows-1252 as UTF-8 behind UTF-8's mark.
void wholeFilesDecode()
{
    const std::string bom = "\xEF\xBB\xBF";
    const DecodedFile utf8 = decodeFile(bom + "load\n20\n");
    check::equal(utf8.utf8, bom + "load\n20\n", "UTF-8 kept with its mark");
    check::that(utf8.encoding == Encoding::Utf8 && !utf8.guessed, "UTF-8 named");
    const DecodedFile utf16 = decodeFile(std::string("\xFF\xFEl\0o\0a\0d\0\n\0", 12));
    check::equal(utf16.utf8, bom + "load\n", "UTF-16 as UTF-8");
    check::that(utf16.encoding == Encoding::Utf16LittleEndian && !utf16.guessed, "UTF-16 named");
    const DecodedFile latin = decodeFile("Mat\xE9riau\n");
    check::equal(latin.utf8, bom + "Mat\xC3\xA9riau\n", "Windows-1252 as UTF-8");
    check::that(latin.guessed, "Windows-1252 guessed");
}

// Each record the same read whole, its lines at once, as read a byte at a
// time: its cells, those it quoted, its line, how its line ended and what
// spoilt it.
void recordsReadWholeOrByteByByte()
{
    struct Text
    {
        std::string_view name;
        std::string text;
        char separator = ',';
    };
    const Text texts[] = {
        {"plain lines", "a,b,c\nd,e,f\n"},
        {"carriage returns and line feeds", "a,b\r\nc\rd\ne,f\r\n"},
        {"empty lines and empty cells", "\n\n,,\n,\n"},
        {"quoted separators and doubled quotes", "a,\"b,c\",\"d\"\"e\"\"\",\"\"\n"},
        {"a quote inside an unquoted cell", "3/4\",x\"y,z\n"},
        {"blanks at a cell's ends", " a ,b , c\n"},
        {"a line break in quotes", "\"two\nlines\",x\r\n\"cr\rlf\",y\n"},
        {"text after a closing quote", "\"a\"b,c\nd,e\n"},
        {"an unclosed quote", "a,b\n\"open,c\nd\n"},
        {"no line end at the end", "a,b\nc,\"d\""},
        {"a carriage return last", "a,b\r"},
        {"semicolons", "a;\"b;c\";d,e\n", ';'},
        {"tabs", "a\tb\t\"c\td\"\n", '\t'},
    };
    const auto records = [](CsvReader &reader) {
        std::vector<Record> all;
        Record record;
        while (reader.next(record))
            all.push_back(record);
        return all;
    };
    for (const Text &t : texts) {
        CsvReader whole(t.text);
        whole.setSeparator(t.separator);
        const std::vector<Record> atOnce = records(whole);
        CsvReader bytes;
        bytes.setSeparator(t.separator);
        std::vector<Record> byteByByte;
        for (const char c : t.text) {
            bytes.append(std::string_view(&c, 1));
            for (Record &record : records(bytes))
                byteByByte.push_back(std::move(record));
        }
        bytes.close();
        for (Record &record : records(bytes))
            byteByByte.push_back(std::move(record));
        const std::string name(t.name);
        if (!check::equal(atOnce.size(), byteByByte.size(), name + ": records"))
            continue;
        for (std::size_t r = 0; r < atOnce.size(); ++r) {
            const Record &a = atOnce[r], &b = byteByByte[r];
            const std::string what = name + ", record " + std::to_string(r);
            check::that(a.cells == b.cells, what + ": cells");
            check::that(a.quoted == b.quoted, what + ": quoted cells");
            check::equal(a.line, b.line, what + ": line");
            check::equal(a.lineEnd, b.lineEnd, what + ": line end");
            check::that(a.malformed.has_value() == b.malformed.has_value() &&
                            (!a.malformed || a.malformed->kind == b.malformed->kind),
                        what + ": spoilt alike");
        }
    }
}

// Each row of a schedule answered as it is when sized alone, under the same
// header: the first few that are not named, and how many.
void checkEachRowAsIfAlone(const std::string &header, const std::vector<std::string> &rows)
{
    std::string all = header;
    for (const std::string &row : rows)
        all += row;
    const Schedule together = sizeSchedule(all);
    if (!check::equal(together.rows.size(), rows.size(), "every row read"))
        return;
    int differing = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Schedule alone = sizeSchedule(header + rows[r]);
        std::string mine, its;
        appendScheduleRowCsv(mine, together, together.rows[r]);
        appendScheduleRowCsv(its, alone, alone.rows.at(0));
        if (mine != its && ++differing <= 5)
            check::equal(mine, its, "row " + std::to_string(r) + " as if alone");
    }
    check::equal(differing, 0, "rows answered otherwise than alone");
}

// A row's answer is its own whatever rows came before it: rows whose
// condition cells run together alike ("ab" and "" against "a" and "b", a
// cell holding a control character, a cell longer than any condition) are
// each read from their own cells.
void eachRowReadFromItsOwnCells()
{
    const std::string header = "circuit,load,material,installation,ambient\n";
    const std::string longCell(300, 'c');
    const std::vector<std::string> rows = {
        "A,10,\"x\x1Fy\",,\n",
        "B,10,x,\"y\x1F\",\n",
        "C,10,\"x\x01\",\"\x1Fy\",\n",
        "D,10,x,\"\x01\x01\x1Fy\",\n",
        "E,10," + longCell + ",,\n",
        "F,10," + longCell + "u,,\n",
        "G,10,cu,raceway,40\n",
        "H,10,al,raceway,40\n",
        "I,10,cu,raceway,\n",
        "J,10,cu,raceway,40\n",
        "K,10,ab,,\n",
        "L,10,a,b,\n",
    };
    checkEachRowAsIfAlone(header, rows);
}

// A schedule of more sets of conditions than are kept (each run of a new
// length is a set of its own), then the first sets again after they were
// let go: every row is still read from its own cells, however the sets
// kept so far fill the table they are found in.
void manySetsOfConditions()
{
    const std::string header = "circuit,load,material,length,voltage\n";
    std::vector<std::string> rows;
    for (int i = 0; i < 6000; ++i) {
        const int hundredths = 1 + i % 5000; // 0.01 m to 50.00 m, then again
        char row[64];
        std::snprintf(row, sizeof row, "C%d,%d,%s,%d.%02d,120\n", i, 10 + i % 40,
                      i % 3 == 0 ? "al" : "cu", hundredths / 100, hundredths % 100);
        rows.emplace_back(row);
    }
    checkEachRowAsIfAlone(header, rows);
}

} // namespace

// A schedule sized by any earlier version ends with that version's answer
// columns, under their names or the distinct ones: they are replaced, never
// carried as the user's, whether the load column gave amperes or a power.
void everyVersionsAnswerIsReplaced()
{
    const std::string first = "size,table,table_ampacity,corrected_ampacity,ambient_factor,"
                              "count_factor,tables,";
    const std::string drop = first + "terminations,usable_ampacity,drop_volts,drop_percent,"
                                     "governed_by,size_for_ampacity,";
    const std::string design = drop + "breaker_rating,breaker_chosen,max_breaker,"
                                      "parallel_sets,bonding,bonding_material,";
    const std::string motors = design + "motor_current,motor_current_from,overload_max,";
    const std::string raceways = motors + "raceway_size,raceway_fill,raceway_wire,";
    const std::string versions[] = {first, drop, design, motors, raceways};
    for (const std::string &answer : versions) {
        for (const bool power : {false, true}) {
            // load_amperes came with the design's columns.
            if (power && answer.size() < design.size())
                continue;
            const std::string header =
                power ? "circuit,Load (kW),voltage,load_amperes," + answer + "problem"
                      : "circuit,load," + answer + "torvane_problem";
            const std::string cells(
                static_cast<std::size_t>(std::count(header.begin(), header.end(), ',') - 2), ',');
            const Schedule schedule =
                sizeSchedule(header + "\nP-1,10,240" + cells + "\n", tableonly::Defaults);
            const std::size_t carried = power ? 3 : 2;
            check::equal(schedule.columns.size(), carried,
                         "the answer replaced: " + header.substr(0, 60) + "..." +
                             std::to_string(answer.size()));
            check::that(!schedule.rows.empty() && schedule.rows[0].sizing.has_value(),
                        "the row sized again");
        }
    }
}

int main()
{
    quotedCellsAreEachRowsOwn();
    manySetsOfConditions();
    encodingsComeOutAsUtf8();
    frenchSpreadsheetGoesBackAsItCame();
    headerNamesInBothLanguages();
    piecesGiveTheSameAnswer();
    jsonIsAlwaysValid();
    controlCharactersStayInTheirCells();
    carriageReturnsAreQuoted();
    quotedCellsGoOutQuoted();
    unchangedRowsGoBackAsTheyCame();
    titleRowsAboveTheHeadings();
    unitsInTheHeadings();
    designColumnsInFrench();
    separatorsAndDecimalMarks();
    editsAndDefaultsSizeRowsAgain();
    wholeFilesDecode();
    everyVersionsAnswerIsReplaced();
    recordsReadWholeOrByteByByte();
    eachRowReadFromItsOwnCells();
    return check::summary();
}
