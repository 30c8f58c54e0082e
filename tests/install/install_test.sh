#!/usr/bin/env bash
# Installs a build folder into a temporary prefix and checks what a desktop would get: the
# program folder and its link, the desktop entry and AppStream metadata under both validators,
# the icon at every size, and a short headless game played with the installed program from
# another working directory.  Usage: install_test.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
  cat "$work/install.log"
  fail "cmake --install"
}
cd "$prefix"

# The program folder holds the program and its four folders, nothing of the build's own.
entries=$(cd lib/kidplay && ls -A | sort | tr '\n' ' ')
[ "$entries" = "Data Fonts Gfx Sfx kidplay " ] || fail "lib/kidplay holds: $entries"
[ ! -e lib/kidplay/Gfx/Icon ] || fail "the icon files went into the program folder"
[ -x lib/kidplay/kidplay ] || fail "lib/kidplay/kidplay is not executable"
[ "$(readlink bin/kidplay)" = "../lib/kidplay/kidplay" ] || fail "bin/kidplay is not the relative link"
for f in Gfx/Menu/Bg.bmp Sfx/Silence.wav Fonts/DejaVuSans.ttf; do
  cmp -s "lib/kidplay/$f" "$build/$f" || fail "lib/kidplay/$f differs from the build's"
done

desktop-file-validate share/applications/org.kidplay.Kidplay.desktop
appstreamcli validate --no-net share/metainfo/org.kidplay.Kidplay.metainfo.xml
grep -q '^Icon=org.kidplay.Kidplay$' share/applications/org.kidplay.Kidplay.desktop ||
  fail "the desktop entry names another icon"
# Every screenshot the metadata names is installed.
for url in $(grep -o '<image[^>]*>[^<]*' share/metainfo/org.kidplay.Kidplay.metainfo.xml | sed 's/.*>//'); do
  [ -s "share/kidplay/screenshots/${url##*/}" ] || fail "no installed screenshot for $url"
done

# The icon: the drawing, and a PNG with alpha (colour type 6) of each size.
grep -q '<svg' share/icons/hicolor/scalable/apps/org.kidplay.Kidplay.svg || fail "no scalable icon"
for size in 64 128 256; do
  png=share/icons/hicolor/${size}x${size}/apps/org.kidplay.Kidplay.png
  [ -f "$png" ] || fail "no $png"
  header=$(od -A n -t u1 -j 16 -N 10 "$png" | tr -s ' ' | sed 's/^ //')
  be="0 0 $((size >> 8)) $((size & 255))"  # big-endian width and height
  want="$be $be 8 6"
  [ "$header" = "$want" ] || fail "$png: size, depth and colour type are '$header', not '$want'"
done

# The installed program, started through its link from a folder of its own, finds its files:
# the Maze opens with no error box and the run ends normally.
mkdir "$work/elsewhere" "$work/runtime" "$work/config" "$work/shots"
cd "$work/elsewhere"
printf 'wait 10500\nclick 400 325\nwait 1000\nshot maze.png\nkey Escape\nwait 600\n' >script.txt
XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config \
  "$prefix/bin/kidplay" --headless --script script.txt --trace trace.txt --shots "$work/shots"
grep -q ' show MazeForm$' trace.txt || fail "the Maze did not open"
! grep -q ' box ' trace.txt || fail "the run showed an error box: $(grep ' box ' trace.txt)"
[ "$(tail -n 1 trace.txt | cut -d ' ' -f 2)" = end ] || fail "the trace ends in '$(tail -n 1 trace.txt)'"
[ -s "$work/shots/maze.png" ] || fail "no screenshot"
echo "installed, validated and played from $prefix"
