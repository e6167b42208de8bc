#include "EditorPhoto.h"

#include "HostCallback.h"
#include "InstanceSetup.h"
#include "RenderError.h"
#include "editor/EditorLayout.h"
#include "gui/MouseButtons.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"
#include "gui/platform/raster/PngWriter.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tarvolin::render {

namespace {

// A left click through the window's own button path: the button goes down
// at where and comes up on the first look at it.
void click(platform::HeadlessHost& window, Point where) {
    window.scriptMouse({{where, ButtonLeft}, {where, 0}});
    window.child()->press(where);
}

Point centreOf(const Rect& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

} // namespace

void photographEditor(const Options& options,
                      const std::optional<std::vector<unsigned char>>& chunk) {
    const std::string name = options.editorModule.string();
    const host::PluginModule module(name);
    if (!module.isLoaded()) {
        throw RenderError(module.error());
    }
    if (options.editorScale) {
        // The module's one setting, which it reads when its editor opens.
        setenv("TARVOLIN_EDITOR_SCALE", std::to_string(*options.editorScale).c_str(), 1);
    }
    // The window outlives the instance, whose editor lives in it.
    platform::HeadlessHost window;
    host::PluginInstance plugin(module, hostCallback);
    if (!plugin.isOpen()) {
        throw RenderError(name + " made no instance of its plug-in");
    }
    ERect* size = nullptr;
    if ((plugin.record()->flags & effFlagsHasEditor) == 0 ||
        plugin.dispatch(effEditGetRect, 0, 0, &size) == 0 || size == nullptr) {
        throw RenderError(name + " has no editor");
    }
    const Rect area{0, 0, size->right - size->left, size->bottom - size->top};
    for (const EditorClick& at : options.editorClicks) {
        if (at.x >= area.right || at.y >= area.bottom) {
            throw RenderError("--editor-click " + std::to_string(at.x) + "," +
                              std::to_string(at.y) + " lies outside the " +
                              std::to_string(area.right) + " by " + std::to_string(area.bottom) +
                              " editor");
        }
    }
    prepareInstance(plugin, options, chunk);
    selectChannel(plugin, options.channel);

    if (plugin.dispatch(effEditOpen, 0, 0, &window) != 1 || window.child() == nullptr) {
        throw RenderError(name + " did not open its editor");
    }
    window.child()->paint();
    plugin.dispatch(effEditIdle);
    for (const EditorClick& at : options.editorClicks) {
        click(window, {at.x, at.y});
        plugin.dispatch(effEditIdle);
    }
    if (options.openAbout) {
        click(window, toDevice(centreOf(kAboutArea), area.width() / kEditorWidth));
        plugin.dispatch(effEditIdle);
    }
    const std::string picture = options.editorPicture->string();
    if (!platform::writePng(window.child()->pixels(), picture.c_str())) {
        throw RenderError("cannot write " + picture);
    }
    plugin.dispatch(effEditClose);
    std::printf("tarvolin-render: wrote %s\n", picture.c_str());
}

} // namespace tarvolin::render
