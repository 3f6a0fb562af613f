#!/usr/bin/env bash
# Installs the build tree into a temporary prefix, then checks what a user of the installed
# programs depends on: the layout, trazor-check on the PATH links, Trazor starting from its link
# with the calculator beside it, and the desktop files.
#   install_test.sh BUILD-DIR EXAMPLES-DIR
set -euo pipefail
build=$1
examples=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$tmp/prefix with space"
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install"; }

# The programs side by side in one folder; bin/ holds relative links into it.
programs="$prefix/lib/trazor"
for p in Trazor TrazorCalculator Fkreg trazor-check; do
    [ -x "$programs/$p" ] && [ ! -L "$programs/$p" ] || fail "$p is not a program in $programs"
done
for p in Trazor TrazorCalculator trazor-check; do
    [ -L "$prefix/bin/$p" ] || fail "bin/$p is not a link"
    case $(readlink "$prefix/bin/$p") in /*) fail "bin/$p links to an absolute path" ;; esac
    [ "$(readlink -f "$prefix/bin/$p")" = "$(readlink -f "$programs/$p")" ] || fail "bin/$p points elsewhere"
done
[ ! -e "$prefix/bin/Fkreg" ] || fail "Fkreg belongs on the control, not on the PATH"
for f in share/applications/trazor.desktop share/applications/trazor-calculator.desktop \
    share/mime/packages/trazor.xml share/metainfo/trazor.metainfo.xml share/man/man1/trazor-check.1.gz \
    share/icons/hicolor/scalable/apps/trazor.svg share/icons/hicolor/48x48/apps/trazor.png \
    share/icons/hicolor/256x256/apps/trazor-calculator.png share/doc/trazor/copyright; do
    [ -s "$prefix/$f" ] || fail "$f missing"
done
# Every rendered icon is a PNG of its folder's size.
for png in "$prefix"/share/icons/hicolor/*x*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4, $7*256+$8}')
    [ "${w}x${h}" = "$size" ] || fail "$png is ${w}x${h}"
done

# The installed checker, through its link, with no stored settings.
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config"
mkdir -p "$XDG_CONFIG_HOME"
"$prefix/bin/trazor-check" --help | grep -q '^usage: trazor-check' || fail "--help"
[ "$("$prefix/bin/trazor-check" --version)" = "trazor-check 2.75.0" ] || fail "--version"
out=$("$prefix/bin/trazor-check" --no-settings "$examples/osp-turning.MIN") || fail "trazor-check on an example"
grep -q . <<<"$out" || fail "trazor-check printed nothing"

# The installed Trazor, through its link: it must still be running after a moment (a failed
# start-up ends it at once). It finds the calculator in its own folder, which is where the link
# resolves to.
QT_QPA_PLATFORM=offscreen "$prefix/bin/Trazor" "$examples/osp-turning.MIN" >"$tmp/trazor.log" 2>&1 &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || { cat "$tmp/trazor.log"; fail "Trazor ended at start-up"; }
[ "$(readlink "/proc/$pid/exe")" = "$(readlink -f "$programs/Trazor")" ] || fail "not the installed Trazor"
kill "$pid"
wait "$pid" 2>/dev/null || true
[ -x "$(dirname "$(readlink -f "$prefix/bin/Trazor")")/TrazorCalculator" ] \
    || fail "no calculator beside Trazor"

# The desktop files, where the checkers are installed.
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix"/share/applications/*.desktop || fail "desktop-file-validate"
fi
if command -v update-mime-database >/dev/null; then
    cp -r "$prefix/share/mime" "$tmp/mime"
    XDG_DATA_DIRS="$tmp" update-mime-database "$tmp/mime" 2>"$tmp/mime.log" && [ ! -s "$tmp/mime.log" ] \
        || { cat "$tmp/mime.log"; fail "update-mime-database"; }
    grep -q 'text/x-trazor-nc-program' "$tmp/mime/globs2" || fail "mime globs"
fi
# The ids stay the plain program names, which the desktop files and icons share, so the
# reverse-DNS advice is taken as a note.
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic --override=cid-desktopapp-is-not-rdns=info "$prefix/share/metainfo/trazor.metainfo.xml" >"$tmp/as.log" 2>&1 \
        || { cat "$tmp/as.log"; fail "appstreamcli validate"; }
fi
echo "installed tree OK"
