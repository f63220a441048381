// PNG files of the pictures, written for speed. A graph or a sounding is two
// million pixels of mostly white paper: the adaptive row filters and zlib's
// default level, as a general-purpose writer uses them, spend five times
// longer than the drawing itself and save little, so the rows go unfiltered
// through the fastest level, on two cores (render/zlibstream.h).
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

namespace brisalta {

// An RGB32 picture (not yet filled) to paint and then hand to
// savePng(QImage&&). Its memory is mapped in 2 MB pages where the system
// offers them, which spares the kernel two thousand page faults for a graph;
// otherwise it is an ordinary image. Null for an empty size.
QImage pngPicture(QSize size);

// Writes the image as an 8-bit RGB PNG (alpha is dropped; the pictures are
// opaque) with its dots per metre. Any format works; RGB32 and RGB888 go
// without a copy of the image. False when the image is null or the device
// refuses a write; the device is left open.
bool savePng(const QImage& image, QIODevice& device);

// The same into a file, replacing it. False when the file cannot be written.
bool savePng(const QImage& image, const QString& fileName);

// The same, using up the image: an unshared RGB32 picture is packed into PNG
// rows inside its own memory, which spares a copy of the picture (6 MB for a
// graph). The image is null afterwards.
bool savePng(QImage&& image, QIODevice& device);
bool savePng(QImage&& image, const QString& fileName);

} // namespace brisalta
