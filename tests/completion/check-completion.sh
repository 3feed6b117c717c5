#!/usr/bin/env bash
# Checks the bash completion of twinsweep-cli: sources it with bash-completion and calls
# its function on command lines split as bash splits them.
# Usage: check-completion.sh COMPLETION_FILE
set -uo pipefail
completion=$(realpath "$1")
source /usr/share/bash-completion/bash_completion
source "$completion"

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
mkdir Pictures Downloads "My Music"
touch notes.txt Pics.txt

# The function may set options for readline; they are recorded here.
compopt() { options+=" $*"; }

failures=0
# expect LINE WORD...: completing at the end of LINE offers exactly the WORDs.
expect() {
  local line=$1 word rest
  shift
  COMP_LINE=$line
  COMP_POINT=${#line}
  COMP_WORDS=()
  # Blanks separate words; ":" and "=" are words of their own, as in COMP_WORDBREAKS.
  for word in $line; do
    while [[ $word =~ ^([^:=]*)([:=]+)(.*)$ ]]; do
      [ -n "${BASH_REMATCH[1]}" ] && COMP_WORDS+=("${BASH_REMATCH[1]}")
      COMP_WORDS+=("${BASH_REMATCH[2]}")
      word=${BASH_REMATCH[3]}
    done
    [ -n "$word" ] && COMP_WORDS+=("$word")
  done
  [[ $line == *' ' ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  options=
  _twinsweep_cli twinsweep-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local got want
  got=$( ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
  want=$( (($#)) && printf '%s\n' "$@" | sort | tr '\n' ' ')
  if [ "$got" != "$want" ]; then
    echo "check-completion: \"$line\" offers [${got% }], not [${want% }]" >&2
    failures=$((failures + 1))
  fi
}

expect "twinsweep-cli --fo" --format
expect "twinsweep-cli --hard" --hardlink
expect "twinsweep-cli -" --protect --exclude --min-size --max-size --hidden --no-recurse \
  --ext --format -o --output --keep --trash --clone --hardlink --dry-run -h --help -V --version
expect "twinsweep-cli --format " text csv json jsonl
expect "twinsweep-cli --format=js" json jsonl
expect "twinsweep-cli --keep " newest oldest shortest in:
expect "twinsweep-cli --keep o" oldest
expect "twinsweep-cli --keep i" in:
[[ $options == *nospace* ]] || { echo "check-completion: a space follows in:" >&2; failures=$((failures + 1)); }
expect "twinsweep-cli --keep in:" Downloads "My Music" Pictures
expect "twinsweep-cli --keep in:Pi" Pictures
expect "twinsweep-cli --keep=in:Do" Downloads
expect "twinsweep-cli --protect Pi" Pictures
expect "twinsweep-cli --protect " Downloads "My Music" Pictures
expect "twinsweep-cli -o Pi" Pictures Pics.txt
expect "twinsweep-cli --output no" notes.txt
expect "twinsweep-cli --min-size "
expect "twinsweep-cli --hidden=Pi"
expect "twinsweep-cli --exclude "
expect "twinsweep-cli " Downloads "My Music" Pictures
expect "twinsweep-cli --keep newest --trash Do" Downloads
expect "twinsweep-cli --protect Pictures Pi" Pictures

[ "$failures" -eq 0 ] || exit 1
echo "check-completion: the completion offers what each argument takes"
