// Terminal and JSON output.
#include "cli/output.h"

#include "cli/arguments.h"
#include "cli/subcommands.h"

#include "text/codepage.h"

#include <QJsonDocument>

namespace brisalta::cli {

QString toQString(const std::string& cp1252Text) {
    const std::string utf8 = text::toUtf8(cp1252Text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void writeText(std::FILE* stream, const std::string& cp1252Text) {
    const std::string utf8 = text::toUtf8(cp1252Text);
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

void writeLine(std::FILE* stream, const std::string& utf8Text) {
    std::fwrite(utf8Text.data(), 1, utf8Text.size(), stream);
    std::fputc('\n', stream);
}

void writeJson(std::FILE* stream, const QJsonObject& object) {
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
}

std::optional<int> finishIfUsage(const char* name, const Arguments& parsed,
                                 std::initializer_list<const char*> helpParts) {
    if (!parsed.error().empty()) {
        writeLine(stderr, std::string("brisalta-cli ") + name + ": " + parsed.error());
        return kExitUsage;
    }
    if (parsed.has("-h") || parsed.has("--help")) {
        for (const char* part : helpParts) {
            std::fputs(part, stdout);
        }
        return kExitOk;
    }
    return std::nullopt;
}

} // namespace brisalta::cli
