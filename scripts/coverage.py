"""coverage.py: the lines and branches that the tests run, per folder of the program and
the runtime, in the native build that counts them (build/coverage, the GTK program among
it) and in the Windows build (build/win64, whose tests ran under Wine); gcovr reads the
counts. Prints one row a folder and build, and fails (exit code 1) where a row falls below
its floor. Run with /usr/bin/python3 from the source folder, after both builds' tests."""
import json
import os
import subprocess
import sys
import tempfile

# The floors, in per cent of lines and of branches: what the tests reach today (never
# below 100 and 95 for the runtime and the core, 95 and 90 for a front-end). A branch or
# two below 100 is left for what depends on timing (a write that a signal interrupts
# before it has written anything). The web page's row is its UTF-16 edge, which the
# native tests compile; its entry points are compiled by emscripten alone.
FLOORS = {
    "runtime/strings": (100, 98),
    "runtime/numeric": (100, 100),
    "app/core": (100, 98),
    "app/gtk": (100, 97),
    "app/win32": (100, 97),
    "app/web": (100, 98),
}

BUILDS = [("native", "build/coverage", "gcov"),
          ("windows", "build/win64", "x86_64-w64-mingw32-gcov-posix")]


def summary(build, gcov):
    """gcovr's summary of the build's counts, one entry a source file."""
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        subprocess.run(["gcovr", "--root", ".", build, "--gcov-executable", gcov,
                        "--filter", "runtime/", "--filter", "app/",
                        "--exclude-throw-branches", "--exclude-unreachable-branches",
                        "-j", str(os.cpu_count() or 1), "--json-summary", out.name],
                       check=True, stdout=subprocess.DEVNULL)
        return json.load(open(out.name))["files"]


def per_folder(files):
    folders = {}
    for entry in files:
        folder = os.path.dirname(entry["filename"])
        row = folders.setdefault(folder, [0, 0, 0, 0])
        for i, key in enumerate(["line_covered", "line_total", "branch_covered", "branch_total"]):
            row[i] += entry[key]
    return folders


def percent(covered, total):
    return 100.0 * covered / total if total else 100.0


def main():
    failed = []
    print("%-9s %-17s %15s %9s %15s %9s" % ("build", "folder", "lines", "", "branches", ""))
    for name, build, gcov in BUILDS:
        for folder, (lc, lt, bc, bt) in sorted(per_folder(summary(build, gcov)).items()):
            lines, branches = percent(lc, lt), percent(bc, bt)
            floor = FLOORS.get(folder)
            below = floor and (lines < floor[0] or branches < floor[1])
            print("%-9s %-17s %7d/%-7d %6.1f%%  %7d/%-7d %6.1f%%  %s" % (
                name, folder, lc, lt, lines, bc, bt, branches,
                "floors %d%% and %d%%%s" % (floor[0], floor[1], ": BELOW" if below else "")
                if floor else "no floor"))
            if below:
                failed.append("%s %s" % (name, folder))
    if failed:
        print("coverage: below the floor: " + ", ".join(failed))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
