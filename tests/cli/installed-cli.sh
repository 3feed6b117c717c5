#!/usr/bin/env bash
# The installed command line as a user gets it: `cmake --install BUILD_DIR` into a temporary
# prefix, then only the installed twinsweep-cli and twinsweep, on a generated tree whose names
# hold spaces, a leading '-', ';', '*', '?', a newline and bytes that are not UTF-8, with
# hidden files, nested folders and a protected folder. Each search option has its effect;
# each format reads back (Python's csv and json) to the sets of the files grouped by their
# bytes; dry runs change nothing, the actions act; the exit statuses 0, 1, 2 and 130 (Ctrl+C
# during a compare); twinsweep --help and --version work without a display; French messages.
# Argument: the build folder.
set -euo pipefail
build=${1:?usage: installed-cli.sh BUILD_DIR}
sets_of=$(cd "$(dirname "$0")" && pwd)/sets_of.py
python=/usr/bin/python3 # Debian's, which scripts/setup.sh installs
tmp=$(mktemp -d)
running=
cleanup() {
  [ -z "$running" ] || kill "$running" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
  echo "installed-cli: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
cli=$tmp/prefix/bin/twinsweep-cli
app=$tmp/prefix/bin/twinsweep
unset LC_ALL LC_MESSAGES
export LANGUAGE=en XDG_DATA_HOME=$tmp/data

# The tree: sets with odd names, a file of the same size that differs in its last byte, two
# names of one file, empty files, hidden copies, pairs around 10 KiB and 1 MiB. Every file
# has its own time, the oldest first in path order, but lib/photo.jpg is the newest.
make_tree() {
  local t=$1 f n i=0 newline=$'\n' latin=$'caf\xe9'
  mkdir -p "$t/a b/deep/er" "$t/lib" "$t/.hid" "$t/sizes"
  printf 'photo bytes' >"$t/-lead.jpg"
  for f in "a b/one x.jpg" "a b/deep/er/semi;colon.jpg" "lib/photo.jpg"; do
    cp "$t/-lead.jpg" "$t/$f"
  done
  printf 'photo bytez' >"$t/near.jpg"
  printf 'star' >"$t/star*.txt"
  cp "$t/star*.txt" "$t/semi;colon.txt"
  cp "$t/star*.txt" "$t/a b/q?.txt"
  printf 'two lines' >"$t/new${newline}line.dat"
  cp "$t/new${newline}line.dat" "$t/a b/deep/line.dat"
  printf 'latin-1' >"$t/$latin.bin"
  cp "$t/$latin.bin" "$t/a b/cafe.bin"
  printf 'hidden' >"$t/.hid/h.txt"
  cp "$t/.hid/h.txt" "$t/.h.txt"
  cp "$t/.hid/h.txt" "$t/w.txt"
  printf 'one file' >"$t/a b/linked"
  ln "$t/a b/linked" "$t/linked too"
  : >"$t/empty"
  : >"$t/a b/empty"
  for n in 10239 10240 10241 1048575 1048576; do
    head -c "$n" /dev/zero | tr '\0' x >"$t/sizes/$n.a"
    cp "$t/sizes/$n.a" "$t/sizes/$n.b"
  done
  while IFS= read -r -d '' f; do
    touch -d "@$((1500000000 + 60 * i++))" "$f"
  done < <(find "$t" -type f -print0 | sort -z)
  touch -d @1700000000 "$t/lib/photo.jpg"
}

# The checksums of the files below $1; with their paths, inodes, sizes, times and link counts.
sums() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 cksum); }
listing() {
  (cd "$1" && find . -print0 | sort -z | xargs -0 stat -c '%n %i %s %.9Y %h')
  sums "$1"
}

# check WHAT KIND FILE ROOT FIND_EXPRESSION...: the sets in FILE (csv, json or jsonl) are
# those of the files that the expression selects below ROOT, grouped by their bytes.
# $protected names the protected folder, if any.
check() {
  local what=$1 kind=$2 file=$3 root=$4
  shift 4
  "$python" "$sets_of" "$kind" "$file" ${protected:+"$protected"} >"$tmp/found" ||
    fail "$what: the $kind output does not read back"
  find "$root" "$@" -print0 | "$python" "$sets_of" bytes >"$tmp/expected"
  diff "$tmp/expected" "$tmp/found" >&2 || fail "$what: other sets than the files' bytes make"
}
protected=
hidden=('(' -name '.*' -prune ')' -o)

T=$tmp/tree
make_tree "$T"
original=$(listing "$T")

