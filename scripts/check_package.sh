#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it as a technician
# would meet it:
#   bash scripts/check_package.sh BUILD_FOLDER VERSION
# the package's name, its dependencies taken from the program's libraries,
# lintian, the menu entry, the AppStream description, and the program
# unpacked into a folder of its own finding its interval file there.
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2

for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: bash scripts/setup.sh installs it" >&2; exit 1; }
done

cd "$build"
deb="kolven_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
cpack -G DEB >cpack.log || { cat cpack.log >&2; exit 1; }
[ -f "$deb" ] || { echo "cpack did not make $deb" >&2; cat cpack.log >&2; exit 1; }
echo "made $deb ($(du -h "$deb" | cut -f1))"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'libqt6widgets6' <<<"$depends" || { echo "the dependencies do not come from the program's libraries" >&2; exit 1; }

lintian --fail-on error --tag-display-limit 0 "$deb"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
entries=("$unpacked"/usr/share/applications/*.desktop)
descriptions=("$unpacked"/usr/share/metainfo/*.metainfo.xml)
[ ${#entries[@]} -eq 1 ] && [ ${#descriptions[@]} -eq 1 ] ||
  { echo "one menu entry and one AppStream description expected" >&2; exit 1; }
desktop-file-validate "${entries[0]}"
appstreamcli validate --no-net "${descriptions[0]}"

# Started from a folder without the interval file, the unpacked program must
# read the whole of the one it carries in its data folder.
expected="KOLVEN_11.KVL : $(wc -w <bin/KOLVEN_11.KVL) intervalles lus dans $unpacked/usr/share/kolven/KOLVEN_11.KVL"
said=$(cd "$unpacked" && ./usr/bin/kolven --check)
echo "$said"
[ "$said" = "$expected" ] || { echo "expected: $expected" >&2; exit 1; }
[ "$("$unpacked/usr/bin/kolven" --version)" = "kolven $version" ]
echo "package checked"
