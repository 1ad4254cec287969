#!/usr/bin/python3
"""Fails when a text the code shows is missing from a catalogue, when a catalogue entry is unfinished,
empty or lost a placeholder, or when a catalogue keeps a text the code no longer has.

Usage: check_catalogues.py LUPDATE SOURCE_DIR
lupdate reads the sources into copies of the committed catalogues: a new text comes in unfinished, a
text gone from the code is marked vanished or obsolete."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:L?\d|n)")


def problems(path, plural_only):
    found = []
    for element in ET.parse(path).getroot().iter("context"):
        context = element.findtext("name")
        for message in element.iter("message"):
            source = message.findtext("source")
            where = f"{os.path.basename(path)}: {context}: {source!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("vanished", "obsolete"):
                found.append(f"{where}: no longer in the code")
                continue
            if kind == "unfinished":
                found.append(f"{where}: not translated")
                continue
            numerus = message.get("numerus") == "yes"
            if plural_only and not numerus:
                found.append(f"{where}: the English catalogue holds plural forms only")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] if numerus else [translation.text or ""]
            if not forms or any(not f.strip() for f in forms):
                found.append(f"{where}: empty translation")
                continue
            for placeholder in set(PLACEHOLDER.findall(source)):
                if not any(placeholder in f for f in forms):
                    found.append(f"{where}: the translation lacks {placeholder}")
    return found


def main():
    lupdate, root = sys.argv[1], sys.argv[2]
    catalogues = os.path.join(root, "translations")
    found = []
    with tempfile.TemporaryDirectory() as work:
        for language in ("de", "fr", "en"):
            name = f"zarvo_{language}.ts"
            copy = os.path.join(work, name)
            shutil.copy(os.path.join(catalogues, name), copy)
            command = [lupdate, "-silent", "-locations", "none", "-I", os.path.join(root, "src")]
            if language == "en":
                command.append("-pluralonly")
            command += [os.path.join(root, "src"), "-ts", copy]
            subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
            found += problems(copy, language == "en")
    for line in found:
        print(line)
    print(f"{len(found)} problem(s) in the catalogues" if found else "the catalogues hold every shown text")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
