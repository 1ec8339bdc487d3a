#include "ui/chart/qtchartcanvas.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QVarLengthArray>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace colmara {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Slanted lines longer than this reach far outside any picture (a value
// clamped to the largest pixel position); Qt clips them instead.
constexpr long long kMaxSteppedLine = 1 << 16;

QRect ToQRect(const Rect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

}  // namespace

QtChartCanvas::QtChartCanvas(QPainter& painter, const QPalette& palette)
    : painter_(painter), palette_(palette) {
    // Pixel-exact lines and fills, as the layout computes them.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    const QPaintEngine* engine = painter_.paintEngine();
    vector_ = engine != nullptr &&
              (engine->type() == QPaintEngine::SVG || engine->type() == QPaintEngine::Pdf);
}

QFont QtChartCanvas::ToQFont(const ChartFont& font) {
    QFont f(QString::fromStdString(font.Name));
    f.setPixelSize((font.Size * 96 + 36) / 72);
    return f;
}

QColor QtChartCanvas::ToQColor(ColorValue color) const {
    if (IsSystemColor(color)) {
        switch (color) {
            case clBtnHighlight:
                return palette_.color(QPalette::Light);
            case clBtnShadow:
                return palette_.color(QPalette::Dark);
            default:
                return palette_.color(QPalette::Button);
        }
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

const QFontMetrics& QtChartCanvas::Metrics(const ChartFont& font) {
    const auto key = std::make_pair(font.Name, font.Size);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        QFont f = ToQFont(font);
        it = fonts_.emplace(key, std::make_pair(f, QFontMetrics(f))).first;
    }
    return it->second.second;
}

int QtChartCanvas::TextWidth(const ChartFont& font, std::string_view text) {
    return Metrics(font).horizontalAdvance(ToQString(text));
}

int QtChartCanvas::TextHeight(const ChartFont& font, std::string_view) {
    return Metrics(font).height();
}

QPen QtChartCanvas::ToQPen(const ChartPen& pen) const {
    QPen p(ToQColor(pen.Color));
    p.setWidth(pen.Width);
    switch (pen.Style) {
        case PenStyle::psSolid:
            p.setStyle(Qt::SolidLine);
            break;
        case PenStyle::psDot:
            p.setStyle(Qt::DotLine);
            break;
        case PenStyle::psDash:
            p.setStyle(Qt::DashLine);
            break;
    }
    p.setCapStyle(Qt::FlatCap);
    return p;
}

void QtChartCanvas::FillRect(const Rect& r, ColorValue color) {
    if (color == clNone) return;
    painter_.fillRect(ToQRect(r), ToQColor(color));
}

void QtChartCanvas::FrameRect(const Rect& r, const ChartPen& pen) {
    if (!pen.Visible || pen.Color == clNone || r.Width() <= 0 || r.Height() <= 0) return;
    painter_.setPen(ToQPen(pen));
    painter_.setBrush(Qt::NoBrush);
    // A stroked QRect covers its size plus the pen width, so one pixel less
    // puts the outline on Left..Right-1 and Top..Bottom-1.
    painter_.drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void QtChartCanvas::Frame3D(const Rect& r, ColorValue topLeft, ColorValue bottomRight, int width) {
    const QColor tl = ToQColor(topLeft);
    const QColor br = ToQColor(bottomRight);
    for (int i = 0; i < width; ++i) {
        const int left = r.Left + i, top = r.Top + i, right = r.Right - 1 - i,
                  bottom = r.Bottom - 1 - i;
        painter_.fillRect(QRect(left, top, right - left + 1, 1), tl);
        painter_.fillRect(QRect(left, top, 1, bottom - top + 1), tl);
        painter_.fillRect(QRect(left, bottom, right - left + 1, 1), br);
        painter_.fillRect(QRect(right, top, 1, bottom - top + 1), br);
    }
}

void QtChartCanvas::Line(int x0, int y0, int x1, int y1, const ChartPen& pen) {
    if (!pen.Visible || pen.Color == clNone) return;
    // The layout counts a line's pixels from its start point, the end point
    // left out. Qt fills [min, max) along the line's longer side whatever its
    // direction, so a line running leftwards or upwards would lose its first
    // pixel and take its last one: a tick from 30 to 26 would cover 26 ... 29
    // instead of 30 ... 27.
    if (x0 == x1 && y0 == y1) return;  // nothing between a point and itself
    if (x0 == x1 || y0 == y1) {
        // Straight lines run forwards one pixel on: 30 -> 26 becomes 27 -> 31.
        if (x1 < x0) {
            std::swap(x0, x1);
            ++x0;
            ++x1;
        }
        if (y1 < y0) {
            std::swap(y0, y1);
            ++y0;
            ++y1;
        }
        painter_.setPen(ToQPen(pen));
        painter_.drawLine(x0, y0, x1, y1);
        return;
    }
    const long long dx = static_cast<long long>(x1) - x0;
    const long long dy = static_cast<long long>(y1) - y0;
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    if (vector_ || pen.Width != 1 || pen.Style != PenStyle::psSolid || steps > kMaxSteppedLine) {
        // No pixels to place on a vector surface; the chart draws no wide or
        // dotted slanted line; one longer than any picture runs to a clamped
        // far-off value, which Qt clips cheaply.
        painter_.setPen(ToQPen(pen));
        painter_.drawLine(x0, y0, x1, y1);
        return;
    }
    // A slanted line, one pixel per step along its longer side, the other
    // coordinate rounded to the nearest pixel (halves upwards).
    auto along = [steps](long long delta, long long i) {
        const long long twice = 2 * i * delta + steps;
        const long long q = twice / (2 * steps);
        return twice % (2 * steps) < 0 ? q - 1 : q;  // floor
    };
    QVarLengthArray<QPoint, 512> points;
    for (long long i = 0; i < steps; ++i)
        points.append(
            QPoint(x0 + static_cast<int>(along(dx, i)), y0 + static_cast<int>(along(dy, i))));
    painter_.setPen(QPen(ToQColor(pen.Color), 1));
    painter_.drawPoints(points.constData(), static_cast<int>(points.size()));
}

void QtChartCanvas::Polyline(std::span<const Point> points, const ChartPen& pen) {
    if (!pen.Visible || pen.Color == clNone || points.size() < 2) return;
    // One path, so an SVG file holds the series as one element.
    QPainterPath path(QPointF(points.front().X, points.front().Y));
    for (const Point& p : points.subspan(1)) path.lineTo(p.X, p.Y);
    painter_.setPen(ToQPen(pen));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

void QtChartCanvas::Ellipse(const Rect& r, const ChartPen& pen, ColorValue fill) {
    if (r.Width() <= 0 || r.Height() <= 0) return;
    if (pen.Visible && pen.Color != clNone)
        painter_.setPen(ToQPen(pen));
    else
        painter_.setPen(Qt::NoPen);
    if (fill != clNone)
        painter_.setBrush(ToQColor(fill));
    else
        painter_.setBrush(Qt::NoBrush);
    // As with FrameRect, the outline lies on the box's outermost pixels.
    painter_.drawEllipse(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

const QFontMetrics& QtChartCanvas::UseFont(const ChartFont& font) {
    const QFontMetrics& fm = Metrics(font);
    painter_.setFont(fonts_.at({font.Name, font.Size}).first);
    painter_.setPen(ToQColor(font.Color));
    return fm;
}

void QtChartCanvas::TextOut(int x, int y, std::string_view text, TextAlign align,
                            const ChartFont& font) {
    const QFontMetrics& fm = UseFont(font);
    const QString s = ToQString(text);
    const int width = fm.horizontalAdvance(s);
    if (align == TextAlign::Right) x -= width;
    if (align == TextAlign::Center) x -= width / 2;
    painter_.drawText(x, y + fm.ascent(), s);
}

void QtChartCanvas::VerticalTextOut(int x, int y, std::string_view text, const ChartFont& font) {
    const QFontMetrics& fm = UseFont(font);
    const QString s = ToQString(text);
    // A quarter turn anticlockwise about (x, y): the text's run goes up and
    // its top edge lands on x.
    painter_.save();
    painter_.translate(x, y);
    painter_.rotate(-90.0);
    painter_.drawText(-fm.horizontalAdvance(s) / 2, fm.ascent(), s);
    painter_.restore();
}

void QtChartCanvas::SetClip(const Rect& r) {
    painter_.setClipRect(ToQRect(r));
}

void QtChartCanvas::ClearClip() {
    painter_.setClipping(false);
}

void QtChartCanvas::InvertFrame(const Rect& r) {
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_.setPen(QPen(Qt::white, 1));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(
        QRect(r.Left, r.Top, std::max(0, r.Width() - 1), std::max(0, r.Height() - 1)));
    painter_.restore();
}

}  // namespace colmara
