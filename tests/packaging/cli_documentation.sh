#!/usr/bin/env bash
# The manual page and the bash completion of daybinder-cli know every command and option the
# program's own usage lists, and offer nothing it does not have.
# Usage: cli_documentation.sh DAYBINDER_CLI PACKAGING_FOLDER
set -eo pipefail
cli=$1
packaging=$2
page=$packaging/man/daybinder-cli.1
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# "  name ARGS   what it does": the name, then the options of its usage.
usage=$("$cli" help | sed -n 's/^  //p')
commands=$(cut -d' ' -f1 <<<"$usage" | sort)
[ -n "$commands" ] || { echo "FAIL: daybinder-cli help lists no command"; exit 1; }
options_of() { grep "^$1 " <<<"$usage" | grep -o -- '--[a-z-]*' | sort -u; }

if [ -r /usr/share/bash-completion/bash_completion ]; then
    # shellcheck disable=SC1091
    source /usr/share/bash-completion/bash_completion
    # shellcheck disable=SC1090
    source "$packaging/daybinder-cli.bash-completion"
    # What Tab offers after these words (the last one is the word being typed).
    offers() {
        COMP_WORDS=(daybinder-cli "$@")
        COMP_CWORD=$#
        COMP_LINE="${COMP_WORDS[*]}"
        COMP_POINT=${#COMP_LINE}
        COMPREPLY=()
        _daybinder_cli daybinder-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf '%s\n' "${COMPREPLY[@]}" | grep -v '^--help$' | sort -u
    }
    [ "$(offers '' | grep -v '^help$')" = "$commands" ] ||
        fail "the completion offers commands [$(offers '' | grep -v "^help$" | xargs)], the program has [$(xargs <<<"$commands")]"
    for c in $commands; do
        [ "$(offers "$c" --)" = "$(options_of "$c")" ] ||
            fail "completion of $c offers [$(offers "$c" -- | xargs)], its usage has [$(options_of "$c" | xargs)]"
    done
    [ "$(offers summary FILE --span '' | xargs)" = "day month two-weeks week" ] ||
        fail "completion of --span offers [$(offers summary FILE --span '' | xargs)]"
else
    echo "bash-completion is not installed: the completion was not tried"
fi

# In the page, a command is the bold word that starts its entry, an option has an entry of its
# own; roff writes a hyphen as "\-".
roff() { sed 's/-/\\-/g' <<<"$1"; }
for c in $commands; do
    grep -qF "\\fB$(roff "$c")\\fR" "$page" || fail "the manual page has no entry for $c"
    for o in $(options_of "$c"); do
        grep -qE "^\.BI? $(roff "$o" | sed 's/\\/\\\\/g')( |$)" "$page" ||
            fail "the manual page does not describe $o (of $c)"
    done
done

[ "$failures" -eq 0 ] || exit 1
echo "daybinder-cli: $(wc -w <<<"$commands") commands documented and completed"
