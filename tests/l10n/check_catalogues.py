#!/usr/bin/env python3
"""Checks each translation catalogue against the sources: lupdate over the
sources into a scratch copy adds no text and leaves none unfinished, and each
translation keeps its source's placeholders (%1, %2, ... as often as there).

Arguments: LUPDATE ROOT then one CATALOGUES|SOURCES pair per catalogue, each
list separated by commas."""
import collections
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(\d+|n)")


def placeholders(text):
    return collections.Counter(PLACEHOLDER.findall(text))


def text_of(element):
    """The element's text, a carriage return (written as a child element) included."""
    return "".join(element.itertext())


def problems(scratch, before):
    messages = ET.parse(scratch).getroot().iter("message")
    found = []
    count = 0
    for message in messages:
        count += 1
        source = text_of(message.find("source"))
        translation = message.find("translation")
        forms = [text_of(form) for form in translation.findall("numerusform") or [translation]]
        if translation.get("type") or not all(form.strip() for form in forms):
            found.append(f"not translated: {source!r}")
            continue
        for form in forms:
            if placeholders(form) != placeholders(source):
                found.append(f"placeholders differ: {source!r} -> {form!r}")
    if count != before:
        found.append(f"lupdate finds {count} texts where the catalogue has {before}")
    return found


def main(lupdate, root, *catalogues):
    failed = False
    with tempfile.TemporaryDirectory() as scratch_folder:
        for pair in catalogues:
            ts_files, sources = (part.split(",") for part in pair.split("|"))
            for ts in ts_files:
                before = sum(1 for _ in ET.parse(ts).getroot().iter("message"))
                scratch = f"{scratch_folder}/{ts.rsplit('/', 1)[-1]}"
                shutil.copy(ts, scratch)
                subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete",
                                "-I", root, "-I", f"{root}/skin/include", *sources,
                                "-ts", scratch], check=True)
                for problem in problems(scratch, before):
                    print(f"{ts}: {problem}")
                    failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
