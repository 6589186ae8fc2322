#pragma once

#include "Invocation.h"

// torvane table N: Table N with its three columns, to check a value against
// the printed Code.
namespace commandline {

class TableCommand
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    explicit TableCommand(const Invocation &run);
    int run();

private:
    const Invocation &m_run;
};

} // namespace commandline
