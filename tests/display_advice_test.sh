#!/bin/sh
# Without a display the program says how to run it and fails; the advice it gives then works:
# under xvfb-run its start screen appears. Usage: display_advice_test.sh path/to/bailwood2
set -eu
program="$1"
advice="Bailwood 2: no display found. Run it in a desktop session, or on a virtual one \
(apt-get install xvfb xauth): xvfb-run scripts/run, or xvfb-run bailwood2 once installed."

status=0
said=$(env -i "$program" 2>&1) || status=$?
[ "$status" -ne 0 ] || { echo "started with no display, status 0"; exit 1; }
[ "$said" = "$advice" ] || { echo "said instead: $said"; exit 1; }

# xdotool waits for the window by itself; the time limit only ends a run that hangs.
env -i PATH="$PATH" timeout 120 xvfb-run -a sh -c '
    "$0" & program=$!
    xdotool search --sync --onlyvisible --name "^Bailwood 2\$" >/dev/null
    kill "$program"' "$program"
echo "the advice works: the start screen appeared under xvfb-run"
