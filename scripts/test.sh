#!/usr/bin/env bash
# Builds every configuration and runs every test: native Linux, the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer and under
# ThreadSanitizer, short runs of the fuzz targets, and the 32-bit Windows DLL
# with its Windows test programs under Wine.
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
# native build drew; Wine needs a display for them.
xvfb-run -a cmake --workflow --preset win32

# The Windows DLL and the Linux module must render the same phrase alike.
wine build/win32/tests/instrument/tarvolin_phrase_render.exe --write build/phrase-win32.f32
build/native/tests/instrument/tarvolin_phrase_render --compare build/phrase-win32.f32
