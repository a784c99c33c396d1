"""Fails on any message of a .ts file that is unfinished, no longer in the
sources (vanished or obsolete), or whose placeholders differ from the English.

Each file is first brought up to date with the sources in a scratch copy, the
way `update_translations` would, so a text added to the editor without a
translation is caught as well as one marked unfinished."""
import argparse
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%(?:n|L?\d+)")


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text or ""))


def translation_texts(translation):
    forms = translation.findall("numerusform")
    return [f.text or "" for f in forms] if forms else [translation.text or ""]


def problems_in(ts_path, shown_name):
    problems = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{shown_name}: [{name}] {source!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("unfinished", "vanished", "obsolete"):
                problems.append(f"{where}: {kind}")
                continue
            for text in translation_texts(translation):
                if not text.strip() and source.strip():
                    problems.append(f"{where}: empty translation")
                # %n of a plural stands for the number whether or not a form shows it.
                wanted = [p for p in placeholders(source) if p != "%n"]
                got = [p for p in placeholders(text) if p != "%n"]
                if wanted != got:
                    problems.append(f"{where}: placeholders {got} instead of {wanted}")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("--options", default="")
    parser.add_argument("ts_files", nargs="+")
    args = parser.parse_args()
    options = [o for o in args.options.split("|") if o]
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in map(Path, args.ts_files):
            copy = Path(scratch) / ts.name
            shutil.copyfile(ts, copy)
            run = subprocess.run([args.lupdate, "-silent", *options, "@" + args.sources,
                                  "-ts", str(copy)], capture_output=True, text=True)
            if run.returncode != 0:
                problems.append(f"{ts.name}: lupdate failed: {run.stderr.strip()}")
                continue
            problems += problems_in(copy, ts.name)
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problem(s) in {len(args.ts_files)} translation file(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
