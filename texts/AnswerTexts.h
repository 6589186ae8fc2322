#pragma once

#include "ConductorSizing.h"

#include <QCoreApplication>
#include <QString>

#include <string>

// The command line's answers in words, in the user's language and with the
// user's decimal separator (context "CommandLine").
namespace scheduletexts {

class AnswerTexts
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    explicit AnswerTexts(std::string decimalSeparator);

    // One conductor in a line: the window's figures, then what limited it,
    // the drop, the breaker and the bonding conductor, and what governed.
    QString sizingLine(const ampacity::sizing::Sizing &sizing) const;
    // "single-phase", "three-phase", "dc"
    QString systemName(ampacity::sizing::SupplySystem system) const;
    // "45.72 m", or as given in feet with the metres: "150 ft (45.72 m)"
    QString lengthText(const ampacity::sizing::Run &run) const;
    // A size of the list in the user's words, without its leading blanks.
    static QString sizeName(std::string_view listText);

private:
    QString number(std::int64_t value, int decimals) const;
    // A motor's branch-circuit device and overload relay, in words.
    QString motorDeviceText(const ampacity::sizing::Sizing &sizing) const;

    std::string m_decimalSeparator;
};

} // namespace scheduletexts
