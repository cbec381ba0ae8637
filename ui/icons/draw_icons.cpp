// Draws the program's button and window icons as PNG files, so that the
// pictures are our own and need nothing but QtGui to make.
//
//   g++ -std=c++20 -fPIC draw_icons.cpp -o /tmp/draw_icons $(pkg-config --cflags --libs Qt6Gui)
//   /tmp/draw_icons ui/icons
//
// Every icon is drawn in a 24 x 24 design grid and scaled, so the 48 pixel
// files (for screens at twice the density) and the large window icons are
// the same drawing, not blown-up pixels.

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

QPen outline(const QColor& c, qreal w = 1.0)
{
    QPen pen(c, w);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

void drawGear(QPainter& p)
{
    const QPointF c(12, 12);
    const int teeth = 8;
    const qreal rOuter = 10.6, rInner = 7.9;
    QPainterPath body;
    for (int i = 0; i < teeth; ++i) {
        const qreal a0 = (i * 360.0 / teeth) - 11;
        const qreal a1 = a0 + 22;
        const qreal b0 = a0 - 6, b1 = a1 + 6; // the tooth's foot is wider than its top
        auto at = [&](qreal r, qreal deg) {
            return QPointF(c.x() + r * qCos(qDegreesToRadians(deg)), c.y() - r * qSin(qDegreesToRadians(deg)));
        };
        if (i == 0)
            body.moveTo(at(rInner, b0));
        else
            body.lineTo(at(rInner, b0));
        body.lineTo(at(rOuter, a0));
        body.lineTo(at(rOuter, a1));
        body.lineTo(at(rInner, b1));
        const qreal next = ((i + 1) * 360.0 / teeth) - 11 - 6;
        for (qreal d = b1; d < next; d += 3)
            body.lineTo(at(rInner, d));
    }
    body.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 3.2, 3.2);
    const QPainterPath gear = body.subtracted(hole);

    QRadialGradient g(QPointF(9, 8), 14);
    g.setColorAt(0, QColor("#dfe4ea"));
    g.setColorAt(0.6, QColor("#9aa4ae"));
    g.setColorAt(1, QColor("#66707a"));
    p.setPen(outline(QColor("#3a4047"), 1.0));
    p.setBrush(g);
    p.drawPath(gear);
    // A raised hub ring gives the flat outline some depth.
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(QColor(255, 255, 255, 150), 0.9));
    p.drawEllipse(c, 5.3, 5.3);
    p.setPen(outline(QColor("#4a525a"), 0.8));
    p.drawEllipse(c, 6.1, 6.1);
}

void drawPrinter(QPainter& p)
{
    // Paper waiting in the feed.
    p.setPen(outline(QColor("#6b7178"), 0.9));
    p.setBrush(QColor("#ffffff"));
    p.drawRect(QRectF(6.5, 2.5, 11, 8));
    // Body.
    p.setPen(outline(QColor("#3d434a"), 1.0));
    p.setBrush(vertical(8, 18, QColor("#e3e7eb"), QColor("#9ba3ab")));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 10), 2, 2);
    // Output slot.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#3d434a"));
    p.drawRect(QRectF(5.5, 14.5, 13, 1.6));
    // Printed sheet coming out, with lines of text.
    p.setPen(outline(QColor("#6b7178"), 0.9));
    p.setBrush(QColor("#ffffff"));
    p.drawRect(QRectF(6.5, 15.5, 11, 6));
    p.setPen(outline(QColor("#4a78b8"), 0.9));
    p.drawLine(QPointF(8.5, 17.8), QPointF(15.5, 17.8));
    p.drawLine(QPointF(8.5, 19.8), QPointF(13.5, 19.8));
    // Power light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#2fb344"));
    p.drawEllipse(QPointF(18.5, 11.3), 1.1, 1.1);
}

