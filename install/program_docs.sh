#!/usr/bin/env bash
# Makes the manual pages quorin(1) and quorin-cli(1) and the bash completion
# of quorin-cli from the programs' own --help and --version, so that they
# list exactly the commands, options and value kinds the programs accept.
#   program_docs.sh QUORIN QUORIN_CLI OUTDIR DATE
# writes OUTDIR/quorin.1, OUTDIR/quorin-cli.1 and OUTDIR/quorin-cli (the
# completion). Help lines are read as the command-line library writes them:
# a heading ("Options:", "Subcommands:", "Positionals:"), then one entry per
# line, two blanks, "NAME [KIND]" padded to 28 columns, its description.
set -euo pipefail
quorin="$1"
cli="$2"
out="$3"
date="$4"
mkdir -p "$out"

# One entry per line: SECTION, NAME, KIND and DESCRIPTION, separated by the
# unit separator (a tab would let read drop an empty KIND).
entries() {
  awk '
    /^[A-Za-z][A-Za-z ]*:$/ { section = substr($0, 1, length($0) - 1); next }
    section != "" && /^ {30}[^ ]/ && n > 0 { desc[n] = desc[n] " " substr($0, 31); next }
    section != "" && /^  [^ ]/ {
      head = substr($0, 3, 28)
      sub(/ +$/, "", head)
      n++
      sect[n] = section
      split(head, parts, " ")
      name[n] = parts[1]
      kind[n] = ""
      for (i = 2; i in parts; i++) kind[n] = kind[n] (kind[n] == "" ? "" : " ") parts[i]
      desc[n] = substr($0, 31)
      sub(/^ +/, "", desc[n])
    }
    END { for (i = 1; i <= n; i++) printf "%s\037%s\037%s\037%s\n", sect[i], name[i], kind[i], desc[i] }'
}

# Text for roff: backslashes shown, hyphens as minus signs, no line
# starting with a control character.
roff() { sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"; }

# The options of one help text as roff paragraphs.
options_roff() {
  while IFS=$'\x1f' read -r section name kind desc; do
    [[ "$section" == Options || "$section" == Positionals ]] || continue
    printf '.TP\n.B %s' "$(roff <<<"$name")"
    [[ -n "$kind" ]] && printf ' \\fI%s\\fR' "$(roff <<<"$kind")"
    printf '\n%s\n' "$(roff <<<"$desc")"
  done
}

version_of() { "$1" --version | awk '{ print $NF; exit }'; }

# --- quorin(1) ---------------------------------------------------------------
help="$("$quorin" --help)"
{
  printf '.TH QUORIN 1 "%s" "Quorin 2026 %s" "User Commands"\n' "$date" "$(version_of "$quorin")"
  printf '.SH NAME\nquorin \\- %s\n' "$(head -n1 <<<"$help" | sed 's/^quorin: //' | roff)"
  printf '.SH SYNOPSIS\n.B quorin\n[\\fIOPTIONS\\fR]\n'
  cat <<'TEXT'
.SH DESCRIPTION
The desktop program of Quorin 2026: one main window whose menu opens each
calculator (pay periods, salary packages, company cars and travel
allowances, loans, inflation and daily balance interest) in a window of its
own. It needs a graphical display; without one it says so and points to
\fBquorin\-cli\fR(1).
.SH OPTIONS
TEXT
  entries <<<"$help" | options_roff
  cat <<'TEXT'
.SH EXIT STATUS
0 when the program ends normally or has printed its help or version, 1 when
it cannot start (no display, no data folder), 64 for an unknown option.
.SH FILES
.TP
.I ~/.local/share/quorin
Each user's own files (\fB$XDG_DATA_HOME/quorin\fR when that is set): the
settings \fISettings.db\fR, the report database \fIRudodeza.db\fR and the
user's own year files in \fItax\-years\fR.
.TP
.I /usr/share/quorin
The files the package ships: report files, year files in \fItax\-years\fR,
the background picture and the user manual.
.SH SEE ALSO
\fBquorin\-cli\fR(1)
TEXT
} >"$out/quorin.1"

# --- quorin-cli(1) -----------------------------------------------------------
help="$("$cli" --help)"
commands=()
declare -A helps
while IFS=$'\x1f' read -r section name kind desc; do
  [[ "$section" == Subcommands ]] || continue
  commands+=("$name")
  helps[$name]="$("$cli" "$name" --help)"
done < <(entries <<<"$help")
{
  printf '.TH QUORIN\\-CLI 1 "%s" "Quorin 2026 %s" "User Commands"\n' "$date" "$(version_of "$cli")"
  printf '.SH NAME\nquorin\\-cli \\- %s\n' "$(head -n1 <<<"$help" | sed 's/^quorin-cli: //' | roff)"
  printf '.SH SYNOPSIS\n.B quorin\\-cli\n\\fICOMMAND\\fR [\\fIOPTIONS\\fR]\n'
  cat <<'TEXT'
.SH DESCRIPTION
Runs each calculator of Quorin 2026 without a window: one command, typed
inputs, the results as one JSON object on standard output. It computes with
the same code, settings and tax years as the windows and, with \fB\-\-pdf\fR,
prints the same report.
.SH OPTIONS
TEXT
  entries <<<"$help" | options_roff
  printf '.SH COMMANDS\n'
  for c in "${commands[@]}"; do
    sub="${helps[$c]}"
    printf '.SS %s\n%s\n' "$(roff <<<"$c")" "$(head -n1 <<<"$sub" | roff)"
    printf '.PP\n.B quorin\\-cli %s\n%s\n' "$(roff <<<"$c")" "$(sed -n 's/^Usage: [^ ]* [^ ]* //p' <<<"$sub" | roff)"
    entries <<<"$sub" | grep -v $'\x1f-h,--help\x1f' | options_roff
  done
  cat <<'TEXT'
.SH EXIT STATUS
0 results; 1 any other failure (a missing report file, a store that cannot
be opened); 2 a refused input or failed check, with the window's own message;
64 a usage error.
.SH FILES
.TP
.I ~/.local/share/quorin
Each user's own files (\fB$XDG_DATA_HOME/quorin\fR when that is set):
\fISettings.db\fR, \fIRudodeza.db\fR and the user's own year files in
\fItax\-years\fR. \fB\-\-data\-dir\fR names another folder.
.TP
.I /usr/share/quorin
The files the package ships: report files, year files, picture and manual.
.SH SEE ALSO
\fBquorin\fR(1)
TEXT
} >"$out/quorin-cli.1"

# --- bash completion of quorin-cli -------------------------------------------
{
  cat <<'TEXT'
# bash completion for quorin-cli                       -*- shell-script -*-
# Made by the build from quorin-cli's own help: do not edit.

# The words for a value of kind KIND: files, folders, choices, or nothing.
_quorin_cli_value() {
  local kind=$1 cur=$2
  case $kind in
    FILE) compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -f -- "$cur")) ;;
    DIR) compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -d -- "$cur")) ;;
    *'{'*) local choices=${kind#*\{}; choices=${choices%\}}
       local IFS=,; COMPREPLY=($(compgen -W "$choices" -- "$cur")) ;;
    *) COMPREPLY=() ;;
  esac
}

