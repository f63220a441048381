// Recording Ui adapter for tests.
#include "support/scriptedui.h"

#include "text/codepage.h"

namespace brisalta::test {

std::vector<std::string> ScriptedUi::messageTexts() const {
    std::vector<std::string> out;
    for (const RecordedMessage& m : messages) {
        out.push_back(text::toUtf8(m.text));
    }
    return out;
}

} // namespace brisalta::test
