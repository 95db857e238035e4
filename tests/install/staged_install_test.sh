#!/usr/bin/env bash
# Installs the build into a staging root as the package does (prefix /usr)
# and runs the staged quorin-cli for a new user, with a bare environment (no
# library or plugin paths): a calculation, a --pdf print and a settings
# change all work and land in the user's data folder; the shipped files are
# left as shipped; --data-dir still wins. A user of the earlier layout (every
# shipped file copied into their folder, a report database without this
# version's tables and fields) gets the new report file, the new year
# figures and a migrated database, and keeps their settings and own years.
# The package is made after a print from the build folder and must not
# carry it; it is checked as Debian checks packages.
#   staged_install_test.sh install CMAKE BUILD_DIR   cmake --install with DESTDIR
#   staged_install_test.sh package CPACK BUILD_DIR   the .deb of cpack -G DEB, unpacked
set -euo pipefail
mode="$1"
tool="$2"
build="$3"

work="$(mktemp -d)"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
root="$work/root"
fail() { echo "FAIL: $*" >&2; exit 1; }

if [[ "$mode" == install ]]; then
  DESTDIR="$root" "$tool" --install "$build" --prefix /usr >/dev/null
else
  # A run from the build folder prints into the report database beside it.
  "$build/bin/quorin-cli" monthly --salary 45678 --age 33 --name "Jane Secret" --pdf "$work/secret.pdf" >/dev/null \
    || fail "the print from the build folder failed"
  "$tool" -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >/dev/null
  deb="$(echo "$work"/package/quorin_*.deb)"
  [[ -f "$deb" ]] || fail "cpack made no package"
  depends="$(dpkg-deb -f "$deb" Depends)"
  for p in libqt6core6 libqt6sql6 libqt6sql6-sqlite libqt6gui6 libqt6widgets6 fonts-dejavu-core libc6; do
    grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "the package does not depend on $p: $depends"
  done
  dpkg-deb -x "$deb" "$root"
  ! grep -q "Jane Secret" "$root/usr/share/quorin/Rudodeza.db" || fail "the package ships a print made in the build folder"
  if command -v lintian >/dev/null; then
    lintian --pedantic --fail-on error,warning,info,pedantic "$deb" >"$work/lintian.txt" 2>&1 \
      || fail "lintian: $(cat "$work/lintian.txt")"
  fi
  for f in usr/bin/quorin usr/bin/quorin-cli "$(cd "$root" && echo usr/lib/*/quorin/libquorin_pdf_printer.so)"; do
    sections="$(readelf -S "$root/$f")"
    ! grep -qE '\.comment|\.debug_' <<<"$sections" || fail "/$f is not stripped"
  done
fi

app=za.co.quorinpayroll.quorin
plugin="$(cd "$root" && echo usr/lib/*/quorin/libquorin_pdf_printer.so)"
for f in usr/bin/quorin usr/bin/quorin-cli "$plugin" \
         usr/share/quorin/Rudodeza.db usr/share/quorin/Monthly.rpt usr/share/quorin/Qrin.jpg \
         usr/share/quorin/qr2026Help.pdf usr/share/quorin/tax-years/2027.json usr/share/applications/$app.desktop \
         usr/share/metainfo/$app.metainfo.xml usr/share/icons/hicolor/scalable/apps/quorin.svg \
         usr/share/man/man1/quorin.1.gz usr/share/man/man1/quorin-cli.1.gz \
         usr/share/bash-completion/completions/quorin-cli usr/share/doc/quorin/changelog.gz; do
  [[ -f "$root/$f" ]] || fail "the install lacks /$f"
done
for size in 16 24 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/quorin.png"
  file "$png" | grep -q "PNG image data, $size x $size" || fail "no ${size}x${size} PNG icon: $(file "$png")"
done
[[ ! -e "$root/usr/share/quorin/Settings.db" ]] || fail "a Settings.db was installed"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/$app.desktop" || fail "the desktop entry is not valid"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" >"$work/appstream.txt" 2>&1 \
    || fail "appstreamcli: $(cat "$work/appstream.txt")"
fi
dynamic="$(readelf -d "$root/usr/bin/quorin")"
grep -qE 'BIND_NOW|FLAGS.*NOW' <<<"$dynamic" || fail "quorin is not linked with -z now"

