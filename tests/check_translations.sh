#!/usr/bin/env bash
# Every table is whole: refreshed from the sources, nothing is unfinished or obsolete; translations keep
# their placeholders, and an access key (&) where the source has one; captions shown together (a tab's,
# the tab labels, the buttons) share no key; Arabic and Hebrew run from the right. Then the app test
# starts under each table's LANG=<language>.UTF-8 and finds the window in its words and direction.
set -euo pipefail
lupdate=$1 sources=$2 ui=$3 tables=$4 probe=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$tables"/zirn_*.ts "$work/"
"$lupdate" -silent -locations none "$sources" -ts "$work"/*.ts >/dev/null
python3 - "$ui" "$work"/*.ts >"$work/rows" <<'PYTHON'
import re, sys, xml.etree.ElementTree as ET
def captions(node):
    return {s.text for s in node.iter('string') if s.text and s.get('notr') != 'true'}
tabs = (ui := ET.parse(sys.argv[1]).getroot()).findall(".//widget[@class='QTabWidget']/widget")
groups = [captions(ui) - set().union(*map(captions, tabs)) | captions(tab) for tab in tabs]
# The program shows the 256-bit caption in place of the 128-bit one when the settings file asks.
groups += [{c.replace('128', '256') for c in group} for group in groups]
def key(text):  # the access key, lower case, or None
    return next((c.lower() for c in re.findall(r'&([^&\s])', text.replace('&&', ''))), None)
problems = []
for path in sys.argv[2:]:
    table, name, shown = ET.parse(path).getroot(), path.rsplit('/', 1)[1], {}
    for context in table.iter('context'):
        for message in context.iter('message'):
            source, translation = message.findtext('source'), message.find('translation')
            text, state = translation.text or '', translation.get('type')
            if state or sorted(re.findall(r'%\d', source)) != sorted(re.findall(r'%\d', text)) or \
                    bool(key(source)) != bool(key(text)):
                problems.append(f'{name}: {state or "placeholders or access key"}: {source!r} -> {text!r}')
            shown[context.findtext('name'), source] = text
    for group in groups:
        keys = [key(shown.get(('MainWindow', caption), caption)) for caption in group]
        problems += [f'{name}: access key {k!r} twice' for k in set(keys) - {None} if keys.count(k) > 1]
    direction = 'RTL' if table.get('language')[:2] in ('ar', 'he', 'fa', 'ur') else 'LTR'
    if shown.get(('QGuiApplication', 'QT_LAYOUT_DIRECTION')) != direction:
        problems.append(f'{name}: QT_LAYOUT_DIRECTION must be {direction}')
    print(table.get('language'), shown.get(('MainWindow', 'PDF &File')), direction, sep='\t')
sys.exit('\n'.join(problems) or None)
PYTHON
while IFS=$'\t' read -r language caption direction; do
    env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$language.UTF-8" ZIRN_EXPECT_CAPTION="$caption" \
        ZIRN_EXPECT_DIRECTION="$direction" "$probe" --gtest_filter='*.StartsInTheLanguageOfItsLocale' \
        >"$work/log" 2>&1 && grep -q 'PASSED.*1 test' "$work/log" || { cat "$work/log"; exit 1; }
done <"$work/rows"
