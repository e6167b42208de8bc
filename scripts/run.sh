#!/usr/bin/env bash
# Builds everything (the Linux module and tools, the 32-bit Windows DLL),
# renders the demo tune to tarvolin-demo.wav and photographs the editor into
# tarvolin-editor.png.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh

cmake --preset native
cmake --build --preset native
cmake --preset win32
cmake --build --preset win32

build/native/tools/tarvolin-render/tarvolin-render --output tarvolin-demo.wav \
    --editor-png tarvolin-editor.png "$@"
