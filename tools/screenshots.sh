#!/bin/bash
# Takes the README screenshots from the real program: run it under Xvfb, e.g.
#   xvfb-run -a -s "-screen 0 1280x900x24" tools/screenshots.sh
cd "$(dirname "$0")/.."
"$(dirname "$0")/../build/app/horalo" & pid=$!
sleep 2
shot() { # window-title outfile
  local w=$(xdotool search --name "$1" | tail -1)
  eval $(xdotool getwindowgeometry --shell $w)
  import -window root -crop ${WIDTH}x${HEIGHT}+${X}+${Y} +repage "$2"
}
shot "Menu Principale" docs/menu.png
w=$(xdotool search --name "Menu Principale" | head -1)
xdotool windowfocus --sync $w; xdotool key space; sleep 1
w=$(xdotool search --name "Menu Orizzontali" | head -1)
xdotool windowfocus --sync $w; xdotool key space; sleep 1
w=$(xdotool search --name "^Orizzontali$" | head -1)
xdotool windowfocus --sync $w; xdotool key Return; sleep 1
shot "^Orizzontali$" docs/gonorz.png
kill $pid
