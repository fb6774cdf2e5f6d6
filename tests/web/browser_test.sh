#!/usr/bin/env bash
# The browser build in Debian's headless Chromium: builds the site (into
# build-web/, as web.sh does), makes the desktop build's reference frames
# with the real program under SDL's dummy driver, and drives the page with
# puppeteer-core (browser_test.mjs).
#   tests/web/browser_test.sh <kalmot_web_reference>
set -euo pipefail
cd "$(dirname "$0")/../.."
reference_tool="$(realpath "${1:?usage: $0 <kalmot_web_reference>}")"

tools/web-build.sh build-web

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
SDL_VIDEODRIVER=dummy "$reference_tool" "$work"

# puppeteer-core from npm, installed beside the build; it drives Debian's
# Chromium and downloads no browser. The script sits beside its modules,
# where node looks for them.
runner=build-web/browser-test
mkdir -p "$runner"
cp tests/web/package.json tests/web/package-lock.json tests/web/browser_test.mjs "$runner/"
(cd "$runner" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error >/dev/null)
node "$runner/browser_test.mjs" build-web/site "$work"
