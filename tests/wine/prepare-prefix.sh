#!/usr/bin/env bash
# Prepares, once, the template Wine prefix that every Wine test copies: a booted 64-bit prefix with
# Japanese font replacements (message boxes and dialogs render Japanese through IPA Gothic), Wine's
# own window decorations (no window manager runs on the test displays) and the caption-button font.
# With Wine's 32-bit Windows libraries present (scripts/install-deps.sh wine32), the prefix gets its
# 32-bit system folder too, so the same template runs both builds.
# The server folder Wine made for the template under /tmp is removed once its wineserver has ended.
# Usage: tests/wine/prepare-prefix.sh TEMPLATE_DIR
# Safe to call from parallel tests: the first caller builds it under a lock, the others wait. A
# finished template is marked by TEMPLATE_DIR/.ready, which names the Wine it was made with and its
# 32-bit libraries; it is remade when those change (a template made before the 32-bit libraries were
# added cannot run 32-bit programs).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"  # wine_remove_server_dir
template=${1:?usage: prepare-prefix.sh TEMPLATE_DIR}
mkdir -p "$(dirname "$template")"
template=$(cd "$(dirname "$template")" && pwd)/$(basename "$template")

wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
made_with="$("$wine64" --version), 32-bit ntdll.dll: $(stat -c '%s bytes, %y' \
  "$WINE_I386_LIBS/ntdll.dll" 2>/dev/null || echo none)"
ready() { [ "$(cat "$template/.ready" 2>/dev/null)" = "$made_with" ]; }
ready && exit 0
exec 9>"$template.lock"
flock 9
ready && exit 0

rm -rf "$template"
export WINEPREFIX=$template WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
unset DISPLAY

"$wine64" wineboot -i >/dev/null 2>&1 || { echo "wineboot failed for $template" >&2; exit 1; }
reg_add() { "$wine64" reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null 2>&1; }
reg_add 'HKCU\Software\Wine\Fonts\Replacements' 'ＭＳ ゴシック' IPAGothic
reg_add 'HKCU\Software\Wine\Fonts\Replacements' 'MS UI Gothic' IPAPGothic
reg_add 'HKCU\Software\Wine\X11 Driver' Decorated N
# Only Marlett: copying Tahoma as well breaks the Japanese fallback of captions.
cp /usr/share/wine/fonts/marlett.ttf "$template/drive_c/windows/Fonts/"
"$wineserver" -w
wine_remove_server_dir "$template"

grep -q 'IPAGothic' "$template/user.reg" || { echo "font replacement missing in $template/user.reg" >&2; exit 1; }
case "$made_with" in
  *ntdll.dll:\ none) ;;
  *) [ -f "$template/drive_c/windows/syswow64/kernel32.dll" ] ||
       { echo "no 32-bit system folder in $template" >&2; exit 1; } ;;
esac
echo "$made_with" >"$template/.ready"
