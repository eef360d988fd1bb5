#!/usr/bin/env bash
# GDI (Wine's own implementation) and the software surfaces draw every position of every art
# alike: render_probe.exe draws them with BitBlt and ExtFloodFill on memory device contexts from
# the bitmap resources, the native render_probe on software surfaces from the asset files, and
# the two dumps must be equal byte for byte.
# Builds: 64 only: Wine draws nothing on device contexts of 32-bit programs.
source "$(dirname "$0")/lib.sh"
wine_setup

probe_exe=$(wine_tool render_probe) || fail "no render_probe.exe: build the windows-x64 preset"
[ -x "${ZV_RENDER_PROBE:-}" ] || fail "ZV_RENDER_PROBE does not name the native render_probe"

timeout 120 "$WINE64" "$probe_exe" "$(winepath_of "$WINE_TMP/gdi.rgb")" >>"$WINE_TMP/wine.log" 2>&1 ||
  fail "render_probe.exe failed: $(tail -3 "$WINE_TMP/wine.log")"
"$ZV_RENDER_PROBE" "$WINE_TMP/software.rgb" || fail "the native render_probe failed"

frame=$((130 * 68 * 3))
arts=(red green orange)
size=$(stat -c %s "$WINE_TMP/gdi.rgb")
[ "$size" -eq $((3 * 80 * frame)) ] || fail "GDI dump is $size bytes, expected $((3 * 80 * frame))"
if ! difference=$(cmp "$WINE_TMP/gdi.rgb" "$WINE_TMP/software.rgb"); then
  # "... differ: byte N, line M": name the draw and the pixel, and keep both pictures of it.
  byte=$(sed -E 's/.*byte ([0-9]+).*/\1/' <<<"$difference")
  index=$(((byte - 1) / frame))
  pixel=$((((byte - 1) % frame) / 3))
  art=${arts[$((index / 80))]}
  position=$((index % 80))
  for dump in gdi software; do
    tail -c +$((index * frame + 1)) "$WINE_TMP/$dump.rgb" | head -c $frame >"$WINE_TMP/$dump-frame.rgb"
    "$CONVERT" -size 130x68 -depth 8 "rgb:$WINE_TMP/$dump-frame.rgb" "$WINE_TMP/$art-$position-$dump.png"
  done
  fail "$art art, position $position (cell x=$((10 + 40 * (position % 3)))): first difference at pixel" \
    "($((pixel % 130)),$((pixel / 130))) of the display block; pictures $art-$position-{gdi,software}.png"
fi
pass "240 draws, $size bytes: GDI and the software surfaces agree on every pixel"
