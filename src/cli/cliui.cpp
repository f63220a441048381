// Messages of a batch run.
#include "cli/cliui.h"

#include "cli/output.h"

namespace brisalta::cli {

void CliUi::showMessage(const std::string& text, MessageIcon, const std::string&) {
    mMessages.push_back(text);
    if (!mStream) {
        return;
    }
    // One line per message: its own line breaks become blanks.
    std::string line = text;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    std::fputs("aviso: ", mStream);
    writeText(mStream, line);
    std::fputc('\n', mStream);
}

} // namespace brisalta::cli
