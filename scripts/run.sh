#!/usr/bin/env bash
# Builds everything (the Linux module and tools, the 32-bit Windows DLL) and
# renders the demo tune to tarvolin-demo.wav.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh

cmake --preset native
cmake --build --preset native
cmake --preset win32
cmake --build --preset win32

build/native/tools/tarvolin-render/tarvolin-render --output tarvolin-demo.wav "$@"
