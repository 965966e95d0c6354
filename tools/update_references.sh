#!/bin/bash
# Renders the window anew into the reference images of the look tests, after a
# deliberate change of its look. Look at the images before committing them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target ui_tests
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 MOJIRO_UPDATE_REFERENCES=1 \
    build/tests/ui/ui_tests --gtest_filter='Looks.TheWindow*'
ls -l tests/ui/reference
