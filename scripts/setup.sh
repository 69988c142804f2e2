#!/usr/bin/env bash
# Installs the Debian packages Brindle needs to build, run and test, and only those missing.
set -euo pipefail

PACKAGES=(
    cmake g++ make pkg-config
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-image-formats-plugins qt6-svg-dev
    libplist-dev libgl-dev zlib1g-dev libtiff-dev libgumbo-dev
    libbenchmark-dev
    xvfb xauth fonts-dejavu-core
    locales
    dpkg-dev file lintian desktop-file-utils appstream
    # The checks of exported pages: the Nu HTML checker runs on Java; Firefox and WebKit
    # (WebKitWebDriver with its MiniBrowser) are driven by the tests' node modules.
    default-jre-headless firefox-esr webkit2gtk-driver
)

# Locales the tests run under to prove that no output follows the user's number format.
LOCALES=(de_DE.UTF-8 fr_FR.UTF-8)

# The browser-engine tests check exported pages with axe-core, pinned by a lock file and
# installed into the tests' own folder.
install_web_test_tools() {
    npm ci --prefix "$(dirname "$0")/../tests/integration/web" --no-audit --no-fund
}

# Node.js may come from elsewhere (its own package brings npm and conflicts with Debian's npm):
# only a machine without npm gets Debian's.
if ! command -v npm >/dev/null 2>&1; then
    PACKAGES+=(nodejs npm)
fi

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [[ $(id -u) -eq 0 ]]; then
    SUDO=()
else
    SUDO=(sudo)
fi

if ((${#missing[@]} == 0)); then
    echo "setup: all packages present"
else
    echo "setup: installing ${missing[*]}"
    "${SUDO[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -q "${missing[@]}"
fi

# "locale -a" lists de_DE.UTF-8 as "de_DE.utf8".
has_locale() {
    local wanted=${1/.UTF-8/.utf8}
    locale -a 2>/dev/null | grep -qxF "$wanted"
}

missing_locales=()
for l in "${LOCALES[@]}"; do
    has_locale "$l" || missing_locales+=("$l")
done
if ((${#missing_locales[@]} > 0)); then
    echo "setup: generating locales ${missing_locales[*]}"
    for l in "${missing_locales[@]}"; do
        # Enables the commented-out line, or adds one when the list has none.
        if grep -qE "^#? *${l//./\\.} UTF-8" /etc/locale.gen; then
            "${SUDO[@]}" sed -i -E "s/^# *(${l//./\\.} UTF-8)/\\1/" /etc/locale.gen
        else
            echo "$l UTF-8" | "${SUDO[@]}" tee -a /etc/locale.gen >/dev/null
        fi
    done
    "${SUDO[@]}" locale-gen
fi

install_web_test_tools
