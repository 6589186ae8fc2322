// The condition buttons' cycles, the correction factors of Tables 5A, 5B and
// 5C, the corrected ampacity with its rounding and text, and the caption that
// names the tables applied.

#include "AmpacityTables.h"
#include "Check.h"
#include "ConditionCycles.h"
#include "CorrectedAmpacity.h"
#include "FactorCycle.h"
#include "ReachableStates.h"
#include "TextBuffer.h"
#include "TextReading.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using namespace ampacity;

namespace {

// Clicking through each cycle from "no correction" until it is back at 1.
// The steps are the published tables', written "caption:factor" after the
// caption's common beginning.
void cyclesStepAndWrap()
{
    const std::tuple<std::span<const FactorStep>, std::string, std::string> cycles[] = {
        {ambientCycle(insulation::Rated60C), "Ambient ",
         "35°C:0.91 40°C:0.82 45°C:0.71 50°C:0.58 55°C:0.41 30°C:1"},
        {ambientCycle(insulation::Rated75C), "Ambient ",
         "35°C:0.94 40°C:0.88 45°C:0.82 50°C:0.75 55°C:0.67 60°C:0.58 65°C:0.47 70°C:0.33 30°C:1"},
        {ambientCycle(insulation::Rated90C), "Ambient ",
         "35°C:0.96 40°C:0.91 45°C:0.87 50°C:0.82 55°C:0.76 60°C:0.71 65°C:0.65 70°C:0.58 "
         "75°C:0.5 80°C:0.41 30°C:1"},
        {conductorCountCycle(installation::RacewayOrCable), "Wires\u00A0# ",
         "4-6:0.8 7-24:0.7 25-42:0.6 over_43:0.5 1-3:1"},
        {conductorCountCycle(installation::FreeAir), "",
         "2_Wires:0.9 3_Wires_:0.85 4_Wires:0.8 1_Wire:1"},
    };
    for (const auto &[cycle, prefix, steps] : cycles) {
        std::istringstream words(steps);
        std::string step;
        float factor = 1.0f;
        std::size_t clicks = 0;
        while (words >> step) {
            std::replace(step.begin(), step.end(), '_', ' ');
            const std::size_t colon = step.find(':');
            const FactorStep next = nextFactorStep(cycle, factor);
            check::equal(next.caption, prefix + step.substr(0, colon), "caption");
            float published = 0; // from_chars: the C locale here reads "0.91" as 0
            std::from_chars(step.data() + colon + 1, step.data() + step.size(), published);
            check::equal(next.factor, published, prefix + step);
            factor = next.factor;
            ++clicks;
        }
        check::equal(cycle.size(), clicks, prefix + "steps in the cycle");
    }
    // A stray factor leads back to the first step; a value found in several
    // columns steps within the column in force.
    check::equal(nextFactorStep(ambientCycle(insulation::Rated90C), 0.33f).factor, 1.0f, "stray");
    check::equal(nextFactorStep(ambientCycle(insulation::Rated60C), 0.82f).factor, 0.71f, "0.82");
    check::equal(nextFactorStep(ambientCycle(insulation::Rated75C), 0.82f).factor, 0.75f, "0.82");
    check::equal(InitialAmbientCaption, std::string_view("Ambient 30°C "), "ambient at start-up");
}

void conditionButtons()
{
    // The material button keeps the conductor: the row moves with the 14 AWG
    // row, except 14 AWG itself, which becomes 12 AWG.
    const std::tuple<const char *, std::int16_t, const char *, std::int16_t> clicks[] = {
        {"CU", 2, "AL", 1}, {"AL", 1, "CU", 2},   {"CU", 0, "AL", 0},
        {"AL", 0, "CU", 1}, {"AL", 23, "CU", 24},
    };
    for (const auto &[caption, row, nextCaption, nextRow] : clicks) {
        const MaterialChange change = nextMaterial(caption, row);
        const bool aluminum = std::string_view(nextCaption) == "AL";
        const std::string at = std::string(caption) + " row " + std::to_string(row);
        check::equal(change.caption, std::string_view(nextCaption), at);
        check::equal(change.wireSizeRow, nextRow, at);
        check::that(change.removesFirstWireSize == aluminum &&
                        change.materialCode == (aluminum ? material::Aluminum : material::Copper) &&
                        change.textColour ==
                            (aluminum ? colours::AluminumTextColour : colours::CopperTextColour),
                    at + ": material, 14 AWG row and colour");
    }

    // The installation resets the conductor count to the new table's first
    // group; only the caption with the no-break space is raceway or cable.
    const InstallationChange toFreeAir = nextInstallation(RacewayOrCableCaption);
    check::equal(toFreeAir.conductorCount.caption, std::string_view("1 Wire"), "free air");
    check::equal(nextInstallation(toFreeAir.caption).conductorCount.caption,
                 std::string_view("Wires\u00A0# 1-3"), "back to raceway or cable");
    check::equal(nextInstallation("Raceway or Cable").installationCode,
                 installation::RacewayOrCable, "an ordinary blank");
    // The insulation steps 60, 75, 90 and back to 60 °C.
    check::equal(
        nextInsulation(
            nextInsulation(nextInsulation(insulation::Rated60C).insulationCode).insulationCode)
            .caption,
        std::string_view("Insulation 60°C"), "three steps");
}

// Worked examples, each with the text the box shows, and the frame captions.
void correctedAmpacity()
{
    const std::tuple<const char *, float, float, const char *, const char *> examples[] = {
        {"     20 A", 1.0f, 1.0f, ".", "=20 A  (I × 1 × 1)"},
        // 13.125 scaled is 1312.5, which goes to the even 1312.
        {"     35 A", 0.75f, 0.5f, ".", "=13.12 A  (I × 0.75 × 0.5)"},
        // 191.25 is over 100: one decimal, 1912.5 goes to the even 1912.
        {"   255 A", 0.75f, 1.0f, ".", "=191.2 A  (I × 0.75 × 1)"},
        // 100.05 takes the one-decimal path: 1000.5 goes to the even 1000.
        {"   115 A", 0.87f, 1.0f, ".", "=100 A  (I × 0.87 × 1)"},
        {"     20 A", 0.91f, 0.8f, ".", "=14.56 A  (I × 0.91 × 0.8)"},
        {"     25 A", 0.82f, 0.8f, ".", "=16.4 A  (I × 0.82 × 0.8)"},
        // With single-precision factors the product lies just above 23.205.
        {"     30 A", 0.91f, 0.85f, ",", "=23,21 A  (I × 0,91 × 0,85)"},
        {"   665 A", 0.94f, 0.8f, ",", "=500,1 A  (I × 0,94 × 0,8)"},
        {" 1560 A", 0.41f, 0.5f, ".", "=319.8 A  (I × 0.41 × 0.5)"},
        {"", 0.82f, 1.0f, ".", "=0 A  (I × 0.82 × 1)"}, // no row selected
        {" 1 2 5 A", 1.0f, 1.0f, ".", "=125 A  (I × 1 × 1)"},
        {"A 20", 1.0f, 1.0f, ".", "=0 A  (I × 1 × 1)"},
    };
    for (const auto &[text, ambient, count, separator, shown] : examples) {
        const Correction c = correctAmpacity(text, ambient, count);
        check::equal(correctedAmpacityText(c.correctedAmp, ambient, count, separator),
                     std::string(shown), std::string("'") + text + "'");
    }
    check::equal(leadingNumber(" -12.5.3 A"), -12.5, "sign, point, a second point ends it");
    check::equal(numberText(1234.567f), std::string("1234.567"), "seven digits");
    // Numbers as the C library's %.7g writes them in the comma locale set in main.
    int unlike = 0;
    for (int hundredths = -1000; hundredths < 12000000; hundredths += 37) {
        const float value = float(hundredths / 100.0);
        char expected[32];
        std::snprintf(expected, sizeof expected, "%.7g", double(value));
        unlike += numberText(value, ",") != expected;
    }
    check::equal(unlike, 0, "numbers unlike %.7g");

    const std::tuple<float, float, std::int16_t, const char *> captions[] = {
        {1.0f, 1.0f, installation::FreeAir, "Correction Factors"},
        {0.75f, 0.5f, installation::RacewayOrCable, "Tables 5A and 5C applied"},
        {0.82f, 0.85f, installation::FreeAir, "Tables 5A and 5B applied"},
        {0.41f, 1.0f, installation::FreeAir, "Table 5A applied"},
        {1.0f, 0.8f, installation::RacewayOrCable, "Table 5C applied"},
        {1.0f, 0.85f, installation::FreeAir, "Table 5B applied"},
    };
    for (const auto &[ambient, count, installation, caption] : captions) {
        check::equal(correctionFrameCaption(ambient, count, installation).value(),
                     std::string_view(caption), caption);
        check::equal(correctionApplies(ambient, count), ambient * count != 1.0f, caption);
    }
}

// Every state the buttons can reach: the value shown keeps two decimals
// below 100 A and one from 100 A, lies within half a last digit of I x A x N,
// and its text reads back as it.
void everyReachableStateRoundsToTheShownPrecision()
{
    int wrong = 0;
    forEachReachableState([&wrong](std::int16_t amperes, const std::string &text,
                                   const FactorStep &a, const FactorStep &n) {
        const Correction c = correctAmpacity(text, a.factor, n.factor);
        const double exact = double(amperes) * a.factor * n.factor;
        const double step = exact < 100.0 ? 0.01 : 0.1;
        const double scaled = double(c.correctedAmp) / step;
        const std::string shown = numberText(c.correctedAmp);
        float back = 0;
        std::from_chars(shown.data(), shown.data() + shown.size(), back);
        wrong += c.baseAmp != float(amperes) ||
                 std::abs(c.correctedAmp - exact) > step / 2 + 1e-4 ||
                 std::abs(scaled - std::round(scaled)) > 1e-3 || back != c.correctedAmp;
    });
    check::equal(wrong, 0, "reachable states shown at the wrong precision");
}

} // namespace

