#pragma once

#include <string>
#include <string_view>

// The texts of the About window. The notices are the program's own wording,
// kept to the letter (including "usefull").
namespace about {

inline constexpr std::string_view ConformanceNotice =
    "This software conforms to the 2021 and 2024 Canadian Electrical Code. Information provided "
    "here shall be used with all applicable code rules and any other regulations imposed by "
    "authority having jurisdiction.";

inline constexpr std::string_view Disclaimer =
    "This free software is provided \"as is\" and without any warranties as to performance or "
    "accuracy or any other warranties whether expressed or implied. The user must assume the "
    "entire risk of using the program.";

inline constexpr std::string_view UpdateInvitation =
    "To check for updates or other usefull tools please visit our website: ";

inline constexpr std::string_view BuyingNotice =
    "Copies for your whole office can be bought on our website. For special prices, "
    "write to us at:";

// The notices block: one line break after the conformance notice, an empty
// line before the update invitation.
std::string noticesText();

// "Version: 25.1.7": major, minor and revision, plain decimal.
std::string versionLine(int major, int minor, int revision);

// "Copyright © 2024-2025 holder": the closing year is 2000 plus the major version.
std::string copyrightNotice(int major, std::string_view holder);

// What the e-mail link hands to the desktop: "Mailto:" and the address.
std::string mailtoAddress(std::string_view emailAddress);

} // namespace about
