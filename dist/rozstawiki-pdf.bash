# bash completion for rozstawiki-pdf                             -*- shell-script -*-

_rozstawiki_pdf()
{
    local cur prev words cword
    _init_completion || return

    case $prev in
        --numbering)
            COMPREPLY=($(compgen -W '1 2 3 mitchell' -- "$cur"))
            return ;;
        --cards)
            # The products are the program's own table: its --help names them.
            local products
            products=$("${words[0]}" --help 2>/dev/null | sed -nE 's/^  --cards ([a-z|]+) .*/\1/p')
            COMPREPLY=($(compgen -W "${products//|/ }" -- "$cur"))
            return ;;
        --paper)
            COMPREPLY=($(compgen -W 'A4 A5 Letter' -- "$cur"))
            return ;;
        --resolution)
            COMPREPLY=($(compgen -W '300 600 1200' -- "$cur"))
            return ;;
        --printer)
            COMPREPLY=($(compgen -W "$(lpstat -e 2>/dev/null)" -- "$cur"))
            return ;;
        --list | --check)
            _rozstawiki_pdf_scheme_files
            return ;;
        --numbers | --swap | --from | --to | --absent | --boards | --source | --event)
            return ;;
    esac

    # The arguments so far that are no options nor option values; after "--" everything is one.
    local i positional=0 options_ended=
    for ((i = 1; i < cword; i++)); do
        if [[ -n $options_ended || ${words[i]} != -* ]]; then
            ((positional++))
        elif [[ ${words[i]} == -- ]]; then
            options_ended=1
        elif [[ ${words[i]} == --@(numbering|numbers|swap|cards|absent|boards|from|to|paper|resolution|source|event|printer|list|check) ]]; then
            ((i++))
        fi
    done

    if [[ -z $options_ended && $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--numbering --numbers --swap --cards --absent --boards --from --to
            --paper --resolution --source --event --printer --list --check --help --version --' -- "$cur"))
        return
    fi

    case $positional in
        0) _rozstawiki_pdf_scheme_files ;;
        1) ;;  # the scheme line: rozstawiki-pdf --list FILE shows them
        2) _filedir pdf ;;
    esac
} &&
    complete -F _rozstawiki_pdf rozstawiki-pdf

# The shipped scheme files are found from any folder, so they are offered beside the files here.
_rozstawiki_pdf_scheme_files()
{
    _filedir
    local name
    for name in HowellKS.txt HowellPV.txt Duzo_Zb.txt; do
        [[ $name == "$cur"* && ! -e $name ]] && COMPREPLY+=("$name")
    done
}

# ex: filetype=sh
