// Renders a drawing (the 24-hour graph, the sounding diagram) to a PNG, SVG
// or PDF file chosen by the file's extension. Needs a QGuiApplication (the
// offscreen platform is enough) for the fonts.
#pragma once

#include "ports/drawingcanvas.h"
#include "render/qtcanvas.h"

#include <QSize>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace brisalta {

enum class FileKind { Png, Svg, Pdf };

// How the file lays out the design space.
enum class PageMode {
    Screen, // a picture the size of the drawing on the virtual screen (PNG, SVG)
    Print,  // an A4 landscape page in 0.01-inch units, drawing centred (PDF)
};

struct RenderOptions {
    VirtualScreen screen;      // what deviceCaps answers
    double drawScale = 0.96;   // the scale the drawing applies on screen (SessionState::drawScale)
    int designWidth = 800;     // design space of the drawing
    int designHeight = 600;
    double printFactor = 1.0;  // 0.01-inch units per design unit when printing (1.07³ for the sounding)
    int margin = 8;            // blank pixels around a picture
    std::string title = "Brisalta"; // SVG and PDF title, Windows-1252
};

// Draws the picture. The mode says whether the drawing should use the screen
// mapping or the print mapping (for the graph: SessionState::printing 0 or 1).
using DrawFunction = std::function<void(DrawingCanvas& canvas, PageMode mode)>;

// The kind of file for a path, by its extension (any letter case), or nothing.
std::optional<FileKind> fileKindOf(const std::filesystem::path& path);

// Size in pixels of a PNG or SVG picture: the design space at the virtual
// screen's factors (as the renderers compute them), plus the margin on each side.
QSize pictureSize(const RenderOptions& options);

// Renders into the file, replacing it in one step (through a temporary file in
// the same folder, renamed once every byte is on the disk), so that a failure
// leaves the previous file as it was. Returns an empty text on success, else a
// Spanish error message with the reason (Windows-1252).
std::string renderToFile(const std::filesystem::path& path, const RenderOptions& options, const DrawFunction& draw);

} // namespace brisalta
