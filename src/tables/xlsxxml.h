// The XML parts of a workbook through pugixml: reading them so that writing
// them back changes nothing but what was edited, finding elements whatever
// namespace prefix the writer chose, and adding rows to a worksheet.
#pragma once

#include "tables/xlsxsheet.h"

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace brisalta::xlsx {

// Parses a part, keeping its declaration, comments, processing instructions
// and blank text as they were. False when it is not well-formed XML.
bool parsePart(pugi::xml_document& document, const std::string& bytes);

// The part in UTF-8, as raw as it was read (the declaration kept, its
// encoding made UTF-8).
std::string serializePart(pugi::xml_document& document);

// An element or attribute name without its namespace prefix ("x:row" -> "row").
std::string_view localName(const char* name);

// The first child element with the given local name; empty when there is none.
pugi::xml_node childNamed(pugi::xml_node parent, std::string_view local);

// The attribute with the given local name ("r:id" and "id" alike).
pugi::xml_attribute attributeNamed(pugi::xml_node node, std::string_view local);

// Column letters of a 1-based column number: 1 "A", 26 "Z", 27 "AA".
std::string columnLetters(int column);

// Adds sheet.rows below the last row of a worksheet part: texts as inline
// strings (an empty text stays an empty text), numbers as numbers, null cells
// left out; the used range (dimension) grows to cover them. Rows without a
// number follow the row before them. False when the document is not a
// worksheet with its sheetData.
bool appendWorksheetRows(pugi::xml_document& worksheet, const SheetRows& sheet);

} // namespace brisalta::xlsx
