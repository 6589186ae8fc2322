#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "Texts.h"

// Canadian Electrical Code, Part I, 2024: what conduit and tubing fill is
// worked out from (Rule 12-910). Table 6 gives each insulated conductor's
// area, Table 8 the share of a raceway's internal area conductors may fill,
// Table 9 each raceway's internal diameter by trade size.
namespace ampacity {

// Table 6's sizes, smallest first: the wire-size list's, and 450, 700, 800
// and 900 kcmil besides ("14 AWG" ... "2000 kcmil").
inline constexpr std::size_t Table6SizeCount = 29;
inline constexpr std::size_t Table6SolidSizeCount = 3; // 14, 12 and 10 AWG
std::span<const std::string_view> table6Sizes();

// Areas in hundredths of a square millimetre, as printed (each is one
// conductor's: the printed multiples are never used).
using AreaHundredths = std::int64_t;

// One of Tables 6A to 6K: the single conductor's area by size, 0 where the
// table has no such row.
struct ConductorDimensionTable
{
    std::string_view name;  // "6A"
    std::string_view types; // as the title prints them: "R90XLPE, RW75XLPE, RW90XLPE, RPV90"
    std::string_view title; // the class: "unjacketed 600 V insulated conductors"
    std::array<AreaHundredths, Table6SizeCount> stranded;
    std::array<AreaHundredths, Table6SolidSizeCount> solid;
};
std::span<const ConductorDimensionTable> table6();
// Whether a cell's printed area is suspect: Table 6B's 8 AWG, printed with
// Table 6A's diameter (5.99 mm) where 6B's other sizes are 0.76 mm larger.
bool table6Suspect(std::size_t table, std::size_t size, bool solid);

// Which types each of Tables 6A to 6K lists, in which class: the voltages
// its title names (none: any) and whether the type is jacketed (as the
// title or the type's own words say; Any where neither does).
enum class Jacket
{
    Any,
    Unjacketed,
    Jacketed,
};
struct Table6Listing
{
    std::string_view type;       // as printed: "RW90XLPE", "T90 NYLON", "TWU"
    std::size_t table;           // index into table6()
    std::array<int, 2> voltages; // 600, 1000 or 2000; 0 for none
    Jacket jacket;
};
std::span<const Table6Listing> table6Listings();

// Table 8, insulated conductors and multi-conductor cables that are not
// lead-sheathed: the largest per cent of a raceway's internal area their
// total area may fill, by their number (53 for one, 31 for two, 40 for
// three or more).
int table8Percent(int conductors);

// Table 9's raceways: the trade sizes by their metric designator, each with
// its internal diameter in hundredths of a millimetre. The printed areas of
// Tables 9A to 9H are never used: each is worked out from the diameter.
struct TradeSize
{
    int designator; // 16, 21, 27...
    std::int64_t diameterHundredths;
};
// Their short names and the Code's names, in Table 9's order.
struct RacewayName
{
    const char *id;   // "rmc"
    const char *name; // "rigid metal conduit" (context "Raceways")
};
inline constexpr RacewayName RacewayNames[] = {
    {"rmc", TORVANE_TEXT("Raceways", "rigid metal conduit")},
    {"fmc", TORVANE_TEXT("Raceways", "flexible metal conduit")},
    {"rigid-pvc", TORVANE_TEXT("Raceways", "rigid PVC conduit")},
    {"rigid-pvc-eb1-db2-es2",
     TORVANE_TEXT("Raceways", "rigid Type EB1 PVC conduit and rigid Type DB2/ES2 PVC conduit")},
    {"lfmc", TORVANE_TEXT("Raceways", "metallic liquid-tight flexible conduit")},
    {"lfnc", TORVANE_TEXT("Raceways", "non-metallic liquid-tight flexible conduit")},
    {"emt", TORVANE_TEXT("Raceways", "electrical metallic tubing")},
    {"ent", TORVANE_TEXT("Raceways", "electrical non-metallic tubing")},
    {"rtrc-ips", TORVANE_TEXT("Raceways", "rigid RTRC conduit marked IPS")},
    {"rtrc-id", TORVANE_TEXT("Raceways", "rigid RTRC conduit marked ID")},
    {"hdpe-sch40", TORVANE_TEXT("Raceways", "HDPE conduit Schedule 40")},
    {"hdpe-sch80", TORVANE_TEXT("Raceways", "HDPE conduit Schedule 80")},
    {"hdpe-dr9", TORVANE_TEXT("Raceways", "HDPE conduit DR9")},
    {"hdpe-dr11", TORVANE_TEXT("Raceways", "HDPE conduit DR11")},
    {"hdpe-dr13.5", TORVANE_TEXT("Raceways", "HDPE conduit DR13.5")},
    {"hdpe-dr15.5", TORVANE_TEXT("Raceways", "HDPE conduit DR15.5")},
};

struct RacewayKind
{
    std::string_view id;    // "emt", "rmc", "rigid-pvc"...
    const char *name;       // "electrical metallic tubing" (context "Raceways")
    std::string_view table; // "9A" or "9B"
    std::span<const TradeSize> sizes;
};
std::span<const RacewayKind> table9();

} // namespace ampacity

namespace ampacity {

// Table 19's temperature ratings of the wire types Table 6 lists, by the
// names designers write on a schedule (the insulation's suffix, XLPE or EP,
// and T90's NYLON left out): "RW90" 90 °C, "TW" 60 °C...
struct WireType
{
    std::string_view name;
    int rating; // °C
};
std::span<const WireType> table19WireTypes();

} // namespace ampacity
