#!/usr/bin/env bash
# Builds what the instrument's users get (the Linux VST 2 and CLAP modules, the
# renderer, the 64-bit and 32-bit Windows DLLs and the 64-bit Windows CLAP module) and the packages holding them, renders the
# demo tune to tarvolin-demo.wav and photographs the editor into
# tarvolin-editor.png, and at twice the size into tarvolin-editor-2x.png. The test programs are the test command's business.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh

cmake --preset native >/dev/null
cmake --build --preset native --target tarvolin_module tarvolin_clap_module tarvolin_module_headless \
    tarvolin-render
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target tarvolin_module tarvolin_clap_module
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target tarvolin_module
scripts/package.sh

build/native/tools/tarvolin-render/tarvolin-render --output tarvolin-demo.wav \
    --editor-png tarvolin-editor.png "$@"
build/native/tools/tarvolin-render/tarvolin-render --editor-png tarvolin-editor-2x.png \
    --editor-scale 2

cat <<TXT

Built:
  Linux VST 2            build/native/src/module/Tarvolin.so
  Linux CLAP             build/native/src/module/Tarvolin.clap
  Windows VST 2, 64-bit  build/win64/src/module/Tarvolin.dll
  Windows VST 2, 32-bit  build/win32/src/module/Tarvolin.dll
  Windows CLAP, 64-bit   build/win64/src/module/Tarvolin.clap
Packages, in build/packages:
$(cd build/packages && ls -1 | sed 's/^/  /')
Install:
  Debian, Ubuntu: sudo apt-get install ./build/packages/tarvolin_*_amd64.deb
                  (Tarvolin.so in /usr/lib/vst, Tarvolin.clap in /usr/lib/clap,
                  tarvolin-render in /usr/bin)
  one Linux user: mkdir -p ~/.vst && cp build/native/src/module/Tarvolin.so ~/.vst/
                  mkdir -p ~/.clap && cp build/native/src/module/Tarvolin.clap ~/.clap/
  Windows:        copy Tarvolin.dll from the zip into the host's VST 2 folder
                  (Install.txt in the zip names the usual ones), and
                  Tarvolin.clap from the 64-bit zip into
                  C:\\Program Files\\Common Files\\CLAP
TXT
