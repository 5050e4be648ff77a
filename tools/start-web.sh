#!/usr/bin/env bash
# Installs what the machine lacks, builds the browser edition (incrementally)
# and serves its site with Python's standard HTTP server on
# http://127.0.0.1:8080/ (PORT=... for another port). Ctrl+C stops it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build-web.sh
port=${PORT:-8080}
echo "The QS-9 simulator in a browser: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory build-web/site "$port"
