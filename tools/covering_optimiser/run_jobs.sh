#!/bin/bash
# Runs a list of optimiser jobs, two at a time, each into its own file of a scratch folder, and
# appends one result line per job to <scratch>/results.txt (kind v t size seed seconds file
# greedy); install_tables.py then keeps the best
# covering of each table. A job line: kind v t seconds seed target patience [start covering file] (blank/# lines
# skipped).
# Usage: run_jobs.sh <optimiser executable> <jobs file> <scratch folder> [parallel jobs]
set -u
optimiser=$1
jobs=$2
scratch=$3
parallel=${4:-2}
mkdir -p "$scratch"
grep -v '^[[:space:]]*\(#\|$\)' "$jobs" | xargs -P "$parallel" -L 1 bash -c '
  kind=$1 v=$2 t=$3 seconds=$4 seed=$5 target=$6 patience=$7 start=${8:-}
  out="$0/${kind}_v${v}_t${t}.s${seed}.txt"
  line=$(nice -n 19 "'"$optimiser"'" "$kind" "$v" "$t" "$seconds" "$seed" 1 "$out" "$target" "$patience" ${start:+--inizio "$start"}) || exit 0
  # kind v=.. t=.. size N greedy G seconds S seed X ...
  set -- $line
  echo "$kind $v $t $5 $seed ${9%.*} $(basename "$out") $7" >> "$0/results.txt"
' "$scratch"
