#!/usr/bin/env bash
# Installs the Debian packages Brindle needs to build, run and test, and only those missing.
set -euo pipefail

PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-image-formats-plugins
    libplist-dev libgl-dev
    libbenchmark-dev
    xvfb xauth fonts-dejavu-core
)

# The browser-engine tests check exported pages with axe-core, pinned by a lock file and
# installed into the tests' own folder.
install_web_test_tools() {
    npm ci --prefix "$(dirname "$0")/../tests/integration/web" --no-audit --no-fund
}

missing=()
# Node.js may come from elsewhere (its own package brings npm and conflicts with Debian's npm):
# only a machine without npm gets Debian's.
if ! command -v npm >/dev/null 2>&1; then
    PACKAGES+=(nodejs npm)
fi

for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]} == 0)); then
    echo "setup: all packages present"
    install_web_test_tools
    exit 0
fi

echo "setup: installing ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    SUDO=()
else
    SUDO=(sudo)
fi
"${SUDO[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -q "${missing[@]}"
install_web_test_tools
