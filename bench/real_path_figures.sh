#!/usr/bin/env bash
# What the trainer costs the learner on the real path, one build folder or
# several side by side:
#
#   bench/real_path_figures.sh BUILD_DIR [BUILD_DIR ...]
#
# Each figure comes from RUNS (5) fresh trainers per build folder, each a new
# process on xcb on a private Xvfb screen of 1280x1024 (xvfb-run), the
# program beside a bank built from its source tree's data/ by the build's own
# makebank (a fresh copy for every process). The runs of the folders take
# turns, each round led by the next, so that a machine that gets busier or
# quieter weighs on every folder alike.
# For each figure it prints the median, and the least and the most in
# brackets: how noisy the machine was.
#
#   start-up            the trainer itself, from its start to its first
#                       painted frame (RUNTIME_EXIT_AT_FIRST_PAINT): wall
#                       clock and CPU time (user and system, /usr/bin/time;
#                       to 10 ms)
#   class window        trainer_probe windows 5: from the class window's
#                       opening, as the menu opens it, to its paint, the
#                       first after start-up and the median of the next four
#   class window → exam the same run: from Enter in the painted class window
#                       to the painted examination
#   hand-in → result    the same run: from "确认交卷" to the painted result
#                       window listing 100 wrong answers
#   key 7               trainer_probe serverkeys: CPU time per question from
#                       the key's press, through the X server, to the
#                       painted next question
#   memory              trainer_probe exams 30: the peak (VmHWM) and the
#                       growth of the resident size from examination 2 to 30
#
# On a machine that other work keeps busy, compare CPU times and page
# faults; wall clocks only on a quiet one. RUNS=9 in the environment takes
# more trainers per figure.
set -euo pipefail

if [ $# -eq 0 ]; then
    echo "usage: $0 BUILD_DIR [BUILD_DIR ...]" >&2
    exit 2
fi
for tool in xvfb-run /usr/bin/time; do
    command -v "$tool" > /dev/null || { echo "$0: needs $tool (packages xvfb, time)" >&2; exit 2; }
done
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Each build folder's program folder: the trainer, the probe and a pristine
# bank, built from the source tree the folder was configured from.
builds=()
for i in $(seq 1 $#); do
    build=$(cd "${!i}" && pwd)
    source=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
    folder="$work/$i"
    mkdir -p "$folder"
    cp "$build/src/trainer" "$build/bench/trainer_probe" "$folder/"
    "$build/tools/makebank/makebank" --data "$source/data" --images "$source/resources/images" \
        --out "$folder/bank.dat" > /dev/null
    builds+=("$build")
done

# Runs a program of the folder on a screen of its own, with a fresh bank;
# prints what it printed.
run() {
    local folder=$1
    shift
    cp "$folder/bank.dat" "$folder/vqb005.dat"
    (cd "$folder" && QT_QPA_PLATFORM=xcb timeout 900 \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$@" 2> /dev/null) || true
}

# The figures of one run of each kind, "name=value" lines.
startUp() {
    rm -f "$1/time"
    if run "$1" env RUNTIME_EXIT_AT_FIRST_PAINT=1 /usr/bin/time -o time -f '%e %U %S' ./trainer |
        grep -q 'first paint'; then
        awk '{ printf "startup_ms=%.0f\nstartup_cpu_ms=%.0f\n", $1 * 1000, ($2 + $3) * 1000 }' "$1/time"
    fi
}
windows() { run "$1" ./trainer_probe windows 5 | grep '=' || true; }
keys() { run "$1" ./trainer_probe serverkeys | grep '=' || true; }
memory() {
    run "$1" ./trainer_probe exams 30 | awk -F= '/=/ { print } $1 == "rss_after_2" { a = $2 }
        $1 == "rss_after_30" { b = $2 } END { if (a != "" && b != "") printf "growth_2_to_30=%.2f\n", b - a }'
}

load=$(cut -d' ' -f1-3 /proc/loadavg)
# Each round starts with the next folder, so that none always runs first.
count=${#builds[@]}
for r in $(seq 1 "$runs"); do
    for k in $(seq 0 $((count - 1))); do
        i=$(((r - 1 + k) % count + 1))
        echo "run $r of $runs: ${builds[$((i - 1))]}" >&2
        for kind in startUp windows keys memory; do
            "$kind" "$work/$i" >> "$work/$i/figures"
        done
    done
done

# The median of a figure's values in a folder, with the least and the most.
summary() {
    local values
    values=$(sed -n "s/^$2=//p" "$1/figures" | sort -g)
    if [ -z "$values" ]; then
        echo "-"
        return
    fi
    echo "$values" | awk '{ v[NR] = $1 }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
              printf "%g (%g..%g)", m, v[1], v[NR], NR }'
}

printf '%-34s' "figure: median (least..most)"
for build in "${builds[@]}"; do printf ' | %-28s' "$build"; done
echo
while IFS='|' read -r name label; do
    printf '%-34s' "$label"
    for i in $(seq 1 ${#builds[@]}); do printf ' | %-28s' "$(summary "$work/$i" "$name")"; done
    echo
done << 'EOF'
startup_ms|start-up, wall ms
startup_cpu_ms|start-up, CPU ms
open_class_ms|menu -> class window, wall ms
open_class_cpu_ms|menu -> class window, CPU ms
open_class_faults|menu -> class window, page faults
open_class_again_ms|  again (2-5), wall ms
open_class_again_cpu_ms|  again (2-5), CPU ms
open_class_again_faults|  again (2-5), page faults
open_exam_ms|class window -> exam, wall ms
open_exam_cpu_ms|class window -> exam, CPU ms
open_exam_faults|class window -> exam, page faults
open_exam_again_ms|  again (2-5), wall ms
open_exam_again_cpu_ms|  again (2-5), CPU ms
open_exam_again_faults|  again (2-5), page faults
result_ms|hand-in -> result, wall ms
result_cpu_ms|hand-in -> result, CPU ms
result_faults|hand-in -> result, page faults
result_again_ms|  again (2-5), wall ms
result_again_cpu_ms|  again (2-5), CPU ms
result_again_faults|  again (2-5), page faults
server_key7_us|key 7 per question, CPU us
peak|memory: peak over 30 exams, MiB
growth_2_to_30|memory: growth exam 2 -> 30, MiB
EOF
echo "load average (1, 5, 15 minutes) before: $load, after: $(cut -d' ' -f1-3 /proc/loadavg)"
