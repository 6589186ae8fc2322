#include "AboutNotices.h"

namespace about {

namespace {
constexpr std::string_view LineBreak = "\r\n";
constexpr int FirstCopyrightYear = 2024;
} // namespace

std::string noticesText()
{
    std::string text(ConformanceNotice);
    text += LineBreak;
    text += Disclaimer;
    text += LineBreak;
    text += LineBreak;
    text += UpdateInvitation;
    return text;
}

std::string versionLine(int major, int minor, int revision)
{
    return "Version: " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision);
}

std::string copyrightNotice(int major, std::string_view holder)
{
    std::string text = "Copyright \u00A9 " + std::to_string(FirstCopyrightYear) + "-" +
                       std::to_string(2000 + major);
    if (!holder.empty()) {
        text += " ";
        text += holder;
    }
    return text;
}

std::string mailtoAddress(std::string_view emailAddress)
{
    std::string address = "Mailto:";
    address += emailAddress;
    return address;
}

} // namespace about
