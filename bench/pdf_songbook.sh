#!/usr/bin/env bash
# A songbook of 2,000 generated songs (or $1) to PDF with contents and page
# numbers, as "songbook export" writes it, against the same songs in
# ChordPro through chordii (to PostScript) and ps2pdf, in one run; prints
# the times, the peak memory and the ratios. Needs a release build and the
# Debian packages chordii, ghostscript and time (not installed by the
# project: a comparison only).
set -euo pipefail
cd "$(dirname "$0")/.."
songs=${1:-2000}
bin=${VIVIRA_BIN:-build/release/bin}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/generate_corpus" "$work/data" 1 "$songs" >/dev/null

# Verses with chords become ChordPro's chords in brackets, each at its column.
python3 - "$work/data"/*.txt >"$work/book.cho" <<'PY'
import sys
lines = open(sys.argv[1], encoding="cp852").read().splitlines()
kind, pending = None, None
def inline(chords, text):
    out, at = "", 0
    for column, chord in sorted((i, w) for i, w in enumerate(chords) if w != " " and (i == 0 or chords[i-1] == " ")):
        name = chords[column:].split(" ")[0]
        out += text[at:column] + "[" + name + "]"
        at = column
    return out + text[at:]
for line in lines:
    if line.startswith(".title "):
        print("{new_song}\n{title:" + line[7:] + "}")
    elif line.startswith(".authors "):
        print("{subtitle:" + line[9:] + "}")
    elif line.startswith("."):
        kind, pending = line[1:], None
        print()
    elif kind == "defverse":
        if pending is None:
            pending = line
        else:
            print(inline(pending, line.ljust(len(pending))))
            pending = None
    elif kind in ("verse", "normal"):
        print(line)
PY

measure() { # label, command...: prints "label seconds peak-MB"
    local label=$1; shift
    /usr/bin/time -f "$label %e %M" -o "$work/time" "$@" >/dev/null 2>&1
    awk '{ printf "%-28s %6.2f s %6.0f MB\n", $1, $2, $3 / 1024 }' "$work/time"
    awk '{ print $2 }' "$work/time" >"$work/$label.s"
}

measure songbook_pdf "$bin/songbook" export --data "$work/data" --all --pdf --toc --page-numbers -o "$work/out"
measure chordii_ps chordii --toc -P a4 -o "$work/book.ps" "$work/book.cho"
measure ps2pdf ps2pdf "$work/book.ps" "$work/book.pdf"
pages=$(pdfinfo "$work"/out/*.pdf | awk '/^Pages:/ { print $2 }')
echo "songbook: $songs songs, $pages pages; chordii: $(pdfinfo "$work/book.pdf" | awk '/^Pages:/ { print $2 }') pages"
awk -v ours="$(cat "$work/songbook_pdf.s")" -v ps="$(cat "$work/chordii_ps.s")" -v pdf="$(cat "$work/ps2pdf.s")" \
    'BEGIN { printf "songbook / chordii to PostScript: %.2f\nsongbook / (chordii + ps2pdf): %.3f\ntarget: under 3 s, 200 MB\n", ours / ps, ours / (ps + pdf) }'
