// A loadable library that is not a plug-in: it exports no VST entry point.
extern "C" __attribute__((visibility("default"))) int tarvolinTestNotAPlugin() {
    return 0;
}
