#include "TestScene.h"

#include "gui/DrawContext.h"
#include "gui/OffscreenContext.h"

#include <array>

namespace tarvolin::test {

namespace {

// fillRect leaves the top and left lines to an outline; this covers exactly
// the pixels left .. right - 1 by top .. bottom - 1.
void fillArea(DrawContext& context, const Rect& area, Colour colour) {
    context.setFillColour(colour);
    context.fillRect({area.left - 1, area.top - 1, area.right, area.bottom});
}

void line(DrawContext& context, Point from, Point to) {
    context.moveTo(from);
    context.lineTo(to);
}

Point at(const Rect& cell, int h, int v) {
    return {cell.left + h, cell.top + v};
}

void knobStripImage(DrawContext& context, const Rect& cell, const ScenePictures& pictures) {
    // The third 32-pixel image of the strip.
    pictures.knobStrip->draw(
        context, {cell.left + 15, cell.top + 16, cell.left + 49, cell.top + 48}, {0, 64});
}

void copiesClippedToThePicture(DrawContext& context, const Rect& cell,
                               const ScenePictures& pictures) {
    // The toggle strip is 10 by 22: both rectangles reach beyond it.
    pictures.toggleStrip->draw(
        context, {cell.left + 4, cell.top + 4, cell.left + 34, cell.top + 34}, {3, 5});
    pictures.toggleStrip->draw(
        context, {cell.left + 36, cell.top + 30, cell.left + 60, cell.top + 60}, {-4, -2});
}

void stripes(DrawContext& context, const Rect& cell) {
    constexpr std::array<Colour, 4> colours{Red, Blue, Black, Green};
    for (int i = 0; i < 8; ++i) {
        fillArea(context, {cell.left + 8 * i, cell.top, cell.left + 8 * i + 8, cell.bottom},
                 colours[static_cast<std::size_t>(i) % colours.size()]);
    }
}

void transparentStencil(DrawContext& context, const Rect& cell, const ScenePictures& pictures) {
    stripes(context, cell);
    pictures.stencil->drawTransparent(context,
                                      {cell.left + 4, cell.top + 4, cell.left + 28, cell.top + 28});
    pictures.stencil->drawTransparent(
        context, {cell.left + 32, cell.top + 32, cell.left + 62, cell.top + 62}, {4, 6});
}

void stencilDrawnOpaque(DrawContext& context, const Rect& cell, const ScenePictures& pictures) {
    // After the transparent draws: the shared picture must be as it was.
    stripes(context, cell);
    pictures.stencil->draw(context, {cell.left + 20, cell.top + 20, cell.left + 44, cell.top + 44});
}

void offscreenCopy(DrawContext& context, const Rect& cell, const ScenePictures&) {
    OffscreenContext offscreen(context.getFrame(), 40, 30, Cyan);
    offscreen.setFrameColour(Blue);
    line(offscreen, {2, 2}, {37, 27});
    offscreen.setFillColour(Magenta);
    offscreen.fillRect({5, 15, 20, 28});
    offscreen.copyTo(context, {cell.left + 12, cell.top + 6, cell.left + 52, cell.top + 36});
    // Only 10 by 10 pixels of the picture lie beyond this offset.
    offscreen.copyTo(context, {cell.left + 2, cell.top + 44, cell.left + 62, cell.top + 64},
                     {30, 20});
}

void rectangles(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFillColour(Red);
    context.fillRect({cell.left + 4, cell.top + 4, cell.left + 40, cell.top + 30});
    context.setFrameColour(Yellow);
    context.drawRect({cell.left + 4, cell.top + 4, cell.left + 40, cell.top + 30});
    context.setFillColour(Blue);
    context.fillRect({cell.left + 20, cell.top + 34, cell.left + 60, cell.top + 60});
    context.setFrameColour(Green);
    context.drawRect({cell.left + 10, cell.top + 40, cell.left + 30, cell.top + 56});
    context.drawRect({cell.left + 50, cell.top + 6, cell.left + 50, cell.top + 20});
}

// End points all around the centre, in every octant and on both diagonals.
constexpr std::array<Point, 16> kFan{{{28, 0},
                                      {28, 9},
                                      {27, 27},
                                      {9, 28},
                                      {0, 28},
                                      {-9, 28},
                                      {-27, 27},
                                      {-28, 9},
                                      {-28, 0},
                                      {-28, -9},
                                      {-27, -27},
                                      {-9, -28},
                                      {0, -28},
                                      {9, -28},
                                      {27, -27},
                                      {28, -9}}};

void solidLines(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFrameColour(White);
    const Point centre = at(cell, 32, 32);
    for (const Point end : kFan) {
        line(context, centre, {centre.h + end.h, centre.v + end.v});
    }
}

void dottedLines(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFrameColour(Yellow);
    context.setLineStyle(LineDotted);
    line(context, at(cell, 2, 4), at(cell, 60, 4));
    line(context, at(cell, 61, 10), at(cell, 3, 10));
    line(context, at(cell, 4, 14), at(cell, 4, 60));
    line(context, at(cell, 10, 14), at(cell, 58, 60));
    line(context, at(cell, 58, 20), at(cell, 14, 34));
    line(context, at(cell, 30, 62), at(cell, 40, 16));
}

void dottedRectangle(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFrameColour(Cyan);
    context.setLineStyle(LineDotted);
    context.drawRect({cell.left + 3, cell.top + 3, cell.left + 60, cell.top + 28});
}

void dottedPolyline(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFrameColour(Cyan);
    context.setLineStyle(LineDotted);
    const std::array<Point, 4> path{at(cell, 6, 4), at(cell, 30, 30), at(cell, 44, 6),
                                    at(cell, 60, 28)};
    context.polyline(path);
}

void polylineAndPixels(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFrameColour(Magenta);
    const std::array<Point, 5> path{at(cell, 2, 2), at(cell, 40, 8), at(cell, 10, 30),
                                    at(cell, 50, 34), at(cell, 20, 12)};
    context.polyline(path);
    for (int i = 0; i < 12; ++i) {
        context.drawPoint(at(cell, 4 + 5 * i, 44 + (i * 7) % 16),
                          {static_cast<std::uint8_t>(20 * i), 200, 90, 0});
    }
}

void ellipseOutlines(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFrameColour(White);
    context.drawEllipse({cell.left + 3, cell.top + 8, cell.left + 60, cell.top + 52});
    context.setFrameColour(Yellow);
    context.drawEllipse({cell.left + 20, cell.top + 22, cell.left + 31, cell.top + 29});
}

void arcOutlines(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFrameColour(White);
    context.drawArc({cell.left + 4, cell.top + 4, cell.left + 59, cell.top + 59}, at(cell, 63, 10),
                    at(cell, 0, 40));
    context.setFrameColour(Cyan);
    context.drawArc({cell.left + 16, cell.top + 16, cell.left + 47, cell.top + 40},
                    at(cell, 20, 63), at(cell, 63, 28));
}

void filledEllipse(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFillColour(Green);
    context.fillEllipse({cell.left + 3, cell.top + 6, cell.left + 60, cell.top + 50});
    context.setFillColour(Red);
    context.fillEllipse({cell.left + 30, cell.top + 44, cell.left + 42, cell.top + 61});
}

void pies(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFillColour(Yellow);
    context.fillArc({cell.left + 2, cell.top + 2, cell.left + 61, cell.top + 61}, at(cell, 63, 20),
                    at(cell, 10, 0));
    context.setFillColour(Blue);
    context.fillArc({cell.left + 2, cell.top + 2, cell.left + 61, cell.top + 61}, at(cell, 0, 50),
                    at(cell, 50, 63));
}

void polygons(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFillColour(Magenta);
    // A five-pointed star: under the alternate rule its centre stays empty.
    const std::array<Point, 5> star{at(cell, 32, 2), at(cell, 50, 58), at(cell, 3, 22),
                                    at(cell, 61, 22), at(cell, 14, 58)};
    context.fillPolygon(star);
    context.setFillColour(Cyan);
    const std::array<Point, 3> sliver{at(cell, 2, 40), at(cell, 12, 62), at(cell, 5, 63)};
    context.fillPolygon(sliver);
}

void textLeft(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFont(0);
    context.setFontColour(White);
    context.drawString("Cutoff 440", {cell.left, cell.top + 4, cell.right, cell.bottom - 4}, false,
                       AlignLeft);
}

void textCentred(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFont(2);
    context.setFontColour(Yellow);
    context.setFillColour(Blue);
    context.drawString("Resonance", {cell.left + 4, cell.top + 4, cell.right - 4, cell.bottom - 4},
                       true, AlignCenter);
}

void textRight(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFont(1);
    context.setFontColour(Black);
    context.drawString("LFO 2", {cell.left, cell.top, cell.right - 2, cell.bottom}, false,
                       AlignRight);
}

void wideLines(DrawContext& context, const Rect& cell, const ScenePictures&) {
    context.setFrameColour(Red);
    context.setLineWidth(3);
    line(context, at(cell, 6, 6), at(cell, 100, 6));
    line(context, at(cell, 6, 12), at(cell, 90, 28));
}

Rect gridCell(int column, int row) {
    return {64 * column, 64 * row, 64 * column + 64, 64 * row + 64};
}

constexpr Agreement kExact = Agreement::Exact;
constexpr Agreement kNear = Agreement::Near;
constexpr Agreement kPlaced = Agreement::Placed;

const std::array<SceneElement, 20> kElements{{
    {"knob strip image", gridCell(0, 0), kExact, 0, knobStripImage},
    {"copies clipped to the picture", gridCell(1, 0), kExact, 0, copiesClippedToThePicture},
    {"transparent stencil", gridCell(2, 0), kExact, 0, transparentStencil},
    {"stencil drawn opaque afterwards", gridCell(3, 0), kExact, 0, stencilDrawnOpaque},
    {"off-screen copy", gridCell(4, 0), kExact, 0, offscreenCopy},
    {"rectangles", gridCell(0, 1), kExact, 0, rectangles},
    {"solid lines", gridCell(1, 1), kExact, 0, solidLines},
    {"dotted lines", gridCell(2, 1), kExact, 0, dottedLines},
    {"dotted polyline", {192, 96, 256, 128}, kExact, 0, dottedPolyline},
    {"dotted rectangle outline", {192, 64, 256, 96}, kExact, 0, dottedRectangle},
    {"polyline and pixels", gridCell(4, 1), kExact, 0, polylineAndPixels},
    {"ellipse outlines", gridCell(0, 2), kNear, 1, ellipseOutlines},
    {"arc outlines", gridCell(1, 2), kNear, 1, arcOutlines},
    {"filled ellipses", gridCell(2, 2), kNear, 1, filledEllipse},
    {"pies", gridCell(3, 2), kNear, 2, pies},
    {"polygons", gridCell(4, 2), kExact, 0, polygons},
    {"text aligned left", {0, 192, 106, 224}, kPlaced, 3, textLeft},
    {"text centred, opaque", {106, 192, 213, 224}, kPlaced, 3, textCentred},
    {"text aligned right", {213, 192, 320, 224}, kPlaced, 3, textRight},
    {"wide lines", {0, 224, 106, 256}, kNear, 1, wideLines},
}};

} // namespace

std::span<const SceneElement> sceneElements() {
    return kElements;
}

Colour stencilPixel(int h, int v) {
    // A white ground with a ring and a cross of colours; one pixel is almost
    // white, which only pure white may not be mistaken for.
    if (h == 12 && v == 12) {
        return {254, 255, 255, 0};
    }
    const int dh = h - 12;
    const int dv = v - 12;
    const int distance = dh * dh + dv * dv;
    if ((distance >= 49 && distance <= 110) || h == v || h + v == kStencilSize - 1) {
        return {static_cast<std::uint8_t>(10 * h), static_cast<std::uint8_t>(10 * v), 160, 0};
    }
    return White;
}

SceneView::SceneView(Bitmap* stencil)
    : View({0, 0, kSceneWidth, kSceneHeight}), pictures{new Bitmap(129), new Bitmap(133), stencil} {
    stencil->remember();
}

SceneView::~SceneView() {
    pictures.knobStrip->forget();
    pictures.toggleStrip->forget();
    pictures.stencil->forget();
}

void SceneView::draw(DrawContext& context) {
    ++draws;
    fillArea(context, size, Grey);
    for (const SceneElement& element : kElements) {
        element.draw(context, element.cell, pictures);
        // Each element starts from the context's defaults.
        context.setLineStyle(LineSolid);
        context.setLineWidth(1);
    }
}

} // namespace tarvolin::test
