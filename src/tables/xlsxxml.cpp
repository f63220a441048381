// Worksheet XML: round-trip parsing and appended rows.
#include "tables/xlsxxml.h"

#include "text/codepage.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

namespace brisalta::xlsx {
namespace {

constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_ws_pcdata |
                                 pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi;

std::string prefixOf(const char* name) {
    const std::string_view full(name);
    const auto colon = full.rfind(':');
    return colon == std::string_view::npos ? std::string() : std::string(full.substr(0, colon + 1));
}

// Splits a cell reference "AB12" into its column number and row; nothing
// when it is not one.
std::optional<std::pair<int, long>> splitReference(std::string_view reference) {
    std::size_t i = 0;
    int column = 0;
    while (i < reference.size() && reference[i] >= 'A' && reference[i] <= 'Z' && column < 100000) {
        column = column * 26 + (reference[i] - 'A' + 1);
        ++i;
    }
    long row = 0;
    const char* end = reference.data() + reference.size();
    const auto [stop, error] = std::from_chars(reference.data() + i, end, row);
    if (column == 0 || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return std::pair{column, row};
}

std::string numberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

void appendCell(pugi::xml_node row, const std::string& prefix, const SheetCell& cell,
                const std::string& reference) {
    pugi::xml_node c = row.append_child((prefix + "c").c_str());
    c.append_attribute("r") = reference.c_str();
    if (cell.kind == SheetCell::Kind::Number) {
        c.append_child((prefix + "v").c_str()).text() = numberText(cell.number).c_str();
        return;
    }
    c.append_attribute("t") = "inlineStr";
    pugi::xml_node t = c.append_child((prefix + "is").c_str()).append_child((prefix + "t").c_str());
    const std::string value = text::toUtf8(cell.text);
    if (!value.empty()) {
        if (isBlank(value.front()) || isBlank(value.back())) {
            t.append_attribute("xml:space") = "preserve";
        }
        t.text() = value.c_str();
    }
}

// Stretches the used range "A1:I25" to the last column and row written.
void growDimension(pugi::xml_node worksheet, int columns, long lastRow) {
    pugi::xml_node dimension = childNamed(worksheet, "dimension");
    if (!dimension) {
        return;
    }
    const std::string ref = dimension.attribute("ref").value();
    const auto colon = ref.find(':');
    const std::string first = ref.substr(0, colon);
    const auto start = splitReference(first);
    const auto end = splitReference(colon == std::string::npos ? first : ref.substr(colon + 1));
    const int lastColumn = std::max(columns, end ? end->first : 1);
    const std::string grown = (start ? first : std::string("A1")) + ":" +
                              columnLetters(lastColumn) + std::to_string(lastRow);
    if (!dimension.attribute("ref")) {
        dimension.append_attribute("ref");
    }
    dimension.attribute("ref") = grown.c_str();
}

struct StringWriter : pugi::xml_writer {
    std::string bytes;
    void write(const void* data, size_t size) override {
        bytes.append(static_cast<const char*>(data), size);
    }
};

} // namespace

bool parsePart(pugi::xml_document& document, const std::string& bytes) {
    return document.load_buffer(bytes.data(), bytes.size(), kParseFlags);
}

std::string serializePart(pugi::xml_document& document) {
    for (pugi::xml_node node : document.children()) {
        if (node.type() == pugi::node_declaration && node.attribute("encoding")) {
            node.attribute("encoding") = "UTF-8";
        }
    }
    StringWriter writer;
    document.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return std::move(writer.bytes);
}

std::string_view localName(const char* name) {
    const std::string_view full(name);
    const auto colon = full.rfind(':');
    return colon == std::string_view::npos ? full : full.substr(colon + 1);
}

pugi::xml_node childNamed(pugi::xml_node parent, std::string_view local) {
    for (pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_element && localName(child.name()) == local) {
            return child;
        }
    }
    return {};
}

pugi::xml_attribute attributeNamed(pugi::xml_node node, std::string_view local) {
    for (pugi::xml_attribute attribute : node.attributes()) {
        if (localName(attribute.name()) == local) {
            return attribute;
        }
    }
    return {};
}

std::string columnLetters(int column) {
    std::string letters;
    while (column > 0) {
        letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
        column = (column - 1) / 26;
    }
    return letters;
}

bool appendWorksheetRows(pugi::xml_document& document, const SheetRows& sheet) {
    pugi::xml_node worksheet = document.document_element();
    pugi::xml_node sheetData = childNamed(worksheet, "sheetData");
    if (localName(worksheet.name()) != "worksheet" || !sheetData) {
        return false;
    }
    const std::string prefix = prefixOf(sheetData.name());

    long lastRow = 0;
    for (pugi::xml_node row : sheetData.children()) {
        if (row.type() == pugi::node_element && localName(row.name()) == "row") {
            const pugi::xml_attribute r = row.attribute("r");
            lastRow = r ? std::max(lastRow, static_cast<long>(r.as_llong())) : lastRow + 1;
        }
    }

    int columns = 0;
    for (const SheetRow& cells : sheet.rows) {
        ++lastRow;
        pugi::xml_node row = sheetData.append_child((prefix + "row").c_str());
        row.append_attribute("r") = std::to_string(lastRow).c_str();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i].kind == SheetCell::Kind::Null) {
                continue;
            }
            const int column = static_cast<int>(i) + 1;
            columns = std::max(columns, column);
            appendCell(row, prefix, cells[i], columnLetters(column) + std::to_string(lastRow));
        }
    }
    if (!sheet.rows.empty()) {
        growDimension(worksheet, columns, lastRow);
    }
    return true;
}

} // namespace brisalta::xlsx
