#pragma once

#include "gui/Bitmap.h"
#include "gui/Colour.h"
#include "gui/Geometry.h"
#include "gui/View.h"

#include <span>

namespace tarvolin::test {

// A scene with one of each drawing operation, which every back end draws from
// this one description so that their pixels can be compared element by element.
inline constexpr int kSceneWidth = 320;
inline constexpr int kSceneHeight = 256;

// The pictures the scene draws, in the back end's own form.
struct ScenePictures {
    Bitmap* knobStrip;
    Bitmap* toggleStrip;
    // The stencil: a picture with pure white to leave out (stencilPixel).
    Bitmap* stencil;
};

// How another back end's drawing of an element must agree with the raster back end's.
enum class Agreement {
    // Pixel for pixel.
    Exact,
    // Every pixel within tolerance of a pixel of its colour in the other
    // drawing: shapes each platform rasterises by rules of its own.
    Near,
    // The ink spans the same rectangle within tolerance and is mostly of the
    // same colour: text, whose glyphs and smoothing come from each platform's fonts.
    Placed,
};

struct SceneElement {
    const char* name;
    // The element draws inside this rectangle and nowhere else.
    Rect cell;
    Agreement agreement;
    // In pixels, for Near and Placed.
    int tolerance;
    void (*draw)(DrawContext& context, const Rect& cell, const ScenePictures& pictures);
};

std::span<const SceneElement> sceneElements();

inline constexpr int kStencilSize = 24;
Colour stencilPixel(int h, int v);

// Fills the whole scene with grey, then draws every element. Loads the strips
// itself and holds a reference on the stencil while it lives.
class SceneView : public View {
public:
    explicit SceneView(Bitmap* stencil);
    ~SceneView() override;

    void draw(DrawContext& context) override;

    int draws = 0;

private:
    ScenePictures pictures;
};

} // namespace tarvolin::test
