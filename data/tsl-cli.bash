# bash completion for tsl-cli                                -*- shell-script -*-
#
# Installed as share/bash-completion/completions/tsl-cli, where bash-completion
# loads it the first time tsl-cli is completed. An option that tsl-cli gains
# goes into its command's line in _tsl_cli_options, and into
# _tsl_cli_takes_value when it takes a value.

# The commands, in the order tsl-cli --help lists them.
_tsl_cli_commands()
{
    echo split combine append verify info config desktop
}

# The options of one command: one list per command.
_tsl_cli_options()
{
    local job='--yes --no --on-error --quiet --chunk --help'
    local answer='--yes --no --quiet --help'
    case $1 in
        split) echo --size --out --range --short-names --no-info --no-bat --delete --no-wipe \
            --existing --keep --pieces --checksums --no-checksums $job ;;
        combine) echo --out --missing --extra --report-answer --piece-size --high-part \
            --no-search-extra --no-size-check --no-size-prompt --no-underscore-names \
            --no-fix-ext --delete --keep --no-wipe $job ;;
        append) echo --to --delete --keep --no-wipe $job ;;
        verify) echo --jobs --no-underscore-names $job ;;
        info) echo --help ;;
        config | desktop) echo $answer ;;
    esac
}

# Whether option $1 takes a value (the next word, or after "=").
_tsl_cli_takes_value()
{
    case $1 in
        -s | --size | -o | --out | --range | --existing | --pieces | --on-error | --chunk | \
            --missing | --extra | --report-answer | --piece-size | --high-part | --to | --jobs)
            return 0
            ;;
    esac
    return 1
}

# The words option $1 takes; nothing for a free value (a size, a number).
_tsl_cli_values()
{
    case $1 in
        --existing) echo never ask always ;;
        --on-error) echo stop continue ;;
        --missing) echo skip ask combine ;;
        --extra) echo ask include ;;
        --report-answer) echo combine exclude skip cancel ;;
    esac
}

# The settings keys of config get and config set.
_tsl_cli_keys()
{
    echo CombineAssoc CombineAuto CombineDelete CombineRemember ExtraParts MissingParts \
        SameDir SearchExtra ShowTipsC UnderPeriod FixExt AssocSplit PartsExist SearchExist \
        ShowTipsS Split000 SplitBat Checksums SplitDelete SplitFileNames SplitRemember SplitSameDir \
        SplitSize SplitUnits SplitMode SplitPieces AssocSendTo AppendDelete AutoClose ChunkSize HighPart \
        ListFontSize PSizeCheck PSizePrompt ShowTipsA WipeOnDel InitCombineDir InitSplitDir \
        InitAppendDir CombineDir SplitDir AppendPartDir
}

# The words before the cursor that are not options or option values, from
# the command's first argument on; config takes options before its action
# only, so there every word after the action counts.
_tsl_cli_positionals()
{
    local command=$1 i word options=true
    positionals=()
    for ((i = 2; i < cword; i++)); do
        word=${words[i]}
        if $options && [[ $word == -- ]]; then
            options=false
        elif $options && [[ $word == -?* ]]; then
            [[ $word != *=* ]] && _tsl_cli_takes_value "$word" && ((i++))
        else
            positionals+=("$word")
            [[ $command == config ]] && options=false
        fi
    done
}

# What follows "tsl-cli config": the action, then its key or store.
_tsl_cli_config()
{
    case ${#positionals[@]} in
        0) COMPREPLY=($(compgen -W 'list get set store' -- "$cur")) ;;
        1)
            case ${positionals[0]} in
                get | set) COMPREPLY=($(compgen -W "$(_tsl_cli_keys)" -- "$cur")) ;;
                store) COMPREPLY=($(compgen -W 'ini registry' -- "$cur")) ;;
            esac
            ;;
    esac
}

_tsl_cli()
{
    local cur prev words cword split
    _init_completion -s || return

    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$(_tsl_cli_commands) --help --version" -- "$cur"))
        return
    fi
    local command=${words[1]}

    if _tsl_cli_takes_value "$prev"; then
        case $prev in
            -o | --out) _filedir -d ;;
            --to) _filedir ;;
            *) COMPREPLY=($(compgen -W "$(_tsl_cli_values "$prev")" -- "$cur")) ;;
        esac
        return
    fi
    $split && return

    local positionals
    _tsl_cli_positionals "$command"
    if [[ $cur == -* ]] && ! [[ $command == config && ${#positionals[@]} -gt 0 ]]; then
        COMPREPLY=($(compgen -W "$(_tsl_cli_options "$command")" -- "$cur"))
        return
    fi

    case $command in
        split | append) _filedir ;;
        # A set is named by its info file or its first piece.
        combine | verify) _filedir '@(000|001)' ;;
        info) _filedir 000 ;;
        desktop) ((${#positionals[@]} == 0)) &&
            COMPREPLY=($(compgen -W 'status apply' -- "$cur")) ;;
        config) _tsl_cli_config ;;
    esac
} &&
    complete -F _tsl_cli tsl-cli

# ex: filetype=sh
