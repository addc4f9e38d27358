# bash completion for velmora-cli: its commands, their options, and for each argument
# only the file names it takes (directories are always offered, to walk into).

_velmora_cli_files() {
    # $1: the extensions that fit, as "sdx" or "htm|html"; $2: the word typed so far.
    local file extension
    local IFS=$'\n'
    compopt -o filenames 2>/dev/null
    for file in $(compgen -f -- "$2"); do
        extension=${file##*.}
        if [[ -d $file ]] || [[ $file == *.* && "|$1|" == *"|${extension,,}|"* ]]; then
            COMPREPLY+=("$file")
        fi
    done
}

_velmora_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    local commands="info dump load new import diff order check export apply-csv xml-import xml-update"
    COMPREPLY=()

    # The command is the first word that is not an option; count the arguments after it,
    # leaving out options and the values they take.
    local command="" argument=0 i word
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in
        --fix | --format | -o) ((i++)) ;;
        -*) ;;
        *) if [[ -z $command ]]; then command=$word; else ((argument++)); fi ;;
        esac
    done

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--help --version" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        fi
        return
    fi

    case $command/$prev in
    check/--fix) _velmora_cli_files "sdx" "$cur"; return ;;
    export/--format) COMPREPLY=($(compgen -W "csv html json names satellites-xml" -- "$cur")); return ;;
    export/-o) _velmora_cli_files "csv|htm|html|json|txt|xml" "$cur"; return ;;
    esac

    if [[ $cur == -* ]]; then
        local options="--help"
        case $command in
        check) options+=" --fix" ;;
        export) options+=" --format -o --bom" ;;
        xml-update) options+=" --remove-vanished" ;;
        apply-csv) options+=" --dry-run" ;;
        esac
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    case $command/$argument in
    info/0 | dump/0 | new/0 | import/0 | diff/[01] | order/0 | check/0 | export/0 | apply-csv/0 | \
        xml-import/0 | xml-update/0)
        _velmora_cli_files "sdx" "$cur" ;;
    load/0) _velmora_cli_files "json" "$cur" ;;
    load/1) _velmora_cli_files "sdx" "$cur" ;;
    import/1) _velmora_cli_files "htm|html" "$cur" ;;
    order/1) _velmora_cli_files "sdx|csv|txt" "$cur" ;;
    apply-csv/1) _velmora_cli_files "csv" "$cur" ;;
    xml-import/1 | xml-update/1) _velmora_cli_files "xml" "$cur" ;;
    esac
}

complete -F _velmora_cli velmora-cli
