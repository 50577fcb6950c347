// Draws the program's icon, a semaphore stop signal at danger against an evening sky, as an SVG
// and as PNG files at the usual sizes, from one list of shapes.
//
//     kv41_icon_generator DIRECTORY NAME SIZE...
//
// writes DIRECTORY/scalable/NAME.svg and DIRECTORY/SIZExSIZE/NAME.png for each SIZE.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

constexpr double Canvas = 256.0;

struct Shape {
    enum Kind { RoundedBox, Polygon, Circle } Kind;
    std::vector<QPointF> Points;  // box: two corners; circle: centre and a point on the rim
    const char* Colour;
    double Radius = 0;  // rounding of a box
};

const std::vector<Shape>& Shapes() {
    static const std::vector<Shape> shapes = {
        {Shape::RoundedBox, {{12, 12}, {244, 244}}, "#24395a", 44},  // evening sky
        {Shape::Polygon, {{12, 196}, {244, 196}, {244, 200}, {12, 200}}, "#3c5a3a"},
        {Shape::RoundedBox, {{12, 196}, {244, 244}}, "#3c5a3a", 44},  // the embankment
        {Shape::Polygon, {{12, 196}, {244, 196}, {244, 216}, {12, 216}}, "#3c5a3a"},
        {Shape::Polygon, {{24, 214}, {232, 214}, {232, 222}, {24, 222}}, "#8a8a8a"},  // rail
        {Shape::Polygon, {{148, 44}, {164, 44}, {166, 216}, {146, 216}}, "#f2f2f2"},  // post
        {Shape::Polygon, {{146, 44}, {156, 22}, {166, 44}}, "#f2f2f2"},               // finial
        {Shape::Polygon, {{132, 208}, {180, 208}, {184, 218}, {128, 218}}, "#5b5b5b"},
        {Shape::Polygon, {{40, 62}, {148, 62}, {148, 92}, {40, 92}}, "#c8102e"},  // the arm
        {Shape::Polygon, {{58, 62}, {74, 62}, {74, 92}, {58, 92}}, "#f2f2f2"},    // its stripe
        {Shape::Circle, {{182, 77}, {182, 61}}, "#202020"},                       // spectacle
        {Shape::Circle, {{182, 77}, {182, 67}}, "#ff3b30"},                       // red lamp
        {Shape::Polygon, {{164, 74}, {182, 74}, {182, 80}, {164, 80}}, "#202020"},
        {Shape::Polygon, {{100, 150}, {112, 150}, {112, 196}, {100, 196}}, "#d9a441"},  // lever
        {Shape::Circle, {{106, 146}, {106, 138}}, "#d9a441"},
    };
    return shapes;
}

void Paint(QPainter& painter, const Shape& shape) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(shape.Colour));
    const QPointF a = shape.Points[0];
    switch (shape.Kind) {
    case Shape::RoundedBox:
        painter.drawRoundedRect(QRectF(a, shape.Points[1]), shape.Radius, shape.Radius);
        break;
    case Shape::Polygon:
        painter.drawPolygon(QPolygonF(QList<QPointF>(shape.Points.begin(), shape.Points.end())));
        break;
    case Shape::Circle: {
        const double r = QLineF(a, shape.Points[1]).length();
        painter.drawEllipse(a, r, r);
        break;
    }
    }
}

QString Svg(const Shape& shape) {
    const QPointF a = shape.Points[0];
    switch (shape.Kind) {
    case Shape::RoundedBox: {
        const QPointF b = shape.Points[1];
        return QString(
                   "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"/>")
            .arg(a.x())
            .arg(a.y())
            .arg(b.x() - a.x())
            .arg(b.y() - a.y())
            .arg(shape.Radius)
            .arg(shape.Colour);
    }
    case Shape::Polygon: {
        QStringList points;
        for (const QPointF& p : shape.Points) points << QString("%1,%2").arg(p.x()).arg(p.y());
        return QString("  <polygon points=\"%1\" fill=\"%2\"/>")
            .arg(points.join(' '))
            .arg(shape.Colour);
    }
    case Shape::Circle:
        return QString("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>")
            .arg(a.x())
            .arg(a.y())
            .arg(QLineF(a, shape.Points[1]).length())
            .arg(shape.Colour);
    }
    return {};
}

bool WriteSvg(const QString& file) {
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QTextStream text(&out);
    text << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
            "viewBox=\"0 0 256 256\">\n";
    for (const Shape& shape : Shapes()) text << Svg(shape) << '\n';
    text << "</svg>\n";
    return text.status() == QTextStream::Ok;
}

bool WritePng(const QString& file, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Canvas, size / Canvas);
    for (const Shape& shape : Shapes()) Paint(painter, shape);
    painter.end();
    return image.save(file, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s DIRECTORY NAME SIZE...\n", argv[0]);
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(directory + "/scalable");
    bool ok = WriteSvg(directory + "/scalable/" + name + ".svg");
    for (int i = 3; i < argc; ++i) {
        const int size = QString(argv[i]).toInt();
        const QString sized = QString("%1/%2x%2").arg(directory).arg(size);
        QDir().mkpath(sized);
        ok = WritePng(sized + "/" + name + ".png", size) && ok;
    }
    return ok ? 0 : 1;
}
