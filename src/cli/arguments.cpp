// Command-line walker.
#include "cli/arguments.h"

#include <charconv>

namespace brisalta::cli {

Arguments::Arguments(std::span<const std::string> args, std::span<const OptionSpec> specs,
                     OptionPlace place) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (place == OptionPlace::BeforePositional && !mPositional.empty()) {
            // A METAR's "-TSRA" or "+SHRA" is a word of the report, not an
            // option; a "--" there only says so again.
            if (word != "--") {
                mPositional.push_back(word);
            }
            continue;
        }
        if (word.size() < 2 || word[0] != '-' || word == "--" ||
            (word.size() > 1 && (word[1] >= '0' && word[1] <= '9'))) {
            if (word == "--") {
                for (++i; i < args.size(); ++i) {
                    mPositional.push_back(args[i]);
                }
                break;
            }
            mPositional.push_back(word);
            continue;
        }
        std::string name = word;
        std::string inlineValue;
        bool hasInline = false;
        if (const auto eq = word.find('='); eq != std::string::npos && word.starts_with("--")) {
            name = word.substr(0, eq);
            inlineValue = word.substr(eq + 1);
            hasInline = true;
        }
        const OptionSpec* spec = nullptr;
        for (const OptionSpec& candidate : specs) {
            if (candidate.name == name) {
                spec = &candidate;
                break;
            }
        }
        if (!spec) {
            mError = "opción desconocida: " + word;
            return;
        }
        std::vector<std::string>& slot = mOptions[name];
        if (!spec->repeatable) {
            slot.clear();
        }
        if (hasInline) {
            if (spec->values != 1) {
                mError = "la opción " + name + " no admite '='";
                return;
            }
            slot.push_back(inlineValue);
            continue;
        }
        for (int k = 0; k < spec->values; ++k) {
            if (i + 1 >= args.size()) {
                mError = "falta el valor de la opción " + name;
                return;
            }
            slot.push_back(args[++i]);
        }
    }
}

std::string Arguments::value(const std::string& name, const std::string& fallback) const {
    const auto it = mOptions.find(name);
    if (it == mOptions.end() || it->second.empty()) {
        return fallback;
    }
    return it->second.front();
}

const std::vector<std::string>& Arguments::values(const std::string& name) const {
    static const std::vector<std::string> none;
    const auto it = mOptions.find(name);
    return it == mOptions.end() ? none : it->second;
}

bool parseInt(const std::string& text, int& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    int parsed = 0;
    const auto [end, ec] = std::from_chars(first, last, parsed);
    if (ec != std::errc() || end != last || first == last) {
        return false;
    }
    value = parsed;
    return true;
}

} // namespace brisalta::cli
