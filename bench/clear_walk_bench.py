#!/usr/bin/env python3
"""Folder walk bench: runs `quorrel -s delete` as a process on a machine
directory whose temporary folder holds one installer folder (_istmp1.dir)
with N files side by side, and one whose _istmp2.dir is a chain of N folders
one inside the other, and prints the wall time of each Clear. The rest of
the Clear (the ten-second wait for the tray application included) is taken
out by subtracting the time of the same Clear on a machine without the
folder. Not a timed test: it reports figures.

usage: clear_walk_bench.py <quorrel> [sizes...]   (default: 10000 20000;
       the chain uses 1000 levels)
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time


def seed_flat(machine, count):
    folder = os.path.join(machine, "TEMP", "_istmp1.dir")
    os.makedirs(folder)
    for i in range(count):
        with open(os.path.join(folder, "f%06d.tmp" % i), "w") as f:
            f.write("x")


def seed_deep(machine, depth):
    folder = os.path.join(machine, "TEMP", "_istmp2.dir")
    os.makedirs(folder)
    fd = os.open(folder, os.O_RDONLY)
    for _ in range(depth):  # relative steps: the full path outgrows PATH_MAX
        os.mkdir("d", dir_fd=fd)
        inner = os.open("d", os.O_RDONLY, dir_fd=fd)
        with open(os.open("x.tmp", os.O_WRONLY | os.O_CREAT, dir_fd=inner),
                  "w") as f:
            f.write("x")
        os.close(fd)
        fd = inner
    os.close(fd)


def run_clear(quorrel, seed, size):
    machine = tempfile.mkdtemp(prefix="quorrel-walk-")
    work = tempfile.mkdtemp(prefix="quorrel-walk-cwd-")
    try:
        os.makedirs(os.path.join(machine, "TEMP"), exist_ok=True)
        if seed:
            seed(machine, size)
        env = dict(os.environ, QUORREL_MACHINE=machine, QUORREL_ADMIN="1",
                   QUORREL_ANSWERS="", QUORREL_CLOCK_SCALE="1000")
        start = time.monotonic()
        subprocess.run([quorrel, "-s", "delete", "-d",
                        "C:\\Program Files\\Corvane\\Tessarine"],
                       cwd=work, env=env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       check=False)
        seconds = time.monotonic() - start
        left = os.listdir(os.path.join(machine, "TEMP"))
        return seconds, left
    finally:
        shutil.rmtree(machine, ignore_errors=True)
        shutil.rmtree(work, ignore_errors=True)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    quorrel = sys.argv[1]
    sizes = [int(s) for s in sys.argv[2:]] or [10000, 20000]
    base, _ = run_clear(quorrel, None, 0)
    print("Clear without installer folders: %.2f s" % base)
    for size in sizes:
        seconds, left = run_clear(quorrel, seed_flat, size)
        print("%6d files in one folder:     %6.2f s over that%s" %
              (size, seconds - base, "" if not left else ", left " + str(left)))
    seconds, left = run_clear(quorrel, seed_deep, 1000)
    print("  1000 folders one inside another: %6.2f s over that%s" %
          (seconds - base, "" if not left else ", left " + str(left)))


if __name__ == "__main__":
    main()
