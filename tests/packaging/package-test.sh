#!/usr/bin/env bash
# Builds the package of the existing build, checks what it holds, unpacks
# it into a temporary root and runs the programs from there: the version, a
# demo installation, reports in English and German, a PDF, the back office
# window (offscreen) with its module, the manual pages.
#
#   package-test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
for tool in dpkg-deb dpkg-shlibdeps cpack; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (scripts/deps.sh installs dpkg-dev)"
        exit 77
    fi
done
lintian=--no-lintian
if command -v lintian >/dev/null; then lintian=; else echo "note: lintian is missing, not run"; fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

bash "$src/scripts/package.sh" --build "$build" --out "$tmp/out" $lintian >"$tmp/package.txt" 2>&1 ||
    { cat "$tmp/package.txt"; fail "scripts/package.sh"; }
deb=$(tail -1 "$tmp/package.txt")
[ -f "$deb" ] || { cat "$tmp/package.txt"; fail "no package named on the last line"; }
echo "package: $deb"

# what it holds
dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$tmp/files"
for file in /usr/bin/veltrum /usr/bin/veltrum-office /usr/lib/veltrum/bin/veltrum \
            /usr/lib/veltrum/bin/veltrum-office /usr/lib/veltrum/bin/translations \
            /usr/lib/veltrum/lib/libveltrum.so /usr/lib/veltrum/lib/libhost.so \
            /usr/lib/veltrum/lib/libveltrumpe.so /usr/lib/veltrum/plugins/VUrazEdad \
            /usr/lib/veltrum/reports /usr/share/veltrum/translations/veltrum_de.qm \
            /usr/share/veltrum/reports/articles.vrt /usr/share/man/man1/veltrum.1.gz \
            /usr/share/man/man1/veltrum-office.1.gz /usr/share/man/de/man1/veltrum.1.gz \
            /usr/share/applications/veltrum-office.desktop \
            /usr/share/icons/hicolor/scalable/apps/veltrum-office.svg \
            /usr/share/doc/veltrum/copyright /usr/share/doc/veltrum/changelog.gz \
            /usr/share/doc/veltrum/examples/mail.ini /etc/veltrum/mail.ini \
            /usr/lib/systemd/system/veltrum-closing@.service \
            /usr/lib/systemd/system/veltrum-closing@.timer \
            /usr/lib/systemd/system/veltrum-mail.service \
            /usr/lib/systemd/system/veltrum-mail.timer \
            /usr/lib/systemd/system/veltrum-serve.service /usr/lib/sysusers.d/veltrum.conf; do
    grep -qxF "$file" "$tmp/files" || fail "the package lacks $file"
done
if grep -q '^/usr/share/veltrum/translations/.*\.ts$\|/usr/include/\|\.a$' "$tmp/files"; then
    fail "the package holds sources or static libraries"
fi
# computed, not listed by hand: the Qt libraries the programs link
depends=$(dpkg-deb --field "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libc6; do
    [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb --ctrl-tarfile "$deb" | tar -xOf - ./conffiles)" = /etc/veltrum/mail.ini ] ||
    fail "the configuration is not a conffile"
version=$(dpkg-deb --field "$deb" Version)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+([~+]git[0-9]+\.g[0-9a-f]+)?(\.dirty)?$ ]] ||
    fail "version '$version' is not of the documented scheme"

root=$tmp/root
dpkg-deb -x "$deb" "$root"
# nothing may point back into the build
while read -r elf; do
    if readelf -d "$elf" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
        fail "$elf searches its libraries in the build tree"
    fi
done < <(find "$root/usr/lib/veltrum" -type f)

