#!/usr/bin/env bash
# Builds the Debian package of Veltrum from an existing build (it does not
# build: run scripts/build.sh first), checks it with lintian and lists its
# contents.
#
#   scripts/package.sh [--build DIR] [--out DIR] [--no-lintian]
#
# The package is made by CPack's DEB generator from the install rules
# (packaging/CMakeLists.txt); dpkg-shlibdeps computes the library
# dependencies. The version comes from the git tags:
#   v4.2.0 on the commit            -> 4.2.0
#   12 commits after v4.2.0         -> 4.2.0+git12.gabc1234
#   no tag yet, project version 4.1.7 in CMakeLists.txt, 850 commits
#                                   -> 4.1.7~git850.gabc1234
# (before the release of 4.1.7, which its tag v4.1.7 makes); a tree with
# uncommitted changes adds ".dirty". Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
out=
lintian=yes
while [ $# -gt 0 ]; do
    case $1 in
    --build) build=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --no-lintian) lintian=no; shift ;;
    *) echo "package: unknown argument '$1'" >&2; exit 2 ;;
    esac
done
out=${out:-$build/package}
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "package: $tool is missing (scripts/deps.sh installs it)" >&2; exit 1; }
done
for file in "$build/CPackConfig.cmake" "$build/bin/veltrum" "$build/bin/veltrum-office" \
            "$build/packaging/man/veltrum.1.gz"; do
    [ -e "$file" ] || { echo "package: $file is missing: build first (scripts/build.sh)" >&2; exit 1; }
done

version_of() {
    local described project count
    if described=$(git describe --tags --long --match 'v[0-9]*' 2>/dev/null); then
        # v4.2.0-12-gabc1234
        local tag=${described%-*-g*} rest=${described#"${described%-*-g*}"-}
        count=${rest%%-*}
        tag=${tag#v}
        if [ "$count" = 0 ]; then echo "$tag"; else echo "$tag+git$count.${rest#*-}"; fi
    else
        project=$(sed -n 's/^project(Veltrum VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
        count=$(git rev-list --count HEAD 2>/dev/null || echo 0)
        echo "$project~git$count.g$(git rev-parse --short=7 HEAD 2>/dev/null || echo unknown)"
    fi
}
version=$(version_of)
if [ -n "$(git status --porcelain --untracked-files=no 2>/dev/null)" ]; then
    version=$version.dirty
fi

mkdir -p "$out"
out=$(cd "$out" && pwd)
# the changelog of a native package: this version, made from this commit
maintainer=$(sed -n 's/^set(CPACK_PACKAGE_CONTACT "\(.*\)")$/\1/p' packaging/cpack.cmake)
{
    echo "veltrum ($version) unstable; urgency=medium"
    echo
    echo "  * Built from commit $(git rev-parse --short=12 HEAD 2>/dev/null || echo unknown)."
    echo
    echo " -- $maintainer  $(date -R -d "@$(git log -1 --format=%ct 2>/dev/null || date +%s)")"
} | gzip -9n >"$build/packaging/changelog.gz"
log=$out/cpack.log
if ! cpack --config "$build/CPackConfig.cmake" -B "$out" \
        -D CPACK_PACKAGE_VERSION="$version" >"$log" 2>&1; then
    cat "$log" >&2
    echo "package: cpack failed (log $log)" >&2
    exit 1
fi
deb=$(ls -t "$out"/veltrum_"$version"_*.deb | head -1)
rm -rf "$out/_CPack_Packages"

echo "== $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends
echo "== contents"
dpkg-deb --contents "$deb" | awk '{ $2 = $4 = $5 = ""; print }' | tr -s ' '
if [ $lintian = yes ]; then
    command -v lintian >/dev/null || { echo "package: lintian is missing (scripts/deps.sh installs it)" >&2; exit 1; }
    echo "== lintian"
    # errors fail; the warnings that stay are listed and justified in docs/install.md
    lintian --fail-on error --tag-display-limit 0 "$deb" || {
        echo "package: lintian found errors in $deb" >&2
        exit 1
    }
fi
echo "$deb"
