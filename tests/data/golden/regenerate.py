#!/usr/bin/env python3
"""Regenerates the golden analyses of the reports in this folder.

Usage: regenerate.py CARTOVEX_CLI [CASE...]

For every case (a report of this folder and the database it is analysed with) the script
copies quarixdb.ini into a fresh home folder, for an uncontrolled case also as CARTOVEX.INI
followed by `db use uncontrolled`, runs `cartovex-cli analyze REPORT --json` there and writes
the normalised result to <report>.golden.json (<report>.uncontrolled.golden.json for the
uncontrolled case).

Normalising drops what depends on the machine (ConfigFileName, views.Caption, database.path),
puts <NOW> for the clock's date and time in the summary report (the third clipboard line and
the fifth printed paragraph), and replaces the home folder and this folder inside any remaining
text by <HOME> and <DATA>.
tests/core/golden/golden_test.cpp does the same before it compares.

A regenerated golden is a proposal, not a truth: read its diff against the analysis rules
before committing it. Goldens that were kept at the correct value while the program was
wrong must not be overwritten by a blind regeneration.
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# (report file name without ".txt", analysed with the uncontrolled database)
CASES = [
    ("elm-fs3", False),
    ("ash-fs2", False),
    ("oak-fs1", False),
    ("pine-fs5", False),
    ("cedar-fs6", False),
    ("fir-fs7", False),
    ("maple-fs4", True),
]


def golden_name(report, uncontrolled):
    return report + (".uncontrolled" if uncontrolled else "") + ".golden.json"


def replace_paths(value, replacements):
    if isinstance(value, str):
        for path, placeholder in replacements:
            value = value.replace(path, placeholder)
        return value
    if isinstance(value, list):
        return [replace_paths(v, replacements) for v in value]
    if isinstance(value, dict):
        return {k: replace_paths(v, replacements) for k, v in value.items()}
    return value


def normalise(root, home, data):
    root = dict(root)
    root.pop("ConfigFileName", None)
    if isinstance(root.get("views"), dict):
        root["views"] = {k: v for k, v in root["views"].items() if k != "Caption"}
    if isinstance(root.get("database"), dict):
        root["database"] = {k: v for k, v in root["database"].items() if k != "path"}
    summary = root.get("SummaryReport")
    if isinstance(summary, dict):
        summary = dict(summary)
        lines = summary.get("ClipboardText", "").split("\r\n")
        if len(lines) >= 3:
            lines[2] = " " * 8 + "<NOW>"
            summary["ClipboardText"] = "\r\n".join(lines)
        document = [dict(p) for p in summary.get("PrintedDocument", [])]
        if len(document) >= 5:
            document[4]["text"] = " " * 29 + "<NOW>"
        summary["PrintedDocument"] = document
        root["SummaryReport"] = summary
    replacements = []
    for path, placeholder in ((home, "<HOME>"), (data, "<DATA>")):
        replacements.append((path, placeholder))
        replacements.append((path.upper(), placeholder))
    return replace_paths(root, replacements)


def run(cli, home, args):
    env = dict(os.environ, CARTOVEX_HOME=home, LC_ALL="C.UTF-8", QT_QPA_PLATFORM="offscreen")
    return subprocess.run([cli, "--home", home] + args, env=env, capture_output=True, check=False)


def analyse(cli, report, uncontrolled):
    with tempfile.TemporaryDirectory() as home:
        home = os.path.realpath(home)
        shutil.copyfile(os.path.join(HERE, "quarixdb.ini"), os.path.join(home, "quarixdb.ini"))
        if uncontrolled:
            shutil.copyfile(os.path.join(HERE, "quarixdb.ini"), os.path.join(home, "CARTOVEX.INI"))
            switched = run(cli, home, ["db", "use", "uncontrolled"])
            if switched.returncode != 0:
                sys.exit("db use uncontrolled failed: " + switched.stderr.decode())
        result = run(cli, home, ["analyze", os.path.join(HERE, report + ".txt"), "--json"])
        if not result.stdout:
            sys.exit(report + ": no output: " + result.stderr.decode())
        return normalise(json.loads(result.stdout.decode("utf-8")), home, os.path.realpath(HERE))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    cli = os.path.abspath(sys.argv[1])
    wanted = set(sys.argv[2:])
    for report, uncontrolled in CASES:
        name = golden_name(report, uncontrolled)
        if wanted and report not in wanted and name not in wanted:
            continue
        golden = analyse(cli, report, uncontrolled)
        with open(os.path.join(HERE, name), "w", encoding="utf-8", newline="\n") as out:
            json.dump(golden, out, ensure_ascii=False, indent=2, sort_keys=True)
            out.write("\n")
        print("wrote", name)


if __name__ == "__main__":
    main()
