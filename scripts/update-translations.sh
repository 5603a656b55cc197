#!/usr/bin/env bash
# Refreshes translations/Ciclara_bg.ts from the texts in app/, keeping every existing
# translation and dropping messages that no longer exist in the code. New messages arrive
# marked unfinished; translate them (Qt Linguist or an editor) and remove type="unfinished".
#   ./scripts/update-translations.sh
# LUPDATE names another lupdate (default: the Qt 6 one).
#
# The resources texts in app/core/HotSincingTexts.cpp are listed through a macro
# T(name, text) that wraps QT_TRANSLATE_NOOP(context, text). lupdate does not expand
# macros, so this script writes the texts out as plain QT_TRANSLATE_NOOP calls into a
# temporary file and scans it with app/.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
ts=translations/Ciclara_bg.ts
texts=app/core/HotSincingTexts.cpp

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
noop="$tmp/HotSincingTexts_noop.cpp"

# Copies each T("Name", "literal" "literal"...) as QT_TRANSLATE_NOOP(context, literals).
# Universal character names (\u00b0) are written out as the characters themselves:
# lupdate reads hex digits past the fourth as part of the escape, so "\u00b0F" would
# otherwise reach the .ts file as U+0B0F instead of the degree sign and F.
perl -CSD -0777 -ne '
    my $lit = qr/"(?:[^"\\\n]|\\.)*"/;
    /#define\s+T\s*\(\s*\w+\s*,\s*(\w+)\s*\).*?QT_TRANSLATE_NOOP\s*\(\s*($lit)\s*,\s*\1\s*\)/s
        or die "no T(name, text) macro wrapping QT_TRANSLATE_NOOP found\n";
    my $context = $2;
    my $n = 0;
    while (/\bT\s*\(\s*$lit\s*,\s*((?:$lit\s*)+)\)/g) {
        (my $text = $1) =~ s{\\(u([0-9A-Fa-f]{4})|U([0-9A-Fa-f]{8})|.)}
            {defined $2 ? chr(hex $2) : defined $3 ? chr(hex $3) : "\\$1"}ge;
        print "QT_TRANSLATE_NOOP($context, $text);\n";
        $n++;
    }
    $n > 0 or die "no resources texts found\n";
' "$texts" >"$noop"

# The same lupdate fault would garble such an escape anywhere else: point it out.
if grep -rnE --include='*.cpp' --include='*.h' '\\u[0-9A-Fa-f]{5}' app | grep -v "^$texts:" >&2; then
    echo "warning: the texts above put a hex digit right after a \\u escape; lupdate misreads" \
        "them: write the character itself or split the literal" >&2
fi

"$lupdate" -silent -no-obsolete -locations none -target-language bg_BG \
    app "$noop" -ts "$ts"

total=$(grep -c '<message' "$ts" || true)
open=$(grep -c 'type="unfinished"' "$ts" || true)
echo "$ts: $total messages, $open not yet translated"