// Exact amounts written as the schedules and the command line write them:
// the fraction's trailing zeros dropped, the zeros it lacks put in, a sign,
// the decimal mark given.
void scaledNumbersAsWritten()
{
    struct Case
    {
        std::int64_t value;
        int decimals;
        std::string_view separator;
        std::string_view text;
    };
    const Case cases[] = {
        {0, 4, ".", "0"},
        {5, 4, ".", "0.0005"},
        {-5, 4, ".", "-0.0005"},
        {1234500, 4, ".", "123.45"},
        {100, 2, ".", "1"},
        {-100, 2, ".", "-1"},
        {120, 0, ".", "120"},
        {155000, 4, ",", "15,5"},
        {1000, 4, ",", "0,1"},
        {987654321, 2, ".", "9876543.21"},
        {7, 2, "\xD9\xAB",
         "0\xD9\xAB"
         "07"},
        {7, 2, " dec ", "0 dec 07"},
        {INT64_MIN, 2, ".", "-92233720368547758.08"},
    };
    for (const Case &c : cases) {
        std::string text = "x";
        ampacity::appendScaledText(text, c.value, c.decimals, c.separator);
        std::string expected = "x";
        expected += c.text;
        check::equal(text, expected,
                     "scaled " + std::to_string(c.value) + " at " + std::to_string(c.decimals));
    }
}

