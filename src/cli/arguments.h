// A small command-line walker: named options with a fixed number of values,
// "--name=value" spelling, and positional words in between.
#pragma once

#include <map>
#include <span>
#include <string>
#include <vector>

namespace brisalta::cli {

struct OptionSpec {
    std::string name; // "--json", "-o"
    int values = 0;   // how many words follow the option
    bool repeatable = false; // each use adds its values instead of replacing the last ones
};

// Where options may appear.
enum class OptionPlace {
    Anywhere,          // options and positional words mix freely
    BeforePositional,  // every word after the first positional one is positional too
};

class Arguments {
public:
    // Parses args (the words after the subcommand). error() is set when an
    // unknown option appears or an option lacks its values. "--" ends the
    // options: every word after it is positional.
    Arguments(std::span<const std::string> args, std::span<const OptionSpec> specs,
              OptionPlace place = OptionPlace::Anywhere);

    bool has(const std::string& name) const { return mOptions.count(name) != 0; }
    // The first value of an option, or the fallback when it was not given.
    std::string value(const std::string& name, const std::string& fallback = {}) const;
    const std::vector<std::string>& values(const std::string& name) const;
    const std::vector<std::string>& positional() const { return mPositional; }
    const std::string& error() const { return mError; }

private:
    std::map<std::string, std::vector<std::string>> mOptions;
    std::vector<std::string> mPositional;
    std::string mError;
};

// Parses a whole decimal integer ("-2", "15"); false for anything else.
bool parseInt(const std::string& text, int& value);

} // namespace brisalta::cli
