#!/usr/bin/env bash
# Regenerates the command reference in docs/command-reference.md from the
# help texts of the veltrum program: the program's help, then each
# command's, between the two marker lines of the page.
#
#   scripts/cli-reference.sh build/bin/veltrum [docs/command-reference.md]
set -euo pipefail
# in English, whatever language the caller's environment names
export LC_ALL=C.UTF-8
bin=$1
readme=${2:-docs/command-reference.md}
begin='<!-- command reference: written by scripts/cli-reference.sh from the help texts -->'
end='<!-- end of the command reference -->'

grep -qxF "$begin" "$readme" && grep -qxF "$end" "$readme" || {
    echo "cli-reference: $readme lacks the marker lines" >&2
    exit 1
}

ref=$(mktemp)
new=$(mktemp)
trap 'rm -f "$ref" "$new"' EXIT
{
    echo "$begin"
    echo
    echo '```'
    "$bin" --help
    echo '```'
    # command names stand in the "Commands:" block, two blanks in, followed
    # by two or more blanks and the summary
    "$bin" --help | awk '/^Commands:/ { on = 1; next } on && /^$/ { exit } on { print }' |
        sed -n 's/^  \([^ ]\([^ ]\| [^ ]\)*\)  .*/\1/p' | grep -v '^help ' |
        while read -r name; do
            echo
            echo "## veltrum $name"
            echo
            echo '```'
            # shellcheck disable=SC2086 # "dat to-xml" is two words
            "$bin" help $name
            echo '```'
        done
    echo
    echo "$end"
} >"$ref"

awk -v begin="$begin" -v end="$end" -v ref="$ref" '
    $0 == begin { while ((getline line < ref) > 0) print line; skip = 1; next }
    $0 == end { skip = 0; next }
    !skip { print }
' "$readme" >"$new"
cat "$new" >"$readme"
