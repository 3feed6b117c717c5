#!/usr/bin/env bash
# Checks the program as a desktop gets it: `cmake --install` into a temporary prefix lays
# out both programs, the data, the launcher, the project file type, the icons, the manual
# pages and the bash completion; the pages render without warnings and the completion
# completes; the installed program starts (offscreen, then on Xvfb with its window and
# icon); the launcher is valid and its MIME type is defined; `cpack -G DEB` builds a
# package with its dependencies, in which lintian finds no error or warning about
# twinsweep-cli or the manual pages. Builds first when needed (scripts/setup.sh;
# BUILD_DIR, default build).
set -euo pipefail
SANITIZE=0 # the normal build, never the sanitizer build, is installed and packed
source "$(dirname "$0")/setup.sh"
need_packages desktop-file-utils shared-mime-info dpkg-dev x11-utils qt6-qpa-plugins man-db \
  bash-completion lintian

fail() {
  echo "check-install: $*" >&2
  exit 1
}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$BUILD_DIR" --prefix "$prefix" >/dev/null
launchers=("$prefix"/share/applications/*.desktop)
[ -f "${launchers[0]}" ] || fail "no launcher in share/applications"
launcher=${launchers[0]}
id=$(basename "$launcher" .desktop)
for file in bin/twinsweep bin/twinsweep-cli share/twinsweep/guide/en.html \
            share/twinsweep/pictures/welcome-search.jpg share/twinsweep/buttons/search.png \
            share/mime/packages/"$id".xml share/icons/hicolor/scalable/apps/"$id".svg \
            share/man/man1/twinsweep.1.gz share/man/man1/twinsweep-cli.1.gz \
            share/bash-completion/completions/twinsweep-cli; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  [ -f "$icon" ] || fail "no ${size}x$size icon"
  width=$(od -An -tx1 -j16 -N4 "$icon" | tr -d ' \n') # the PNG header's width
  [ $((16#$width)) -eq "$size" ] || fail "the ${size}x$size icon is $((16#$width)) pixels wide"
done

# The pages: gzip -9n (no name, no time stamp), their own NAME line, no warning from man.
for name in twinsweep twinsweep-cli; do
  page=$prefix/share/man/man1/$name.1.gz
  header=$(od -An -tx1 -N10 "$page" | tr -d ' \n')
  [ "$header" = 1f8b0800000000000203 ] || fail "$name.1.gz is not compressed with gzip -9n"
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man warns about $name.1: $warnings"
  LC_ALL=C MANWIDTH=80 man -l "$page" 2>/dev/null | grep -A1 '^NAME' | grep -qE "^ +$name +- " ||
    fail "$name.1 does not name $name"
done
"$top/tests/completion/check-completion.sh" "$prefix/share/bash-completion/completions/twinsweep-cli" ||
  fail "the installed completion does not complete"

desktop-file-validate "$launcher"
mime=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$launcher")
XDG_DATA_DIRS=$prefix/share update-mime-database "$prefix/share/mime"
grep -qxF "$mime:*.twinsweep" "$prefix/share/mime/globs" ||
  fail "the launcher's type $mime does not take *.twinsweep files"

# Started, the program runs until stopped: timeout's status 124. A crash, a missing
# library or an early exit gives another.
started=$prefix/started
touch "$started"
log=$prefix/run.log
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/twinsweep" >"$log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$log" >&2; fail "the installed program ended with status $status"; }

# On a display its main window ("… — Twinsweep") appears, with the program's icon.
QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x900x24' bash -c '
  "$1" >/dev/null 2>&1 &
  program=$!
  for _ in $(seq 100); do
    window=$(xwininfo -root -tree |
             sed -n "s/^ *\(0x[0-9a-f]*\) \"[^\"]* — Twinsweep\": (\"twinsweep\".*/\1/p" | head -n 1)
    if [ -n "$window" ] && xwininfo -id "$window" | grep -q "IsViewable"; then
      xprop -id "$window" _NET_WM_ICON | grep -q "Icon (" || { echo "no window icon" >&2; exit 1; }
      kill "$program"
      exit 0
    fi
    kill -0 "$program" 2>/dev/null || { echo "the program ended" >&2; exit 1; }
    sleep 0.1
  done
  kill "$program"
  echo "no main window within 10 seconds" >&2
  exit 1' _ "$prefix/bin/twinsweep" || fail "the installed program showed no window"
changed=$(find "$prefix/share/twinsweep" -newer "$started")
[ -z "$changed" ] || fail "the program wrote into its data folder: $changed"

rm -rf "$BUILD_DIR/package"
cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$BUILD_DIR/package" >/dev/null
debs=("$BUILD_DIR"/package/*.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "cpack made no package"
[[ $(dpkg-deb -f "$deb" Depends) == *libqt6widgets6* ]] || fail "the package does not depend on Qt"
contents=$(dpkg-deb -c "$deb")
for file in usr/bin/twinsweep usr/bin/twinsweep-cli usr/share/twinsweep/guide/en.html \
            usr/share/applications/"$id".desktop usr/share/man/man1/twinsweep.1.gz \
            usr/share/man/man1/twinsweep-cli.1.gz usr/share/bash-completion/completions/twinsweep-cli; do
  grep -q " \./$file$" <<<"$contents" || fail "the package lacks /$file"
done

# A plain CPack package lacks what a Debian source package adds (changelog, copyright):
# those errors are shown. Errors and warnings about twinsweep-cli or the manual pages fail.
report=$(lintian --tag-display-limit 0 "$deb" 2>&1) || true
grep '^[EW]: ' <<<"$report" >&2 || true
if grep -E '^[EW]: .*(twinsweep-cli|man/|manpage|manual)' <<<"$report" >/dev/null; then
  fail "lintian finds faults in twinsweep-cli or the manual pages"
fi
echo "check-install: the installed program starts, its pages and completion work; launcher $id, type $mime; package $deb"
