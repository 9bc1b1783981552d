#!/usr/bin/env bash
# Checks the Debian package as the distribution would: lintian, desktop-file-validate and
# appstreamcli on the files it holds, then unpacks it into a throwaway root and checks that
# every file is where a desktop looks for it. Any error ends the run with a non-zero status.
#   tools/checkpackage.sh build/horalo_<version>_<arch>.deb [build folder]
set -euo pipefail

deb=${1:?usage: $0 PACKAGE.deb [BUILD_DIR]}
builddir=${2:-}
[ -f "$deb" ] || { echo "checkpackage: no package $deb" >&2; exit 1; }

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

echo "== control"
dpkg-deb --field "$deb" Package Version Architecture Section Maintainer Depends Recommends
[ "$(dpkg-deb --field "$deb" Package)" = horalo ] || fail "package name is not horalo"
depends=$(dpkg-deb --field "$deb" Depends)
for lib in libc6 libqt6core6 libqt6widgets6 qt6-qpa-plugins libcups2; do
    if [[ $depends == *"$lib"* ]]; then
        pass "depends on $lib"
    else
        fail "Depends lacks $lib (shlibdeps?)"
    fi
done

echo "== lintian"
# Lintian refuses nothing as root but says so; the tags are what matter.
if lintian --fail-on error --display-info "$deb"; then
    pass "lintian found no error"
else
    fail "lintian found errors"
fi

echo "== files"
dpkg-deb -x "$deb" "$root"
expect() { # path in the package, test operator (-f a file, -x an executable)
    local path=$1 op=$2
    if test "$op" "$root$path"; then pass "$path"; else fail "missing $path"; fi
}
expect /usr/bin/horalo -x
expect /usr/share/applications/horalo.desktop -f
expect /usr/share/icons/hicolor/scalable/apps/horalo.svg -f
expect /usr/share/icons/hicolor/256x256/apps/horalo.png -f
expect /usr/share/mime/packages/horalo.xml -f
expect /usr/share/man/man1/horalo.1.gz -f
expect /usr/share/doc/horalo/copyright -f
expect /usr/share/doc/horalo/changelog.gz -f

if file -b "$root/usr/bin/horalo" | grep -q '^ELF .*executable'; then
    pass "horalo is an ELF executable"
else
    fail "horalo is not an executable: $(file -b "$root/usr/bin/horalo")"
fi
png="$root/usr/share/icons/hicolor/256x256/apps/horalo.png"
if [ -f "$png" ] && file -b "$png" | grep -q 'PNG image data, 256 x 256'; then
    pass "the PNG icon is 256 x 256"
else
    fail "the PNG icon is not a 256 x 256 PNG"
fi
outside=$(cd "$root" && find . -mindepth 1 -not -path './usr' -not -path './usr/*')
if [ -z "$outside" ]; then
    pass "everything lies under /usr"
else
    fail "files outside /usr: $outside"
fi

echo "== desktop entry"
desktop="$root/usr/share/applications/horalo.desktop"
if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1) && status=0 || status=$?
    [ -n "$out" ] && echo "$out"
    if [ "$status" -eq 0 ] && ! grep -qE ': (error|warning):' <<<"$out"; then
        pass "desktop-file-validate"
    else
        fail "desktop-file-validate"
    fi
    if grep -qx 'Exec=horalo %f' "$desktop"; then
        pass "Exec passes the opened file"
    else
        fail "Exec is not 'horalo %f'"
    fi
    if grep -qE '^MimeType=(.*;)?application/x-horalo;' "$desktop"; then
        pass "MimeType application/x-horalo"
    else
        fail "the desktop entry does not claim application/x-horalo"
    fi
    if grep -qx 'Icon=horalo' "$desktop"; then
        pass "Icon=horalo"
    else
        fail "Icon is not horalo"
    fi
fi

