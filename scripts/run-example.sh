#!/usr/bin/env bash
# Installs what is missing, builds the command line and turns the bundled sample articles into
# two small sites under build/example-site.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DTESSIVANE_BUILD_BENCH=OFF -DTESSIVANE_BUILD_APP=OFF >/dev/null
cmake --build build/release --target tessivane-cli

cli=build/release/bin/tessivane-cli
site=build/example-site
rm -rf "$site"

echo "== Plain-text articles: title from the first line, index pages of 4 =="
"$cli" --config-dir examples/settings --folder examples/articles/text --output "$site/text" --seed 7

echo "== HTML pages: title from <title>, site name cut off by the title rewrite =="
"$cli" --config-dir examples/settings --folder examples/articles/pages --output "$site/pages" --seed 7 \
       --set 目录过滤='*.htm' --set 标题来源=1 --set 替换标题=真

echo "Open $site/text/index.htm or $site/pages/index.htm in a browser."
