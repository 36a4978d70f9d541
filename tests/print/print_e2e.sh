#!/usr/bin/env bash
# End to end through the real print system: a private cupsd on its own local socket with the
# stock "authenticated" policy, the queue added by scripts/install-printer.sh from a prebuilt
# build, jobs printed with lp by an ordinary user made for the test, the backend storing them
# in ~/PDF and starting the program in that user's (offscreen) session, and the program
# writing the final PDF, also of images, text and jobs with options that change pages.
#
#   print_e2e.sh <zirn-pdf-writer> <zirn-cups-backend built to start it> <zirn-texttopdf> <zirn-jpegtopdf>
#                <source folder>
# Needs root (cupsd, test users); skipped otherwise with exit code 77.
set -euo pipefail
program=$1 backend=$2 filter=$3 jpeg_filter=$4 source=$5

if [[ $(id -u) -ne 0 ]]; then
    echo "SKIPPED: the printing end-to-end test needs root (a private cupsd and test users); run scripts/test.sh as root."
    exit 77
fi

# Everything of the test's, the program it installs included, in a folder of root's made for
# it: never a fixed name in /tmp, never the machine's own CUPS files.
scratch=$(mktemp -d /tmp/zirn-print-e2e.XXXXXX)
chmod 755 "$scratch"
[[ -O "$scratch" && ! -L "$scratch" ]] || { echo "FAILED: $scratch is not root's" >&2; exit 1; }
queue=Zirn_PDF_Writer_Test$$
user=zirne2e$$ other=zirnoth$$
home="$scratch/home" other_home="$scratch/other"
c="$scratch/cups"
socket="$c/cups.sock"
cupsd_pid="" session_pid=""
prebuilt="$scratch/build" installed="$scratch/bin/zirn-pdf-writer"
installer=(bash "$source/scripts/install-printer.sh" --build "$prebuilt" --program "$installed"
    --queue "$queue" --server "$socket" --server-bin "$c/bin" --cupsd-conf "$c/conf/cupsd.conf")

cleanup() {
    set +e
    [[ -n "$session_pid" ]] && kill "$session_pid" 2>/dev/null
    pkill -u "$user" 2>/dev/null
    [[ -n "$cupsd_pid" ]] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    userdel "$user" 2>/dev/null; userdel "$other" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2; tail -n 40 "$c/log/error_log" >&2; ls -la "$home/PDF" >&2
    exit 1
}

wait_for() { # seconds, condition...
    local tries=$(($1 * 5)); shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.2; done
    return 1
}

# Two ordinary users; the first one's settings press Create at launch, silently, into ~/Out.
useradd -M -d "$home" -s /bin/sh "$user"
useradd -M -d "$other_home" -s /bin/sh "$other"
mkdir -p "$home/.config/org.zirn.PDFWriter" "$home/Out" "$other_home"
printf '[Values]\nAutoStart = 1\nSilent = 1\nAutoUpdate = 0\nPostAction = none\nPath = %s\n' "$home/Out" \
    >"$home/.config/org.zirn.PDFWriter/Zirn.ini"
chown -R "$user:" "$home"; chown -R "$other:" "$other_home"
python3 "$source/tests/print/make_print_fixture.py" "$scratch/Quarterly Report.pdf" "$scratch/notes.ps" \
    "$scratch/Four.pdf" "$scratch/photo.png" "$scratch/drawing.png" "$scratch/photo-page.pdf"
