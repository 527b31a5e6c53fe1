#!/usr/bin/env bash
# Brings the catalogues in translations/ up to date with the sources: new
# texts are added (marked unfinished until translated), texts that are gone
# are dropped. translations/veltrum_de.ts gets every text, veltrum_en.ts
# only those with plural forms. Translate the unfinished entries of
# veltrum_de.ts afterwards (Qt Linguist, or by hand: fill <translation> and
# drop type="unfinished").
#
#   scripts/translations.sh [--into DIR] [LUPDATE]
#
# --into DIR updates copies in DIR and leaves translations/ alone (the
# tests do so to find untranslated texts); lupdate's messages about texts
# it cannot place go to standard error.
set -euo pipefail
cd "$(dirname "$0")/.."
into=translations
if [ "${1:-}" = "--into" ]; then
    into=$2
    shift 2
    cp translations/veltrum_de.ts translations/veltrum_en.ts "$into"/
fi
lupdate=${1:-$(qtpaths6 --query QT_HOST_BINS 2>/dev/null || echo /usr/lib/qt6/bin)/lupdate}

# every folder of sources; tests, benchmarks and tools show no texts
sources=()
for dir in */; do
    case "${dir%/}" in
    tests | bench | scripts | docs | translations | build | build-*) ;;
    *) sources+=("${dir%/}") ;;
    esac
done

common=(-locations none -no-obsolete -no-ui-lines -extensions cpp,h)
"$lupdate" -silent "${common[@]}" "${sources[@]}" -ts "$into/veltrum_de.ts"
"$lupdate" -silent "${common[@]}" -pluralonly "${sources[@]}" -ts "$into/veltrum_en.ts"