// A thick arc with an arrowhead at its end, in two tones of one colour.
void arcArrow(QPainter& p, const QPointF& c, qreal r, qreal startDeg, qreal spanDeg, const QColor& dark,
              const QColor& light, qreal width)
{
    QPainterPath arc;
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    arc.arcMoveTo(box, startDeg);
    arc.arcTo(box, startDeg, spanDeg);

    const qreal endDeg = startDeg + spanDeg;
    const qreal e = qDegreesToRadians(endDeg);
    const QPointF end(c.x() + r * qCos(e), c.y() - r * qSin(e));
    // Direction of travel at the end (counter-clockwise for a positive span).
    const qreal sign = spanDeg > 0 ? 1 : -1;
    const QPointF dir(-qSin(e) * sign, -qCos(e) * sign);
    const QPointF normal(-dir.y(), dir.x());
    const qreal head = width * 1.6;
    QPolygonF tip;
    tip << end + dir * head * 1.15 << end + normal * head << end - normal * head;

    QPainterPath whole = QPainterPathStroker([&] {
                             QPen pen(Qt::black, width);
                             pen.setCapStyle(Qt::FlatCap);
                             return pen;
                         }())
                             .createStroke(arc);
    QPainterPath tipPath;
    tipPath.addPolygon(tip);
    tipPath.closeSubpath();
    whole = whole.united(tipPath);

    p.setPen(outline(dark, 0.9));
    p.setBrush(light);
    p.drawPath(whole);
}

void drawRefresh(QPainter& p)
{
    const QPointF c(12, 12);
    const QColor dark("#1e6b2a"), light("#3cb84e");
    arcArrow(p, c, 6.9, 205, -140, dark, light, 2.8);
    arcArrow(p, c, 6.9, 25, -140, dark, light, 2.8);
}

