#!/usr/bin/env bash
# Imports every file of the shared contact-file corpus into an empty base of its own with
# the built program and prints one Markdown row per file: the program's own counts, the
# encoding it chose and the first record as the base keeps it (read back by an export).
# Usage: scripts/corpus-table.sh [CORPUS_FOLDER]   (needs build/kalmo)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
corpus="$(cd "${1:-$here/../shared/corpus}" && pwd)"
kalmo="$here/build/kalmo"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
echo "| File | Contacts | Encoding | Added | Skipped | Cut | First record: ФИО / телефон |"
echo "|---|---|---|---|---|---|---|"
find "$corpus" -type f ! -name README.md | LC_ALL=C sort |
    while read -r file; do
        base="$work/base"
        rm -rf "$base" && mkdir -p "$base" "$HOME"
        name="${file#"$corpus"/}"
        if ! out="$(cd "$base" && "$kalmo" --import "$file" 2>&1)"; then
            echo "| $name | error: $(echo "$out" | tr '\n' ' ') | | | | | |"
            continue
        fi
        contacts="$(echo "$out" | sed -n 's/.*контактов \([0-9]*\), кодировка \(.*\)\.$/\1/p')"
        encoding="$(echo "$out" | sed -n 's/.*контактов [0-9]*, кодировка \(.*\)\.$/\1/p')"
        counts="$(echo "$out" | sed -n 's/^Добавлено: \([0-9]*\)\. Пропущено как возможные дубликаты: \([0-9]*\)\. Сохранено не полностью: \([0-9]*\)\.$/\1 | \2 | \3/p')"
        first=""
        if [ -f "$base/Baza.dat" ] && [ "$(stat -c %s "$base/Baza.dat")" -gt 0 ]; then
            (cd "$base" && "$kalmo" --export first.csv --encoding UTF-8 > /dev/null 2>&1) || true
            first="$(python3 - "$base/first.csv" <<'PY'
import csv, sys
with open(sys.argv[1], encoding="utf-8-sig", newline="") as f:
    rows = list(csv.reader(f))
print(" / ".join(rows[1][i] for i in (0, 2)).replace("|", "\\|") if len(rows) > 1 else "")
PY
)"
        fi
        echo "| $name | $contacts | $encoding | $counts | $first |"
    done
