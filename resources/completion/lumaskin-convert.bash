# bash completion for lumaskin-convert.
# Formats, effects and options are read from the program's own --help, so they always match
# the program being completed.

_lumaskin_convert()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD-1]}
    local program=${COMP_WORDS[0]}
    local help
    help=$("$program" --help 2>/dev/null) || return 0

    # --name=VALUE: bash splits the word at "=", so the value follows a "=" word and the option
    # comes before it.
    if [[ $prev == = && $COMP_CWORD -ge 2 ]]; then
        prev=${COMP_WORDS[COMP_CWORD-2]}
    elif [[ $cur == = ]]; then
        prev=${COMP_WORDS[COMP_CWORD-1]}
        cur=
    fi

    case $prev in
    -f | --format)
        mapfile -t COMPREPLY < <(compgen -W "$(sed -n 's/^Formats written: //p' <<<"$help")" -- "$cur")
        return 0
        ;;
    --files-from)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return 0
        ;;
    -o | --output)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return 0
        ;;
    -e | --effect)
        local effects
        effects=$(sed -n '/^Effects:/,$ s/^  \([a-z][a-z0-9]*\).*/\1/p' <<<"$help")
        mapfile -t COMPREPLY < <(compgen -W "$effects" -- "$cur")
        return 0
        ;;
    -q | --quality)
        mapfile -t COMPREPLY < <(compgen -W "50 60 70 75 80 85 90 95 100" -- "$cur")
        return 0
        ;;
    -j | --jobs)
        mapfile -t COMPREPLY < <(compgen -W "$(seq 1 "$(nproc 2>/dev/null || echo 4)")" -- "$cur")
        return 0
        ;;
    esac

    # An option whose value is one of a few words, as --help shows it ("--flip h|v"), offers
    # those words.
    if [[ $prev == --* ]]; then
        local choices
        choices=$(sed -n "/^Options:/,/^\$/ s/^ *\(-[^ ,]*, \)\{0,1\}$prev \([a-z0-9]*|[a-z0-9|]*\)\( .*\)\{0,1\}\$/\2/p" <<<"$help")
        if [[ -n $choices ]]; then
            mapfile -t COMPREPLY < <(compgen -W "${choices//|/ }" -- "$cur")
            return 0
        fi
    fi

    if [[ $prev == --if-exists ]]; then
        mapfile -t COMPREPLY < <(compgen -W "overwrite skip rename" -- "$cur")
        return 0
    fi

    if [[ $cur == -* ]]; then
        local options
        # Options that take their value after "=" are offered up to the "=".
        options=$(sed -n '/^Options:/,/^$/ s/^ *\(-[^ ,]*\)\(, \(--[^ ]*\)\)\{0,1\}.*/\1 \3/p' <<<"$help" |
            sed 's/=[^ ]*/=/g')
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        [[ ${COMPREPLY[*]} == *= ]] && compopt -o nospace 2>/dev/null
        return 0
    fi
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}

complete -F _lumaskin_convert lumaskin-convert
