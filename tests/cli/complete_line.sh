#!/usr/bin/env bash
# Runs bash-completion's completion of tsl-cli on one command line, as bash
# does when Tab is pressed at its end, and prints the candidates one a line.
#   complete_line.sh COMPLETION_SCRIPT 'tsl-cli split --ex'
# The line is split into words the way bash splits it for completion: at
# blanks, and around each "=" (COMP_WORDBREAKS); a line ending in a blank
# completes a new, empty word.
set -u
script=$1 line=$2
source /usr/share/bash-completion/bash_completion || exit 3
source "$script" || exit 3
registered=$(complete -p tsl-cli) || exit 3
function=${registered#*-F }
function=${function%% *}

COMP_WORDS=()
read -ra parts <<<"$line"
for part in "${parts[@]}"; do
    while [[ $part == *=* ]]; do
        COMP_WORDS+=("${part%%=*}" "=")
        part=${part#*=}
    done
    [[ -n $part ]] && COMP_WORDS+=("$part")
done
[[ $line == *" " ]] && COMP_WORDS+=("")
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
COMP_LINE=$line
COMP_POINT=${#line}
COMPREPLY=()
"$function" tsl-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" 2>/dev/null
for candidate in "${COMPREPLY[@]}"; do
    printf '%s\n' "$candidate"
done
