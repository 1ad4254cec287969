#!/usr/bin/env bash
# Starts Zarvo from a build folder. Until the desktop application exists, shows what the headless
# front end answers for an example query.
set -euo pipefail
build=${1:-build/release}
if [ -x "$build/zarvo" ]; then
    exec "$build/zarvo"
fi
echo "The desktop application is not built yet; running the headless front end on an example:"
echo "\$ zarvo-cli query dl"
"$build/zarvo-cli" query dl || true
