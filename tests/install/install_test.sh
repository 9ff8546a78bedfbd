#!/usr/bin/env bash
# Installs the built program into a temporary prefix and uses it as a teacher's
# desktop would: the files in their places, the class file type, the settings
# copied into the teacher's own folder, and the program started on a class from
# the desktop entry's command line.
# install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/quorle share/quorle/QUORLE.SYS share/quorle/QUORLE.OPT share/quorle/quorle.prg \
         share/quorle/quorle.low share/quorle/help/contents.html share/applications/quorle.desktop \
         share/icons/hicolor/scalable/apps/quorle.svg share/mime/packages/quorle.xml; do
  [[ -f $prefix/$f ]] || fail "$f was not installed"
done

module=$(find "$prefix" -name quorle-qt.so -type f)
[[ -n $module && ! -x $module ]] || fail "the windowed module was not installed, or installed executable"

desktop=$prefix/share/applications/quorle.desktop
grep -qx 'MimeType=application/x-quorle-class;' "$desktop" || fail "the desktop entry does not open class files"
grep -q 'type="application/x-quorle-class"' "$prefix/share/mime/packages/quorle.xml" || fail "no class file type"
grep -q 'value="Quorle95"' "$prefix/share/mime/packages/quorle.xml" || fail "class files not known by their magic"

# A teacher with no settings yet and no program directory set.
unset QUORLE_DIR
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config QUORLE_NO_SPLASH=1
mkdir -p "$HOME"
class=$tmp/classes/Biology.GDR
mkdir -p "$tmp/classes"
cp "$source/examples/biology.gdr" "$class"

# Headless, the installed program shows what the built one shows.
diff <("$prefix/bin/quorle" show "$class") <("$build/bin/quorle" show "$class") >/dev/null ||
  fail "the installed program shows the class differently"
# A report that reads the shipped letter template finds it in the teacher's folder.
"$prefix/bin/quorle" print progress "$class" -o "$tmp/progress.pdf" 2>/dev/null ||
  fail "the installed program could not print progress reports"
[[ -s $tmp/progress.pdf ]] || fail "no progress reports printed"
for f in QUORLE.SYS QUORLE.OPT QUORLE.POP quorle.prg quorle.wrn quorle.low; do
  [[ -f $XDG_CONFIG_HOME/quorle/$f ]] || fail "$f was not copied into the teacher's settings folder"
done
# The teacher's own settings are never replaced by the shipped ones.
printf 'mine' > "$XDG_CONFIG_HOME/quorle/quorle.low"
"$prefix/bin/quorle" print progress "$class" -o "$tmp/progress.pdf" 2>/dev/null || true
[[ $(cat "$XDG_CONFIG_HOME/quorle/quorle.low") == mine ]] || fail "a teacher's own settings file was replaced"

# Without its windowed module the program still shows a class; a printout
# and the window each say what is missing, and leave nothing behind.
alone=$tmp/alone
mkdir -p "$alone"
cp "$prefix/bin/quorle" "$alone/"
diff <("$alone/quorle" show "$class") <("$build/bin/quorle" show "$class") >/dev/null ||
  fail "the program without its module shows the class differently"
set +e
"$alone/quorle" print grades "$class" -o "$tmp/alone.pdf" 2>"$tmp/stderr"
status=$?
QT_QPA_PLATFORM=offscreen timeout 10 "$alone/quorle" "$class" 2>"$tmp/stderr-window"
window=$?
set -e
[[ $status -eq 1 && ! -e $tmp/alone.pdf ]] || fail "a printout without the module ended with status $status"
grep -q "quorle-qt.so is not beside the program" "$tmp/stderr" || fail "a printout without the module did not say why"
[[ $window -eq 1 ]] || fail "the window without the module ended with status $window"
grep -q "the windowed program cannot start" "$tmp/stderr-window" || fail "the window without the module did not say why"

# The desktop entry's command line, %F given the class file, starts the
# windowed program, which keeps running with the class open until stopped.
command=$(sed -n 's/^Exec=//p' "$desktop")
command=${command//%F/\"$class\"}
set +e
PATH=$prefix/bin:$PATH QT_QPA_PLATFORM=offscreen timeout 4 bash -c "$command" >/dev/null 2>"$tmp/stderr"
status=$?
set -e
[[ $status -eq 124 ]] || { cat "$tmp/stderr" >&2; fail "the program started from the desktop entry ended with status $status"; }
echo "installed program works"
