// Locale-independent printf formatting.
#include "text/format.h"

#include "text/codepage.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

namespace brisalta::text {
namespace {

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Switches the calling thread to the C locale for the lifetime of the guard.
class CLocaleScope {
public:
    CLocaleScope() : mPrevious(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(mPrevious); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t mPrevious;
};

std::string vformat(const char* fmt, va_list args) {
    CLocaleScope scope;
    char small[256];
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(small, sizeof small, fmt, copy);
    va_end(copy);
    if (needed < 0) {
        return {};
    }
    if (static_cast<std::size_t>(needed) < sizeof small) {
        return std::string(small, static_cast<std::size_t>(needed));
    }
    std::string out(static_cast<std::size_t>(needed) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), fmt, args);
    out.resize(static_cast<std::size_t>(needed));
    return out;
}

} // namespace

std::string format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string out = vformat(fmt, args);
    va_end(args);
    return out;
}

std::string format1252(const char* utf8Format, ...) {
    const std::string fmt = toCp1252(utf8Format);
    va_list args;
    va_start(args, utf8Format);
    std::string out = vformat(fmt.c_str(), args);
    va_end(args);
    return out;
}

} // namespace brisalta::text
