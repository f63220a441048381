// Appending rows to a worksheet of an existing workbook: the package is opened
// in memory, the workbook's relationships lead to the worksheet of the wanted
// name, and only that part is rewritten.
#include "tables/xlsxpackage.h"

#include "tables/xlsxxml.h"
#include "tables/xlsxzip.h"
#include "text/codepage.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace brisalta::xlsx {
namespace {

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// A part name from a relationship target: absolute ("/xl/workbook.xml") or
// relative to the folder of the part that points at it, "." and ".." resolved.
std::string resolvePart(std::string_view baseFolder, std::string_view target) {
    const std::string joined = !target.empty() && target.front() == '/'
                                   ? std::string(target.substr(1))
                                   : std::string(baseFolder) + std::string(target);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= joined.size()) {
        const std::size_t end = std::min(joined.find('/', start), joined.size());
        const std::string part = joined.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string name;
    for (const std::string& part : parts) {
        name += (name.empty() ? "" : "/") + part;
    }
    return name;
}

std::string folderOf(const std::string& partName) {
    const auto slash = partName.rfind('/');
    return slash == std::string::npos ? std::string() : partName.substr(0, slash + 1);
}

std::string fileOf(const std::string& partName) {
    const auto slash = partName.rfind('/');
    return slash == std::string::npos ? partName : partName.substr(slash + 1);
}

// The target of the relationship chosen by `matches` in a relationships part.
template <typename Match>
std::optional<std::string> relationshipTarget(const ZipPackage& package,
                                              const std::string& relsName, Match matches) {
    const auto bytes = package.read(relsName);
    pugi::xml_document document;
    if (!bytes || !parsePart(document, *bytes)) {
        return std::nullopt;
    }
    for (pugi::xml_node rel : document.document_element().children()) {
        if (rel.type() == pugi::node_element && localName(rel.name()) == "Relationship" &&
            matches(rel)) {
            return std::string(rel.attribute("Target").value());
        }
    }
    return std::nullopt;
}

// appendRows on a copy: `rebuilt` receives the new package. The package reads
// `workbook` in place, so the caller replaces it only after this returns.
AppendProblem appendInto(const std::string& workbook, const SheetRows& sheet,
                         std::string& rebuilt) {
    ZipPackage package(workbook);
    if (!package.isOpen()) {
        return AppendProblem::NotAWorkbook;
    }

    // The package relationships name the workbook part; the workbook names its
    // sheets and points at each through its own relationships.
    const auto workbookTarget = relationshipTarget(package, "_rels/.rels", [](pugi::xml_node rel) {
        return endsWith(rel.attribute("Type").value(), "/officeDocument");
    });
    const std::string workbookPart = resolvePart("", workbookTarget.value_or("xl/workbook.xml"));
    const auto workbookBytes = package.read(workbookPart);
    pugi::xml_document workbookDocument;
    if (!workbookBytes || !parsePart(workbookDocument, *workbookBytes) ||
        localName(workbookDocument.document_element().name()) != "workbook") {
        return AppendProblem::NotAWorkbook;
    }
    const std::string wantedName = text::toUtf8(sheet.sheetName);
    std::string relationshipId;
    const pugi::xml_node sheets = childNamed(workbookDocument.document_element(), "sheets");
    for (pugi::xml_node entry : sheets.children()) {
        if (entry.type() == pugi::node_element && localName(entry.name()) == "sheet" &&
            sameNameIgnoringCase(entry.attribute("name").value(), wantedName)) {
            relationshipId = attributeNamed(entry, "id").value();
            break;
        }
    }
    if (relationshipId.empty()) {
        return AppendProblem::NoSuchSheet;
    }
    const std::string relsPart = folderOf(workbookPart) + "_rels/" + fileOf(workbookPart) + ".rels";
    const auto sheetTarget = relationshipTarget(package, relsPart, [&](pugi::xml_node rel) {
        return relationshipId == rel.attribute("Id").value();
    });
    if (!sheetTarget) {
        return AppendProblem::NotAWorkbook;
    }
    const std::string sheetPart = resolvePart(folderOf(workbookPart), *sheetTarget);
    const auto sheetBytes = package.read(sheetPart);
    const auto sheetIndex = package.indexOf(sheetPart);
    pugi::xml_document sheetDocument;
    if (!sheetBytes || !sheetIndex || !parsePart(sheetDocument, *sheetBytes)) {
        return AppendProblem::NotAWorkbook;
    }
    if (localName(sheetDocument.document_element().name()) != "worksheet") {
        return AppendProblem::NoSuchSheet; // a chart sheet of that name holds no table
    }
    if (!appendWorksheetRows(sheetDocument, sheet)) {
        return AppendProblem::NotAWorkbook;
    }
    const std::string sheetXml = serializePart(sheetDocument);
    if (!package.replace(*sheetIndex, sheetXml)) {
        return AppendProblem::OutOfMemory;
    }
    auto closed = package.close();
    if (!closed) {
        return AppendProblem::OutOfMemory;
    }
    rebuilt = std::move(*closed);
    return AppendProblem::None;
}

} // namespace

AppendProblem appendRows(std::string& workbook, const SheetRows& sheet) {
    std::string rebuilt;
    const AppendProblem problem = appendInto(workbook, sheet, rebuilt);
    if (problem == AppendProblem::None) {
        workbook = std::move(rebuilt);
    }
    return problem;
}

} // namespace brisalta::xlsx
