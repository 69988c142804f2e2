#!/usr/bin/env bash
# Every Modern export is valid: the Nu HTML checker finds no error in its pages and the CSS
# grammar check none in its stylesheets (the menu alone, page and stylesheet, included). Designs: the default, the
# gallery's, a project with icons, one with SVG icons (inside the links and as files), a class
# name of the designer's own, and a site's menu of three levels whose page is in it.
# usage: validate-exports.sh BRINDLE_EXPORT SOURCE_DIR
set -euo pipefail
export_tool=$1
source_dir=$2
modules=$source_dir/tests/integration/web/node_modules
vnu=$modules/vnu-jar/build/dist/vnu.jar
csstree=$modules/.bin/csstree-validator
for needed in "$vnu" "$csstree"; do
    [[ -e $needed ]] || { echo "$needed is missing: run scripts/setup.sh" >&2; exit 1; }
done
command -v java >/dev/null || { echo "java is missing: run scripts/setup.sh" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
modern=(--output-style modern)
"$export_tool" "${modern[@]}" --defaults "$work/default"
"$export_tool" "${modern[@]}" --class-name shop_nav-2 \
    "$source_dir/fuzz/corpus/project/v3-icons.brindleprj" "$work/icons"
"$export_tool" --snippet "$source_dir/fuzz/corpus/project/v3-icons.brindleprj" "$work/snippet"
"$export_tool" "${modern[@]}" "$source_dir/fuzz/corpus/project/v31-svg-icons.brindleprj" "$work/svg"
"$export_tool" "${modern[@]}" --menu "$source_dir/tests/pages/current-page-menu.md" \
    "$source_dir/fuzz/corpus/project/v3-icons.brindleprj" "$work/three-levels"
n=0
for design in "$source_dir"/src/resources/designs/*.brindleprj; do
    n=$((n + 1))
    "$export_tool" "${modern[@]}" "$design" "$work/design-$n"
done

# The menu alone is checked inside the smallest page that can hold it.
{
    printf '<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
    printf '<title>Snippet</title>\n</head>\n<body>\n'
    cat "$work/snippet/brindlenav.html"
    printf '</body>\n</html>\n'
} >"$work/snippet/index.html"
mapfile -t pages < <(find "$work" -name index.html | sort)
echo "checking ${#pages[@]} pages"
java -jar "$vnu" --errors-only "${pages[@]}"

mkdir "$work/stylesheets"
for sheet in "$work"/*/styles.css "$work"/snippet/brindlenav.css; do
    cp "$sheet" "$work/stylesheets/$(basename "$(dirname "$sheet")").css"
done
echo "checking $(ls "$work/stylesheets" | wc -l) stylesheets"
"$csstree" "$work/stylesheets"
echo "valid"
