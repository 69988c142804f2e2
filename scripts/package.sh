#!/usr/bin/env bash
# Builds the Debian package brindle_<version>_amd64.deb into the repository's top folder:
# a Release build with Debian's hardening flags in ./build-package, then CPack's DEB generator
# (dependencies computed by dpkg-shlibdeps), then lintian on the result.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export LDFLAGS="$(DEB_BUILD_MAINT_OPTIONS=hardening=+bindnow dpkg-buildflags --get LDFLAGS)"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
    -DBRINDLE_BUILD_TESTS=OFF -DBRINDLE_BUILD_BENCH=OFF
cmake --build build-package --parallel "$(nproc)"
rm -rf build-package/deb
(cd build-package && cpack -G DEB -B "$PWD/deb")
deb=$(ls build-package/deb/brindle_*_amd64.deb)
cp "$deb" .
lintian --fail-on error "$(basename "$deb")"
echo "built $(basename "$deb")"
