#!/usr/bin/env bash
# Builds Kalmot for the browser and serves it.
#   ./web.sh               builds build-web/site/ and serves it at http://127.0.0.1:8000/
#   ./web.sh --build-only  only builds it
# The site is a folder of static files: any web server or static host can
# serve it as it is (README.md, "In the browser").
set -euo pipefail
cd "$(dirname "$0")"
case "${1:-}" in
  "") serve=1 ;;
  --build-only) serve=0 ;;
  *) echo "usage: $0 [--build-only]" >&2; exit 2 ;;
esac
tools/ensure-packages.sh web
tools/web-build.sh build-web
[ "$serve" -eq 1 ] || exit 0
echo "Kalmot in the browser: http://127.0.0.1:8000/  (Ctrl+C stops the server)"
exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web/site
