#!/usr/bin/env bash
# Makes the packages from the native and Windows builds (scripts/run.sh builds
# what they hold): tarvolin_<version>_amd64.deb and a zip for each Windows target,
# all in build/packages.
set -euo pipefail
cd "$(dirname "$0")/.."

mkdir -p build/packages
for build in native win64 win32; do
    cpack --config "build/$build/CPackConfig.cmake" -B build/packages >/dev/null
done
rm -rf build/packages/_CPack_Packages