# Each format, read back; the text has a heading per set, stderr the summary.
for kind in csv json jsonl; do
  "$cli" --format "$kind" "$T" >"$tmp/sets.$kind" 2>"$tmp/err" || fail "--format $kind: status $?"
  check "--format $kind" "$kind" "$tmp/sets.$kind" "$T" "${hidden[@]}" -type f
done
cp "$tmp/expected" "$tmp/whole"
[ "$(wc -l <"$tmp/whole")" -eq 9 ] || fail "the tree makes other than 9 sets"
"$cli" "$T" >"$tmp/sets.txt" 2>"$tmp/err" || fail "text: status $?"
[ "$(grep -c '^Set [0-9]*: ' "$tmp/sets.txt")" -eq 9 ] || fail "text: not 9 sets"
grep -qx "9 sets, 21 files, .* can be freed\." "$tmp/err" ||
  fail "no summary: $(cat "$tmp/err")"

# -o replaces a file, and writes to a pipe or a device as well.
echo old >"$tmp/o.jsonl"
"$cli" --format jsonl -o "$tmp/o.jsonl" "$T" 2>/dev/null || fail "-o FILE: status $?"
cmp -s "$tmp/sets.jsonl" "$tmp/o.jsonl" || fail "-o FILE wrote other sets"
mkfifo "$tmp/pipe"
cat "$tmp/pipe" >"$tmp/piped.jsonl" &
running=$!
"$cli" --format jsonl -o "$tmp/pipe" "$T" 2>"$tmp/err" ||
  fail "-o PIPE: status $?: $(cat "$tmp/err")"
wait "$running"
running=
cmp -s "$tmp/sets.jsonl" "$tmp/piped.jsonl" || fail "-o PIPE wrote other sets"
"$cli" -o /dev/null "$T" 2>"$tmp/err" || fail "-o /dev/null: status $?: $(cat "$tmp/err")"
[ -c /dev/null ] || fail "-o /dev/null replaced the device"

# Each search option: the sets of the files find selects likewise, which differ from the whole.
# option OPTION... -- FIND_EXPRESSION...
option() {
  local options=()
  while [ "$1" != -- ]; do
    options+=("$1")
    shift
  done
  shift
  "$cli" --format json "${options[@]}" "$T" >"$tmp/option.json" 2>"$tmp/err" ||
    fail "${options[*]}: status $?"
  check "${options[*]}" json "$tmp/option.json" "$T" "$@"
  ! cmp -s "$tmp/expected" "$tmp/whole" || fail "${options[*]}: the tree cannot show its effect"
}
option --hidden -- -type f
option --no-recurse -- -maxdepth 1 ! -name '.*' -type f
option --ext jpg -- "${hidden[@]}" -type f -name '*.jpg'
option --exclude deep --exclude 'q?.txt' -- \
  "${hidden[@]}" -name deep -prune -o ! -name 'q?.txt' -type f
option --min-size 10k -- "${hidden[@]}" -type f -size +10239c
option --max-size 10K -- "${hidden[@]}" -type f -size -10241c
option --min-size 10241B --max-size 1MiB -- "${hidden[@]}" -type f -size +10240c -size -1048577c

# Dry runs change nothing and make no trash.
for action in --trash --clone --hardlink; do
  "$cli" --keep oldest "$action" --dry-run "$T" >"$tmp/dry.txt" 2>"$tmp/err" ||
    fail "$action --dry-run: status $?"
  grep -q '^Dry run: ' "$tmp/err" || fail "$action --dry-run: $(cat "$tmp/err")"
  [ "$(listing "$T")" = "$original" ] || fail "$action --dry-run changed the tree"
done
[ ! -e "$XDG_DATA_HOME/Trash" ] || fail "a dry run made a trash"

# The trash: a protected file is kept though it is the newest; the dry run lists what the
# real run acts on; the trash remembers where each file came from; nothing is left to find.
cp -a "$T" "$tmp/trashed"
protected=$tmp/trashed/lib
trash_run=("$cli" --protect "$protected" --keep oldest --trash --format json "$tmp/trashed")
"${trash_run[@]}" --dry-run -o "$tmp/dry.json" 2>/dev/null || fail "trash --dry-run: status $?"
check "--protect" json "$tmp/dry.json" "$tmp/trashed" "${hidden[@]}" -type f
protected=
"${trash_run[@]}" -o "$tmp/trash.json" 2>"$tmp/err" || fail "--trash: status $?: $(cat "$tmp/err")"
cmp -s "$tmp/dry.json" "$tmp/trash.json" || fail "--trash acted on other sets than its dry run"
"$python" "$sets_of" trashed "$tmp/trash.json" "$XDG_DATA_HOME/Trash" || fail "--trash"
"$cli" "$tmp/trashed" >"$tmp/again.txt" 2>/dev/null || fail "after --trash: status $?"
[ ! -s "$tmp/again.txt" ] || fail "sets are left after --trash"