echo "== AppStream"
mapfile -t metainfo < <(find "$root/usr/share/metainfo" -name '*.metainfo.xml' 2>/dev/null)
if [ ${#metainfo[@]} -ne 1 ]; then
    fail "expected one metainfo file in /usr/share/metainfo, found ${#metainfo[@]}"
else
    m=${metainfo[0]}
    if appstreamcli validate --no-net --pedantic "$m"; then
        pass "appstreamcli validate"
    else
        fail "appstreamcli validate"
    fi
    id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$m" | head -1)
    if [ "$(basename "$m")" = "$id.metainfo.xml" ]; then
        pass "metainfo named after its id $id"
    else
        fail "metainfo file $(basename "$m") is not named after its id $id"
    fi
    launch=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$m")
    if [ -n "$launch" ] && [ -f "$root/usr/share/applications/$launch" ]; then
        pass "launchable $launch is installed"
    else
        fail "launchable '$launch' is not an installed desktop file"
    fi
    if grep -q '<content_rating' "$m"; then pass "content rating"; else fail "no content rating"; fi
    if grep -q '<release ' "$m"; then pass "releases"; else fail "no release"; fi
fi

echo "== project file type"
mimedir="$root/usr/share/mime"
if [ -f "$mimedir/packages/horalo.xml" ]; then
    # Build the MIME database of the throwaway root only, as update-mime-database does for
    # the system after installing, and read back what it learnt.
    out=$(XDG_DATA_DIRS="$root/usr/share" update-mime-database "$mimedir" 2>&1) || fail "update-mime-database: $out"
    [ -n "$out" ] && { echo "$out"; fail "update-mime-database complained"; }
    if grep -qx '[0-9]*:application/x-horalo:\*\.horalo' "$mimedir/globs2"; then
        pass "*.horalo is application/x-horalo"
    else
        fail "no glob *.horalo for application/x-horalo"
    fi
    if grep -qx 'application/x-horalo application/json' "$mimedir/subclasses"; then
        pass "application/x-horalo is JSON"
    else
        fail "application/x-horalo is not a subclass of application/json"
    fi
    if grep -aq 'horalo-quadrante' "$mimedir/magic"; then
        pass "magic on horalo-quadrante"
    else
        fail "no magic for horalo-quadrante"
    fi
fi

echo "== manual page"
man="$root/usr/share/man/man1/horalo.1.gz"
if [ -f "$man" ]; then
    if gzip -t "$man"; then pass "man page is gzip"; else fail "man page is not gzip"; fi
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man" 2>&1 >/dev/null) || fail "man cannot render horalo.1"
    if [ -z "$warnings" ]; then
        pass "man renders without warnings"
    else
        fail "man warnings: $warnings"
    fi
    page=$(zcat "$man")
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES "EXIT STATUS" EXAMPLES; do
        if grep -q "^\.SH \"\?$section\"\?$" <<<"$page"; then
            pass "section $section"
        else
            fail "man page lacks $section"
        fi
    done
    text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$man" 2>/dev/null | sed 's/\xE2\x80\x90/-/g')
    for option in "--export OUT FILE.horalo" "--lang it|en" "--help" "--version" "*.horalo"; do
        if grep -qF -- "$option" <<<"$text"; then
            pass "man page tells of $option"
        else
            fail "man page lacks $option"
        fi
    done
fi

echo "== translations"
qms=()
[ -n "$builddir" ] && [ -d "$builddir/translations" ] && mapfile -t qms < <(find "$builddir/translations" -maxdepth 1 -name '*.qm')
if [ ${#qms[@]} -eq 0 ]; then
    echo "no compiled catalogue in the build yet"
fi
for qm in "${qms[@]}"; do
    expect "/usr/share/horalo/translations/$(basename "$qm")" -f
done

if [ $failures -ne 0 ]; then
    echo "checkpackage: $failures check(s) failed for $deb" >&2
    exit 1
fi
echo "checkpackage: $deb is complete and valid"