# every user and group a unit runs as is one the package makes (sysusers)
sysusers=$root/usr/lib/sysusers.d/veltrum.conf
for unit in "$root"/usr/lib/systemd/system/*; do
    for name in $(sed -n 's/^\(User\|Group\|SupplementaryGroups\)=//p' "$unit"); do
        grep -Eq "^[ug][[:space:]]+$name[[:space:]]" "$sysusers" ||
            fail "$(basename "$unit") runs as '$name', which the package's sysusers.conf does not make"
    done
done

# run with an environment of its own, in a folder of its own, away from
# the build tree
export HOME=$tmp/home LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$tmp/run
unset LANG LANGUAGE LC_MESSAGES LD_LIBRARY_PATH
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$tmp"
veltrum=$root/usr/bin/veltrum
# the same program as the build's
version_text=$("$veltrum" --version) || fail "veltrum --version"
[ -n "$version_text" ] && [ "$version_text" = "$("$build/bin/veltrum" --version)" ] ||
    fail "veltrum --version printed '$version_text'"
"$veltrum" demo "$tmp/inst" --days 2 --tables 10 --today 2026-12-05 >/dev/null ||
    fail "veltrum demo"
now=(--now 2026-12-05T21:00:00)
"$veltrum" report --data "$tmp/inst" --kind 7 "${now[@]}" >"$tmp/en.txt" || fail "veltrum report"
grep -q '^Sum articles:' "$tmp/en.txt" || fail "the report lacks its sum: $(cat "$tmp/en.txt")"
"$veltrum" report --data "$tmp/inst" --kind 7 "${now[@]}" --lang de >"$tmp/de.txt" ||
    fail "veltrum report --lang de"
cmp -s "$tmp/en.txt" "$tmp/de.txt" && fail "the German report is the English one: translations not found"
"$veltrum" report --data "$tmp/inst" --kind 5 --from 2026-12-03 --to 2026-12-04 --format pdf \
    --output "$tmp/waiters.pdf" || fail "veltrum report --format pdf"
[ "$(head -c 5 "$tmp/waiters.pdf")" = "%PDF-" ] || fail "no PDF written"
# the window loads its module from the unpacked tree
"$root/usr/bin/veltrum-office" --data "$tmp/inst" --screenshot "$tmp/office.png" ||
    fail "veltrum-office --screenshot"
[ -s "$tmp/office.png" ] || fail "the back office drew no window"

# veltrum(1) has a section for every command of the help
commands=$("$veltrum" --help | awk '/^Commands:/ { on = 1; next } on && /^$/ { exit } on { print }' |
           grep -c '^  [a-z]' || true)
sections=$(zcat "$root/usr/share/man/man1/veltrum.1.gz" | grep -c '^\.SS ' || true)
[ "$sections" = $((commands - 1)) ] || fail "veltrum(1) has $sections command sections for $commands commands"
# read whole before grep -q looks: an early exit of grep would fail zcat
# with SIGPIPE under pipefail
zcat "$root/usr/share/man/de/man1/veltrum.1.gz" >"$tmp/veltrum-de.1" || fail "German veltrum(1) unreadable"
grep -q '^\.SH BEFEHLE' "$tmp/veltrum-de.1" || fail "German veltrum(1)"

# the systemd units as systemd reads them, an instance for the templates,
# ExecStart pointing into the unpacked tree
verify_units() {
    systemd-analyze verify --man=no "$@" 2>&1
}
if ! command -v systemd-analyze >/dev/null; then
    echo "note: systemd-analyze is missing (scripts/deps.sh installs systemd): the units were not verified"
else
    mkdir -p "$tmp/units"
    printf '[Unit]\nDescription=probe\n[Service]\nType=oneshot\nExecStart=/bin/true\n' \
        >"$tmp/units/veltrum-probe.service"
    if ! probe=$(verify_units "$tmp/units/veltrum-probe.service"); then
        echo "note: systemd-analyze verify cannot run here ($probe): the units were not verified"
    else
        for unit in "$root"/usr/lib/systemd/system/*; do
            sed "s|/usr/bin/veltrum|$root/usr/bin/veltrum|" "$unit" >"$tmp/units/$(basename "$unit")"
        done
        verify_units "$tmp/units/veltrum-closing@trattoria.service" \
            "$tmp/units/veltrum-closing@trattoria.timer" "$tmp/units/veltrum-mail.service" \
            "$tmp/units/veltrum-mail.timer" "$tmp/units/veltrum-serve.service" ||
            fail "systemd-analyze verify found faults in the units"
        # and it does find them
        sed -i 's/^OnCalendar=.*/OnCalendar=every full moon/' "$tmp/units/veltrum-mail.timer"
        verify_units "$tmp/units/veltrum-mail.timer" >/dev/null &&
            fail "systemd-analyze verify took a timer without a schedule"
        echo "units verified"
    fi
fi
echo "ok: $(wc -l <"$tmp/files") files, version $version"
