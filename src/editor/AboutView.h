#pragma once

#include "gui/SplashView.h"

namespace tarvolin {

// The editor's name plate: a click opens the about picture over the editor,
// the next click on the picture closes it. Closed, it draws nothing and the
// background's own name plate shows through. Its tag names no parameter.
class AboutView : public SplashView {
public:
    AboutView(ControlListener* listener, Bitmap* picture);
};

} // namespace tarvolin
