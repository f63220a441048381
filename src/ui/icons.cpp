// Vector pictures of the toolbar and the application.
#include "ui/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace brisalta::ui {
namespace {

// Colours of the pictures; a disabled button draws everything in greys.
struct Palette {
    bool grey = false;
    QColor pick(QColor c) const {
        if (!grey) {
            return c;
        }
        const int v = 120 + qGray(c.rgb()) / 3;
        return QColor(v, v, v);
    }
};

void drawCloud(QPainter& p, const Palette& pal, QPointF origin, qreal s, QColor fill) {
    QPainterPath cloud;
    cloud.addEllipse(QRectF(origin.x() + 0 * s, origin.y() + 6 * s, 10 * s, 8 * s));
    cloud.addEllipse(QRectF(origin.x() + 5 * s, origin.y() + 1 * s, 11 * s, 11 * s));
    cloud.addEllipse(QRectF(origin.x() + 12 * s, origin.y() + 5 * s, 9 * s, 9 * s));
    cloud.addRect(QRectF(origin.x() + 4 * s, origin.y() + 9 * s, 13 * s, 5 * s));
    p.setPen(QPen(pal.pick(QColor(70, 90, 120)), 1.2));
    p.setBrush(pal.pick(fill));
    p.drawPath(cloud.simplified());
}

void drawSun(QPainter& p, const Palette& pal, QPointF centre, qreal r) {
    p.setPen(QPen(pal.pick(QColor(240, 140, 0)), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 8; ++k) {
        const qreal a = k * M_PI / 4;
        p.drawLine(QPointF(centre.x() + std::cos(a) * r * 1.35, centre.y() + std::sin(a) * r * 1.35),
                   QPointF(centre.x() + std::cos(a) * r * 1.8, centre.y() + std::sin(a) * r * 1.8));
    }
    p.setBrush(pal.pick(QColor(255, 170, 20)));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, r, r);
}

// Each picture is drawn in a 26 x 26 box.
void paint26(QPainter& p, const QString& name, const Palette& pal) {
    const QColor ink = pal.pick(QColor(40, 40, 60));
    p.setRenderHint(QPainter::Antialiasing);
    if (name == QLatin1String("open")) {
        QPainterPath back;
        back.moveTo(3, 7);
        back.lineTo(10, 7);
        back.lineTo(12, 9);
        back.lineTo(22, 9);
        back.lineTo(22, 21);
        back.lineTo(3, 21);
        back.closeSubpath();
        p.setPen(QPen(pal.pick(QColor(150, 100, 20)), 1.2));
        p.setBrush(pal.pick(QColor(235, 190, 80)));
        p.drawPath(back);
        QPainterPath front;
        front.moveTo(3, 21);
        front.lineTo(7, 12);
        front.lineTo(25, 12);
        front.lineTo(22, 21);
        front.closeSubpath();
        p.setBrush(pal.pick(QColor(250, 215, 120)));
        p.drawPath(front);
    } else if (name == QLatin1String("save")) {
        p.setPen(QPen(pal.pick(QColor(30, 60, 120)), 1.2));
        p.setBrush(pal.pick(QColor(60, 110, 200)));
        p.drawRoundedRect(QRectF(4, 4, 18, 18), 2, 2);
        p.setBrush(pal.pick(QColor(235, 240, 250)));
        p.drawRect(QRectF(8, 4.5, 10, 6));
        p.setBrush(pal.pick(QColor(250, 250, 250)));
        p.drawRect(QRectF(7, 14, 12, 7.5));
        p.setPen(QPen(pal.pick(QColor(30, 60, 120)), 1.6));
        p.drawLine(QPointF(15, 5.5), QPointF(15, 9.5));
    } else if (name == QLatin1String("print")) {
        p.setPen(QPen(ink, 1.2));
        p.setBrush(pal.pick(Qt::white));
        p.drawRect(QRectF(8, 3, 10, 8));
        p.setBrush(pal.pick(QColor(120, 130, 150)));
        p.drawRoundedRect(QRectF(3, 10, 20, 9), 2, 2);
        p.setBrush(pal.pick(Qt::white));
        p.drawRect(QRectF(8, 16, 10, 7));
    } else if (name == QLatin1String("graph")) {
        p.setPen(QPen(ink, 1.4));
        p.drawLine(QPointF(4, 3), QPointF(4, 22));
        p.drawLine(QPointF(4, 22), QPointF(23, 22));
        QPainterPath t;
        t.moveTo(5, 16);
        t.cubicTo(9, 6, 13, 6, 16, 12);
        t.cubicTo(18, 16, 20, 10, 23, 7);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(pal.pick(QColor(225, 0, 0)), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(t);
        QPainterPath d;
        d.moveTo(5, 20);
        d.cubicTo(10, 15, 14, 17, 23, 14);
        p.setPen(QPen(pal.pick(QColor(0, 150, 190)), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(d);
    } else if (name == QLatin1String("clouds")) {
        drawSun(p, pal, QPointF(8, 8), 4);
        drawCloud(p, pal, QPointF(3, 7), 1.0, QColor(245, 248, 255));
    } else if (name == QLatin1String("qnh")) {
        p.setPen(QPen(ink, 1.3));
        p.setBrush(pal.pick(QColor(250, 250, 245)));
        p.drawEllipse(QRectF(3, 3, 20, 20));
        p.setPen(QPen(pal.pick(QColor(50, 0, 164)), 1.0));
        for (int k = 0; k <= 6; ++k) {
            const qreal a = M_PI * (0.85 + k * 0.22);
            p.drawLine(QPointF(13 + std::cos(a) * 7, 13 + std::sin(a) * 7),
                       QPointF(13 + std::cos(a) * 9, 13 + std::sin(a) * 9));
        }
        p.setPen(QPen(pal.pick(QColor(200, 0, 0)), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(13, 13), QPointF(18.5, 8));
        p.setBrush(ink);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(13, 13), 1.6, 1.6);
        QFont f;
        f.setPixelSize(5);
        f.setBold(true);
        p.setFont(f);
        p.setPen(ink);
        p.drawText(QRectF(3, 15, 20, 6), Qt::AlignCenter, QStringLiteral("hPa"));
    } else if (name == QLatin1String("table")) {
        p.setPen(QPen(ink, 1.0));
        p.setBrush(pal.pick(Qt::white));
        p.drawRect(QRectF(3.5, 4.5, 19, 17));
        p.setBrush(pal.pick(QColor(200, 215, 240)));
        p.drawRect(QRectF(3.5, 4.5, 19, 4));
        for (qreal y : {12.5, 16.5}) {
            p.drawLine(QPointF(3.5, y), QPointF(22.5, y));
        }
        for (qreal x : {10.0, 16.0}) {
            p.drawLine(QPointF(x, 4.5), QPointF(x, 21.5));
        }
    } else if (name == QLatin1String("export")) {
        // A sheet of figures with an arrow leaving it.
        p.setPen(QPen(ink, 1.0));
        p.setBrush(pal.pick(Qt::white));
        p.drawRect(QRectF(3.5, 2.5, 13, 19));
        p.setBrush(pal.pick(QColor(120, 190, 120)));
        p.drawRect(QRectF(3.5, 2.5, 13, 4));
        p.setPen(QPen(pal.pick(QColor(150, 160, 175)), 1.0));
        for (qreal y : {10.5, 14.5, 18.5}) {
            p.drawLine(QPointF(5.5, y), QPointF(14.5, y));
        }
        const QColor arrow = pal.pick(QColor(20, 140, 40));
        p.setPen(QPen(arrow, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 16), QPointF(19, 16));
        p.setBrush(arrow);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(18, 11.5), QPointF(24.5, 16), QPointF(18, 20.5)}));
    } else if (name == QLatin1String("exit")) {
        // An open door and the way out.
        p.setPen(QPen(pal.pick(QColor(110, 70, 30)), 1.4));
        p.setBrush(pal.pick(QColor(250, 245, 230)));
        p.drawRect(QRectF(4.5, 2.5, 12, 21));
        p.setBrush(pal.pick(QColor(190, 130, 60)));
        p.drawPolygon(QPolygonF({QPointF(4.5, 2.5), QPointF(11, 5), QPointF(11, 25.5),
                                 QPointF(4.5, 23.5)}));
        p.setBrush(pal.pick(QColor(240, 200, 60)));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(9.5, 14), 0.9, 0.9);
        const QColor arrow = pal.pick(QColor(210, 30, 30));
        p.setPen(QPen(arrow, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(13.5, 13), QPointF(20, 13));
        p.setBrush(arrow);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(19, 8.5), QPointF(25, 13), QPointF(19, 17.5)}));
    } else if (name == QLatin1String("sounding")) {
        p.setPen(QPen(ink, 1.2));
        p.drawRect(QRectF(3.5, 3.5, 19, 19));
        p.setPen(QPen(pal.pick(QColor(55, 160, 220)), 0.8));
        for (int k = -2; k < 4; ++k) {
            p.drawLine(QPointF(3.5 + k * 6, 22.5), QPointF(22.5 + k * 6, 3.5));
        }
        p.setPen(QPen(pal.pick(QColor(225, 0, 0)), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(QPolygonF({QPointF(15, 22), QPointF(12, 16), QPointF(12.5, 12),
                                  QPointF(9, 7), QPointF(7, 4)}));
        p.setPen(QPen(pal.pick(QColor(255, 150, 0)), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(QPolygonF({QPointF(11, 22), QPointF(9, 16), QPointF(6, 11), QPointF(5, 6)}));
    } else if (name == QLatin1String("ceiling")) {
        drawCloud(p, pal, QPointF(3, 1), 1.0, QColor(255, 255, 255));
        p.setPen(QPen(pal.pick(QColor(30, 150, 40)), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(13, 24), QPointF(13, 16));
        p.setBrush(pal.pick(QColor(30, 150, 40)));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(9, 17), QPointF(17, 17), QPointF(13, 12.5)}));
    } else if (name == QLatin1String("zoom")) {
        p.setPen(QPen(ink, 2.0));
        p.setBrush(pal.pick(QColor(225, 240, 255)));
        p.drawEllipse(QRectF(3, 3, 14, 14));
        p.setPen(QPen(pal.pick(QColor(110, 70, 30)), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15.5, 15.5), QPointF(22.5, 22.5));
        p.setPen(QPen(ink, 1.6));
        p.drawLine(QPointF(7, 10), QPointF(13, 10));
        p.drawLine(QPointF(10, 7), QPointF(10, 13));
    } else if (name == QLatin1String("swap")) {
        const QColor a = pal.pick(QColor(225, 0, 0));
        const QColor b = pal.pick(QColor(0, 120, 200));
        p.setPen(QPen(a, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 9), QPointF(19, 9));
        p.setBrush(a);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(17, 5), QPointF(23, 9), QPointF(17, 13)}));
        p.setPen(QPen(b, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 18), QPointF(7, 18));
        p.setBrush(b);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(9, 14), QPointF(3, 18), QPointF(9, 22)}));
    } else if (name == QLatin1String("about")) {
        p.setPen(Qt::NoPen);
        p.setBrush(pal.pick(QColor(40, 100, 200)));
        p.drawEllipse(QRectF(3, 3, 20, 20));
        p.setBrush(pal.pick(Qt::white));
        p.drawEllipse(QPointF(13, 8.5), 1.8, 1.8);
        p.drawRoundedRect(QRectF(11.4, 11.5, 3.2, 8.5), 1, 1);
    } else if (name == QLatin1String("favourites")) {
        QPolygonF star;
        for (int k = 0; k < 10; ++k) {
            const qreal r = (k % 2 == 0) ? 10.5 : 4.5;
            const qreal a = -M_PI / 2 + k * M_PI / 5;
            star << QPointF(13 + std::cos(a) * r, 14 + std::sin(a) * r);
        }
        p.setPen(QPen(pal.pick(QColor(170, 110, 0)), 1.0));
        p.setBrush(pal.pick(QColor(255, 200, 40)));
        p.drawPolygon(star);
    } else if (name == QLatin1String("brisalta")) {
        p.setPen(Qt::NoPen);
        p.setBrush(pal.pick(QColor(70, 140, 215)));
        p.drawRoundedRect(QRectF(1, 1, 24, 24), 5, 5);
        drawSun(p, pal, QPointF(17, 8), 3.5);
        drawCloud(p, pal, QPointF(2.5, 5), 0.85, QColor(255, 255, 255));
        p.setPen(QPen(pal.pick(QColor(230, 30, 30)), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(4, 21), QPointF(9, 17), QPointF(13, 19), QPointF(17, 15),
                                  QPointF(22, 16)}));
    }
}

class ProgramIconEngine : public QIconEngine {
public:
    explicit ProgramIconEngine(QString name) : mName(std::move(name)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        paintProgramIcon(*painter, rect, mName, mode == QIcon::Disabled);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap pm(size * scale);
        pm.fill(Qt::transparent);
        pm.setDevicePixelRatio(scale);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QIconEngine* clone() const override { return new ProgramIconEngine(mName); }
    QString key() const override { return QStringLiteral("brisalta"); }

private:
    QString mName;
};

} // namespace

void paintProgramIcon(QPainter& painter, const QRectF& rect, const QString& name, bool disabled) {
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 26.0, rect.height() / 26.0);
    paint26(painter, name, Palette{disabled});
    painter.restore();
}

QIcon programIcon(const QString& name) { return QIcon(new ProgramIconEngine(name)); }

} // namespace brisalta::ui
