// Turns the Markdown source of the user's manual into a printed PDF: A4 pages
// with the pictures fitted to the page, chapters starting on a new page, a
// contents table with page numbers and a footer with the page number. Only
// QtGui is used (QTextDocument's Markdown reader and QPdfWriter).
#pragma once

#include <QString>
#include <QStringList>

namespace brisalta::manual {

struct ManualSource {
    QString markdown;         // UTF-8 text of the manual
    QStringList imageFolders; // where the pictures named in the text are looked for, in order
    QString title;            // document title of the PDF and the page footers
};

// Writes the PDF. False, with a Spanish reason in `error`, when a picture is
// missing, the contents marker is absent or the file cannot be written.
bool writeManualPdf(const ManualSource& source, const QString& pdfFile, QString& error);

// The line that the contents table replaces in the Markdown source.
inline constexpr const char* kContentsMarker = "[[contenido]]";

} // namespace brisalta::manual
