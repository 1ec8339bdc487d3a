// A chart canvas that records every call, with fixed text metrics: every
// character 6 pixels wide, every text 13 pixels high.
#pragma once

#include <string>
#include <vector>

#include "chart/chartcanvas.h"

namespace colmara::testing {

struct CanvasCall {
    enum Kind { Fill, Frame, Frame3D, Line, Text, Clip, Unclip, Invert } kind;
    TRect rect{};
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    TChartPen pen{};
    TColor color = 0;
    TColor color2 = 0;
    std::string text;
    TTextAlign align = TTextAlign::Left;
    TChartFont font{};
};

class RecordingCanvas : public TChartCanvas {
public:
    static constexpr int kCharWidth = 6;
    static constexpr int kTextHeight = 13;

    std::vector<CanvasCall> calls;

    int TextWidth(const TChartFont&, std::string_view text) override {
        int chars = 0;
        for (unsigned char c : text) chars += (c & 0xC0) != 0x80;  // UTF-8 code points
        return chars * kCharWidth;
    }
    int TextHeight(const TChartFont&, std::string_view) override { return kTextHeight; }
    void FillRect(const TRect& r, TColor color) override {
        calls.push_back({CanvasCall::Fill, r, 0, 0, 0, 0, {}, color});
    }
    void FrameRect(const TRect& r, const TChartPen& pen) override {
        calls.push_back({CanvasCall::Frame, r, 0, 0, 0, 0, pen});
    }
    void Frame3D(const TRect& r, TColor topLeft, TColor bottomRight, int width) override {
        calls.push_back({CanvasCall::Frame3D, r, width, 0, 0, 0, {}, topLeft, bottomRight});
    }
    void Line(int x0, int y0, int x1, int y1, const TChartPen& pen) override {
        calls.push_back({CanvasCall::Line, {}, x0, y0, x1, y1, pen});
    }
    void TextOut(int x, int y, std::string_view text, TTextAlign align,
                 const TChartFont& font) override {
        calls.push_back(
            {CanvasCall::Text, {}, x, y, 0, 0, {}, font.Color, 0, std::string(text), align, font});
    }
    void SetClip(const TRect& r) override { calls.push_back({CanvasCall::Clip, r}); }
    void ClearClip() override { calls.push_back({CanvasCall::Unclip}); }
    void InvertFrame(const TRect& r) override { calls.push_back({CanvasCall::Invert, r}); }

    std::vector<CanvasCall> Of(CanvasCall::Kind kind) const {
        std::vector<CanvasCall> out;
        for (const auto& c : calls)
            if (c.kind == kind) out.push_back(c);
        return out;
    }
    std::vector<CanvasCall> LinesIn(TColor color) const {
        std::vector<CanvasCall> out;
        for (const auto& c : calls)
            if (c.kind == CanvasCall::Line && c.pen.Color == color) out.push_back(c);
        return out;
    }
};

}  // namespace colmara::testing
