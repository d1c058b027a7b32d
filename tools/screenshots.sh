#!/usr/bin/env bash
# Takes the README's screenshots (docs/intro-fading.png, intro.png, memorise.png,
# recall.png, result.png) by playing the real game under Xvfb.
# Usage: tools/screenshots.sh [output folder]   (default: docs/)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
tq_install "${tq_packages[@]}" xcompmgr x11-xserver-utils
tq_build build
PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 tools/screenshots.py build/app/tavlin-quorvane "${1:-docs}"
