#!/usr/bin/env python3
"""Hive bench: `quorrel -s update` and `quorrel -s delete` on an NT 4.0
workstation of the usual size with the suite installed (SOFTWARE about 7 MB
and 30,000 keys, SYSTEM about 1 MB and 3,000 keys, written as NT 4.0 writes
them by quorrel-bench-machine), beside the .reg store holding the same keys.
Not a timed test: it prints figures.

For each store and mode, the median of N runs, each on a fresh copy:
  wall_ms    wall time of the process
  cpu_ms     its user and system time
  maxrss_kb  its peak resident memory (GNU time's %M: the child's
             ru_maxrss)
  written    bytes the kernel counted it writing to the file system
             (GNU time's %O, the child's ru_oublock, in 512-byte blocks:
             write_bytes of /proc/<pid>/io)
Then, from one run of each under strace, how many bytes of each hive or
.reg file the process read; and the hive sizes after repeated update and
delete cycles on one machine.

The runs set QUORREL_CLOCK_SCALE=50, so the Clear's fixed waits (about 10 s
at real speed) take a fiftieth of their time and the figure is the work.

usage: hive_bench.py [--runs N] [--cycles N] <build-dir>
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

PROGRAM_FOLDER = "C:\\Program Files\\Corvane\\Tessarine"
CONFIG = os.path.join("WINNT", "system32", "config")
HIVES = [os.path.join(CONFIG, name) for name in
         ("SYSTEM", "SOFTWARE", "DEFAULT")] + \
    [os.path.join("WINNT", "Profiles", "Administrator", "NTUSER.DAT")]
REG_FILES = [os.path.join("registry", name + ".reg") for name in
             ("HKEY_LOCAL_MACHINE", "HKEY_USERS", "HKEY_CURRENT_USER")]
AIM_RATIO = 1.5
AIM_RSS_KB = 30 * 1024
AIM_GROWTH = 4096


def command(quorrel, mode):
    argv = [quorrel, "-s", mode]
    return argv + ["-d", PROGRAM_FOLDER] if mode == "delete" else argv


def environment(machine):
    return dict(os.environ, QUORREL_MACHINE=machine, QUORREL_STATS="1",
                QUORREL_CLOCK_SCALE="50", USER="Administrator")


def run(quorrel, machine, mode, prefix=None):
    """One run, its figures counted by GNU time for the child alone (a
    child of this Python process would start with its memory counted)."""
    work = tempfile.mkdtemp(prefix="quorrel-hive-bench-run-")
    figures = os.path.join(work, "time.txt")
    if prefix is None:
        prefix = ["/usr/bin/time", "-f", "%M %O %U %S", "-o", figures]
    start = time.monotonic()
    proc = subprocess.run(prefix + command(quorrel, mode), cwd=work,
                          env=environment(machine), stdin=subprocess.DEVNULL,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    wall = time.monotonic() - start
    counted = open(figures).read().split() if os.path.exists(figures) else []
    maxrss_kb, blocks, user, system = (float(x) for x in counted[-4:]) \
        if len(counted) >= 4 else (0, 0, 0, 0)
    log_path = os.path.join(work, "quorrel.log")
    log = open(log_path, "rb").read() if os.path.exists(log_path) else b""
    shutil.rmtree(work)
    return {
        "wall": wall,
        "cpu": user + system,
        "maxrss_kb": maxrss_kb,
        "written": blocks * 512,
        "result": log.replace(b"\0", b"").decode(errors="replace").strip() or
        "exit %d" % proc.returncode,
        "stderr": proc.stderr.decode(errors="replace"),
    }


def median(results, key):
    values = sorted(r[key] for r in results)
    return values[len(values) // 2]


def fresh_copy(seed, store, root, name):
    machine = os.path.join(root, name)
    shutil.copytree(os.path.join(seed, store), machine, symlinks=True)
    return machine


def measure(quorrel, seed, root, runs):
    """Medians of `runs` runs of each store and mode."""
    table = {}
    for store in ("reg", "hive"):
        for mode in ("update", "delete"):
            results = []
            for n in range(runs):
                machine = fresh_copy(seed, store, root, "m-%s-%s-%d" %
                                     (store, mode, n))
                results.append(run(quorrel, machine, mode))
                shutil.rmtree(machine)
            table[store, mode] = {key: median(results, key) for key in
                                  ("wall", "cpu", "maxrss_kb", "written")}
            table[store, mode]["result"] = results[0]["result"]
            if results[0]["result"].startswith("exit"):
                print(results[0]["stderr"], file=sys.stderr)
    return table


def bytes_read(trace, machine):
    """Bytes read of each file below the machine, from an strace log of
    openat, read, pread64 and close; and the count of fsync and fdatasync
    calls (under "syncs"), which the wall time waits for."""
    fds, totals = {}, {"syncs": 0}
    opened = re.compile(r'^(\d+)\s+openat\([^"]*"([^"]+)".*\)\s+=\s+(\d+)')
    read = re.compile(r'^(\d+)\s+p?read(?:64)?\((\d+),.*\)\s+=\s+(\d+)')
    closed = re.compile(r'^(\d+)\s+close\((\d+)\)')
    for line in open(trace, errors="replace"):
        m = opened.match(line)
        if m:
            fds[m.group(3)] = m.group(2)
            continue
        m = read.match(line)
        if m and m.group(2) in fds:
            path = fds[m.group(2)]
            totals[path] = totals.get(path, 0) + int(m.group(3))
            continue
        m = closed.match(line)
        if m:
            fds.pop(m.group(2), None)
        elif re.match(r"^\d+\s+f(data)?sync\(", line):
            totals["syncs"] += 1
    return {os.path.relpath(path, machine) if path != "syncs" else path: n
            for path, n in totals.items()
            if path == "syncs" or path.startswith(machine + "/")}


def reads(quorrel, seed, root):
    """What one traced run of each store and mode read of its store files."""
    if shutil.which("strace") is None:
        print("(strace is missing: no read figures)")
        return
    print("\nbytes read of each store file (one run under strace), of its "
          "size; the fsync and fdatasync calls:")
    for store, files in (("reg", REG_FILES), ("hive", HIVES)):
        for mode in ("update", "delete"):
            machine = fresh_copy(seed, store, root, "trace-%s-%s" %
                                 (store, mode))
            sizes = {f: os.path.getsize(os.path.join(machine, f))
                     for f in files if os.path.exists(os.path.join(machine, f))}
            trace = os.path.join(root, "trace.txt")
            run(quorrel, machine, mode,
                ["strace", "-f", "-qq", "-e",
                 "trace=openat,read,pread64,close,fsync,fdatasync",
                 "-e", "signal=none", "-o", trace])
            got = bytes_read(trace, os.path.realpath(machine))
            print("  %-4s %-6s %s; %d syncs" % (store, mode, ", ".join(
                "%s %s of %s" % (os.path.basename(f), kb(got.get(f, 0)),
                                 kb(sizes[f])) for f in files if f in sizes),
                got["syncs"]))
            shutil.rmtree(machine)


def cycles(quorrel, seed, root, count):
    """Hive sizes after each update and delete on one machine, and what the
    tests' checks find wrong with the hives at the end."""
    machine = fresh_copy(seed, "hive", root, "cycles")
    print("\nhive sizes after update + delete cycles on one machine (aim: "
          "growth at most %d bytes a cycle)" % AIM_GROWTH)
    print("  %-6s %s  results" % ("cycle", " ".join(
        "%12s" % os.path.basename(h) for h in HIVES)))
    sizes = [[os.path.getsize(os.path.join(machine, h)) for h in HIVES]]
    print("  %-6s %s" % ("seed", " ".join("%12d" % s for s in sizes[0])))
    for n in range(1, count + 1):
        results = [run(quorrel, machine, mode)["result"]
                   for mode in ("update", "delete")]
        sizes.append([os.path.getsize(os.path.join(machine, h)) for h in HIVES])
        print("  %-6d %s  %s" % (n, " ".join("%12d" % s for s in sizes[-1]),
                                 " ".join(results)))
    # The seed is compact: the first update has no free cell to reuse.
    growth = max((b - a for i in range(2, len(sizes))
                  for a, b in zip(sizes[i - 1], sizes[i])), default=0)
    print("  largest growth of a hive in a cycle after the first: %d bytes "
          "(%s)" % (growth, "met" if growth <= AIM_GROWTH else "MISSED"))
    check = subprocess.run(
        [os.path.join(os.path.dirname(quorrel), "quorrel-bench-machine"),
         "--check"] + [os.path.join(machine, h) for h in HIVES],
        stdout=subprocess.PIPE)
    print("  the hives then: %s" % (
        "sound (structural check, reglookup, regfexport, libhivex)"
        if check.returncode == 0 else "FAULTY\n" + check.stdout.decode()))
    shutil.rmtree(machine)


