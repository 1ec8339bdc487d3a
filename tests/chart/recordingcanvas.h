// A chart canvas that records every call, with fixed text metrics: every
// character 6 pixels wide, every text 13 pixels high.
#pragma once

#include <string>
#include <vector>

#include "chart/chartcanvas.h"

namespace colmara::test {

struct CanvasCall {
    enum Kind { Fill, Frame, Frame3D, Line, Text, Clip, Unclip, Invert, Polyline, Ellipse, VText };
    Kind kind = Fill;
    Rect rect{};
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    ChartPen pen{};
    ColorValue color = 0;
    ColorValue color2 = 0;
    std::string text;
    TextAlign align = TextAlign::Left;
    ChartFont font{};
    std::vector<Point> points;
};

class RecordingCanvas : public TChartCanvas {
  public:
    static constexpr int kCharWidth = 6;
    static constexpr int kTextHeight = 13;

    std::vector<CanvasCall> calls;

    int TextWidth(const ChartFont&, std::string_view text) override {
        int chars = 0;
        for (unsigned char c : text) chars += (c & 0xC0) != 0x80;  // UTF-8 code points
        return chars * kCharWidth;
    }
    int TextHeight(const ChartFont&, std::string_view) override { return kTextHeight; }
    void FillRect(const Rect& r, ColorValue color) override {
        Add(CanvasCall::Fill).rect = r;
        calls.back().color = color;
    }
    void FrameRect(const Rect& r, const ChartPen& pen) override {
        Add(CanvasCall::Frame).rect = r;
        calls.back().pen = pen;
    }
    void Frame3D(const Rect& r, ColorValue topLeft, ColorValue bottomRight, int width) override {
        CanvasCall& c = Add(CanvasCall::Frame3D);
        c.rect = r;
        c.color = topLeft;
        c.color2 = bottomRight;
        c.x0 = width;
    }
    void Line(int x0, int y0, int x1, int y1, const ChartPen& pen) override {
        CanvasCall& c = Add(CanvasCall::Line);
        c.x0 = x0;
        c.y0 = y0;
        c.x1 = x1;
        c.y1 = y1;
        c.pen = pen;
    }
    void TextOut(int x, int y, std::string_view text, TextAlign align,
                 const ChartFont& font) override {
        CanvasCall& c = Add(CanvasCall::Text);
        c.x0 = x;
        c.y0 = y;
        c.text = std::string(text);
        c.align = align;
        c.font = font;
    }
    void Polyline(std::span<const Point> points, const ChartPen& pen) override {
        CanvasCall& c = Add(CanvasCall::Polyline);
        c.points.assign(points.begin(), points.end());
        c.pen = pen;
    }
    void Ellipse(const Rect& r, const ChartPen& pen, ColorValue fill) override {
        CanvasCall& c = Add(CanvasCall::Ellipse);
        c.rect = r;
        c.pen = pen;
        c.color = fill;
    }
    void VerticalTextOut(int x, int y, std::string_view text, const ChartFont& font) override {
        CanvasCall& c = Add(CanvasCall::VText);
        c.x0 = x;
        c.y0 = y;
        c.text = std::string(text);
        c.font = font;
    }
    void SetClip(const Rect& r) override { Add(CanvasCall::Clip).rect = r; }
    void ClearClip() override { Add(CanvasCall::Unclip); }
    void InvertFrame(const Rect& r) override { Add(CanvasCall::Invert).rect = r; }

    std::vector<CanvasCall> Of(CanvasCall::Kind kind) const {
        std::vector<CanvasCall> out;
        for (const auto& c : calls)
            if (c.kind == kind) out.push_back(c);
        return out;
    }
    CanvasCall& Add(CanvasCall::Kind kind) {
        calls.emplace_back();
        calls.back().kind = kind;
        return calls.back();
    }
    std::vector<CanvasCall> LinesIn(ColorValue color) const {
        std::vector<CanvasCall> out;
        for (const auto& c : calls)
            if (c.kind == CanvasCall::Line && c.pen.Color == color) out.push_back(c);
        return out;
    }
};

}  // namespace colmara::test
