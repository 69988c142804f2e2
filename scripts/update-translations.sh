#!/usr/bin/env bash
# Brings every translation file up to date with the window's texts: new texts are added as
# unfinished, texts no longer used are dropped. The command-line tools speak English only.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -no-obsolete -locations none -I src \
    src/app src/controller src/editor src/history src/model src/panels src/platform src/project \
    src/widgets src/workspace src/generator \
    -ts src/translations/brindle_*.ts "$@"