// Text gathered on the stack reaches its string whole and in order, however
// much more than the buffer's room is written, a piece longer than the room
// too, and what was in the string before stays.
void bufferedTextComesOutWhole()
{
    std::string out = "before;";
    std::string expected = out;
    const std::string longPiece(ampacity::TextBuffer::Capacity * 2 + 7, 'L');
    {
        ampacity::TextBuffer buffer(out);
        for (std::int64_t i = -300; i <= 300; ++i) {
            ampacity::appendWhole(buffer, i);
            expected += std::to_string(i);
            buffer.add(';');
            expected += ';';
            ampacity::appendScaledText(buffer, i * 1250, 4, ",");
            ampacity::appendScaledText(expected, i * 1250, 4, ",");
            buffer.add(std::string_view("; "));
            expected += "; ";
            if (i == 0) {
                buffer.add(longPiece);
                expected += longPiece;
            }
        }
    }
    check::equal(out.size(), expected.size(), "buffered text: its length");
    check::that(out == expected, "buffered text: its bytes");
}

// A plain decimal, read whole or not at all: one mark at most (a comma only
// where the schedule writes decimal commas), digits on either side of it, a
// sign in front; digits past the fourth decimal round a load up.
void decimalsReadWholeOrNotAtAll()
{
    struct Case
    {
        std::string_view text;
        bool decimalComma;
        std::optional<std::int64_t> tenThousandths; // nothing: not a number
        bool negative = false;
    };
    const Case cases[] = {
        {"12.5", false, 125000},
        {" 7 ", false, 70000},
        {".5", false, 5000},
        {"5.", false, 50000},
        {"+20", false, 200000},
        {"-3.25", false, 32500, true},
        {"00012.50000", false, 125000},
        {"0.00001", false, 1},
        {"0.00000", false, 0},
        {"12,5", true, 125000},
        {"12,5", false, std::nullopt},
        {"1.2.3", false, std::nullopt},
        {"1,2.3", true, std::nullopt},
        {"1.2,3", true, std::nullopt},
        {"1,2,3", true, std::nullopt},
        {".", false, std::nullopt},
        {"", false, std::nullopt},
        {"-", false, std::nullopt},
        {"+-1", false, std::nullopt},
        {"1e3", false, std::nullopt},
        {"1 500", false, std::nullopt},
        {"3A", false, std::nullopt},
    };
    for (const Case &c : cases) {
        const auto number = ampacity::readDecimal(c.text, c.decimalComma);
        std::string name = "\"";
        name.append(c.text).push_back('"');
        if (!c.tenThousandths) {
            check::that(!number, name + " is not a number");
            continue;
        }
        if (!check::that(number.has_value(), name + " is a number"))
            continue;
        check::equal(number->negative, c.negative, name + ": its sign");
        check::equal(ampacity::scaledValue(*number, 4, ampacity::Rounding::Up).value_or(-1),
                     *c.tenThousandths, name + " in ten-thousandths");
    }
}

