#pragma once

#include "AnswerTexts.h"
#include "Invocation.h"

class QTemporaryFile;

// torvane size LOAD, and torvane size --schedule FILE: the conductor for one
// load, or for every row of a cable schedule, streamed row by row.
namespace commandline {

using scheduletexts::AnswerTexts;

class SizeCommand
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    explicit SizeCommand(const Invocation &run);
    int run();

private:
    int sizeOneLoad(const std::string &load, const ampacity::sizing::ConditionTexts &given,
                    Format chosen);
    int sizeSchedule(const ampacity::sizing::ConditionTexts &given, Format chosen);
    // Standard input copied into a temporary file, read from its start.
    QString workbookOutput() const;
    static bool spoolStandardInput(QTemporaryFile &spool);

    const Invocation &m_run;
    AnswerTexts m_texts;
};

} // namespace commandline
