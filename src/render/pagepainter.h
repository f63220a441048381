// The printed page on a paged Qt device: a printer, the print preview's
// printer or a PDF file. The page itself is laid out by the caller's function
// on a DrawingCanvas in 0.01-inch units.
#pragma once

#include "ports/drawingcanvas.h"

#include <QPainter>

#include <filesystem>
#include <functional>
#include <string>

namespace brisalta {

// Paints a page on `canvas`, whose printable area is `pageWidth` hundredths of
// an inch wide.
using PagePainter = std::function<void(DrawingCanvas& canvas, int pageWidth)>;

// Paints one page with a painter already active on a paged device: the canvas
// starts at the corner of the device's printable area, and the page is told
// that area's width.
void paintPage(QPainter& painter, const PagePainter& paint);

// The PDF page's printable area: an A4 sheet less a quarter of an inch on every
// side, about what a printer leaves blank.
inline constexpr double kPdfMarginInches = 0.25;

// Writes one A4 page, portrait or landscape, to a PDF file, replacing it.
// Returns an empty text on success, else a Spanish message (Windows-1252).
std::string writePagePdf(const std::filesystem::path& path, bool portrait,
                         const std::string& title, const PagePainter& paint);

} // namespace brisalta
