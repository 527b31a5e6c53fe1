#!/usr/bin/env bash
# Writes the manual page veltrum(1) from the help texts of the veltrum
# program, the same texts that scripts/cli-reference.sh puts into the
# command reference (docs/command-reference.md): the program's help as the
# description, then every command's help as a section of its own.
#
#   scripts/man-page.sh build/bin/veltrum en|de OUTPUT
set -euo pipefail
bin=$1
lang=$2
output=$3
case $lang in
en) export LC_ALL=C.UTF-8
    h_name=NAME h_synopsis=SYNOPSIS h_description=DESCRIPTION h_commands=COMMANDS
    h_files=FILES h_see=SEE\ ALSO
    files='.TP\n.I /etc/veltrum/NAME.conf\nAn installation that the timers serve: its directory, the closing and its delay.\n.TP\n.I /etc/veltrum/mail.ini\nThe SMTP server and the jobs of veltrum mail.\n.TP\n.I /usr/share/doc/veltrum/\nThe examples of both.' ;;
de) export LC_ALL=C.UTF-8
    h_name=BEZEICHNUNG h_synopsis=ÜBERSICHT h_description=BESCHREIBUNG h_commands=BEFEHLE
    h_files=DATEIEN h_see=SIEHE\ AUCH
    files='.TP\n.I /etc/veltrum/NAME.conf\nEine Installation, die die Timer bedienen: ihr Verzeichnis, der Abschluss und seine Verzögerung.\n.TP\n.I /etc/veltrum/mail.ini\nDer SMTP-Server und die Aufträge von veltrum mail.\n.TP\n.I /usr/share/doc/veltrum/\nDie Beispiele zu beiden.' ;;
*) echo "man-page: unknown language '$lang' (en|de)" >&2; exit 2 ;;
esac

help() { "$bin" --lang "$lang" "$@"; }

# roff of one help text: the usage block as it is, paragraphs filled, the
# lists ("Options:", "Exit codes:", "Commands:") as tagged paragraphs
to_roff() {
    awk -v usage="${1:-1}" '
    function esc(s) {
        gsub(/\\/, "\\e", s)
        if (s ~ /^[.\047]/) s = "\\&" s
        return s
    }
    function flush_para() { if (para != "") { print ".PP"; print esc(para); para = "" } }
    function flush_item() {
        if (term != "") {
            print ".TP"
            t = esc(term); gsub(/-/, "\\-", t)
            print "\\fB" t "\\fR"
            print esc(desc)
        }
        term = ""; desc = ""
    }
    usage && NR == 1 { print ".nf" }
    usage && /^$/ { print ".fi"; usage = 0; next }
    usage { l = esc($0); gsub(/-/, "\\-", l); print l; next }
    /^$/ { flush_para(); flush_item(); next }
    /^[^ ].*:$/ { flush_para(); flush_item(); list = 1; print ".PP"; print "\\fB" esc($0) "\\fR"; next }
    list && /^ / {
        match($0, /^ */)
        if (RLENGTH >= 6) { sub(/^ +/, ""); desc = desc (desc == "" ? "" : " ") $0; next }
        flush_item()
        sub(/^ +/, "")
        if (match($0, /  +/)) { term = substr($0, 1, RSTART - 1); desc = substr($0, RSTART + RLENGTH) }
        else { term = $0; desc = "" }
        next
    }
    { list = 0; flush_item(); para = para (para == "" ? "" : " ") $0 }
    END { flush_para(); flush_item(); if (usage) print ".fi" }
    '
}

main_help=$(help --help)
summary=$(printf '%s\n' "$main_help" | awk 'seen && NF { print; exit } /^$/ { seen = 1 }')
names=$(printf '%s\n' "$main_help" | awk '/^[^ ].*:$/ && !done { on = 1; next } on && /^$/ { on = 0; done = 1 } on { print }' |
        sed -n 's/^  \([^ ]\([^ ]\| [^ ]\)*\)  .*/\1/p' | grep -v '^help ')

tmp=$(mktemp "$output.XXXXXX")
trap 'rm -f "$tmp"' EXIT
{
    echo '.\" Written by scripts/man-page.sh from the help texts of veltrum; do not edit.'
    echo ".TH VELTRUM 1 \"\" \"Veltrum\" \"Veltrum\""
    echo ".SH $h_name"
    echo "veltrum \\- ${summary,}" | sed 's/\.$//'
    echo ".SH $h_synopsis"
    # the usage lines without their heading word and alignment
    printf '%s\n' "$main_help" | awk '/^$/ { exit } { print }' |
        sed -e '1s/^[^ ]*: *//' -e '2,$s/^ *//' | to_roff 1
    echo ".SH $h_description"
    printf '%s\n' "$main_help" | awk 'go { print } /^$/ { go = 1 }' | to_roff 0
    echo ".SH $h_commands"
    while read -r name; do
        echo ".SS \"veltrum $name\""
        # shellcheck disable=SC2086 # "dat to-xml" is two words
        help help $name | to_roff
    done <<<"$names"
    echo ".SH $h_files"
    printf '%b\n' "$files"
    echo ".SH $h_see"
    echo ".BR veltrum\\-office (1),"
    echo ".BR systemctl (1),"
    echo ".BR systemd.timer (5)"
} >"$tmp"
chmod 644 "$tmp"
mv "$tmp" "$output"
trap - EXIT
