#!/usr/bin/env bash
# Brings the catalogues in translations/ up to date with the texts in the given source folders (all of
# src/ when none is given): new texts come in unfinished, texts no longer in the code go. English is the
# source language; its catalogue holds only the plural forms. `-I src` lets lupdate read the headers, so
# tr() of a class in a namespace gets the context Qt looks it up under ("zarvo::ui::SettingsView").
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(src)
"$lupdate" -silent -locations none -no-obsolete -I src "${folders[@]}" \
    -ts translations/zarvo_de.ts translations/zarvo_fr.ts
"$lupdate" -silent -locations none -no-obsolete -pluralonly -I src "${folders[@]}" -ts translations/zarvo_en.ts
