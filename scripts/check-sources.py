#!/usr/bin/env python3
"""Two faults that a build of the tree on its own path, in batches, cannot show.

1. The tree configured from a path that holds "c++" (a link to it, so nothing is copied): CMake
   must configure, and every suite must take the headers precompiled at the suites' own level while
   the product takes the others. A path pasted into a regular expression fails the first and, with
   a "+" elsewhere, silently the second.
2. Every product source compiled alone, with the compiler and flags the test names, without the
   precompiled Qt headers and without batch neighbours: a source that compiles only because one of
   them included what it uses fails here, as it would in any build that compiles it otherwise.

    check-sources.py <source dir> <binary dir> <cmake> <generator> [-D<cache entry>...]
"""
import json
import os
import shlex
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

source_dir, binary_dir, cmake, generator = (os.path.realpath(sys.argv[1]), os.path.realpath(sys.argv[2]),
                                            sys.argv[3], sys.argv[4])
cache = sys.argv[5:]
faults = []

with tempfile.TemporaryDirectory(prefix="waylore-sources-") as scratch:
    odd = os.path.join(scratch, "c++", "way.lore+")
    os.makedirs(os.path.dirname(odd))
    os.symlink(source_dir, odd)
    build = os.path.join(scratch, "build")
    configure = subprocess.run([cmake, "-S", odd, "-B", build, "-G", generator, "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON",
                                "-DWAYLORE_UNITY_BUILD=OFF", *cache], capture_output=True, text=True)
    if configure.returncode != 0:
        print(configure.stdout[-3000:], configure.stderr[-3000:])
        sys.exit(f"FAIL: the tree does not configure from {odd}")
    with open(os.path.join(build, "compile_commands.json")) as f:
        commands = json.load(f)

    # The suites take headers of their own exactly when the build gives them a level of their own.
    suite_headers = any("waylore_suiteheaders.dir" in e["command"] and not e["file"].startswith(odd + os.sep)
                        for e in commands)
    alone = []
    for entry in commands:
        file = entry["file"]
        if not file.startswith(odd + os.sep):
            continue  # generated in the build folder
        args = shlex.split(entry["command"])
        # A target's folder, not its source's, says what it is: a benchmark compiles a suite's file.
        target_dir = os.path.relpath(os.path.join(entry["directory"], args[args.index("-o") + 1]), build)
        is_suite = target_dir.startswith("tests" + os.sep)
        if "cmake_pch" in entry["command"]:
            took = "waylore_suiteheaders" if "waylore_suiteheaders.dir" in entry["command"] else "waylore_qtheaders"
            wanted = "waylore_suiteheaders" if is_suite and suite_headers else "waylore_qtheaders"
            if took != wanted:
                faults.append(f"{os.path.relpath(file, odd)} took the headers of {took}, not of {wanted}")
        if is_suite or target_dir.startswith("bench" + os.sep):
            continue
        # The build's own command, less the precompiled header, the object and the output.
        command, skip = [], 0
        for i, a in enumerate(args):
            if skip:
                skip -= 1
            elif a in ("-o", "-include"):
                skip = 1
            elif a == "-Xclang" and i + 1 < len(args) and args[i + 1] in ("-include-pch", "-include"):
                skip = 3
            elif a == "-c" or "invalid-pch" in a:
                pass
            else:
                command.append(a.replace(build, binary_dir).replace(odd, source_dir))
        alone.append((os.path.relpath(file, odd), command + ["-fsyntax-only"]))

if not alone:
    sys.exit("FAIL: no product source found in the compile commands")


def compile_alone(item):
    name, command = item
    run = subprocess.run(command, capture_output=True, text=True)
    return name, run.returncode, run.stderr


with ThreadPoolExecutor(max_workers=len(os.sched_getaffinity(0))) as pool:
    for name, code, errors in pool.map(compile_alone, alone):
        if code != 0:
            faults.append(f"{name} does not compile alone:\n{errors[:2000]}")

print(f"{len(alone)} product sources compiled alone")
for fault in faults:
    print("FAIL:", fault)
sys.exit(1 if faults else 0)
