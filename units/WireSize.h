#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// A conductor's size, one type for every table that names sizes: the
// ampacity tables and their wire-size list, Table D3, Table 13's small
// conductors, Table 16's bonding conductors and Table 6's areas.
namespace ampacity {

// Every size the Code's tables name, smallest first, so that sizes compare
// as conductors do. Table 6 names them all; the ampacity tables and Table
// D3 leave out 450, 700, 800 and 900 kcmil; Table 16 names 700 and 800.
// (A scoped enumeration's values compare in that order.)
enum class ConductorSize : std::uint8_t
{
    Awg14,
    Awg12,
    Awg10,
    Awg8,
    Awg6,
    Awg4,
    Awg3,
    Awg2,
    Awg1,
    Awg1_0,
    Awg2_0,
    Awg3_0,
    Awg4_0,
    Kcmil250,
    Kcmil300,
    Kcmil350,
    Kcmil400,
    Kcmil450,
    Kcmil500,
    Kcmil600,
    Kcmil700,
    Kcmil750,
    Kcmil800,
    Kcmil900,
    Kcmil1000,
    Kcmil1250,
    Kcmil1500,
    Kcmil1750,
    Kcmil2000,
};
inline constexpr std::size_t ConductorSizeCount = 29;

// The wire-size list's sizes, in its rows' order: copper's list has them
// all, aluminum's begins at 12 AWG.
inline constexpr std::size_t ListedSizeCount = 25;
inline constexpr std::array<ConductorSize, ListedSizeCount> ListedSizes = [] {
    std::array<ConductorSize, ListedSizeCount> listed{};
    std::size_t row = 0;
    for (std::size_t size = 0; size < ConductorSizeCount; ++size) {
        const auto s = static_cast<ConductorSize>(size);
        if (s != ConductorSize::Kcmil450 && s != ConductorSize::Kcmil700 &&
            s != ConductorSize::Kcmil800 && s != ConductorSize::Kcmil900)
            listed[row++] = s;
    }
    return listed;
}();

// Each size's row in the copper list, NotListed for those it leaves out:
// looked up, not searched, as every designed row asks for a few.
inline constexpr std::uint8_t NotListed = 0xFF;
inline constexpr std::array<std::uint8_t, ConductorSizeCount> CopperRows = [] {
    std::array<std::uint8_t, ConductorSizeCount> rows{};
    rows.fill(NotListed);
    for (std::size_t row = 0; row < ListedSizeCount; ++row)
        rows[static_cast<std::size_t>(ListedSizes[row])] = static_cast<std::uint8_t>(row);
    return rows;
}();

// A conductor of a metal (0 copper, otherwise aluminum) and a size.
struct WireSize
{
    std::int16_t material = 0;
    ConductorSize size = ConductorSize::Awg14;

    // The size of row `row` of the metal's wire-size list.
    static constexpr WireSize atRow(std::int16_t material, std::size_t row)
    {
        return {material, ListedSizes[row + firstRowOf(material)]};
    }
    // Its row in the copper list, which has every listed size: the row of
    // the ampacity tables' columns, Table D3 and the small conductors'
    // limits; nothing for a size the list leaves out.
    constexpr std::optional<std::size_t> copperRow() const
    {
        const std::uint8_t row = CopperRows[static_cast<std::size_t>(size)];
        return row == NotListed ? std::nullopt : std::optional<std::size_t>(row);
    }
    // Its row in its own metal's list; nothing for a size the list leaves out.
    constexpr std::optional<std::size_t> row() const
    {
        const auto copper = copperRow();
        if (!copper || *copper < firstRowOf(material))
            return std::nullopt;
        return *copper - firstRowOf(material);
    }
    // Where a metal's list begins in the copper list.
    static constexpr std::size_t firstRowOf(std::int16_t material) { return material == 0 ? 0 : 1; }

    friend constexpr bool operator==(const WireSize &, const WireSize &) = default;
};

} // namespace ampacity
