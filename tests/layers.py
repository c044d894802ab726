#!/usr/bin/env python3
"""Each part reaches only the headers of the parts below it: a source of the part, compiled as the
build compiles it, includes what it may and fails to compile what it may not.
   layers.py BUILD/compile_commands.json SOURCE_DIR"""
import json
import os
import shlex
import subprocess
import sys
import tempfile

# A source of each part, the headers it must reach, and those it must not.
ROWS = [
    ("src/storage/filewriter.cpp", ["storage/filereader.h"],
     ["map/routeseer.h", "platform/platform.h", "<QString>"]),
    ("src/core/records.cpp", ["map/routeseer.h", "search/exploration.h", "platform/platform.h"],
     ["platform/headless.h", "platform/qtboxes.h", "picture/mappicture.h", "<QString>"]),
    ("src/platform/headless/headless.cpp", ["platform/headless.h", "map/routeseer.h"],
     ["platform/qtboxes.h", "platform/pacing.h", "storage/filewriter.h"]),
    ("src/searches/grid.cpp", ["searches/grid.h", "map/routeseer.h", "search/exploration.h"],
     ["picture/mappicture.h", "platform/headless.h", "storage/filewriter.h", "<QString>"]),
    ("src/picture/mappicture.cpp", ["picture/mapdrawing.h", "map/routeseer.h"],
     ["document/mapdocument.h", "platform/qtboxes.h", "app/form1.h", "cli/jobs.h"]),
    ("src/document/mapdocument.cpp", ["document/wallhistory.h", "picture/mappicture.h"],
     ["app/form1.h", "platform/qtboxes.h", "platform/headless.h", "cli/jobs.h"]),
    ("src/cli/main.cpp", ["cli/jobs.h", "picture/mappicture.h", "storage/mapfile.h", "searches/searcher.h"],
     ["app/form1.h", "document/mapdocument.h", "platform/qtboxes.h"]),
    ("src/app/form1.cpp", ["app/form1.h", "document/mapdocument.h", "platform/qtboxes.h"],
     ["cli/jobs.h", "platform/headless.h"]),
]


def command_for(commands, source_dir, source):
    path = os.path.join(source_dir, source)
    for entry in commands:
        if os.path.realpath(entry["file"]) == os.path.realpath(path):
            return entry
    sys.exit(f"layers.py: {source} is not in the compile commands")


def compiles(entry, header, probe_dir):
    probe = os.path.join(probe_dir, "probe.cpp")
    with open(probe, "w") as out:
        out.write(f"#include {header if header.startswith('<') else chr(34) + header + chr(34)}\n")
    words = shlex.split(entry["command"])
    kept, skip = [], False
    for word in words:
        if skip:
            skip = False
            continue
        if word in ("-o", "-MF", "-MT", "-MQ"):
            skip = True
            continue
        if word in ("-c", "-MD", "-MMD") or os.path.realpath(os.path.join(entry["directory"], word)) == os.path.realpath(entry["file"]):
            continue
        kept.append(word)
    ran = subprocess.run(kept + ["-fsyntax-only", probe], cwd=entry["directory"], capture_output=True, text=True)
    return ran.returncode == 0, ran.stderr


def main():
    with open(sys.argv[1]) as listing:
        commands = json.load(listing)
    failures = []
    with tempfile.TemporaryDirectory() as probe_dir:
        for source, reaches, refused in ROWS:
            entry = command_for(commands, sys.argv[2], source)
            for header in reaches:
                ok, said = compiles(entry, header, probe_dir)
                if not ok:
                    failures.append(f"{source} cannot include {header}, which it may:\n{said}")
            for header in refused:
                ok, said = compiles(entry, header, probe_dir)
                if ok:
                    failures.append(f"{source} includes {header}, which lies above its part")
                elif "No such file" not in said and "file not found" not in said:
                    failures.append(f"{source} fails on {header} for another reason:\n{said}")
    for failure in failures:
        print(failure)
    print(f"layers: {len(ROWS)} parts, {sum(len(r[1]) + len(r[2]) for r in ROWS)} includes, {len(failures)} wrong")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