def kb(n):
    return "%.0f KB" % (n / 1024.0) if n < 1 << 20 else "%.1f MB" % (
        n / 1048576.0)


def describe(seed):
    """Sizes and key counts of the generated machine."""
    counts = {}
    for name in ("HKEY_LOCAL_MACHINE", "HKEY_USERS", "HKEY_CURRENT_USER"):
        text = open(os.path.join(seed, "reg", "registry", name + ".reg"),
                    "rb").read().decode("cp1252")
        for m in re.finditer(r"^\[([^\\\]]+)(?:\\([^\\\]]+))?", text, re.M):
            top = m.group(1) + ("\\" + m.group(2) if m.group(2) and
                                m.group(1) != "HKEY_CURRENT_USER" else "")
            counts[top] = counts.get(top, 0) + 1
    for hive, root in zip(HIVES, ("HKEY_LOCAL_MACHINE\\SYSTEM",
                                  "HKEY_LOCAL_MACHINE\\SOFTWARE",
                                  "HKEY_USERS\\.DEFAULT",
                                  "HKEY_CURRENT_USER")):
        print("%-11s %6d keys, hive %s" % (os.path.basename(hive),
                                          counts.get(root, 0),
                                          kb(os.path.getsize(
                                              os.path.join(seed, "hive",
                                                           hive)))))
    for f in REG_FILES:
        print("%-22s %s" % (os.path.basename(f),
                            kb(os.path.getsize(os.path.join(seed, "reg", f)))))


