#!/usr/bin/env bash
# Writes the releases listed in NEWS.md in the forms the install needs, so that each release is
# written down once:
#   releases.sh latest NEWS.md                 "VERSION YYYY-MM-DD" of the newest release
#   releases.sh metainfo NEWS.md               the <release> elements of the AppStream metainfo
#   releases.sh changelog NEWS.md MAINTAINER   the Debian changelog
# A release is a heading "## VERSION (YYYY-MM-DD HH:MM UTC)" followed by items "- text", whose
# text may go on in indented lines. The time is there because Debian's changelog wants every
# entry later than the one before it, and two releases may share a day.
set -euo pipefail
export LC_ALL=C

what=${1:-} news=${2:-} maintainer=${3:-}

# One line per release ("R version date time") and per item ("I text", its lines joined).
records() {
    local line item="" in_release=false number=0
    local day='([0-9]{4}-[0-9]{2}-[0-9]{2})' minute='([0-9]{2}:[0-9]{2})'
    local heading="^## ([0-9][0-9A-Za-z.+~]*) \\($day $minute UTC\\)\$"
    local item_start='^- +(.*[^ ]) *$' item_more='^ +(.*[^ ]) *$'
    while IFS= read -r line || [ -n "$line" ]; do
        number=$((number + 1))
        if [[ $line =~ $heading ]]; then
            [ -z "$item" ] || echo "I $item"
            item=""
            in_release=true
            echo "R ${BASH_REMATCH[1]} ${BASH_REMATCH[2]} ${BASH_REMATCH[3]}"
        elif ! $in_release || [ -z "$line" ]; then
            continue
        elif [[ $line =~ $item_start ]]; then
            [ -z "$item" ] || echo "I $item"
            item=${BASH_REMATCH[1]}
        elif [[ $line =~ $item_more ]] && [ -n "$item" ]; then
            item+=" ${BASH_REMATCH[1]}"
        else
            echo "$news:$number: neither a release heading, an item nor its next line" >&2
            return 1
        fi
    done <"$news"
    [ -z "$item" ] || echo "I $item"
    $in_release || { echo "$news: no release heading" >&2; return 1; }
}

xml_text() {
    local text=${1//&/&amp;}
    text=${text//</&lt;}
    echo "${text//>/&gt;}"
}

case $what in
latest | metainfo | changelog) all=$(records) ;;
*)
    echo "usage: $0 latest|metainfo|changelog NEWS.md [MAINTAINER]" >&2
    exit 2
    ;;
esac

releases=0
while IFS= read -r record; do
    kind=${record%% *} rest=${record#* }
    if [ "$kind" = R ]; then
        read -r version date time <<<"$rest"
        releases=$((releases + 1))
    fi
    case $what:$kind in
    latest:R)
        echo "$version $date"
        exit 0
        ;;
    metainfo:R)
        [ $releases -eq 1 ] || printf '          </ul>\n        </description>\n      </release>\n'
        printf '      <release version="%s" date="%sT%s:00Z">\n' "$version" "$date" "$time"
        printf '        <description>\n          <ul>\n'
        ;;
    metainfo:I) echo "            <li>$(xml_text "$rest")</li>" ;;
    changelog:R)
        [ $releases -eq 1 ] || printf '\n%s\n\n' "$trailer"
        printf 'corvanta (%s) unstable; urgency=medium\n\n' "$version"
        trailer=" -- $maintainer  $(date -u -R -d "$date $time UTC")"
        ;;
    # Debian's tools show the changelog as it is, so its lines stay under 80 characters.
    changelog:I) fold -s -w 74 <<<"$rest" | sed 's/ *$//; 1s/^/  * /; 1!s/^/    /' ;;
    esac
done <<<"$all"

case $what in
metainfo) printf '          </ul>\n        </description>\n      </release>\n' ;;
changelog) printf '\n%s\n' "$trailer" ;;
esac
