#include "NumberText.h"

#include <cerrno>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace
{
// strtod and strtoll skip leading blanks; a value like " 5" is more likely a quoting slip than meant.
bool startsCleanly(const std::string& text)
{
    return ! text.empty() && ! std::isspace(static_cast<unsigned char>(text.front()));
}
} // namespace

std::optional<double> parseFiniteNumber(const std::string& text)
{
    if (! startsCleanly(text))
        return std::nullopt;

    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);

    if (errno != 0 || *end != '\0' || ! std::isfinite(value))
        return std::nullopt;

    return value;
}

std::optional<long long> parseWholeNumber(const std::string& text)
{
    if (! startsCleanly(text))
        return std::nullopt;

    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);

    if (errno != 0 || *end != '\0')
        return std::nullopt;

    return value;
}

std::string formatNumber(float value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}
