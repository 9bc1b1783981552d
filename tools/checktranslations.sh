#!/usr/bin/env bash
# Every text the program marks for translation has its English translation: lupdate collects
# the marked texts of each catalogue's folders into a copy of that catalogue, and any text it
# had to add (or that is left unfinished) fails the check. The catalogues in the repository are
# never touched.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
check() { # catalogue, folders...
    local name=$1; shift
    cp "$here/translations/$name.ts" "$work/$name.ts"
    (cd "$here" && "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h "$@" -ts "$work/$name.ts")
    local missing
    missing=$(grep -c 'type="unfinished"' "$work/$name.ts" || true)
    if [ "$missing" -ne 0 ]; then
        echo "$name: $missing texts have no English translation:" >&2
        grep -A1 '<source>' "$work/$name.ts" | grep -B1 'type="unfinished"' | grep '<source>' | head -40 >&2
        status=1
    else
        echo "$name: all $(grep -c '<source>' "$work/$name.ts") marked texts have an English translation"
    fi
}
check horalo_en src/sheet src/shell src/horizontal src/vertical app
check quadrante_en src/designer src/drawing src/project src/gnomonics src/survey src/files
exit $status