# The manual pages show every calculator with its flags, without a warning.
if command -v man >/dev/null; then
  for page in quorin quorin-cli; do
    warnings="$(MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
    [[ -z "$warnings" ]] || fail "$page(1): $warnings"
  done
  text="$(MANWIDTH=200 man -E UTF-8 -l "$root/usr/share/man/man1/quorin-cli.1.gz" 2>/dev/null)"
  for want in "monthly" "--salary TEXT" "--pdf FILE" "--records-kept {no,yes}" "batch" "--input FILE"; do
    grep -qF -- "$want" <<<"$text" || fail "quorin-cli(1) lacks \"$want\""
  done
fi
# The completion offers calculators, their flags, choices and files.
complete_words() {  # the words of the command line; the last is being typed
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _quorin_cli; printf "%s\n" "${COMPREPLY[@]}"' \
    run "$root/usr/share/bash-completion/completions/quorin-cli" quorin-cli "$@"
}
grep -qx monthly <<<"$(complete_words mon)" || fail "completion: no calculator for \"mon\""
grep -qx -- --salary <<<"$(complete_words monthly --sal)" || fail "completion: no --salary for monthly"
grep -qx af <<<"$(complete_words monthly --language "")" || fail "completion: no languages"
grep -qx loans <<<"$(complete_words batch lo)" || fail "completion: no calculator for batch"
touch "$work/payroll-in.csv"
grep -qx "$work/payroll-in.csv" <<<"$(complete_words batch monthly --input "$work/payroll")" || fail "completion: no file for --input"

# Both programs answer --help and --version without a display.
for program in quorin quorin-cli; do
  for option in --help --version; do
    env -i PATH=/usr/bin:/bin "$root/usr/bin/$program" $option >/dev/null || fail "$program $option failed"
  done
done
dynamic="$(readelf -d "$root/usr/bin/quorin-cli")"
if grep -qE 'RPATH|RUNPATH' <<<"$dynamic"; then fail "quorin-cli carries a library search path"; fi
grep -q 'libQt6Gui' <<<"$dynamic" && fail "quorin-cli links Qt Gui"

# The shipped files may not be written, as under /usr.
chmod -R a-w "$root/usr"
shipped_db="$(cksum < "$root/usr/share/quorin/Rudodeza.db")"

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cli() {  # a new user's shell: nothing but HOME, PATH and the runtime folder
  # (and the sanitizers' options, in a sanitizer build)
  env -i HOME="${HOME_OVERRIDE:-$work/home}" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$work/runtime" ${XDG:+XDG_DATA_HOME="$XDG"} \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
    "$root/usr/bin/quorin-cli" "$@"
}
user="$work/home/.local/share/quorin"

# A calculation: the per-user folder is made and filled on the first call.
out="$(cli monthly --salary 30000)" || fail "the calculation failed"
grep -qE '"numMAns1": 177\.12,?$' <<<"$out" || fail "unexpected UIF: $out"
for f in Rudodeza.db Settings.db; do
  [[ -f "$user/$f" ]] || fail "$f is not in the user's folder"
done
[[ -d "$user/tax-years" ]] || fail "the user has no folder for their own year files"
for f in Monthly.rpt Qrin.jpg qr2026Help.pdf tax-years/2027.json; do
  [[ ! -e "$user/$f" ]] || fail "the shipped $f was copied into the user's folder"
done

# The shipped tax years are offered.
out="$(cli ruravuvo --income 300000 --age 40 --tax-year 2027)" || fail "the 2027 calculation failed"
grep -q '40572' <<<"$out" || fail "the 2027 tax year was not used: $out"

# A print: the feed record goes into the user's report database.
cli monthly --salary 30000 --name "Staged Tester" --pdf "$work/monthly.pdf" >/dev/null || fail "the print failed"
[[ "$(head -c 5 "$work/monthly.pdf")" == "%PDF-" ]] || fail "no PDF was written"
if command -v pdftotext >/dev/null; then
  pdftotext "$work/monthly.pdf" "$work/monthly.txt"
  grep -q "Staged Tester" "$work/monthly.txt" || fail "the PDF lacks the employee's name"
fi
[[ "$(cksum < "$user/Rudodeza.db")" != "$shipped_db" ]] || fail "the print did not reach the user's report database"
[[ "$(cksum < "$root/usr/share/quorin/Rudodeza.db")" == "$shipped_db" ]] || fail "the shipped report database changed"