// A text copied into a string that held another, shorter, as long or longer
// (a long one out of the string's own room): the string is the text, and
// ends where it does.
void textCopiedIntoUsedRoom()
{
    // Every length up to past the longest copied in one piece, each byte
    // its own, so that a byte copied to the wrong place or left out shows.
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::vector<std::string> texts;
    for (std::size_t length = 0; length <= 40; ++length)
        texts.push_back(alphabet.substr(0, length));
    for (const std::string &room : texts)
        for (const std::string &text : texts) {
            const std::string before(room.size(), '#');
            std::string into = before;
            ampacity::copyInto(into, text);
            check::that(into == text && std::strlen(into.c_str()) == text.size(),
                        "copied \"" + text + "\" over \"" + before + "\"");
        }
    // The same texts one after another into a buffer, as a row's cells are.
    std::string gathered;
    std::string expected;
    {
        ampacity::TextBuffer buffer(gathered);
        for (std::size_t round = 0; round < 20; ++round)
            for (const std::string &text : texts) {
                buffer.add(std::string_view(text));
                buffer.add(',');
                expected += text + ',';
            }
    }
    check::that(gathered == expected, "every length gathered in a buffer");
}

// Every factor of Tables 5A, 5B and 5C as whole hundredths, as its two
// decimals read: 0.58 is 58, never 57 for the float a little under it.
void factorsAsHundredths()
{
    for (const std::int16_t code :
         {insulation::Rated60C, insulation::Rated75C, insulation::Rated90C})
        for (const FactorStep &step : ambientCycle(code))
            check::equal(factorHundredths(step.factor),
                         std::lround(static_cast<double>(step.factor) * 100.0),
                         "Table 5A factor " + std::string(step.caption));
    for (const std::int16_t code : {installation::RacewayOrCable, installation::FreeAir})
        for (const FactorStep &step : conductorCountCycle(code))
            check::equal(factorHundredths(step.factor),
                         std::lround(static_cast<double>(step.factor) * 100.0),
                         "Table 5B/5C factor " + std::string(step.caption));
}

int main()
{
    // A Qt program calls setlocale(LC_ALL, ""); on a French-Canadian desktop
    // the C library then reads and writes numbers with a comma. The answers
    // must not change. (Windows' C library names the locale its own way.)
    bool french = false;
    for (const char *name : {"fr_CA.UTF-8", "French_Canada.1252"})
        french = french || std::setlocale(LC_ALL, name) != nullptr;
    if (!check::that(french, "locale fr_CA.UTF-8 is installed (scripts/test generates it)"))
        return check::summary();
    cyclesStepAndWrap();
    conditionButtons();
    correctedAmpacity();
    everyReachableStateRoundsToTheShownPrecision();
    scaledNumbersAsWritten();
    bufferedTextComesOutWhole();
    textCopiedIntoUsedRoom();
    decimalsReadWholeOrNotAtAll();
    factorsAsHundredths();
    return check::summary();
}
