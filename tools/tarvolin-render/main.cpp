#include "Benchmark.h"
#include "DefaultModules.h"
#include "Options.h"
#include "Renderer.h"

#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

namespace {

// The module built alongside this program, when the build knows it.
#ifdef TARVOLIN_RENDER_DEFAULT_MODULE
constexpr const char* kDefaultModule = TARVOLIN_RENDER_DEFAULT_MODULE;
constexpr const char* kEditorModule = TARVOLIN_RENDER_EDITOR_MODULE;
#else
constexpr const char* kDefaultModule = "";
constexpr const char* kEditorModule = "";
#endif

} // namespace

int main(int argc, char** argv) {
    using namespace tarvolin::render;
    try {
        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        const ModulePaths modules = defaultModules({kDefaultModule, kEditorModule});
        const Options options = parseOptions(arguments, modules.module, modules.editorModule);
        if (options.help) {
            std::fputs(usageText(modules.module, modules.editorModule).c_str(), stdout);
            return 0;
        }
        if (options.bench) {
            benchmark(options);
        } else {
            render(options);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tarvolin-render: %s\n", error.what());
    } catch (...) {
        std::fputs("tarvolin-render: unexpected failure\n", stderr);
    }
    return 1;
}
