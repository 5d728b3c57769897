#!/usr/bin/env bash
# Runs the Windows songbook.exe of the mingw build under Wine on the sample
# library and checks it against the native songbook: the same library in the
# dump, the same Rich Text from the export (accented names on the command
# line, in file names and in the registry included), settings from the
# registry key HKEY_CURRENT_USER\Software\Cantorix of the build's Wine prefix.
# Usage: scripts/windows-smoke.sh [MINGW_BUILD [NATIVE_BUILD]]
set -euo pipefail
cd "$(dirname "$0")/.."
windows=$(realpath "${1:-build/mingw}")
native=$(realpath "${2:-build/default}")

work=$(mktemp -d)
export VIVIRA_WINEPREFIX=$windows/wineprefix
export VIVIRA_SETTINGS_FILE=$work/native-settings.reg # the native songbook's, never the user's
trap 'rm -rf "$work"; WINEPREFIX=$VIVIRA_WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT

wine() { cmake/wine-run.sh "$@"; }
exe=$windows/bin/songbook.exe
fail() { echo "windows-smoke: $*" >&2; exit 1; }
# Wine shows the machine's / as drive Z:.
windows_path() { echo "Z:${1//\//\\}"; }
# Windows writes text with CR LF, and names its files from drive Z:.
text() { tr -d '\r' | sed -E 's/"file":"[^"]*[\\/]([^"\\/]*)"/"file":"\1"/g'; }

wine "$exe" dump | text >"$work/windows.json"
"$native/bin/songbook" dump | text >"$work/native.json"
cmp -s "$work/windows.json" "$work/native.json" || fail "the dumps differ: $(diff "$work/native.json" "$work/windows.json" | head -5)"
grep -q '"artistName":"Őszi Zenekar"' "$work/windows.json" || fail "no Őszi Zenekar in the dump"

# One songbook named on the command line, then every songbook into a folder of accented names.
wine "$exe" export --artist "Őszi Zenekar" -o "$(windows_path "$work/Őszi.rtf")" >/dev/null
"$native/bin/songbook" export --artist "Őszi Zenekar" -o "$work/native-Őszi.rtf" >/dev/null
cmp -s "$work/Őszi.rtf" "$work/native-Őszi.rtf" || fail "the exported songbooks differ"
wine "$exe" export --all -o "$(windows_path "$work/Mind ű")" >/dev/null
"$native/bin/songbook" export --all -o "$work/native ű" >/dev/null
diff -r "$work/Mind ű" "$work/native ű" >/dev/null || fail "the exported folders differ: $(diff -rq "$work/Mind ű" "$work/native ű" | head -3)"
[[ -f "$work/Mind ű/Őszi Zenekar.rtf" ]] || fail "no Őszi Zenekar.rtf among $(ls "$work/Mind ű")"

# Without Qt there is no PDF: songbook.exe says so and writes nothing.
status=0
wine "$exe" export --artist "Őszi Zenekar" -o "$(windows_path "$work/Őszi.pdf")" 2>"$work/pdf.txt" >/dev/null || status=$?
[[ $status -eq 1 && ! -e "$work/Őszi.pdf" ]] || fail "a PDF export ended with $status"
grep -q '^songbook: PDF export needs the Qt build of songbook' "$work/pdf.txt" || fail "PDF export: $(cat "$work/pdf.txt")"

# The real key: what reg.exe stores there is what songbook.exe reads and renders with.
wine reg add 'HKEY_CURRENT_USER\Software\Cantorix\Fonts\Title' /v Name /t REG_SZ /d "Bő Betű" /f >/dev/null
wine "$exe" settings | tr -d '\r' >"$work/settings.txt"
grep -q '^registry key: HKEY_CURRENT_USER\\Software\\Cantorix$' "$work/settings.txt" || fail "$(head -1 "$work/settings.txt")"
grep -q 'Fonts\\Title\\Name  *"Bő Betű"  *stored "Bő Betű"' "$work/settings.txt" || fail "the stored name is not read"
wine "$exe" export --artist "Őszi Zenekar" -o "$(windows_path "$work/betű.rtf")" >/dev/null
grep -qF 'B\u337'"\\'"'f5 Bet\u369'"\\'"'fb;' "$work/betű.rtf" || fail "the exported songbook does not use the stored font"
wine reg add 'HKEY_CURRENT_USER\Software\Cantorix\Fonts\Title' /v Size /t REG_DWORD /d 30 /f >/dev/null
wine "$exe" settings 2>"$work/errors.txt" >/dev/null
grep -q "Invalid data type for 'Size'" "$work/errors.txt" || fail "a REG_DWORD size was read: $(cat "$work/errors.txt")"
wine reg delete 'HKEY_CURRENT_USER\Software\Cantorix' /f >/dev/null

echo "windows-smoke: songbook.exe dump, export and settings under Wine agree with the native songbook; PDF is refused"
