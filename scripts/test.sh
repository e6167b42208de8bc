#!/usr/bin/env bash
# Builds every configuration and runs every test: native Linux, the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer and under
# ThreadSanitizer, short runs of the fuzz targets, and the 64-bit and 32-bit
# Windows DLLs with their Windows test programs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh

# A quiet Wine that never offers to download its Mono or Gecko add-ons.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

cmake --workflow --preset native
cmake --workflow --preset sanitize
cmake --workflow --preset tsan
# A few thousand inputs for each fuzz target; scripts/fuzz.sh runs them longer.
cmake --workflow --preset fuzz
# The Windows GUI tests open real windows, and compare them with the scene the
# native build drew; Wine needs a display for them. Debian's wine64 loader runs
# the 64-bit programs; its wine script starts wine32 for the 32-bit ones. The
# screen holds the editor at twice its size.
screen=(-s "-screen 0 1920x1200x24")
xvfb-run -a "${screen[@]}" cmake --workflow --preset win64
loaders=(/usr/lib/wine/wine64)
builds=(win64)
# A kernel built without 32-bit support cannot start wine32 at all.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    xvfb-run -a "${screen[@]}" cmake --workflow --preset win32
    loaders+=(wine)
    builds+=(win32)
else
    echo "test.sh: this kernel runs no 32-bit programs: the 32-bit DLL is built and its" \
         "exports checked, but its Windows test programs cannot run here" >&2
    cmake --preset win32 >/dev/null
    cmake --build --preset win32 --target tarvolin_module
    ctest --preset win32 -R '^Module\.'
fi

# The Windows DLLs and the Linux module must render the same phrase alike.
for i in "${!builds[@]}"; do
    phrase="build/phrase-${builds[$i]}.f32"
    "${loaders[$i]}" "build/${builds[$i]}/tests/instrument/tarvolin_phrase_render.exe" --write "$phrase"
    build/native/tests/instrument/tarvolin_phrase_render --compare "$phrase"
done
