// Terminal output of the command-line tool: the core's Windows-1252 text is
// converted to UTF-8 here and nowhere else.
#pragma once

#include <QJsonObject>
#include <QString>

#include <cstdio>
#include <string>

namespace brisalta::cli {

// Core text (Windows-1252) to a QString for JSON.
QString toQString(const std::string& cp1252Text);

// Writes Windows-1252 text to a stream as UTF-8.
void writeText(std::FILE* stream, const std::string& cp1252Text);

// Writes one line of UTF-8 text written in the source (messages of the tool).
void writeLine(std::FILE* stream, const std::string& utf8Text);

// One compact JSON object followed by a line feed.
void writeJson(std::FILE* stream, const QJsonObject& object);

} // namespace brisalta::cli