def print_table(table, runs):
    print("\nmedians of %d runs (QUORREL_CLOCK_SCALE=50)" % runs)
    print("| mode | store | result | wall | cpu | peak RSS | written |")
    print("|---|---|---|---:|---:|---:|---:|")
    for mode in ("update", "delete"):
        for store in ("reg", "hive"):
            r = table[store, mode]
            print("| `-s %s` | %s | %s | %.0f ms | %.0f ms | %.1f MB | %s |" % (
                mode, ".reg" if store == "reg" else "hive", r["result"],
                r["wall"] * 1000, r["cpu"] * 1000, r["maxrss_kb"] / 1024.0,
                kb(r["written"])))
    hive, reg = table["hive", "update"], table["reg", "update"]
    ratio = hive["wall"] / reg["wall"]
    print("\nhive update: %.2fx the .reg store's wall time (aim %.1fx: %s), "
          "%.1f MB peak (aim 30 MB: %s)" % (
              ratio, AIM_RATIO, "met" if ratio <= AIM_RATIO else "MISSED",
              hive["maxrss_kb"] / 1024.0,
              "met" if hive["maxrss_kb"] <= AIM_RSS_KB else "MISSED"))


def main():
    args = sys.argv[1:]
    runs, count = 5, 5
    while len(args) > 1 and args[0] in ("--runs", "--cycles"):
        if args[0] == "--runs":
            runs = int(args[1])
        else:
            count = int(args[1])
        args = args[2:]
    if len(args) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    build = os.path.abspath(args[0])
    quorrel = os.path.join(build, "quorrel")
    root = tempfile.mkdtemp(prefix="quorrel-hive-bench-")
    try:
        seed = os.path.join(root, "seed")
        start = time.monotonic()
        subprocess.run([os.path.join(build, "quorrel-bench-machine"), seed],
                       check=True)
        print("machine written in %.1f s" % (time.monotonic() - start))
        describe(seed)
        print_table(measure(quorrel, seed, root, runs), runs)
        reads(quorrel, seed, root)
        cycles(quorrel, seed, root, count)
    finally:
        shutil.rmtree(root)
    return 0


if __name__ == "__main__":
    sys.exit(main())
