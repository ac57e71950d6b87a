#!/usr/bin/env bash
# `./run web`: builds the web page and serves it on 127.0.0.1. With a display it opens the
# desktop's browser on it and serves until interrupted (Ctrl+C); without one it takes a
# screenshot with headless Chromium to build/screenshot-web.png, stops the server and
# exits 0.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-machine.sh
cmake --preset web >/dev/null
cmake --build --preset web --target morvane_site -j"$(nproc)"

site=build/web/site
if [ -z "${DISPLAY:-}" ]; then
  exec /usr/bin/python3 scripts/web-screenshot.py "$site" build/screenshot-web.png
fi

port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
/usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
echo "run: Morvane at http://127.0.0.1:$port/ (Ctrl+C stops the server)"
sleep 0.5
xdg-open "http://127.0.0.1:$port/" >/dev/null 2>&1 || echo "run: open http://127.0.0.1:$port/ in a browser"
wait "$server"
