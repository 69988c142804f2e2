#!/usr/bin/env bash
# Keyboard, Escape, phone, touch and inline-icon checks of Modern exports in Firefox and WebKit
# (Chromium's run in the Qt test programs), on a virtual display of their own.
# usage: check-engines.sh BRINDLE_EXPORT SOURCE_DIR
set -euo pipefail
export_tool=$1
source_dir=$2
web=$source_dir/tests/integration/web
[[ -d $web/node_modules/puppeteer-core ]] ||
    { echo "$web/node_modules is missing: run scripts/setup.sh" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The browsers keep their profiles and caches in a home of their own.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
    XDG_CACHE_HOME=$work/home/.cache
mkdir -p "$HOME"
"$export_tool" --output-style modern "$source_dir/src/resources/designs/01 Flat Light.brindleprj" \
    "$work/design"
"$export_tool" --output-style modern --class-name site-menu \
    "$source_dir/fuzz/corpus/project/v3-icons.brindleprj" "$work/icons"
"$export_tool" --output-style modern "$source_dir/fuzz/corpus/project/v31-svg-icons.brindleprj" \
    "$work/svg-icons"
# The same menu reading right to left, its direction set on the menu.
"$export_tool" --output-style modern --direction rtl \
    "$source_dir/fuzz/corpus/project/v31-svg-icons.brindleprj" "$work/right-to-left"
# A site's menu whose sub-item links to the page shown: it is the current page.
"$export_tool" --output-style modern --menu "$source_dir/tests/pages/current-page-menu.md" \
    --defaults "$work/current-page"
xvfb-run -a -s "-screen 0 1400x900x24" node "$web/check-engines.mjs" "$work/design" "$work/icons" \
    "$work/svg-icons" "$work/right-to-left" "$work/current-page"
