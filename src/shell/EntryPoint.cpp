#include "shell/EffectBase.h"
#include "shell/EffectFactory.h"
#include "shell/ModuleState.h"

#if defined(_WIN32)
#define TARVOLIN_EXPORT
#else
#define TARVOLIN_EXPORT __attribute__((visibility("default")))
#endif

namespace {

AEffect* createInstance(audioMasterCallback hostCallback) {
    using namespace tarvolin;
    if (hostCallback == nullptr ||
        hostCallback(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) {
        return nullptr;
    }
    EffectBase* effect = nullptr;
    try {
        effect = createEffect(hostCallback);
    } catch (...) {
        return nullptr;
    }
    if (effect == nullptr) {
        return nullptr;
    }
    if (outOfMemory.load()) {
        delete effect;
        return nullptr;
    }
    return effect->getAeffect();
}

} // namespace

// The entry point hosts look up. On Windows the module definition files say
// under which names: "main" alone for 32-bit hosts, both names for 64-bit ones;
// elsewhere both names are exported.
extern "C" TARVOLIN_EXPORT AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback hostCallback) {
    return createInstance(hostCallback);
}

#if !defined(_WIN32)
// A C++ function cannot be called main unless it returns int, so the older
// entry name is given to a differently named function at the symbol level.
extern "C" TARVOLIN_EXPORT AEffect* legacyMain(audioMasterCallback hostCallback) __asm__("main");
extern "C" AEffect* legacyMain(audioMasterCallback hostCallback) {
    return createInstance(hostCallback);
}
#endif
