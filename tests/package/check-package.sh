#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it the way a distribution would:
# lintian on the package, desktop-file-validate and appstreamcli on the installed metadata,
# the declared run-time dependencies, one version everywhere, and both programs run from the
# unpacked package (away from the build tree).
# Usage: check-package.sh BUILD_DIR VERSION DESKTOP_ID
set -uo pipefail

build=$1 version=$2 id=$3
problems=0
fail() {
    echo "FAIL: $*"
    problems=$((problems + 1))
}

for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli readelf; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/setup.sh)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
deb=$work/brindle_${version}_amd64.deb
[[ -f $deb ]] || { ls "$work"; echo "FAIL: no $(basename "$deb")"; exit 1; }

echo "== lintian"
lintian --fail-on error --no-tag-display-limit "$deb" || fail "lintian reports errors"

root=$work/root
dpkg-deb -x "$deb" "$root"

echo "== desktop-file-validate"
desktop=$root/usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
echo "== appstreamcli validate --no-net"
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

echo "== contents"
for path in usr/bin/brindle usr/bin/brindle-export usr/bin/brindle-check \
    usr/share/mime/packages/brindle.xml \
    usr/share/man/man1/brindle.1.gz usr/share/man/man1/brindle-export.1.gz \
    usr/share/man/man1/brindle-check.1.gz \
    usr/share/doc/brindle/copyright usr/share/doc/brindle/changelog.gz \
    usr/share/icons/hicolor/scalable/apps/$id.svg; do
    [[ -f $root/$path ]] || fail "missing /$path"
done
icon=$(sed -n 's/^Icon=//p' "$desktop")
[[ $icon == "$id" ]] || fail "the desktop entry's icon is '$icon', not $id"
for size in 16 22 24 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [[ ! -f $png ]]; then
        fail "missing the ${size} px icon"
    elif [[ $(file -b "$png") != "PNG image data, $size x $size,"* ]]; then
        fail "the ${size} px icon is $(file -b "$png")"
    fi
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
for binary in "$root"/usr/bin/*; do
    readelf -d "$binary" | grep -Eq 'RPATH|RUNPATH' && fail "$(basename "$binary") has a library path"
done

echo "== dependencies"
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends"
# Computed from the binaries, and the web engine's pieces loaded at run time.
for package in libqt6widgets6 libqt6webenginewidgets6 libplist3 \
    libqt6webenginecore6-bin libqt6webengine6-data qt6-image-formats-plugins; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
        fail "Depends lacks $package"
done

echo "== version $version"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "the package version differs"
release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[[ $release == "$version" ]] || fail "the metainfo's newest release is $release"
logged=$(zcat "$root/usr/share/doc/brindle/changelog.gz" | head -n 1 | sed 's/^brindle (\([^)]*\)).*/\1/')
[[ $logged == "$version" ]] || fail "the changelog's newest entry is $logged"
zcat "$root/usr/share/man/man1/brindle-export.1.gz" | head -n 1 | grep -q "\"Brindle $version\"" ||
    fail "the manual page names another version"

echo "== the unpacked programs"
shown=$("$root/usr/bin/brindle-export" --version) || fail "brindle-export --version failed"
[[ $shown == "brindle-export $version" ]] || fail "brindle-export --version printed '$shown'"
shown=$("$root/usr/bin/brindle-check" --version 2>/dev/null) || fail "brindle-check --version failed"
[[ $shown == "brindle-check $version" ]] || fail "brindle-check --version printed '$shown'"
# Needs no display: answered before the GUI starts.
shown=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/brindle" --version) ||
    fail "brindle --version failed"
[[ $shown == "Brindle $version" ]] || fail "brindle --version printed '$shown'"
out=$work/out
(cd "$work" && TMPDIR=$work "$root/usr/bin/brindle-export" --defaults "$out") ||
    fail "brindle-export --defaults failed"
for file in index.html styles.css bottom.png; do
    [[ -s $out/$file ]] || fail "brindle-export --defaults did not write $file"
done
# The checker measures a Modern page off screen (the defaults' colours give it findings).
modern=$work/modern
(cd "$work" && TMPDIR=$work "$root/usr/bin/brindle-export" --output-style modern --defaults \
    "$modern") || fail "brindle-export --output-style modern failed"
status=0
report=$(HOME=$work XDG_RUNTIME_DIR=$work "$root/usr/bin/brindle-check" --width 375 "$modern" \
    2>/dev/null) || status=$?
[[ $status -le 1 && $report == *measured* ]] ||
    fail "brindle-check did not measure the page (status $status)"

if ((problems > 0)); then
    echo "$problems problem(s)"
    exit 1
fi
echo "package checks passed"
