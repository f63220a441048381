// Fuzz target: the METAR decoder on the words of arbitrary text.
#include "surface/metardecoder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == ' ' || c == '\n' || c == '\t') {
            if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    const std::size_t first = size > 0 ? data[0] % 4 : 2;
    brisalta::MetarDecoder::decodeGroups(words, words.size(), first);
    return 0;
}
