// QtCanvas: the drawing canvas over a QPainter.
#include "render/qtcanvas.h"

#include "render/fontwarmup.h"
#include "text/codepage.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <map>

namespace brisalta {
namespace {

// A height no font request may exceed: keeps a nonsense height from asking
// the font engine for gigantic glyphs.
constexpr int kMaxFontHeight = 4000;
constexpr int kDefaultFontHeight = 13;
constexpr int kSansSerifStretch = 92;

QColor qtColour(Rgb c) {
    return QColor(std::clamp(c.red, 0, 255), std::clamp(c.green, 0, 255), std::clamp(c.blue, 0, 255));
}

QString faceFor(const std::string& face) {
    const QString requested = QString::fromLatin1(face.data(), static_cast<int>(face.size()));
    const QString key = requested.toLower();
    if (key == QLatin1String("ms sans serif") || key == QLatin1String("arial") || key.isEmpty()) {
        return QStringLiteral("Liberation Sans");
    }
    if (key == QLatin1String("times new roman")) {
        return QStringLiteral("Liberation Serif");
    }
    if (key == QLatin1String("courier new")) {
        return QStringLiteral("Liberation Mono");
    }
    return requested;
}

// Line height of a face at 100 pixels, measured once per face and weight.
double lineHeightPer100(const QFont& font) {
    static QHash<QString, double> cache;
    const QString key = font.family() + QLatin1Char('/') + QString::number(font.weight()) + QLatin1Char('/') +
                        QString::number(font.stretch());
    const auto it = cache.constFind(key);
    if (it != cache.constEnd()) {
        return *it;
    }
    QFont probe(font);
    probe.setPixelSize(100);
    const double height = QFontMetricsF(probe).height();
    const double ratio = height > 1.0 ? height : 100.0;
    cache.insert(key, ratio);
    return ratio;
}

std::map<std::string, QImage>& pictures() {
    static std::map<std::string, QImage> registered;
    return registered;
}

QPolygon qtPolygon(const std::vector<Point>& points) {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const Point& p : points) {
        polygon << QPoint(p.x, p.y);
    }
    return polygon;
}

// Rectangles keep the right and bottom edges outside, as the original
// devices drew them.
QRectF exclusiveRect(int left, int top, int right, int bottom) {
    const int l = std::min(left, right), r = std::max(left, right);
    const int t = std::min(top, bottom), b = std::max(top, bottom);
    return QRectF(l, t, std::max(0, r - l - 1), std::max(0, b - t - 1));
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter, const VirtualScreen& screen)
    : mPainter(painter), mScreen(screen), mBase(painter.transform()) {
    // The text drawn through this canvas needs the font configuration.
    waitForFonts();
    mPainter.save();
    mPainter.setRenderHint(QPainter::TextAntialiasing, true);
    mPainter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    mPainter.setBackgroundMode(Qt::TransparentMode);
    applyState();
}

QtCanvas::~QtCanvas() { mPainter.restore(); }

int QtCanvas::deviceCaps(DeviceCap which) const {
    switch (which) {
    case DeviceCap::HorizontalResolution:
        return mScreen.width;
    case DeviceCap::VerticalResolution:
        return mScreen.height;
    case DeviceCap::LogicalPixelsPerInch:
        return mScreen.dpi;
    }
    return 0;
}

void QtCanvas::setMapping(Mapping mapping) {
    mState.mapping = mapping;
    applyTransform();
}

void QtCanvas::setOrigin(int x, int y) {
    mState.origin = QPoint(x, y);
    applyTransform();
}

void QtCanvas::saveState() { mSaved.push_back(mState); }

void QtCanvas::restoreState() {
    if (mSaved.empty()) {
        return;
    }
    mState = mSaved.back();
    mSaved.pop_back();
    applyState();
}

QFont QtCanvas::qtFont(const Font& font) {
    QFont f(faceFor(font.face));
    f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    f.setKerning(false);
    if (f.family() == QLatin1String("Liberation Sans") &&
        QString::fromStdString(font.face).compare(QLatin1String("ms sans serif"), Qt::CaseInsensitive) == 0) {
        // The old bitmap face ran narrower than Arial's metrics; the legends
        // laid out next to each other need that width.
        f.setStretch(kSansSerifStretch);
    }
    int height = font.height == 0 ? kDefaultFontHeight : std::min(std::abs(font.height), kMaxFontHeight);
    if (font.height > 0) {
        // A positive height is the whole line (cell) height, not the em size;
        // rounding down keeps a line within it, so legends laid out side by
        // side on the design grid do not run into each other.
        height = static_cast<int>(std::floor(height * 100.0 / lineHeightPer100(f)));
    }
    f.setPixelSize(std::max(1, height));
    return f;
}

QString QtCanvas::qtText(std::string_view cp1252) { return QString::fromStdString(text::toUtf8(cp1252)); }

void QtCanvas::selectFont(const Font& font) {
    mState.font = font;
    mQtFont = qtFont(font);
    mPainter.setFont(mQtFont);
}

void QtCanvas::setTextColor(Rgb colour) { mState.textColour = colour; }

void QtCanvas::setTextAlign(TextAlign align) { mState.align = align; }

void QtCanvas::textOut(int x, int y, std::string_view text) {
    const QString s = qtText(text);
    const QFontMetrics metrics = mPainter.fontMetrics();
    const int width = metrics.horizontalAdvance(s);
    int left = x;
    if (mState.align == TextAlign::CentreTop) {
        left = x - width / 2;
    } else if (mState.align == TextAlign::RightTop) {
        left = x - width;
    }
    // The background covers the line height the layout asked for, which the
    // whole-pixel font size may miss by a pixel.
    const int lineHeight = mState.font.height > 0 ? std::max(mState.font.height, metrics.height()) : metrics.height();
    mPainter.setRenderHint(QPainter::Antialiasing, false);
    mPainter.fillRect(QRect(left, y, width, lineHeight), Qt::white);
    mPainter.setPen(qtColour(mState.textColour));
    mPainter.drawText(QPoint(left, y + metrics.ascent()), s);
    usePenForGeometry();
}

void QtCanvas::drawTextInRect(int left, int top, int right, int bottom, std::string_view text) {
    const QRect box(QPoint(std::min(left, right), std::min(top, bottom)),
                    QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
    mPainter.setPen(qtColour(mState.textColour));
    mPainter.setBackground(Qt::white);
    mPainter.setBackgroundMode(Qt::OpaqueMode);
    mPainter.save();
    mPainter.setClipRect(box, Qt::IntersectClip);
    mPainter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, qtText(text));
    mPainter.restore();
    mPainter.setBackgroundMode(Qt::TransparentMode);
    usePenForGeometry();
}

void QtCanvas::selectPen(const Pen& pen) {
    mState.pen = pen;
    usePenForGeometry();
}

void QtCanvas::selectBrush(const Brush& brush) {
    mState.brush = brush;
    mPainter.setBrush(QBrush(qtColour(brush.colour)));
}

void QtCanvas::moveTo(int x, int y) { mPosition = QPoint(x, y); }

void QtCanvas::lineTo(int x, int y) {
    const QPoint to(x, y);
    mPainter.drawLine(mPosition, to);
    mPosition = to;
}

void QtCanvas::rectangle(int left, int top, int right, int bottom) {
    mPainter.drawRect(exclusiveRect(left, top, right, bottom));
}

void QtCanvas::polyline(const std::vector<Point>& points) { mPainter.drawPolyline(qtPolygon(points)); }

void QtCanvas::polygon(const std::vector<Point>& points) {
    mPainter.drawPolygon(qtPolygon(points), Qt::OddEvenFill);
}

void QtCanvas::drawImage(int left, int top, int right, int bottom, std::string_view name) {
    const std::string key(name);
    QImage picture;
    if (const auto it = pictures().find(key); it != pictures().end()) {
        picture = it->second;
    } else {
        const QString file = QString::fromStdString(key);
        picture = QImage(QStringLiteral(":/pictures/") + file);
        if (picture.isNull()) {
            picture = QImage(QStringLiteral(":/") + file);
        }
    }
    if (picture.isNull()) {
        return;
    }
    const QRect target(QPoint(std::min(left, right), std::min(top, bottom)),
                       QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
    mPainter.drawImage(target, picture);
}

void QtCanvas::registerPicture(const std::string& name, const QImage& picture) { pictures()[name] = picture; }

void QtCanvas::applyState() {
    applyTransform();
    if (mState.font.face.empty() && mState.font.height == 0) {
        mQtFont = qtFont(Font{"Ms Sans Serif", kDefaultFontHeight, kNormalWeight});
    } else {
        mQtFont = qtFont(mState.font);
    }
    mPainter.setFont(mQtFont);
    mPainter.setBrush(QBrush(qtColour(mState.brush.colour)));
    usePenForGeometry();
}

void QtCanvas::applyTransform() {
    QTransform t = mBase;
    if (mState.mapping == Mapping::Print) {
        const QPaintDevice* device = mPainter.device();
        const double dpiX = device ? device->logicalDpiX() : 96.0;
        const double dpiY = device ? device->logicalDpiY() : 96.0;
        t.scale(dpiX / 100.0, dpiY / 100.0);
    }
    t.translate(mState.origin.x(), mState.origin.y());
    mPainter.setTransform(t);
}

// Thick curves are smoothed; hairlines, axes and dotted bridges stay crisp on
// the pixel grid as on the original screens.
void QtCanvas::usePenForGeometry() {
    const Pen& pen = mState.pen;
    QPen q(qtColour(pen.colour));
    q.setWidth(std::max(0, pen.width));
    if (pen.style == PenStyle::Dotted) {
        q.setDashPattern({3.0, 3.0});
        q.setCapStyle(Qt::FlatCap);
    } else {
        q.setCapStyle(Qt::RoundCap);
        q.setJoinStyle(Qt::RoundJoin);
    }
    mPainter.setPen(q);
    mPainter.setRenderHint(QPainter::Antialiasing, pen.width >= 2);
}

} // namespace brisalta
