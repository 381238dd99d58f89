#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots from the real program under Xvfb, driving one whole run with
# the keyboard as a user would, and keeps the conclusions file it writes as docs/example.txt.
# Then shows the mode choice, with its longest caption, and a message box in the desktop's
# font, on two other desktops: scaled to 200 %, and with an 11 pt desktop font set through qt6ct.
#   bash tools/screenshots.sh [PROGRAM]      (default: build/src/app/terravia)
# Installs what it needs when missing, as the README's commands do.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/deps.sh"
need_packages xvfb openbox xdotool x11-utils imagemagick qt6ct
program=$(realpath "${1:-$root/build/src/app/terravia}")
docs=$root/docs
tour=$(mktemp -d /var/tmp/terravia-tour.XXXXXX)
home=$tour/consultant
mkdir "$home"
mkdir "$home/reports"
printf 'x\r\n' > "$home/site-a.txt"
printf 'x\r\n' > "$home/borehole-logs.txt"
export DISPLAY=:77 HOME=$home XDG_RUNTIME_DIR=$home
Xvfb $DISPLAY -screen 0 1800x1000x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $wm $xvfb 2>/dev/null || true; rm -rf "$tour"' EXIT
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$program" >/dev/null 2>&1 &
app=$!

wait_for() { # a window title
    for _ in $(seq 1200); do # two minutes, for a busy machine
        xdotool search --name "^$1\$" >/dev/null 2>&1 && { sleep 0.3; return 0; }
        sleep 0.1
    done
    echo "no window \"$1\"" >&2
    exit 1
}
shot() { # file, then the title of the window to frame
    local name=$1
    sleep 0.3
    import -window root /tmp/terravia-shot.png
    local line size x y
    line=$(xwininfo -root -tree | grep -F "\"$2\":" | head -1)
    size=$(echo "$line" | awk '{print $(NF-1)}')
    size=${size%%+*}
    x=$(echo "$line" | awk '{print $NF}' | cut -d+ -f2)
    y=$(echo "$line" | awk '{print $NF}' | cut -d+ -f3)
    # The client area with openbox's frame around it.
    convert /tmp/terravia-shot.png -crop "$((${size%x*} + 2))x$((${size#*x} + 22))+$((x - 1))+$((y - 21))" \
        +repage "$docs/$name"
}
keys() { xdotool key --delay 40 "$@"; }
type_reply() { xdotool type --delay 20 "$1"; keys Return; }

wait_for "Terravia 1.0"
xdotool windowmove "$(xdotool search --name '^Terravia 1.0$' | head -1)" 40 40
sleep 0.5
shot main-window.png "Terravia 1.0"
keys space                                  # Ready
wait_for "Information required"
shot question.png "Terravia 1.0"
keys y                                      # site history established
sleep 0.5
keys Down Tab space                         # COC mode, "COC or Land Use?"
sleep 0.3
xdotool type --delay 30 "TPH"
keys Tab space                              # Select COC
wait_for "Tonnage"
type_reply 250
keys y                                      # solid
wait_for "Concentration"
type_reply 500
keys y                                      # light aliphatic
wait_for "Precaution required"
keys Return
wait_for "Respiration rate"
type_reply 0.5
wait_for "Soil pH"
type_reply 7
wait_for "Bulk density"
type_reply 1.2
wait_for "Water holding capacity"
type_reply 30
wait_for "Ex situ is valid, with warning"
shot amber-verdict.png "Terravia 1.0"
keys Return
for step in "CFU concentration:50000" "CFU heterotrophs:2000" \
    "Respiration rate after bioaugmentation:0.1" "Biodegradation rate:150" \
    "C concentration associated with TPH:1000" "Co-contaminants:500"; do
    wait_for "${step%%:*}"
    type_reply "${step#*:}"
done
for answer in y y n y n; do                 # assays, no exceedence; full analysis, off-site
    wait_for "Information required"
    keys "$answer"
    sleep 0.5
done
wait_for "Conclusions file"
shot save-dialog.png "Conclusions file"
keys shift+Tab
xdotool type --delay 30 "site-report"
keys Return
wait_for "Process complete"
keys Return
sleep 0.5
cp "$home/site-report.txt" "$docs/example.txt"
kill $app
wait $app 2>/dev/null || true

# The mode choice on another desktop: the environment's changes, then the picture's name.
mode_choice_on() {
    local name=$1
    shift
    env "$@" "$program" >/dev/null 2>&1 &
    app=$!
    wait_for "Terravia 1.0"
    xdotool windowmove "$(xdotool search --name '^Terravia 1.0$' | head -1)" 40 40
    keys space
    wait_for "Information required"
    keys y
    sleep 0.5
    keys Tab space                          # "COC or Land Use?" with no mode picked
    wait_for "Information required"
    shot "$name" "Terravia 1.0"
    kill $app
    wait $app 2>/dev/null || true
}
mode_choice_on main-window-200.png QT_SCALE_FACTOR=2
mkdir -p "$home/.config/qt6ct"
cat >"$home/.config/qt6ct/qt6ct.conf" <<'CONF'
[Appearance]
style=Fusion
[Fonts]
fixed="DejaVu Sans Mono,11,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
general="DejaVu Sans,11,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
CONF
mode_choice_on main-window-11pt.png QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$home/.config"
echo "screenshots and docs/example.txt written"
