#pragma once

#include "Invocation.h"

// torvane report FILE --output REPORT.pdf: the schedule window's report,
// written with no display.
namespace commandline {

class ReportCommand
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    explicit ReportCommand(const Invocation &run);
    int run();

private:
    const Invocation &m_run;
};

} // namespace commandline
