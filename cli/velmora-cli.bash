# bash completion for velmora-cli                            -*- shell-script -*-

_velmora_cli() {
    local cur prev words cword
    _init_completion || return

    local commands="info export import check diff"
    local command="" word
    for word in "${words[@]:1:cword-1}"; do
        case $word in
        info | export | import | check | diff)
            command=$word
            break
            ;;
        esac
    done

    case $prev in
    --model)
        COMPREPLY=($(compgen -W "TG-UV2 TG-6A" -- "$cur"))
        return
        ;;
    -o | --output)
        case $command in
        export) _filedir '[cC][sS][vV]' ;;
        *) _filedir '[dD][aA][tT]' ;;
        esac
        return
        ;;
    esac

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--help --version" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        fi
        return
    fi

    if [[ $cur == -* ]]; then
        local options="--help"
        case $command in
        info | check) options+=" --json --model" ;;
        export) options+=" -o" ;;
        import) options+=" -o --keep" ;;
        diff) options+=" --json" ;;
        esac
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    case $command in
    info | check) _filedir '@([dD][aA][tT]|[cC][sS][vV])' ;;
    import | diff)
        # A DAT file, then a CSV list or another DAT file.
        local files=0 i
        for ((i = 1; i < cword; i++)); do
            case ${words[i]} in
            import | diff | -* ) ;;
            *) [[ ${words[i - 1]} == @(-o|--output) ]] || files=$((files + 1)) ;;
            esac
        done
        if ((files == 1)); then _filedir '@([dD][aA][tT]|[cC][sS][vV])'; else _filedir '[dD][aA][tT]'; fi
        ;;
    *) _filedir '[dD][aA][tT]' ;;
    esac
} &&
    complete -F _velmora_cli velmora-cli

# ex: filetype=sh
