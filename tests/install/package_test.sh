#!/usr/bin/env bash
# Makes the Debian package as a teacher's administrator would, checks what
# apt and dpkg read from it (its control fields, its files and their modes),
# then unpacks it into a temporary folder and uses the unpacked program on a
# sample class.
# package_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1
source=$2
version=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

deb=$build/quorle_${version}_amd64.deb
rm -f "$build"/quorle_*_amd64.deb
cmake --build "$build" --target package >"$tmp/package.log" 2>&1 ||
  { cat "$tmp/package.log" >&2; fail "the package could not be made"; }
[[ -f $deb ]] || fail "no $(basename "$deb") was made"

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == quorle ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)'"
[[ $(field Architecture) == amd64 ]] || fail "Architecture is '$(field Architecture)'"
[[ $(field Section) == education ]] || fail "Section is '$(field Section)'"
[[ $(field Priority) == optional ]] || fail "Priority is '$(field Priority)'"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\ ]+@[^@\ ]+\.[a-z]+\>$ ]] ||
  fail "Maintainer '$(field Maintainer)' is not a name and an address"
[[ -z $(field Homepage) ]] || fail "the package names a homepage"
description=$(field Description)
[[ $(head -n1 <<<"$description") == "gradebook for classroom teachers" ]] ||
  fail "the synopsis is '$(head -n1 <<<"$description")'"
(($(wc -l <<<"$description") > 3)) || fail "no extended description"
[[ $(dpkg-deb -I "$deb") =~ [[:space:]]md5sums[[:space:]] ]] || fail "no md5sums in the control archive"

# Depends, as dpkg-shlibdeps worked it out: the Qt libraries the program links,
# each with a least version, and nothing but them, zlib (the PDF writer's
# compression) and the C and C++ runtimes; and the font the reports are laid
# out in.
depends=$(field Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 zlib1g libc6 libstdc++6; do
  grep -Eq "(^|, )${lib//+/\\+} \(>= [0-9][^)]*\)(,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
grep -Eq "(^|, )fonts-liberation(,|$)" <<<"$depends" || fail "Depends lacks fonts-liberation: $depends"
tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | while read -r dep; do
  [[ $dep =~ ^(libqt6[a-z]+6|zlib1g|libc6|libgcc-s1|libstdc\+\+6|fonts-liberation)$ ]] || fail "Depends names $dep: $depends"
done

# The files: the program, its windowed module, its shipped files, the desktop entry, icon, class
# file type, manual page and the package's documents, all owned by root with
# the usual modes, and nothing else.
dpkg-deb -c "$deb" >"$tmp/contents"
awk '$1 !~ /^d/ { print $6 }' "$tmp/contents" | sort >"$tmp/files"
expected=(
  ./usr/bin/quorle
  ./usr/lib/quorle/qt/quorle-qt.so
  ./usr/share/applications/quorle.desktop
  ./usr/share/doc/quorle/changelog.gz
  ./usr/share/doc/quorle/copyright
  ./usr/share/icons/hicolor/scalable/apps/quorle.svg
  ./usr/share/man/man1/quorle.1.gz
  ./usr/share/mime/packages/quorle.xml
)
# The shipped files, as the build staged them for installing.
for f in QUORLE.SYS QUORLE.OPT QUORLE.POP quorle.prg quorle.wrn quorle.low help/contents.html; do
  [[ -f $build/shipped/$f ]] || fail "the build staged no $f to ship"
done
while IFS= read -r f; do
  expected+=("./usr/share/quorle/$f")
done < <(cd "$build/shipped" && find . -type f -printf '%P\n')
diff <(printf '%s\n' "${expected[@]}" | sort) "$tmp/files" >"$tmp/files.diff" ||
  { cat "$tmp/files.diff" >&2; fail "the package's files are not the program's (< missing, > extra)"; }
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' "$tmp/contents" ||
  fail "files not owned by root"
awk '($1 ~ /^d/ && $1 != "drwxr-xr-x") || ($6 == "./usr/bin/quorle" && $1 != "-rwxr-xr-x") ||
     ($1 ~ /^-/ && $6 != "./usr/bin/quorle" && $1 != "-rw-r--r--") { print; bad = 1 } END { exit bad }' \
  "$tmp/contents" || fail "files or folders with unusual modes"

# Unpacked, it is the program: stripped, documented, and showing and printing
# a class as the built program does, with no program directory set.
root=$tmp/root
dpkg-deb -x "$deb" "$root"
[[ $(file -b "$root/usr/bin/quorle") == *", stripped"* ]] || fail "the program is not stripped"
[[ $(gzip -dc "$root/usr/share/doc/quorle/changelog.gz" | head -n1) == "quorle ($version) "* ]] ||
  fail "the changelog does not begin with this version"
gzip -t "$root/usr/share/man/man1/quorle.1.gz" || fail "the manual page is not gzip"
grep -q 'Quorle developers' "$root/usr/share/doc/quorle/copyright" || fail "no copyright notice"

unset QUORLE_DIR
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config QUORLE_NO_SPLASH=1
mkdir -p "$HOME"
class=$tmp/Biology.gdr
cp "$source/examples/biology.gdr" "$class"
"$root/usr/bin/quorle" show "$class" >"$tmp/show" || fail "the unpacked program could not show the class"
"$build/bin/quorle" show "$class" | diff - "$tmp/show" >/dev/null ||
  fail "the unpacked program shows the class differently"
"$root/usr/bin/quorle" print grades "$class" -o "$tmp/grades.pdf" 2>"$tmp/stderr" ||
  { cat "$tmp/stderr" >&2; fail "the unpacked program could not print the grades report"; }
[[ $(head -c 5 "$tmp/grades.pdf") == %PDF- ]] || fail "the grades report is not a PDF"
[[ -f $XDG_CONFIG_HOME/quorle/QUORLE.SYS ]] || fail "the shipped settings were not copied into the teacher's folder"
echo "package $(basename "$deb") works"
