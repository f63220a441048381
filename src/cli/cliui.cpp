// Messages of a batch run.
#include "cli/cliui.h"

#include "cli/output.h"

namespace brisalta::cli {

void CliUi::showMessage(const std::string& text, MessageIcon icon, const std::string&) {
    mMessages.push_back(text);
    mIcons.push_back(icon);
    if (mStream) {
        printNotice(mStream, text);
    }
}

void CliUi::redraw() {
    if (mRedraw) {
        mRedraw();
    }
}

PreferencesAnswer CliUi::askPreferences(const PreferencesFields& current, const ListEditorFiles&) {
    if (!mPreferences) {
        return {current, false};
    }
    return mPreferences(current);
}

void printNotice(std::FILE* stream, const std::string& cp1252Text) {
    std::string line = cp1252Text;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    std::fputs("aviso: ", stream);
    writeText(stream, line);
    std::fputc('\n', stream);
}

} // namespace brisalta::cli
