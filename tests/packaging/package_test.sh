#!/usr/bin/env bash
# Builds the .deb with cpack, unpacks it into a scratch folder and checks it: the files it
# installs, the programs as installed, the metainfo, the manual pages, the completion, lintian.
set -euo pipefail
cpack=$1 build=$2 scratch=$3

bash_completion=/usr/share/bash-completion/bash_completion
for tool in dpkg-deb dpkg-shlibdeps lintian appstreamcli man "$bash_completion"; do
    if ! command -v "$tool" >/dev/null && [ ! -r "$tool" ]; then
        echo "$tool is missing; ./scripts/deps installs it"
        exit 77
    fi
done

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$scratch"
mkdir -p "$scratch"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" ||
    { cat "$scratch/cpack.log"; exit 1; }
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package, got: ${debs[*]}"; exit 1; }
deb=${debs[0]}
root=$scratch/root
dpkg-deb -x "$deb" "$root"

# Exactly these files: a stray install rule (a tool, a test library, headers) shows here.
version=$(dpkg-deb -f "$deb" Version)
expected="usr/bin/rashi-chart
usr/bin/rashi-report
usr/share/applications/rashi-chart.desktop
usr/share/bash-completion/completions/rashi-report
usr/share/doc/rashi-chart/changelog.gz
usr/share/doc/rashi-chart/copyright
usr/share/icons/hicolor/scalable/apps/rashi-chart.svg
usr/share/man/man1/rashi-chart.1.gz
usr/share/man/man1/rashi-report.1.gz
usr/share/metainfo/example.velmora_astrology.rashi_chart.metainfo.xml"
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "package files differ:
$(diff <(echo "$expected") <(echo "$actual") || true)"

depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libqt6printsupport6* ]] ||
    fail "Depends does not name the Qt libraries: $depends"

# The unpacked command-line program on the sample birth, in the C locale.
report=$root/usr/bin/rashi-report
sample=(--name "Asha Rao" --date 1980-06-15 --time 10:30 --zone 34 --lat 28:37N --lon 77:13E
    --city Delhi --state Delhi --country India)
if out=$(LC_ALL=C "$report" "${sample[@]}"); then
    [ "$(wc -l <<<"$out")" -eq 26 ] || fail "the report has $(wc -l <<<"$out") lines, not 26"
    grep -qx 'Name: Asha Rao' <<<"$out" || fail "no name line in: $out"
    grep -qx 'Date of Birth: June 15, 1980' <<<"$out" || fail "no birth date line in: $out"
    grep -qx "Ayanamsa: 23° 34' 54\"" <<<"$out" || fail "no ayanamsa line in: $out"
else
    fail "the installed rashi-report ended with status $?"
fi
[ "$("$report" --version)" = "rashi-report $version" ] ||
    fail "rashi-report --version says '$("$report" --version)', the package is $version"

# The unpacked window program starts and keeps running until it is stopped; its lock goes to
# the scratch folder so that no other copy is in the way.
mkdir -m 700 "$scratch/runtime"
status=0
XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/rashi-chart" \
    >"$scratch/rashi-chart.log" 2>&1 || status=$?
[ $status -eq 124 ] || fail "the installed rashi-chart ended with status $status on its own:
$(cat "$scratch/rashi-chart.log")"

# What software centres and menus show: no claim the window does not bear out, one main
# category, and the licence the copyright file states.
metainfo=$root/usr/share/metainfo/example.velmora_astrology.rashi_chart.metainfo.xml
! grep -qi midheaven "$metainfo" || fail "the metainfo names the midheaven, which the window never shows"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
    fail "the metainfo's licence is not GPL-3.0-or-later"
grep -q 'any later version' "$root/usr/share/doc/rashi-chart/copyright" ||
    fail "the copyright file does not grant version 3 or later"
categories=$(sed -n 's/^Categories=//p' "$root/usr/share/applications/rashi-chart.desktop")
main=0
for category in ${categories//;/ }; do
    case $category in
    AudioVideo | Audio | Video | Development | Education | Game | Graphics | Network | Office | \
        Science | Settings | System | Utility) main=$((main + 1)) ;;
    esac
done
[ $main -eq 1 ] || fail "the desktop entry has $main main categories: $categories"
for page in rashi-chart rashi-report; do
    zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q 'version 3 or (at your option) any later' ||
        fail "the manual page of $page does not state the licence"
done

# The whole tree, so that the metainfo's launcher must be the installed desktop entry.
appstreamcli validate-tree --no-net "$root" >"$scratch/appstream.log" ||
    fail "appstreamcli: $(cat "$scratch/appstream.log")"

# Every option of --help is in the manual page and in the completion; groff has no complaints.
options=$("$report" --help | grep -o -- '--[a-z][a-z-]*' | LC_ALL=C sort -u)
page=$(zcat "$root/usr/share/man/man1/rashi-report.1.gz" | sed 's/\\-/-/g')
completion=$root/usr/share/bash-completion/completions/rashi-report
for option in $options; do
    grep -qE -- "$option([^a-z-]|$)" <<<"$page" || fail "the manual page lacks $option"
    grep -qE -- "['[:space:]]$option(['[:space:]]|$)" "$completion" || fail "completion lacks $option"
done
for manpage in "$root"/usr/share/man/man1/*.1.gz; do
    problems=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manpage" 2>&1 >/dev/null)
    [ -z "$problems" ] || fail "$(basename "$manpage"): $problems"
done

# What the completion offers, as bash would ask for it after the given words.
complete_after() {
    PATH=$root/usr/bin:$PATH bash -c '
        source "$1"
        source "$2"
        shift 2
        COMP_WORDS=(rashi-report "$@")
        COMP_CWORD=$#
        COMP_LINE="${COMP_WORDS[*]}"
        COMP_POINT=${#COMP_LINE}
        _rashi_report rashi-report "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[@]}"' _ "$bash_completion" "$completion" "$@"
}
[ "$(complete_after --list)" = "--list-zones" ] ||
    fail "--list completes to $(complete_after --list)"
[ "$(complete_after --zone 7 | xargs)" = "7 70" ] ||
    fail "--zone 7 completes to $(complete_after --zone 7 | xargs)"
[ -z "$(complete_after --name '')" ] || fail "--name offers: $(complete_after --name '')"

# Errors fail the test; warnings are shown for whoever reads the log.
if ! lintian --fail-on error --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1; then
    fail "lintian: $(cat "$scratch/lintian.log")"
fi
cat "$scratch/lintian.log"

[ $failures -eq 0 ] || exit 1
echo "$(basename "$deb"): contents, programs, metainfo, manual pages, completion and lintian pass"
