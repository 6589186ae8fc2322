#pragma once

#include "AnswerTexts.h"
#include "Invocation.h"

// torvane drop SIZE --current I --voltage V [--length L]: the voltage drop
// of one conductor over a run, or the longest run within the limit.
namespace commandline {

using scheduletexts::AnswerTexts;

class DropCommand
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    explicit DropCommand(const Invocation &run);
    int run();

private:
    const Invocation &m_run;
    AnswerTexts m_texts;
};

} // namespace commandline