void drawExit(QPainter& p)
{
    // Door frame and the dark opening.
    p.setPen(outline(QColor("#4b3621"), 1.0));
    p.setBrush(QColor("#2f2a26"));
    p.drawRect(QRectF(3.5, 2.5, 11, 19));
    // The door leaf, swung open towards the viewer.
    QPolygonF leaf;
    leaf << QPointF(3.5, 2.5) << QPointF(10.5, 4.5) << QPointF(10.5, 23) << QPointF(3.5, 21.5);
    p.setBrush(vertical(2, 22, QColor("#c98a4b"), QColor("#8a5a2b")));
    p.drawPolygon(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#f2d24b"));
    p.drawEllipse(QPointF(9, 13), 0.9, 0.9);
    // The way out.
    QPolygonF arrow;
    arrow << QPointF(11, 10.5) << QPointF(16.5, 10.5) << QPointF(16.5, 7) << QPointF(22.5, 12.5)
          << QPointF(16.5, 18) << QPointF(16.5, 14.5) << QPointF(11, 14.5);
    p.setPen(outline(QColor("#8c1c13"), 0.9));
    p.setBrush(vertical(7, 18, QColor("#f0695a"), QColor("#c62a1c")));
    p.drawPolygon(arrow);
}

void drawBack(QPainter& p)
{
    // A U-turn: out to the right, round and back to an arrowhead on the left.
    QPainterPath shaft;
    shaft.moveTo(8, 7.5);
    shaft.lineTo(13.5, 7.5);
    shaft.cubicTo(QPointF(21.5, 7.5), QPointF(21.5, 19.5), QPointF(13.5, 19.5));
    shaft.lineTo(6, 19.5);
    QPen pen(Qt::black, 3.4);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    QPainterPath body = QPainterPathStroker(pen).createStroke(shaft);
    QPainterPath head;
    head.addPolygon(QPolygonF() << QPointF(1.8, 7.5) << QPointF(9, 1.8) << QPointF(9, 13.2));
    head.closeSubpath();
    body = body.united(head);
    p.setPen(outline(QColor("#163f86"), 0.9));
    p.setBrush(vertical(2, 22, QColor("#5d9cf0"), QColor("#1f5fc4")));
    p.drawPath(body.simplified());
}

void drawSave(QPainter& p)
{
    QPainterPath disk;
    disk.moveTo(3.5, 3.5);
    disk.lineTo(18, 3.5);
    disk.lineTo(20.5, 6);
    disk.lineTo(20.5, 20.5);
    disk.lineTo(3.5, 20.5);
    disk.closeSubpath();
    p.setPen(outline(QColor("#17305c"), 1.0));
    p.setBrush(vertical(3, 21, QColor("#4f7fcf"), QColor("#274f96")));
    p.drawPath(disk);
    // Metal shutter with its window.
    p.setPen(outline(QColor("#5c636b"), 0.8));
    p.setBrush(vertical(3, 10, QColor("#eef1f4"), QColor("#b4bcc4")));
    p.drawRect(QRectF(7, 3.5, 9.5, 6.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#2b3b52"));
    p.drawRect(QRectF(13, 4.8, 2.2, 4));
    // Label.
    p.setPen(outline(QColor("#8b949c"), 0.8));
    p.setBrush(QColor("#ffffff"));
    p.drawRect(QRectF(6, 12.5, 12, 8));
    p.setPen(outline(QColor("#c0392b"), 0.8));
    p.drawLine(QPointF(7.5, 14.8), QPointF(16.5, 14.8));
    p.setPen(outline(QColor("#9aa3ab"), 0.8));
    p.drawLine(QPointF(7.5, 17.2), QPointF(16.5, 17.2));
}

void drawApp(QPainter& p)
{
    // A sheet with a folded corner and lines of text.
    QPainterPath sheet;
    sheet.moveTo(3.5, 1.5);
    sheet.lineTo(14, 1.5);
    sheet.lineTo(18.5, 6);
    sheet.lineTo(18.5, 22.5);
    sheet.lineTo(3.5, 22.5);
    sheet.closeSubpath();
    p.setPen(outline(QColor("#59616a"), 0.9));
    p.setBrush(vertical(1, 23, QColor("#ffffff"), QColor("#e4e9ee")));
    p.drawPath(sheet);
    QPolygonF fold;
    fold << QPointF(14, 1.5) << QPointF(14, 6) << QPointF(18.5, 6);
    p.setBrush(QColor("#c9d1d9"));
    p.drawPolygon(fold);
    p.setPen(outline(QColor("#6f8fb8"), 0.9));
    for (qreal y : {8.5, 11.0, 13.5})
        p.drawLine(QPointF(6, y), QPointF(y < 9 ? 12 : 16, y));
    p.drawLine(QPointF(6, 16), QPointF(11, 16));

    // A pen lying across the sheet, writing at its lower left.
    p.save();
    p.translate(9.2, 20.2);
    p.rotate(-45);
    QPainterPath tip;
    tip.moveTo(0, 0);
    tip.lineTo(3.2, -1.35);
    tip.lineTo(3.2, 1.35);
    tip.closeSubpath();
    p.setPen(outline(QColor("#5a3d1b"), 0.7));
    p.setBrush(QColor("#f1d7a6"));
    p.drawPath(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#1d1d1d"));
    p.drawPolygon(QPolygonF() << QPointF(0, 0) << QPointF(1.1, -0.47) << QPointF(1.1, 0.47));
    p.setPen(outline(QColor("#7a4b00"), 0.7));
    QLinearGradient body(0, -1.4, 0, 1.4);
    body.setColorAt(0, QColor("#ffe27a"));
    body.setColorAt(1, QColor("#e0a800"));
    p.setBrush(body);
    p.drawRect(QRectF(3.2, -1.35, 10.5, 2.7));
    p.setBrush(QColor("#d9534f"));
    p.drawRoundedRect(QRectF(13.7, -1.35, 2.2, 2.7), 0.8, 0.8);
    p.restore();
}

struct IconDrawing {
    const char* name;
    std::function<void(QPainter&)> draw;
    std::vector<int> sizes;
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);
    const std::vector<int> button{24, 48};
    const std::vector<IconDrawing> icons{
        {"gear", drawGear, button},       {"printer", drawPrinter, button},
        {"refresh", drawRefresh, button}, {"exit", drawExit, button},
        {"back", drawBack, button},       {"save", drawSave, button},
        {"app", drawApp, {16, 24, 32, 48, 64, 128, 256}},
    };
    for (const IconDrawing& icon : icons) {
        for (int size : icon.sizes) {
            QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size / 24.0, size / 24.0);
            icon.draw(p);
            p.end();
            const QString file = QStringLiteral("%1/%2-%3.png").arg(dir, QString::fromLatin1(icon.name)).arg(size);
            if (!image.save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}
