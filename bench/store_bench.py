#!/usr/bin/env python3
"""Registry store bench: runs `quorrel -s update` and `quorrel -s delete` as
processes on machine directories whose HKEY_LOCAL_MACHINE holds 1,000, 10,000
and 100,000 keys, and prints for each run its wall time, the store's flush
count and bytes written (from QUORREL_STATS), the processor time it took
(user and system: less at the mercy of other work than the wall time, which
waits for the disk) and the peak memory of the process. Each size runs on the .reg store and on NT hive files (the same keys
imported into an empty SOFTWARE hive with quorrel-reg, next to quorrel). Not a
timed test: it reports figures.

usage: store_bench.py [--runs N] [--modes update,delete] [--stores reg,hive]
                      <quorrel> [sizes...]

With --runs N each figure is the median of N runs, each on a fresh copy of
the store (the machine may be busy with other work: medians, not means).
"""
import os
import re
import resource
import shutil
import subprocess
import sys
import tempfile
import time

VALUES_PER_KEY = 2
PROGRAM_FOLDER = "C:\\Program Files\\Corvane\\Tessarine"
EMPTY_HIVE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                          "tools", "empty-hive.py")


def write_store(directory, keys):
    """A REGEDIT4 HKEY_LOCAL_MACHINE of `keys` keys in tree order, the way a
    system's Software and Services keys look, plus the control set select."""
    os.makedirs(directory)
    lines = ["REGEDIT4", ""]
    groups = max(1, keys // 100)
    for n in range(keys):
        group = n * groups // keys
        lines.append("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bench\\Group%04d\\Key%06d]"
                     % (group, n))
        lines.append('"Name"="bench key number %d"' % n)
        lines.append('"Value"=dword:%08x' % n)
        lines.append("")
    lines += ["[HKEY_LOCAL_MACHINE\\SYSTEM\\Select]",
              '"Current"=dword:00000001', ""]
    with open(os.path.join(directory, "HKEY_LOCAL_MACHINE.reg"), "wb") as f:
        f.write("\r\n".join(lines).encode("cp1252") + b"\r\n")


def hive_machine(quorrel, seed, machine):
    """The seed's keys in the hives of an NT installation."""
    config = os.path.join(machine, "WINNT", "system32", "config")
    profile = os.path.join(machine, "WINNT", "Profiles", "Administrator")
    os.makedirs(config)
    os.makedirs(profile)
    subprocess.run([sys.executable, EMPTY_HIVE] +
                   [os.path.join(config, name)
                    for name in ("SYSTEM", "SOFTWARE", "DEFAULT")] +
                   [os.path.join(profile, "NTUSER.DAT")], check=True)
    tool = os.path.join(os.path.dirname(quorrel), "quorrel-reg")
    subprocess.run([tool, "import", os.path.join(seed, "HKEY_LOCAL_MACHINE.reg")],
                   env=dict(os.environ, QUORREL_MACHINE=machine,
                            USER="Administrator"), check=True)
    return sum(os.path.getsize(os.path.join(config, name))
               for name in ("SYSTEM", "SOFTWARE"))


def run(quorrel, machine, mode):
    # The clock at 50 times speed: the Clear's fixed 10 s wait is not a cost
    # of the store.
    env = dict(os.environ, QUORREL_MACHINE=machine, QUORREL_STATS="1",
               QUORREL_CLOCK_SCALE="50", USER="Administrator")
    work = tempfile.mkdtemp(prefix="quorrel-bench-run-")
    # GNU time counts this child's peak alone: the children's ru_maxrss is
    # the largest child so far, quorrel-reg's import of the hives among them.
    figures = os.path.join(work, "maxrss.txt")
    timed = ["/usr/bin/time", "-f", "%M", "-o", figures] \
        if os.path.exists("/usr/bin/time") else []
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.monotonic()
    argv = [quorrel, "-s", mode]
    if mode == "delete":
        # Without a program folder the Clear answers Delete=0 (string 104):
        # give it an empty one, so that the figures are of a Clear that works.
        os.makedirs(os.path.join(machine, *PROGRAM_FOLDER.split("\\")[1:]))
        argv += ["-d", PROGRAM_FOLDER]
    proc = subprocess.run(timed + argv, cwd=work, env=env,
                          stdin=subprocess.DEVNULL, capture_output=True)
    wall = time.monotonic() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    log = open(os.path.join(work, "quorrel.log"), "rb").read() \
        if os.path.exists(os.path.join(work, "quorrel.log")) else b""
    counted = open(figures).read().split() if os.path.exists(figures) else []
    shutil.rmtree(work)
    stats = dict(re.findall(r"(\w+)=(\d+)", proc.stderr.decode(errors="replace")))
    return {
        "wall": wall,
        "cpu": (after.ru_utime - before.ru_utime) +
               (after.ru_stime - before.ru_stime),
        "exit": proc.returncode,
        "log": log.decode(errors="replace").strip(),
        "flushes": int(stats.get("journal_records", 0)),
        "flush_calls": int(stats.get("flush_calls", 0)),
        "bytes": int(stats.get("journal_bytes", 0)) + int(stats.get("file_bytes", 0)),
        "maxrss_kb": int(counted[-1]) if counted else after.ru_maxrss,
    }


def main():
    args = sys.argv[1:]
    runs, modes, stores = 1, ["update", "delete"], ["reg", "hive"]
    while args and args[0].startswith("--") and len(args) > 1:
        if args[0] == "--runs":
            runs = int(args[1])
        elif args[0] == "--modes":
            modes = args[1].split(",")
        elif args[0] == "--stores":
            stores = args[1].split(",")
        else:
            break
        args = args[2:]
    if not args:
        print(__doc__, file=sys.stderr)
        return 2
    quorrel = os.path.abspath(args[0])
    sizes = [int(s) for s in args[1:]] or [1000, 10000, 100000]
    root = tempfile.mkdtemp(prefix="quorrel-bench-")
    try:
        print("%-7s %-5s %-6s %-10s %9s %7s %8s %12s %10s %s" % (
            "keys", "store", "mode", "result", "wall_ms", "cpu_ms", "flushes",
            "bytes_written", "maxrss_kb", "store_bytes"))
        for keys in sizes:
            seed = os.path.join(root, "seed-%d" % keys)
            write_store(seed, keys)
            size = os.path.getsize(os.path.join(seed, "HKEY_LOCAL_MACHINE.reg"))
            for store in stores:
                for mode in modes:
                    results = []
                    for n in range(runs):
                        machine = os.path.join(
                            root, "m-%d-%s-%s-%d" % (keys, store, mode, n))
                        if store == "reg":
                            shutil.copytree(seed, os.path.join(machine, "registry"))
                            stored = size
                        else:
                            stored = hive_machine(quorrel, seed, machine)
                        results.append(run(quorrel, machine, mode))
                        shutil.rmtree(machine)
                    results.sort(key=lambda r: r["wall"])
                    r = results[len(results) // 2]
                    cpu = sorted(x["cpu"] for x in results)[len(results) // 2]
                    print("%-7d %-5s %-6s %-10s %9.1f %7.1f %8d %12d %10d %d" % (
                        keys, store, mode, r["log"] or "exit %d" % r["exit"],
                        r["wall"] * 1000, cpu * 1000, r["flushes"], r["bytes"],
                        r["maxrss_kb"], stored))
                    sys.stdout.flush()
    finally:
        shutil.rmtree(root)
    return 0


if __name__ == "__main__":
    sys.exit(main())
