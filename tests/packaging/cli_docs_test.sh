#!/usr/bin/env bash
# Every command and option velmora-cli accepts is documented in its manual page and offered
# by its bash completion, and the completion offers nothing the manual page leaves out.
# Usage: cli_docs_test.sh VELMORA-CLI MANUAL-PAGE.scd COMPLETION-SCRIPT
cli=$1 manual=$2 completion=$3
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The option names in the "Options:" part of CLI11's help, as "-h --help --fix".
options_of() {
    "$cli" "$@" --help | sed -n '/^Options:/,/^$/p' | grep -oE '(^|[ ,])--?[a-z][a-z-]*' |
        tr -d ' ,' | sort -u
}

commands=$("$cli" --help | sed -n '/^Subcommands:/,/^$/p' | awk 'NR > 1 && NF {print $1}')
[[ -n $commands ]] || fail "no commands found in velmora-cli --help"
for option in $(options_of); do
    grep -qe "\*$option\*" "$manual" || fail "option $option is not in the manual page"
    grep -qe "\"[^\"]*$option[^\"]*\"" "$completion" || fail "option $option is not completed"
done
for command in $commands; do
    grep -qE "^\*$command\* " "$manual" || fail "command $command is not in the manual page"
    grep -qE "commands=\".*\<$command\>" "$completion" || fail "command $command is not completed"
    for option in $(options_of "$command"); do
        grep -qe "\*$option\*" "$manual" || fail "$command $option is not in the manual page"
        grep -qe "\"[^\"]*$option[^\"]*\"" "$completion" || fail "$command $option is not completed"
    done
done
for command in $(sed -n 's/^ *local commands="\(.*\)"/\1/p' "$completion"); do
    grep -qE "^\*$command\* " "$manual" || fail "completed command $command is not in the manual page"
done

[[ $failures == 0 ]] && echo "cli docs: $(echo $commands | wc -w) commands documented and completed"
exit $((failures > 0))
