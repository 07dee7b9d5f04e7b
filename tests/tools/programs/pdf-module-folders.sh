#!/bin/sh
# Runs zorprint-render as a user would, from the folder it was built in, and copies of it in other
# folders, on a PDF it draws itself: the PDF module is found beside a copied program, in a
# "modules" folder beside it and in the installed layout; a copy without it says so in Croatian.
# Arguments: the built tool, the built module, the module's path from an installed program's
# folder, and a HUB-3A slip file.
set -u
tool=$1 module=$2 from_program=$3 slip=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

"$tool" "$slip" -o "$work/slip.pdf" || fail "the built tool does not draw the slip to a PDF"

scan() { # program, label: reads the slip's PDF back into a table
    rm -f "$work/rows.csv"
    "$1" --scan "$work/slip.pdf" -o "$work/rows.csv" 2>"$work/errors" ||
        fail "$2: exit $? ($(cat "$work/errors"))"
    grep -q 'HR1210010051863000160' "$work/rows.csv" || fail "$2: the slip's IBAN is not in the table"
}

scan "$tool" "the build folder"

copy() { # folder for the program, folder for the module or empty
    mkdir -p "$1"
    cp "$tool" "$1/zorprint-render"
    if [ -n "$2" ]; then
        mkdir -p "$2"
        cp "$module" "$2/zorvat-pdf.so"
    fi
}
copy "$work/beside/bin" "$work/beside/bin"
scan "$work/beside/bin/zorprint-render" "a copy with the module beside it"
copy "$work/modules/bin" "$work/modules/bin/modules"
scan "$work/modules/bin/zorprint-render" "a copy with the module in modules/"
copy "$work/installed/bin" "$(dirname "$work/installed/bin/$from_program")"
scan "$work/installed/bin/zorprint-render" "a copy in the installed layout"

copy "$work/alone/bin" ""
"$work/alone/bin/zorprint-render" --scan "$work/slip.pdf" -o "$work/rows.csv" 2>"$work/errors"
status=$?
[ "$status" -eq 2 ] || fail "a copy without the module: exit $status, not 2"
grep -q 'PDF datoteke se ne mogu čitati: nedostaje dio programa (zorvat-pdf.so nije pronađen' "$work/errors" ||
    fail "a copy without the module: $(cat "$work/errors")"
! grep -qi 'cannot\|library' "$work/errors" || fail "a copy without the module speaks English: $(cat "$work/errors")"
echo "the PDF module is found from the build folder and beside copied programs"
