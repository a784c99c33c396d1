#!/usr/bin/env python3
"""Runs the real `ovantra-rules check` on invented rules files and holds its
SARIF and JSON reports to what their readers demand: the SARIF against the
schema beside this script, both as strict UTF-8 JSON, whatever the files are
called and whether they can be read.

Usage: check_reports_test.py TOOL SCHEMA. Exits 77 (skipped) when the
Debian package python3-jsonschema is missing."""

import json
import os
import subprocess
import sys
import tempfile
import urllib.parse

try:
    import jsonschema
except ImportError:
    print("python3-jsonschema is missing; scripts/install-deps.sh installs it")
    sys.exit(77)

# A circle (Tdc needs itself) with what waits on it, an unknown advance, and
# no @COSMIC section: errors, warnings and notes.
RULES = (b"; invented rules\r\n@CIVILIZE\r\n"
         b"Tidecraft, 1, 0, Tdc, nil, 0, 1 ; Tdc\r\n"
         b"Kiln Firing, 1, 0, Tdc, Zzz, 0, 1 ; Kln\r\n;\r\n"
         b"@UNITS\r\nRafter,nil,0,1.,0,0a,1d,1h,1f,3,0,5,Kln,000000000000000\r\n;\r\n")

failures = []


def expect(condition, what):
    if not condition:
        failures.append(what)


def run(tool, directory, *arguments):
    done = subprocess.run([tool, "check", *arguments], cwd=directory, capture_output=True)
    # Strict UTF-8: a report that is not is no JSON at all.
    return done.returncode, json.loads(done.stdout.decode("utf-8", errors="strict"))


def file_uri(path):
    return "file://" + urllib.parse.quote(os.fsencode(path), safe="/")


def artifact_uris(log):
    """Every artifact location of the log, resolved to an absolute URI."""
    run_ = log["runs"][0]
    bases = {name: base["uri"] for name, base in run_.get("originalUriBaseIds", {}).items()}
    places = []
    for result in run_["results"]:
        places += result["locations"] + result.get("relatedLocations", [])
    for invocation in run_.get("invocations", []):
        for notification in invocation.get("toolExecutionNotifications", []):
            places += notification.get("locations", [])
    uris = set()
    for place in places:
        artifact = place["physicalLocation"]["artifactLocation"]
        if "uriBaseId" in artifact:
            expect(artifact["uriBaseId"] in bases, "base %s is named" % artifact["uriBaseId"])
            uris.add(urllib.parse.urljoin(bases.get(artifact["uriBaseId"], ""), artifact["uri"]))
        else:
            uris.add(artifact["uri"])
    return uris


def check_sarif(validator, log, what):
    for error in validator.iter_errors(log):
        failures.append("%s: %s at %s" % (what, error.message[:300], list(error.absolute_path)))
    rules = log["runs"][0]["tool"]["driver"]["rules"]
    for result in log["runs"][0]["results"]:
        index = result.get("ruleIndex", -1)
        expect(0 <= index < len(rules) and rules[index]["id"] == result["ruleId"],
               "%s: ruleIndex of %s names its rule" % (what, result["ruleId"]))


def main():
    tool, schema_file = os.path.abspath(sys.argv[1]), sys.argv[2]
    with open(schema_file, encoding="utf-8") as schema:
        validator = jsonschema.Draft7Validator(json.load(schema))

    with tempfile.TemporaryDirectory() as scratch:
        scratch = os.path.realpath(scratch)
        os.mkdir(os.path.join(scratch, "mods"))
        spaced = os.path.join(scratch, "mods", "my rules #1.txt")
        # A name in Windows-1252, as a game's folder may hold: not UTF-8.
        latin = os.path.join(os.fsencode(scratch), b"r\xe8gles.txt")
        for name in (spaced, latin):
            with open(name, "wb") as rules:
                rules.write(RULES)

        # An absolute name is a file URI of its own.
        status, log = run(tool, scratch, "--format=sarif", spaced)
        check_sarif(validator, log, "absolute")
        expect(status == 1, "absolute: exit status 1 for errors, not %d" % status)
        expect(artifact_uris(log) == {file_uri(spaced)}, "absolute: %s" % artifact_uris(log))
        expect(log["runs"][0]["invocations"][0]["executionSuccessful"], "absolute: success")
        expect(len(log["runs"][0]["results"]) >= 4, "absolute: the problems are results")

        # A relative one stays relative, to the working directory.
        status, log = run(tool, scratch, "--format=sarif", "mods/my rules #1.txt")
        check_sarif(validator, log, "relative")
        expect(artifact_uris(log) == {file_uri(spaced)}, "relative: %s" % artifact_uris(log))
        uri = log["runs"][0]["results"][0]["locations"][0]["physicalLocation"]["artifactLocation"]
        expect(uri == {"uri": "mods/my%20rules%20%231.txt", "uriBaseId": "%SRCROOT%"},
               "relative: %s" % uri)

        # A file that cannot be read fails the run in every format, after the
        # others were checked.
        status, log = run(tool, scratch, "--format=sarif", "absent.txt", spaced)
        check_sarif(validator, log, "unreadable")
        expect(status == 2, "unreadable: exit status 2, not %d" % status)
        invocation = log["runs"][0]["invocations"][0]
        expect(not invocation["executionSuccessful"], "unreadable: no success")
        told = invocation.get("toolExecutionNotifications", [{}])[0]
        expect(told.get("level") == "error" and "absent.txt" in told["message"]["text"],
               "unreadable: the notification says which file: %s" % told)
        expect(file_uri(os.path.join(scratch, "absent.txt")) in artifact_uris(log),
               "unreadable: the notification locates the file")
        expect(len(log["runs"][0]["results"]) >= 4, "unreadable: the other file is checked")
        status, entries = run(tool, scratch, "--format=json", "absent.txt", spaced)
        expect(status == 2, "unreadable json: exit status 2, not %d" % status)
        expect(entries[0]["file"] == "absent.txt" and entries[0]["severity"] == "error"
               and entries[0]["check"] is None and "absent.txt" in entries[0]["message"],
               "unreadable json: an error entry first: %s" % entries[0])
        expect(len(entries) > 1, "unreadable json: the other file is checked")

        # A name that is not UTF-8 still gives valid reports.
        status, log = run(tool, scratch, "--format=sarif", b"r\xe8gles.txt")
        check_sarif(validator, log, "latin")
        expect(artifact_uris(log) == {file_uri(latin)}, "latin: %s" % artifact_uris(log))
        status, entries = run(tool, scratch, "--format=json", b"r\xe8gles.txt")
        expect(entries and entries[0]["file"] == "r\u00e8gles.txt",
               "latin json: the name read as Windows-1252: %s" % entries[:1])

    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (KeyError, IndexError, TypeError, ValueError) as error:
        # A report without what its readers need: say what was found first.
        for failure in failures:
            print("FAILED:", failure)
        print("FAILED: the report lacks", repr(error))
        sys.exit(1)
