#pragma once

#include "Invocation.h"
#include "RacewayFill.h"

#include <vector>

// torvane fill GROUP... --raceway TYPE [--size TRADE]: the smallest trade
// size of a raceway that holds the conductors (Rule 12-910), one size's fill,
// or how many of one conductor a size holds.
namespace commandline {

class FillCommand
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    explicit FillCommand(const Invocation &run);
    int run();

private:
    // A group read, with the wire it is counted as and one conductor's area.
    struct Group
    {
        ampacity::sizing::ConductorGroup given;
        ampacity::sizing::Wire wire;
        ampacity::AreaHundredths each = 0;
    };
    std::optional<std::vector<Group>> readGroups(const ampacity::sizing::Conditions &c) const;
    QString groupLine(const Group &group) const;
    QString area(double mm2) const;

    const Invocation &m_run;
};

} // namespace commandline
