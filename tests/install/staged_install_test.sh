#!/usr/bin/env bash
# Installs the build into a staging root as the package does (prefix /usr)
# and runs the staged quorin-cli for a new user, with a bare environment (no
# library or plugin paths): a calculation, a --pdf print and a settings
# change all work and land in the user's data folder; the shipped files are
# left as shipped; --data-dir still wins.
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
  "$tool" -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >/dev/null
  deb="$(echo "$work"/package/quorin_*.deb)"
  [[ -f "$deb" ]] || fail "cpack made no package"
  depends="$(dpkg-deb -f "$deb" Depends)"
  for p in libqt6core6 libqt6sql6 libqt6sql6-sqlite libqt6gui6 libqt6widgets6 fonts-dejavu-core libc6; do
    grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "the package does not depend on $p: $depends"
  done
  dpkg-deb -x "$deb" "$root"
fi

for f in usr/bin/quorin usr/bin/quorin-cli usr/lib/quorin/libquorin_pdf_printer.so \
         usr/share/quorin/Rudodeza.db usr/share/quorin/Monthly.rpt usr/share/quorin/Qrin.jpg \
         usr/share/quorin/qr2026Help.pdf usr/share/quorin/tax-years/2027.json usr/share/applications/quorin.desktop \
         usr/share/icons/hicolor/scalable/apps/quorin.svg; do
  [[ -f "$root/$f" ]] || fail "the install lacks /$f"
done
[[ ! -e "$root/usr/share/quorin/Settings.db" ]] || fail "a Settings.db was installed"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/quorin.desktop" || fail "the desktop entry is not valid"
fi
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
  env -i HOME="$work/home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$work/runtime" ${XDG:+XDG_DATA_HOME="$XDG"} \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
    "$root/usr/bin/quorin-cli" "$@"
}
user="$work/home/.local/share/quorin"

# A calculation: the per-user folder is made and filled on the first call.
out="$(cli monthly --salary 30000)" || fail "the calculation failed"
grep -qE '"numMAns1": 177\.12,?$' <<<"$out" || fail "unexpected UIF: $out"
for f in Rudodeza.db Monthly.rpt Qrin.jpg qr2026Help.pdf Settings.db tax-years/2026.json tax-years/2027.json; do
  [[ -f "$user/$f" ]] || fail "$f is not in the user's folder"
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

echo "staged install: quorin-cli calculates, prints and keeps settings in the user's folder"
