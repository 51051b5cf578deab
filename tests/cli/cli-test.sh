#!/usr/bin/env bash
# velmora-cli as scripts run it: each command's output and exit status on the
# example files and on copies of them with planted faults and with the
# changes the window's list commands make.
# Usage: cli-test.sh VELMORA-CLI EXAMPLES-FOLDER
set -u
cli=$(realpath "$1")
examples=$(realpath "$2")
uv2=$examples/TG-UV2-example.DAT
g6a=$examples/TG-6A-example.DAT
work=$(mktemp -d)
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
cd "$work" || exit 2
failures=0

fail() {
    echo "FAIL: $*"
    sed 's/^/  stdout: /' out
    sed 's/^/  stderr: /' err
    failures=$((failures + 1))
}
# run STATUS ARGS...: runs the program into out and err and checks its status.
run() {
    local want=$1
    shift
    "$cli" "$@" >out 2>err
    local got=$?
    [ "$got" = "$want" ] || fail "exit $got, not $want: velmora-cli $*"
}
# expect WHAT FILE TEXT: the file holds exactly the text.
expect() {
    if [ "$3" != "$(cat "$2")" ]; then
        echo "FAIL: $1"
        diff <(printf '%s\n' "$3") "$2" | sed 's/^/  /'
        failures=$((failures + 1))
    fi
}
# Byte offset of record N in a DAT file.
rec() { echo $((90 + 44 * $1)); }
# poke FILE OFFSET BYTE...: writes the bytes (decimal) at the offset.
poke() {
    local file=$1 at=$2 hex=
    shift 2
    for b in "$@"; do hex+=$(printf '\\x%02x' "$b"); done
    printf "$hex" | dd of="$file" bs=1 seek="$at" conv=notrunc status=none
}
# copyrec FILE FROM TO: what Paste does with one record.
copyrec() {
    dd if="$1" of="$1.rec" bs=1 skip="$(rec "$2")" count=44 status=none
    dd if="$1.rec" of="$1" bs=1 seek="$(rec "$3")" conv=notrunc status=none
}
# clearrec FILE N: what Delete leaves of a TG-UV2 record.
clearrec() { poke "$1" "$(rec "$2")" $(for _ in $(seq 38); do echo 0; done) 39 39 39 39 39 39; }

if ldd "$cli" | grep -qi libqt; then
    echo "FAIL: velmora-cli links Qt"
    failures=$((failures + 1))
fi

# --- info, export -------------------------------------------------------------
run 0 info "$uv2" - <"$g6a"
expect "info" out "$uv2: TG-UV2, 48 of 200 channels in use
-: TG-6A, 30 of 100 channels in use"
run 0 info --json "$uv2"
expect "info --json" out "[
  {\"file\": \"$uv2\", \"model\": \"TG-UV2\", \"rows\": 200, \"in_use\": 48}
]"
for model in TG-UV2 TG-6A; do
    run 0 export "$examples/$model-example.DAT"
    cmp -s out "$examples/$model-example.csv" || fail "export of $model differs from its CSV list"
    run 0 export - -o "$model.csv" <"$examples/$model-example.DAT"
    cmp -s "$model.csv" "$examples/$model-example.csv" || fail "export -o of $model"
    # The list gives every channel back byte for byte.
    run 0 import "$examples/$model-example.DAT" "$model.csv" -o "$model.DAT"
    cmp -s "$model.DAT" "$examples/$model-example.DAT" || fail "export and import of $model"
done

# --- import -------------------------------------------------------------------
printf 'Location,Name,Frequency\r\n0,NEW,145.5\r\n1,BAD,223.52\r\n0,TWICE,145.5\r\n' >list.csv
run 1 import "$uv2" list.csv -o new.DAT
expect "import: skipped lines" err "list.csv:3: error: 223.52000 MHz is outside the TG-UV2's bands (88–108, 136–173.995, 350–389.995, 400–469.995, 470–519.995 MHz).
list.csv:4: error: Location 0 was given before, in line 2."
run 0 info new.DAT
expect "import: other rows empty" out "new.DAT: TG-UV2, 1 of 200 channels in use"
cp "$uv2" base.DAT
run 1 import base.DAT list.csv -o base.DAT --keep
run 1 diff "$uv2" base.DAT
expect "import --keep: only the imported row changes, the skipped one is kept" out \
    "Channel 0: Name: CALL2M -> NEW
Channel 0: Step: 12.5 -> 5"
cmp -s <(head -c 90 new.DAT) <(head -c 90 "$uv2") && cmp -s <(tail -c 1111 new.DAT) <(tail -c 1111 "$uv2") ||
    fail "import keeps BASE's header and trailer"

