#pragma once

#include "CommittedPictures.h"

#include "editor/EditorLayout.h"

#include <stdexcept>

namespace tarvolin::testing {

// How a control of the layout is drawn: its picture and the images in it.
struct ControlLook {
    int picture;
    int imageHeight;
    int images;
    int width;
};

inline ControlLook lookOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::LargeKnob:
        return {130, 50, 37, 46};
    case ControlKind::SmallKnob:
        return {129, 32, 37, 34};
    case ControlKind::FourWaySelector:
        return {131, 46, 4, 10};
    case ControlKind::ThreeWaySelector:
        return {132, 34, 3, 10};
    case ControlKind::SmallToggle:
        return {133, 11, 2, 10};
    case ControlKind::FiveWaySelector:
        return {135, 10, 5, 50};
    case ControlKind::LargeToggle:
        return {136, 20, 2, 75};
    }
    return {};
}

inline const ControlPlacement& placementOf(int index) {
    for (const ControlPlacement& placement : kControlLayout) {
        if (placement.index == index) {
            return placement;
        }
    }
    throw std::out_of_range("no control");
}

inline Rect rectOf(const ControlPlacement& placement) {
    const ControlLook look = lookOf(placement.kind);
    return {placement.corner.h, placement.corner.v, placement.corner.h + look.width,
            placement.corner.v + look.imageHeight};
}

// The image the control of a parameter shows in the editor drawn at scale, or -1.
inline int imageOf(const platform::PixelBuffer& drawn, int index, int scale = 1) {
    const ControlPlacement& placement = placementOf(index);
    const ControlLook look = lookOf(placement.kind);
    return imageShown(drawn, rectOf(placement), look.picture, look.imageHeight, look.images, scale);
}

} // namespace tarvolin::testing
