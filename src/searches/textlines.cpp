#include "searches/textlines.h"

#include <cstdio>

namespace Searches {

bool TextLines::readLine(std::size_t longest, std::string& line, std::string* why)
{
    why->clear();
    const std::size_t end = rest.find('\n');
    const std::string_view found = rest.substr(0, end);
    if (found.size() > longest) {
        *why = "a line longer than " + std::to_string(longest) + " bytes";
        return false;
    }
    line.assign(found);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    return end != std::string_view::npos || !line.empty();
}

std::string describe(char character)
{
    const auto byte = static_cast<unsigned char>(character);
    char text[16];
    if (byte >= 0x20 && byte < 0x7f)
        std::snprintf(text, sizeof text, "'%c'", character);
    else
        std::snprintf(text, sizeof text, "byte 0x%02X", byte);
    return text;
}

} // namespace Searches