# --- another radio's file, and a list, as the second file ------------------------
run 0 diff "$uv2" "$examples/TG-UV2-example.csv"
expect "diff with its own list: no header or trailer to compare" out ""
run 1 import "$g6a" "$uv2" -o from-uv2.DAT
grep -qx "$uv2:0: error: 145.50000 MHz is outside this TG-6A's band (400–469.995 MHz)." err ||
    fail "import of a TG-UV2 file: each channel refused by its number"
run 0 info from-uv2.DAT
expect "import of a TG-UV2 file: its UHF channels" out "from-uv2.DAT: TG-6A, 20 of 100 channels in use"
cp "$uv2" far.DAT
copyrec far.DAT 31 150
run 1 diff "$g6a" far.DAT
grep -qx "far.DAT:150: error: Channel 150 has no place on a TG-6A (channels 0–99)." err ||
    fail "diff: a channel with no place is a difference"
run 0 import "$uv2" "$g6a" -o from-6a.DAT
run 0 info from-6a.DAT
expect "import of a TG-6A file" out "from-6a.DAT: TG-UV2, 30 of 200 channels in use"

# --- check --------------------------------------------------------------------
run 0 check "$uv2" "$g6a"
expect "check of the examples" out ""
cp "$uv2" bad.DAT
poke bad.DAT $(($(rec 3) + 3)) 3        # RX 145.55300 on a 12.5 kHz step
poke bad.DAT $(($(rec 11) + 22)) 99     # a step the radio does not know
poke bad.DAT $(($(rec 12) + 1)) 17 40   # RX 174.05000 MHz
copyrec bad.DAT 0 150                   # CALL2M again
copyrec bad.DAT 0 199
copyrec bad.DAT 3 160                   # a copy of an error is no warning
run 1 check bad.DAT
expect "check finds each planted problem once" out \
    "bad.DAT:3: error: Rx frequency and step do not match!
bad.DAT:11: error: Channel 11 holds a value the radio does not know in the column \"Step\".
bad.DAT:12: error: Invalid Rx frequency range!
bad.DAT:150: warning: same frequencies and tones as channel 0
bad.DAT:160: error: Rx frequency and step do not match!
bad.DAT:199: warning: same frequencies and tones as channel 0"
cp bad.DAT 'a"b\.DAT'
run 1 check --json 'a"b\.DAT'
expect "check --json" <(sed -n 3p out) \
    '  {"file": "a\"b\\.DAT", "n": 11, "severity": "error", "text": "Channel 11 holds a value the radio does not know in the column \"Step\"."},'
cp "$g6a" low.DAT
poke low.DAT $(($(rec 5) + 1)) 14 55 0 0 14 55 0 0   # 145.5 MHz on a radio for 400 MHz and above
run 1 check low.DAT
expect "check of a TG-6A's band" out "low.DAT:5: error: Invalid frequency range!"
printf 'Location,Frequency\n3,145.5\n300,145.5\n1,145.5\n' >plan.CSV
run 1 check plan.CSV --model TG-UV2
expect "check of a CSV list" out 'plan.CSV:3: error: Location "300" is not a row number from 0 to 199.
plan.CSV:4: warning: same frequencies and tones as line 2'
# Every skipped line is reported, not only the first thousand the window shows.
{ echo Location,Frequency; for i in $(seq 1200); do echo "x$i,145.5"; done; } >many.csv
run 1 check many.csv --model TG-6A
[ "$(wc -l <out)" = 1200 ] || fail "check reports all 1200 skipped lines"

# --- diff after the window's list commands ---------------------------------------
cp "$uv2" moved.DAT
copyrec moved.DAT 3 199 && copyrec moved.DAT 4 3 && copyrec moved.DAT 199 4 && clearrec moved.DAT 199 # Down on row 3
run 1 diff "$uv2" moved.DAT
expect "diff after Down" out "Channel 3: Name: S22 -> S23
Channel 3: RX Freq: 145.55000 -> 145.57500
Channel 3: TX Freq: 145.55000 -> 145.57500
Channel 4: Name: S23 -> S22
Channel 4: RX Freq: 145.57500 -> 145.55000
Channel 4: TX Freq: 145.57500 -> 145.55000"
cp "$uv2" edited.DAT
clearrec edited.DAT 1                   # Delete
copyrec edited.DAT 0 5                  # Paste into an empty row
poke edited.DAT $(($(rec 2) + 24)) 2    # Row Editor: TX Power Low
poke edited.DAT $(($(rec 3) + 19)) 7    # a byte nobody interprets
poke edited.DAT $(($(rec 6) + 20)) 7    # the same in an empty row
poke edited.DAT 7 1                     # header
poke edited.DAT 10000 1                 # trailer
run 1 diff "$uv2" edited.DAT
expect "diff after Delete, Paste, a Row Editor change and other bytes" out 'Header differs
Channel 1: removed
Channel 2: TX Power: Mid -> Low
Channel 3: other bytes differ
Channel 5: added
Channel 6: other bytes differ
Trailer differs'
run 1 diff --json "$uv2" edited.DAT
expect "diff --json" <(sed -n '2p;4p' out) '  {"channel": null, "column": null, "old": null, "new": null, "kind": "header"},
  {"channel": 2, "column": "TX Power", "old": "Mid", "new": "Low", "kind": "changed"},'