_quorin_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
TEXT
  printf '  local commands=%q\n' "${commands[*]}"
  calculators=()
  for c in "${commands[@]}"; do
    grep -q -- '^  --pdf ' <<<"${helps[$c]}" && calculators+=("$c")
  done
  printf '  local calculators=%q\n' "${calculators[*]}"
  cat <<'TEXT'
  if ((COMP_CWORD == 1)); then
    COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
    return
  fi
  local flags="" kind=""
  case ${COMP_WORDS[1]} in
TEXT
  for c in "${commands[@]}"; do
    flags=()
    kinds=()
    positional=""
    while IFS=$'\x1f' read -r section name kind desc; do
      if [[ "$section" == Positionals ]]; then
        positional="$name"
        continue
      fi
      [[ "$section" == Options ]] || continue
      name="${name##*,}"
      flags+=("$name")
      kind="${kind% REQUIRED}"
      [[ -n "$kind" ]] && kinds+=("$(printf '      %s) kind=%q ;;' "$name" "$kind")")
    done < <(entries <<<"${helps[$c]}")
    printf '    %s)\n      flags=%q\n' "$c" "${flags[*]}"
    if [[ "$positional" == calculator ]]; then
      printf '      if ((COMP_CWORD == 2)); then COMPREPLY=($(compgen -W "$calculators" -- "$cur")); return; fi\n'
    fi
    printf '      case $prev in\n'
    ((${#kinds[@]})) && printf '%s\n' "${kinds[@]}"
    printf '      esac ;;\n'
  done
  cat <<'TEXT'
  esac
  if [[ -n $kind ]]; then
    _quorin_cli_value "$kind" "$cur"
    return
  fi
  COMPREPLY=($(compgen -W "$flags" -- "$cur"))
}
complete -F _quorin_cli quorin-cli
TEXT
} >"$out/quorin-cli"
