#!/usr/bin/env bash
# Every translation file holds a finished translation of every text the window shows today:
# lupdate, run on copies, finds no new text and leaves nothing unfinished.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
status=0
for ts in "$source_dir"/src/translations/brindle_*.ts; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    (cd "$source_dir" && "$lupdate" -no-obsolete -locations none -I src \
        src/app src/controller src/editor src/history src/model src/panels src/platform \
        src/project src/widgets src/workspace src/generator -ts "$copy" >/dev/null 2>&1)
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    if ((unfinished > 0)); then
        echo "$(basename "$ts"): $unfinished unfinished"
        grep -B1 'type="unfinished"' "$copy" | grep '<source>' | head -n 5
        status=1
    fi
done
((status == 0)) && echo "every translation finished"
exit $status