run 0 diff "$uv2" "$uv2"
expect "diff of equal files" out ""

# --- arguments and trouble -----------------------------------------------------------
for args in "" "frob" "info --frob $uv2" "import $uv2 list.csv" "check list.csv" "export list.csv" \
    "diff $uv2" "export $uv2 --model"; do
    # shellcheck disable=SC2086
    run 2 $args
    grep -q '^Usage:' err && [ ! -s out ] || fail "usage on standard error for: $args"
done
cp "$uv2" ./-x.DAT
run 0 info -- -x.DAT
run 0 check "$uv2" --json --model=TG-UV2
expect "options after the files" out "[]"
run 0 --version
grep -qx 'velmora-cli [0-9.]*' out || fail "--version"
mkdir folder
head -c 1234 "$uv2" >short.DAT
for case in "missing.DAT|The file \"missing.DAT\" does not exist." \
    "folder|\"folder\" is a folder, not a file." \
    "short.DAT|The file has 1234 bytes; a TG-UV2 file has 10001 bytes and a TG-6A file 5001."; do
    file=${case%%|*}
    run 2 export "$file"
    expect "export $file" err "velmora-cli: $file: ${case#*|}"
    [ ! -s out ] || fail "nothing written for $file"
done
run 2 check bad.DAT --model TG-6A
expect "check of a file of the other radio" err \
    "velmora-cli: bad.DAT: The file has 10001 bytes where a TG-6A file has 5001. It is a TG-UV2 file."
run 2 diff list.csv "$uv2"
grep -q 'takes a DAT file first' err || fail "diff takes a DAT file first"
run 2 export bad.DAT
expect "export refuses a record that does not decode" err \
    "velmora-cli: bad.DAT: Channel 11 holds a value the radio does not know in the column \"Step\"."
run 2 import "$uv2" list.csv -o nofolder/out.DAT
expect "import into a missing folder" err "list.csv:3: error: 223.52000 MHz is outside the TG-UV2's bands (88–108, 136–173.995, 350–389.995, 400–469.995, 470–519.995 MHz).
list.csv:4: error: Location 0 was given before, in line 2.
velmora-cli: nofolder/out.DAT: The folder \"nofolder\" does not exist."
run 2 import "$uv2" missing.csv -o never.DAT
[ ! -e never.DAT ] || fail "nothing written when the list cannot be read"
if [ -w /dev/full ]; then
    "$cli" export "$uv2" >/dev/full 2>err
    [ $? = 2 ] && grep -q '^velmora-cli: standard output: ' err || fail "a full standard output is trouble"
fi

# Completion: commands, then options, then files by their kind.
completion=$examples/../cli/velmora-cli.bash
if [ -r /usr/share/bash-completion/bash_completion ]; then
    touch a.DAT b.Csv c.txt
    got=$(bash -c 'source /usr/share/bash-completion/bash_completion && source "$0" &&
        for line in "check " "import a.DAT " "check --j"; do
            read -ra COMP_WORDS <<<"velmora-cli $line"; [ "${line: -1}" = " " ] && COMP_WORDS+=("")
            COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMP_LINE="velmora-cli $line" COMP_POINT=${#COMP_LINE}
            _velmora_cli velmora-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
            printf "%s\n" "${COMPREPLY[@]}" | grep -E "^(a\.|b\.|c\.|--)" | sort | tr "\n" " "; echo
        done' "$completion")
    expect "completion" <(printf '%s\n' "$got") "a.DAT b.Csv 
a.DAT b.Csv 
--json "
fi

[ "$failures" = 0 ] && echo "all passed" || echo "$failures failed"
[ "$failures" = 0 ]