# The photo as a camera would write it: a baseline JPEG (pdftoppm's, of the page showing it).
pdftoppm -jpeg -r 72 -singlefile "$scratch/photo-page.pdf" "$scratch/holiday"
printf 'Grüße aus Zürich, naïve café\n' >"$scratch/memo.txt"
chmod 644 "$scratch"/*.*
# The build the installer takes, as its user made it: the program, and the test build of the
# backend, which starts it where the installer is told to put it (cups-files.conf names it below).
install -D -m 755 "$program" "$prebuilt/src/app/zirn-pdf-writer"
install -D -m 755 "$backend" "$prebuilt/src/print/zirn-cups-backend"
install -D -m 755 "$filter" "$prebuilt/src/print/textfilter/zirn-texttopdf"
install -D -m 755 "$jpeg_filter" "$prebuilt/src/print/jpegfilter/zirn-jpegtopdf"

# A private cupsd: its own configuration, programs, spool and logs, and only a local socket,
# where it knows the connecting user by the socket itself.
mkdir -p "$c/conf/ppd" "$c/cache" "$c/state" "$c/spool/tmp" "$c/log" "$c/bin/backend"
for folder in /usr/lib/cups/*; do
    [[ $(basename "$folder") =~ ^(backend|filter)$ ]] || ln -s "$folder" "$c/bin/"
done
mkdir "$c/bin/filter"
ln -s /usr/lib/cups/filter/* "$c/bin/filter/"
chmod -R 755 "$c"
cat > "$c/conf/cupsd.conf" <<CONF
Listen $socket
LogLevel debug
DirtyCleanInterval 0
WebInterface No
DefaultAuthType Basic
<Location />
  Order deny,allow
</Location>
CONF
# The stock policies; and no newline at the end, which an earlier version's block was glued to.
sed -n '/^<Policy /,/^<\/Policy>/p' /usr/share/cups/cupsd.conf.default >>"$c/conf/cupsd.conf"
printf '# the last line' >>"$c/conf/cupsd.conf"
printf '%s\n' "ServerRoot $c/conf" "CacheDir $c/cache" "StateDir $c/state" "RequestRoot $c/spool" \
    "TempDir $c/spool/tmp" "ErrorLog $c/log/error_log" "AccessLog $c/log/access_log" \
    "PageLog $c/log/page_log" "ServerBin $c/bin" "DataDir /usr/share/cups" "User lp" "Group lp" \
    "SystemGroup root" "Sandboxing Relaxed" "SetEnv ZIRN_TEST_PROGRAM $installed" \
    "SetEnv ZIRN_TEST_MARKS $c/marks" >"$c/conf/cups-files.conf"
# Newer cupsd takes the user from the local socket only with PeerCred on; older ones always
# do, and refuse to start on a directive they do not know: keep it only where cupsd accepts it.
echo "PeerCred on" >>"$c/conf/cups-files.conf"
if ! /usr/sbin/cupsd -t -c "$c/conf/cupsd.conf" -s "$c/conf/cups-files.conf" >/dev/null 2>&1; then
    sed -i '/^PeerCred on$/d' "$c/conf/cups-files.conf"
fi
/usr/sbin/cupsd -f -c "$c/conf/cupsd.conf" -s "$c/conf/cups-files.conf" &
cupsd_pid=$!
running() { lpstat -h "$socket" -r 2>/dev/null | grep -q "is running"; }
wait_for 10 running || fail "the private cupsd did not start"

# The queue, by the project's own install logic: never from a build that others can change,
# also through a link; without a scheduler at the socket, it says so; under a German locale
# (which CUPS's tools speak even where it is not installed) it adds the queue. The blocks that
# earlier versions appended to cupsd.conf go (twice, the first one glued to the last line), as
# does their cups-pdf file beside it; otherwise cupsd.conf stays byte for byte, and a second
# run changes nothing, not even the administrator's choices (the PPD's PageSize among them);
# a file of an installed package it neither replaces nor deletes. A package removal stops the
# queue and says what it stopped, which its next install starts again.
chmod o+w "$prebuilt/src"
! "${installer[@]}" >/dev/null 2>&1 || fail "install-printer.sh took a build that others can change"
chmod o-w "$prebuilt/src"
mkdir -m 777 "$scratch/open" && mv "$prebuilt/src/app" "$scratch/open/" && ln -s "$scratch/open/app" "$prebuilt/src/"
! "${installer[@]}" >/dev/null 2>&1 || fail "install-printer.sh took a build linked into a folder others can change"
rm "$prebuilt/src/app" && mv "$scratch/open/app" "$prebuilt/src/"
[[ $("${installer[@]}" --server "$scratch/none.sock" 2>&1) == *"CUPS is not running"* ]] || fail "no scheduler, not said"
cp "$c/conf/cupsd.conf" "$scratch/cupsd.conf"
touch "$c/conf/cups-pdf-Zirn_PDF_Writer.conf"
for _ in 1 2; do
    printf '%s\n' "# BEGIN zirn-pdf-writer (install-printer.sh --remove takes this out)" "<Policy zirn-pdf-writer>" \
        "</Policy>" "# END zirn-pdf-writer" >>"$c/conf/cupsd.conf"
done
LANG=de_DE.UTF-8 "${installer[@]}" || fail "install-printer.sh"
cmp "$c/conf/cupsd.conf" "$scratch/cupsd.conf" || fail "install-printer.sh changed cupsd.conf"
[[ ! -e "$c/conf/cups-pdf-Zirn_PDF_Writer.conf" ]] || fail "install-printer.sh left the cups-pdf file"
state() {
    sha256sum "$c/bin/backend/zirn"; grep -E '^(State|Accepting|OpPolicy|AllowUser|Option) ' "$c/conf/printers.conf"
    grep '^\*DefaultPageSize: Letter' "$c/conf/ppd/$queue.ppd"
}
cupsdisable -h "$socket" "$queue" && cupsreject -h "$socket" "$queue"
lpadmin -h "$socket" -p "$queue" -o printer-op-policy=default -o PageSize=Letter -o number-up-default=2 -u allow:"$user"
before=$(state)
"${installer[@]}" >/dev/null
[[ "$before" == "$(state)" ]] || fail "a second install-printer.sh changed the configuration"
lpadmin -h "$socket" -p "$queue" -E -o printer-op-policy=authenticated -o PageSize=A4 -o number-up-default=1 -u allow:all
for remove in "" --remove; do
    [[ $("${installer[@]}" ${remove:+"$remove"} --program /usr/bin/lpstat 2>&1) == *"Debian package cups-client"* ]] ||
        fail "install-printer.sh $remove would replace or delete a packaged file"
done
queue_script=(sh "$source/scripts/printer-queue.sh" --queue "$queue" --server "$socket")
[[ $("${queue_script[@]}" suspend) == "enable accept" && -z $("${queue_script[@]}" suspend) ]] || fail "suspend"
"${queue_script[@]}" resume enable accept
[[ $(stat -c '%U:%G %a' "$c/bin/backend/zirn") == "root:root 700" ]] || fail "the backend is not root's alone"
grep -qx "OpPolicy authenticated" "$c/conf/printers.conf" && grep -qx "ErrorPolicy abort-job" "$c/conf/printers.conf" ||
    fail "the queue lacks the stock authenticated policy, or a failed job would stop it or come again"

lp_as() { # user, lp arguments...
    local who=$1; shift
    runuser -u "$who" -- env -i PATH=/usr/bin:/bin HOME=/ CUPS_SERVER="$socket" lp -d "$queue" "$@" </dev/null
}

# 1. No session: the spool file stays, byte for byte what the application sent.
spooled="$home/PDF/Quarterly Report.pdf"
lp_as "$user" -t "Quarterly Report.odt" "$scratch/Quarterly Report.pdf" >/dev/null || fail "lp"
wait_for 30 test -f "$spooled" || fail "no spool file at $spooled"
cmp "$spooled" "$scratch/Quarterly Report.pdf" || fail "the spool file differs from what was sent"
[[ $(stat -c '%U %a' "$home/PDF" "$spooled" | tr '\n' ' ') == "$user 700 $user 600 " ]] ||
    fail "the spool folder or file is not the user's alone"
wait_for 10 grep -q "no graphical session of $user" "$c/log/error_log" || fail "the log does not say where the file stays"
kept() { LC_ALL=C lpstat -h "$socket" -l -p "$queue" | grep -q "The document was kept in the user's PDF folder"; }
wait_for 10 kept || fail "the printer's status does not say that the document was kept"
rm -f "$spooled"

# 2. With a session (a process of the user that carries a display; offscreen here).
install -d -m 700 -o "$user" "$scratch/runtime"
runuser -u "$user" -- env -i HOME="$home" USER="$user" LOGNAME="$user" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    XDG_RUNTIME_DIR="$scratch/runtime" DISPLAY=:77 QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$home/.config" sleep 600 &
session_pid=$!
sleep 0.5
lp_as "$user" -t "Quarterly Report.odt" "$scratch/Quarterly Report.pdf" >/dev/null || fail "lp"
output="$home/Out/Quarterly Report.pdf"
wait_for 60 test -f "$output" -a ! -e "$spooled" || fail "no output PDF at $output"
[[ -z "$(ls -A "$home/PDF")" ]] || fail "the spool folder is not empty"
[[ $(stat -c %U "$output") == "$user" ]] || fail "the output does not belong to the user"
info=$(pdfinfo "$output")
grep -q "^Title: *Quarterly Report$" <<<"$info" && grep -q "^Author: *Ann Example$" <<<"$info" ||
    fail "title or author lost: $info"
pdftotext "$output" - | grep -q "Quarterly figures in DejaVu" || fail "text lost"
pdffonts "$output" | grep -q "DejaVuSans *TrueType .* yes" || fail "the embedded TrueType font is lost"
json=$(qpdf --json --json-key=outlines --json-key=qpdf "$output")
grep -q '"title": "Figures"' <<<"$json" || fail "the outline is lost"
grep -q "https://example.org/figures" <<<"$json" || fail "the link is lost"

# 3. PostScript, turned into PDF by gstopdf: its text survives.
lp_as "$user" -t "notes.ps" "$scratch/notes.ps" >/dev/null || fail "lp of PostScript"
wait_for 60 test -f "$home/Out/notes.pdf" || fail "no output for the PostScript job"
pdftotext "$home/Out/notes.pdf" - | grep -q "Notes from PostScript" || fail "the PostScript text is lost"

# 4. An image keeps its colour and pixels; text stays text; a piped job gets a plain name;
# options that change pages are applied: "<pages> <width>x<height>: <page numbers it shows>".
lp_as "$user" -t photo.png "$scratch/photo.png" >/dev/null || fail "lp of an image"
lp_as "$user" -t holiday.jpg "$scratch/holiday.jpg" >/dev/null || fail "lp of a JPEG"
lp_as "$user" -t "holiday half.jpg" -o scaling=50 "$scratch/holiday.jpg" >/dev/null || fail "lp -o scaling=50 of a JPEG"
lp_as "$user" -t memo.txt "$scratch/memo.txt" >/dev/null || fail "lp of text"
runuser -u "$user" -- env -i PATH=/usr/bin:/bin CUPS_SERVER="$socket" lp -d "$queue" <"$scratch/Four.pdf" >/dev/null ||
    fail "lp from a pipe"
wait_for 60 test -f "$home/Out/photo.pdf" -a -f "$home/Out/memo.pdf" -a -f "$home/Out/stdin.pdf" ||
    fail "no output for the image, the text or the piped job: $(ls "$home/Out")"
# A JPEG stays the very JPEG, in a PDF hardly larger, unless an option that CUPS's own image
# filter applies sends it there: "<PDF>|<encoding in the PDF>|<largest size>".
wait_for 60 test -f "$home/Out/holiday.pdf" -a -f "$home/Out/holiday half.pdf" || fail "no output for the JPEG jobs"
while IFS='|' read -r pdf encoding largest; do
    list=$(pdfimages -list "$home/Out/$pdf")
    grep -Eq "^ +1 +0 image +600 +400 +rgb +3 +8 +$encoding " <<<"$list" || fail "$pdf lost colour or pixels: $list"
    (($(stat -c %s "$home/Out/$pdf") <= largest)) || fail "$pdf is $(stat -c %s "$home/Out/$pdf") bytes"
done <<ROWS
photo.pdf|image|400000
holiday.pdf|jpeg|$(($(stat -c %s "$scratch/holiday.jpg") + 4096))
holiday half.pdf|image|400000
ROWS
pdfimages -j "$home/Out/holiday.pdf" "$scratch/kept" && cmp -s "$scratch/kept-000.jpg" "$scratch/holiday.jpg" ||
    fail "the JPEG's bytes changed on their way"
# The JPEG filter as CUPS runs it places the image as CUPS's own image filter does with the same
# options (paper, turn, scale), keeping the JPEG and the title, or has that filter apply options it
# does not itself: "<options>|<the image's encoding in its PDF>".
placed() { # filter, options: its exit status, the paper, the title, the image's pixels, encoding and resolution
    runuser -u "$user" -- env PPD="$source/resources/zirn-pdf-writer.ppd" "$1" 1 "$user" "Ferien in Zürich" 1 "$2" \
        "$scratch/holiday.jpg" 2>/dev/null >"$scratch/placed.pdf" && echo "exit 0" || echo "exit $?"
    pdfinfo "$scratch/placed.pdf" | grep -E '^(Page size|Title)'
    pdfimages -list "$scratch/placed.pdf" | awk 'NR > 2 {print $4, $5, $9, $10, $13, $14}'
}
while IFS='|' read -r options encoding; do
    ours=$(placed "$jpeg_filter" "$options") theirs=$(placed /usr/lib/cups/filter/imagetopdf "$options")
    [[ $(grep -v '^Title' <<<"$ours") == "$(grep -v '^Title' <<<"$theirs" | sed "s/ image / $encoding /")" ]] &&
        { [[ $encoding == image ]] || grep -qx 'Title: *Ferien in Zürich' <<<"$ours"; } ||
        fail "the JPEG filter with \"$options\" gave $ours; imagetopdf $theirs"
done <<'ROWS'
|jpeg
PageSize=Letter|jpeg
media=A5|jpeg
orientation-requested=3|jpeg
fit-to-page job-uuid=x|jpeg
scaling=50|image
ROWS
pdftotext "$home/Out/memo.pdf" - | grep -q "Grüße aus Zürich, naïve café" || fail "the text cannot be found in the PDF"
# The text filter as CUPS runs it, as an ordinary user, bounded by limits rather than measured:
# 20 MB of text within 64 MiB of data, a line of 256 K tabs and 100 K form feeds (100 K pages)
# within about a minute of processor time, where they took several. Left out in the build with AddressSanitizer, whose own memory and
# time do not fit such bounds. "<text> | <limits> | <pages>"
if [[ $(ldd "$filter") != *libasan* ]]; then
    python3 - "$scratch" <<'PY'
import sys
line = "The quick brown fox jumps over the lazy dog 0123456789\n"
open(sys.argv[1] + "/big.txt", "w").write((line * (20_000_000 // len(line) + 1))[:20_000_000])
open(sys.argv[1] + "/tabs.txt", "w").write("\t" * 262_144 + "end\n")
open(sys.argv[1] + "/formfeeds.txt", "w").write("\f" * 100_000)
PY
    chmod 644 "$scratch"/*.txt
    while IFS='|' read -r text limits expected; do
        runuser -u "$user" -- prlimit $limits -- "$filter" 1 "$user" "$text" 1 "" "$scratch/$text.txt" \
            >"$scratch/$text.pdf" || fail "the text filter on $text.txt under $limits"
        [[ $(pdfinfo "$scratch/$text.pdf" | awk '/^Pages:/ {print $2}') == "$expected" ]] ||
            fail "$text.txt: not $expected pages"
    done <<'ROWS'
big|--cpu=60 --data=67108864|5428
tabs|--cpu=30|392
formfeeds|--cpu=75|100001
ROWS
fi
# While it runs (here: waiting for its text), nobody sees the job's user or title in ps.
mkfifo "$scratch/text.fifo"
runuser -u "$user" -- "$filter" 7 "$user" "Payroll Q3" 1 "" <"$scratch/text.fifo" >"$scratch/payroll.pdf" &
texttopdf=$!
exec {feed}>"$scratch/text.fifo"
hidden() { pgrep -u "$user" -x zirn-texttopdf >/dev/null && [[ $(ps -o args= -u "$user") != *Payroll* ]]; }
wait_for 10 hidden || fail "ps shows the text filter's arguments: $(ps -o args= -u "$user")"
echo "Salaries" >&"$feed"
exec {feed}>&-
wait "$texttopdf" || fail "the text filter on a pipe"
pdfinfo "$scratch/payroll.pdf" | grep -q "^Title: *Payroll Q3$" || fail "the title is lost"
pages() { # pdf: its page count, first page's size as shown, and the numbers of the pages it shows
    local info size
    info=$(pdfinfo "$1")
    size=$(awk '/^Page size:/ {w = $3; h = $5} /^Page rot:/ {r = $3} END {
        if (r % 180) { t = w; w = h; h = t }; printf "%.0fx%.0f", w, h }' <<<"$info")
    echo "$(awk '/^Pages:/ {print $2}' <<<"$info") $size: $(pdftotext "$1" - | grep -o 'Page [0-9]' | cut -c6 | xargs)"
}
[[ $(pages "$home/Out/stdin.pdf") == "4 595x842: 1 2 3 4" ]] || fail "the piped job: $(pages "$home/Out/stdin.pdf")"
while IFS='|' read -r title option expected; do
    lp_as "$user" -t "$title" -o "$option" "$scratch/Four.pdf" >/dev/null || fail "lp -o $option"
    wait_for 60 test -f "$home/Out/$title.pdf" || fail "no output for -o $option"
    [[ $(pages "$home/Out/$title.pdf") == "$expected" ]] || fail "-o $option gave $(pages "$home/Out/$title.pdf")"
done <<'ROWS'
Odd|page-set=odd|2 595x842: 1 3
Reverse|outputorder=reverse|4 595x842: 4 3 2 1
Two up|number-up=2|2 842x595: 1 2 3 4
Landscape|orientation-requested=4|4 842x595: 1 2 3 4
Booklet|media=A5|4 420x595: 1 2 3 4
ROWS

# 5. Printing in another user's name is refused and reaches nobody.
! lp_as "$user" -U "$other" -t "Intrusion" "$scratch/Quarterly Report.pdf" 2>"$scratch/lp.err" ||
    fail "lp -U $other was accepted"
grep -q "Unauthorized" "$scratch/lp.err" || fail "lp -U did not say Unauthorized: $(cat "$scratch/lp.err")"
sleep 2
[[ ! -e "$other_home/PDF" ]] || fail "something reached $other"
[[ -z "$(find "$home" -name 'Intrusion*')" ]] || fail "the refused job was stored"

# 6. Every document of a job, each a PDF of its own in order, and the job behind it prints; an open
# page range; an image's PDF about the size of the image, or smaller.
# Each document is numbered by its place in the job, also when Create has taken the one before.
lp_as "$user" -t Three "$scratch/Four.pdf" "$scratch/drawing.png" "$scratch/Quarterly Report.pdf" >/dev/null ||
    fail "lp of three documents"
qpdf --empty --pages $(printf '%s ' $(yes "$scratch/Four.pdf" | head -n 250)) -- "$scratch/Thousand.pdf"
chmod 644 "$scratch/Thousand.pdf"
lp_as "$other" -t Last -o page-ranges=998- "$scratch/Thousand.pdf" >/dev/null || fail "lp -o page-ranges=998-"
lp_as "$user" -t drawing.png "$scratch/drawing.png" >/dev/null || fail "lp of a drawing"
wait_for 90 test -f "$other_home/PDF/Last.pdf" -a -f "$home/Out/drawing.pdf" ||
    fail "the job behind three documents did not print"
[[ $(pages "$other_home/PDF/Last.pdf") == "3 595x842: 2 3 4" ]] ||
    fail "page-ranges=998- gave $(pages "$other_home/PDF/Last.pdf")"
for pdf in "Three.pdf|4" "Three 1.pdf|1" "Three 2.pdf|1"; do
    wait_for 30 test -f "$home/Out/${pdf%|*}" || true
    [[ $(qpdf --show-npages "$home/Out/${pdf%|*}" 2>/dev/null) == "${pdf#*|}" ]] ||
        fail "the three documents arrived as: $(ls "$home/Out" "$home/PDF")"
done
(($(stat -c %s "$home/Out/drawing.pdf") < 50000 && $(stat -c %s "$home/Out/photo.pdf") < 400000)) ||
    fail "images arrive large: $(stat -c '%n %s' "$home/Out/drawing.pdf" "$home/Out/photo.pdf")"

# 7. --remove changes nothing in cupsd.conf when the end of a block is lost; else it leaves no trace.
echo "# BEGIN zirn-pdf-writer" >>"$c/conf/cupsd.conf"
cp "$c/conf/cupsd.conf" "$scratch/lost-end"
! "${installer[@]}" --remove >/dev/null 2>&1 || fail "--remove went on without the end of a block"
cmp -s "$c/conf/cupsd.conf" "$scratch/lost-end" || fail "--remove edited a block without its end"
cp "$scratch/cupsd.conf" "$c/conf/cupsd.conf"
LANG=es_ES.UTF-8 "${installer[@]}" --remove >/dev/null
cmp "$c/conf/cupsd.conf" "$scratch/cupsd.conf" || fail "--remove changed cupsd.conf"
[[ ! -e "$c/bin/backend/zirn" && ! -e "$c/bin/filter/zirn-texttopdf" && ! -e "$c/bin/filter/zirn-jpegtopdf" ]] ||
    fail "--remove left the backend or a filter"
! lpstat -h "$socket" -v "$queue" >/dev/null 2>&1 || fail "--remove left the queue"

# 8. A queue of that name with another device is someone else's: adding and removing leave it.
install -m 755 /dev/null "$c/bin/backend/other"
lpadmin -h "$socket" -p "$queue" -v other:/ 2>/dev/null
! "${installer[@]}" >/dev/null 2>&1 && "${installer[@]}" --remove >/dev/null 2>&1 || fail "someone else's queue"
[[ $(LC_ALL=C lpstat -h "$socket" -v "$queue") == "device for $queue: other:/" ]] || fail "someone else's queue changed"
echo "1 passed, 0 failed"