# A settings change, kept for the next call and never copied over again.
cli settings --uif-limit 17000 >/dev/null || fail "the settings change failed"
grep -qE '"UIFLimit": 17000(\.0)?,?$' <<<"$(cli settings)" || fail "the settings change was not kept"
grep -qE '"numMAns1": 170(\.0)?,?$' <<<"$(cli monthly --salary 30000)" || fail "the new UIF limit is not used"
[[ ! -e "$root/usr/share/quorin/Settings.db" && ! -e "$root/usr/bin/Settings.db" ]] || fail "settings were written beside the program"

# XDG_DATA_HOME chooses the folder.
XDG="$work/xdg" cli settings --skills-levy 2 >/dev/null || fail "the call with XDG_DATA_HOME failed"
[[ -f "$work/xdg/quorin/Settings.db" && -f "$work/xdg/quorin/Rudodeza.db" ]] || fail "XDG_DATA_HOME was not used"

# --data-dir wins over both.
mkdir -p "$work/own"
cp "$root/usr/share/quorin/"*.rpt "$root/usr/share/quorin/Rudodeza.db" "$work/own/"
chmod u+w "$work/own/"*
cli settings --uif-limit 15000 --data-dir "$work/own" >/dev/null || fail "the call with --data-dir failed"
grep -qE '"UIFLimit": 15000(\.0)?,?$' <<<"$(cli settings --data-dir "$work/own")" || fail "--data-dir was not used"
grep -qE '"UIFLimit": 17000(\.0)?,?$' <<<"$(cli settings)" || fail "--data-dir changed the user's settings"

# An earlier version's user: every shipped file was copied into their folder
# and kept there; their report file and 2027 year are out of date, their
# report database lacks a field and a table of this version, and they set
# their own UIF limit and added a year of their own.
home2="$work/home2"
old="$home2/.local/share/quorin"
mkdir -p "$old/tax-years"
cp "$root/usr/share/quorin/"* "$old/" 2>/dev/null || true
cp "$root/usr/share/quorin/tax-years/"*.json "$old/tax-years/"
chmod -R u+w "$old"
sed -i 's|<body>|<body><p>OLD LAYOUT OF 1.0.0</p>|' "$old/Monthly.rpt"
sed -i 's|"primary": [0-9]*|"primary": 17000|' "$old/tax-years/2027.json"
sed -e 's|"year": 2027|"year": 2028|' -e 's|01/03/2026|01/03/2027|' -e 's|28/02/2027|29/02/2028|' \
  "$root/usr/share/quorin/tax-years/2027.json" >"$old/tax-years/2028.json"
cli settings --uif-limit 16000 --data-dir "$old" >/dev/null || fail "the earlier settings could not be made"
if command -v sqlite3 >/dev/null; then
  sqlite3 "$old/Rudodeza.db" "ALTER TABLE IRP5Mon DROP COLUMN EOE; DROP TABLE kwiktax; UPDATE IRP5Mon SET Sal = ' For : Kept Row';"
fi
upgraded() { HOME_OVERRIDE="$home2" cli "$@"; }
grep -q '40572' <<<"$(upgraded ruravuvo --income 300000 --age 40 --tax-year 2027)" || fail "the upgraded user has the old 2027 figures"
upgraded ruravuvo --income 300000 --age 40 --tax-year 2028 >/dev/null || fail "the user's own 2028 year is not offered"
grep -qE '"UIFLimit": 16000(\.0)?,?$' <<<"$(upgraded settings)" || fail "the upgrade lost the user's UIF limit"
for f in Monthly.rpt Qrin.jpg qr2026Help.pdf; do
  [[ ! -e "$old/$f" ]] || fail "the earlier version's copy of $f was left in the user's folder"
done
upgraded monthly --salary 30000 --name "Upgraded User" --pdf "$work/upgraded.pdf" >/dev/null || fail "the upgraded user cannot print"
if command -v pdftotext >/dev/null; then
  pdftotext "$work/upgraded.pdf" "$work/upgraded.txt"
  grep -q "Upgraded User" "$work/upgraded.txt" || fail "the upgraded print lacks the name"
  ! grep -q "OLD LAYOUT" "$work/upgraded.txt" || fail "the upgraded user prints the earlier report file"
fi
if command -v sqlite3 >/dev/null; then
  [[ "$(sqlite3 "$old/Rudodeza.db" "SELECT count(*) FROM kwiktax; SELECT EOE FROM IRP5Mon;")" == $'1\n(E.& O.E.)' ]] \
    || fail "the user's report database was not migrated"
fi

echo "staged install: quorin-cli calculates, prints and keeps settings in the user's folder; an earlier user is upgraded"
