#pragma once

#include "ConductorSizing.h"

// The conditions of a circuit sized by its tables, terminations and drop
// alone, as before breakers and continuous loads were checked: a load that
// is not continuous, and no breaker (none chosen, none checked). What a
// test of the tables' arithmetic sizes with.
namespace tableonly {

inline ampacity::sizing::ConditionTexts conditions(ampacity::sizing::ConditionTexts texts)
{
    if (texts.continuous.empty())
        texts.continuous = "no";
    if (texts.breaker.empty())
        texts.breaker = "none";
    return texts;
}

inline const ampacity::sizing::ConditionTexts Defaults = [] {
    ampacity::sizing::ConditionTexts texts = ampacity::sizing::DefaultConditionTexts;
    texts.continuous = "no";
    texts.breaker = "none";
    return texts;
}();

} // namespace tableonly
