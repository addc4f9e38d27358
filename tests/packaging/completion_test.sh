#!/usr/bin/env bash
# The bash completion of velmora-cli offers the commands, each command's options, and for
# each argument only the files it takes (and directories, to walk into).
# Usage: completion_test.sh COMPLETION-SCRIPT
source "$1" || exit 1
cd "$(mktemp -d)" || exit 1
trap 'rm -rf "$PWD"' EXIT
mkdir folder
touch a.sdx B.SDX c.json edits.csv list.txt page.htm page.html notes.doc sats.xml

failures=0
# Completes LINE (the cursor at its end) and compares the offers, sorted, with EXPECTED.
expect() {
    local line=$1 expected=$2
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _velmora_cli 2>/dev/null
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    if [[ $got != "$expected" ]]; then
        echo "FAIL: '$line' offers '$got', expected '$expected'"
        failures=$((failures + 1))
    fi
}

expect "velmora-cli " "apply-csv check diff dump export import info load new order xml-import xml-update"
expect "velmora-cli ex" "export"
expect "velmora-cli --" "--help --version"
expect "velmora-cli info " "B.SDX a.sdx folder"
expect "velmora-cli dump a" "a.sdx"
expect "velmora-cli new " "B.SDX a.sdx folder"
expect "velmora-cli load " "c.json folder"
expect "velmora-cli load c.json " "B.SDX a.sdx folder"
expect "velmora-cli import a.sdx " "folder page.htm page.html"
expect "velmora-cli diff a.sdx " "B.SDX a.sdx folder"
expect "velmora-cli order a.sdx " "B.SDX a.sdx edits.csv folder list.txt"
expect "velmora-cli check a.sdx -" "--fix --help"
expect "velmora-cli check a.sdx --fix " "B.SDX a.sdx folder"
expect "velmora-cli check --fix a.sdx " "B.SDX a.sdx folder"
expect "velmora-cli export a.sdx -" "--bom --format --help -o"
expect "velmora-cli export a.sdx --format " "csv html json names satellites-xml"
expect "velmora-cli export a.sdx --format csv -o " "c.json edits.csv folder list.txt page.htm page.html sats.xml"
expect "velmora-cli apply-csv a.sdx " "edits.csv folder"
expect "velmora-cli apply-csv a.sdx edits.csv -" "--dry-run --help"
expect "velmora-cli xml-import " "B.SDX a.sdx folder"
expect "velmora-cli xml-import a.sdx " "folder sats.xml"
expect "velmora-cli xml-update a.sdx sats.xml -" "--help --remove-vanished"
expect "velmora-cli info a.sdx " ""

[[ $failures == 0 ]] && echo "completion: all cases pass"
exit $((failures > 0))