# Hard links: each set becomes one file, and a file is never a duplicate of itself.
cp -a "$T" "$tmp/linked"
"$cli" --keep newest --hardlink --format json -o "$tmp/linked.json" "$tmp/linked" 2>"$tmp/err" ||
  fail "--hardlink: status $?: $(cat "$tmp/err")"
"$python" "$sets_of" linked "$tmp/linked.json" || fail "--hardlink"
"$cli" "$tmp/linked" >"$tmp/again.txt" 2>/dev/null || fail "after --hardlink: status $?"
[ ! -s "$tmp/again.txt" ] || fail "sets are left after --hardlink"

# Clones: where the file system makes none, status 1 and every file as it was; else 0 and
# every file with its bytes.
cp -a "$T" "$tmp/cloned"
before=$(listing "$tmp/cloned")
status=0
"$cli" --keep oldest --clone "$tmp/cloned" >/dev/null 2>"$tmp/err" || status=$?
if [ "$status" -eq 1 ]; then
  grep -q 'not done: ' "$tmp/err" || fail "--clone failed without saying why"
  [ "$(listing "$tmp/cloned")" = "$before" ] || fail "a failed --clone changed the tree"
else
  [ "$status" -eq 0 ] || fail "--clone: status $status"
  [ "$(sums "$tmp/cloned")" = "$(sums "$T")" ] || fail "--clone changed the bytes of a file"
fi

# Exit statuses: errors 1, bad usage 2, each with a message and no sets.
expect() {
  local want=$1 status=0
  shift
  "$@" >"$tmp/out" 2>"$tmp/err" || status=$?
  [ "$status" -eq "$want" ] || fail "$*: status $status, not $want"
  { [ -s "$tmp/err" ] && [ ! -s "$tmp/out" ]; } || fail "$*: no message, or sets on stdout"
}
expect 1 "$cli" "$tmp/none"
expect 1 "$cli" -o "$tmp/none/sets.txt" "$T"
expect 1 "$cli" --protect "$tmp/none" --keep oldest --trash "$T"
[ "$(listing "$T")" = "$original" ] || fail "a missing protected folder let the trash act"
[ ! -e "$tmp/none" ] || fail "an output folder was made"
expect 2 "$cli" --bogus "$T"
expect 2 "$cli" --trash "$T"

# The window program answers --help and --version without a display and refuses the rest.
noscreen=(timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=)
"${noscreen[@]}" "$app" --help | grep -q '^Usage: twinsweep ' || fail "twinsweep --help"
"${noscreen[@]}" "$app" --version | grep -q '[0-9]\.[0-9]' || fail "twinsweep --version"
expect 2 "${noscreen[@]}" "$app" --bogus

# French.
LANGUAGE=fr LANG=fr_FR.UTF-8 "$cli" "$T" 2>&1 >/dev/null | grep -q 'peuvent être libérés' ||
  fail "no French summary"
LANGUAGE=fr LANG=fr_FR.UTF-8 expect 2 "$cli" --bogus "$T"
grep -q 'option inconnue --bogus' "$tmp/err" || fail "no French usage error: $(cat "$tmp/err")"

# Ctrl+C while three 300 MB files are compared (once the command has read 16 MiB, whatever
# the disk's speed): status 130, a message, nothing changed.
mkdir "$tmp/big"
head -c 300M /dev/urandom >"$tmp/big/1"
cp "$tmp/big/1" "$tmp/big/2"
cp "$tmp/big/1" "$tmp/big/3"
touch -d @1500000000 "$tmp/big/1"
before=$(listing "$tmp/big")
"$cli" --keep oldest --hardlink "$tmp/big" >/dev/null 2>"$tmp/err" &
running=$!
read_bytes=0 deadline=$((SECONDS + 60))
while kill -0 "$running" 2>/dev/null && [ "$read_bytes" -lt $((16 << 20)) ] &&
  [ "$SECONDS" -lt "$deadline" ]; do
  { while read -r key value; do
      [ "$key" != rchar: ] || read_bytes=$value
    done <"/proc/$running/io"; } 2>/dev/null || true
done
kill -INT "$running" 2>/dev/null || fail "the compare of 900 MB ended before Ctrl+C"
status=0
wait "$running" || status=$?
running=
[ "$status" -eq 130 ] || fail "Ctrl+C: status $status: $(cat "$tmp/err")"
grep -q 'interrupted; nothing was changed' "$tmp/err" || fail "Ctrl+C: $(cat "$tmp/err")"
[ "$(listing "$tmp/big")" = "$before" ] || fail "Ctrl+C: the tree changed"
echo "installed-cli: passed"
