#!/usr/bin/env python3
"""Crash consistency of the registry store: runs `quorrel -s update` and
`quorrel -s delete` on a machine directory and kills them with SIGKILL at
random instants. After every kill: each store file, as the kill left it,
reads by itself (without the journal); after recovery no value of the card
database differs from what a complete update writes (none half-written);
and a rerun completes. Exits 1 on the first failure.

Then two programs on the store at once: an update runs to its end while
a `quorrel-reg import` beside it is killed at a random instant, and the
other way round; the one left running completes and every value it wrote
is there. With --full-disk <dir> (a small file system), runs the update
and the delete on a nearly full disk instead: the result says 0 when the
store could not be written, and the store reads back afterwards.

usage: store-crash.py <build-dir> [update-kills] [delete-kills] [pair-kills]
       store-crash.py --full-disk <dir> <build-dir>
"""
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "bench"))
import store_bench  # noqa: E402

DATABASE = "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Dovrel\\DataBase"


class Failure(Exception):
    pass


def tool(build, machine, *args):
    env = dict(os.environ, QUORREL_MACHINE=machine)
    return subprocess.run([os.path.join(build, "quorrel-reg")] + list(args),
                          env=env, capture_output=True, stdin=subprocess.DEVNULL)


def run(build, machine, mode, work):
    env = dict(os.environ, QUORREL_MACHINE=machine)
    proc = subprocess.run([os.path.join(build, "quorrel"), "-s", mode], cwd=work,
                          env=env, capture_output=True, stdin=subprocess.DEVNULL)
    log = os.path.join(work, "quorrel.log")
    return open(log, "rb").read() if os.path.exists(log) else b""


def entries(dump):
    """(key, value line) pairs of a dump; a key alone for an empty key."""
    result, key = set(), None
    for line in dump.decode("cp1252").splitlines():
        if line.startswith("["):
            key = line
            result.add((key, None))
        elif line and key and not line.startswith("REGEDIT4"):
            result.add((key, line))
    return result


def files_read_alone(build, machine, scratch):
    """Every store file as left, without the journal, must read."""
    copy = os.path.join(scratch, "alone")
    shutil.rmtree(copy, ignore_errors=True)
    os.makedirs(os.path.join(copy, "registry"))
    registry = os.path.join(machine, "registry")
    for name in os.listdir(registry):
        if name.endswith(".reg"):
            shutil.copy(os.path.join(registry, name),
                        os.path.join(copy, "registry", name))
    proc = tool(build, copy, "query", "HKEY_LOCAL_MACHINE")
    if proc.returncode != 0:
        raise Failure("store file unreadable after a kill: %s" % proc.stderr)


def kill_at_random(build, machine, mode, work, delay):
    env = dict(os.environ, QUORREL_MACHINE=machine)
    proc = subprocess.Popen([os.path.join(build, "quorrel"), "-s", mode],
                            cwd=work, env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(delay)
    proc.send_signal(signal.SIGKILL)
    proc.wait()


MARKER = "HKEY_LOCAL_MACHINE\\Software\\Corvane\\Beside"


def marker_file(scratch, n):
    path = os.path.join(scratch, "beside.reg")
    with open(path, "w", newline="") as f:
        f.write("REGEDIT4\r\n\r\n[%s]\r\n" % MARKER)
        for i in range(n):
            f.write('"v%d"=dword:%08x\r\n' % (i, i))
    return path


def marker_values(build, machine):
    dump = tool(build, machine, "dump", MARKER)
    return entries(dump.stdout) if dump.returncode == 0 else set()


def two_programs(build, seed, scratch, work, reference, rng, kills):
    """Kills one of two programs using the store; the other completes."""
    expected = entries(reference)
    marker = marker_file(scratch, 300)
    env_for = lambda m: dict(os.environ, QUORREL_MACHINE=m)
    for n in range(kills):
        machine = os.path.join(scratch, "pair")
        shutil.rmtree(machine, ignore_errors=True)
        shutil.copytree(seed, os.path.join(machine, "registry"))
        update = subprocess.Popen([os.path.join(build, "quorrel"), "-s", "update"],
                                  cwd=work, env=env_for(machine),
                                  stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        beside = subprocess.Popen([os.path.join(build, "quorrel-reg"), "import",
                                   marker], env=env_for(machine),
                                  stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        victim, survivor = (update, beside) if n % 2 else (beside, update)
        time.sleep(rng.uniform(0, 0.05))
        victim.send_signal(signal.SIGKILL)
        victim.wait()
        survivor.wait()
        files_read_alone(build, machine, scratch)
        values = entries(tool(build, machine, "dump", DATABASE).stdout)
        marks = marker_values(build, machine)
        if survivor is update:
            log = open(os.path.join(work, "quorrel.log"), "rb").read()
            if log != b"Update=1\r\n" or values != expected:
                raise Failure("pair %d: the update beside a killed import "
                              "did not complete (%r)" % (n, log))
        elif survivor.returncode != 0 or len(marks) != 301:
            raise Failure("pair %d: the import beside a killed update lost "
                          "values (%d of 300)" % (n, len(marks) - 1))
        if not values <= expected:
            raise Failure("pair %d: database values differ" % n)


def full_disk(build, directory, work):
    """On a nearly full file system: a run that answers 1 has stored its
    changes, and the store reads back after every run."""
    machine = os.path.join(directory, "machine")
    store_bench.write_store(os.path.join(machine, "registry"), 1000)
    reference = os.path.join(directory, "reference")
    shutil.copytree(machine, reference)
    if run(build, reference, "update", work) != b"Update=1\r\n":
        raise Failure("full disk: reference update failed")
    expected = entries(tool(build, reference, "dump", DATABASE).stdout)
    shutil.rmtree(reference)
    filler = os.path.join(directory, "filler")
    fd = os.open(filler, os.O_WRONLY | os.O_CREAT)
    try:
        while True:
            os.write(fd, b"\0" * 4096)
    except OSError:
        pass
    os.close(fd)
    for free in (12 * 1024, 24 * 1024, 48 * 1024):
        os.truncate(filler, max(0, os.path.getsize(filler) - free))
        log = run(build, machine, "update", work)
        dump = tool(build, machine, "dump", DATABASE)
        query = tool(build, machine, "query", "HKEY_LOCAL_MACHINE")
        # Reading needs no space; only folding the journal into the files
        # (at the reader's close) may fail, and says so.
        if b"HKEY_LOCAL_MACHINE" not in query.stdout:
            raise Failure("full disk: store unreadable after the update: %s"
                          % query.stderr)
        if log == b"Update=1\r\n" and entries(dump.stdout) != expected:
            raise Failure("full disk (%d bytes free): Update=1 but the "
                          "database is not stored" % free)
        print("full disk, %d more bytes free: update answers %r"
              % (free, log.strip()))
    print("store-crash full disk: passed")
    return 0


def main():
    if len(sys.argv) >= 4 and sys.argv[1] == "--full-disk":
        try:
            work = tempfile.mkdtemp(prefix="quorrel-fulldisk-work-")
            try:
                return full_disk(os.path.abspath(sys.argv[3]), sys.argv[2], work)
            finally:
                shutil.rmtree(work, ignore_errors=True)
        except Failure as failure:
            print("store crash consistency: FAILED: %s" % failure)
            return 1
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    build = os.path.abspath(sys.argv[1])
    update_kills = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    delete_kills = int(sys.argv[3]) if len(sys.argv) > 3 else 2
    pair_kills = int(sys.argv[4]) if len(sys.argv) > 4 else 20
    rng = random.Random(int(os.environ.get("QUORREL_CRASH_SEED", "7")))
    scratch = tempfile.mkdtemp(prefix="quorrel-crash-")
    try:
        seed = os.path.join(scratch, "seed", "registry")
        store_bench.write_store(seed, 1000)
        reference_machine = os.path.join(scratch, "reference")
        shutil.copytree(seed, os.path.join(reference_machine, "registry"))
        work = os.path.join(scratch, "work")
        os.makedirs(work)
        start = time.monotonic()
        if run(build, reference_machine, "update", work) != b"Update=1\r\n":
            raise Failure("reference update failed")
        update_time = time.monotonic() - start
        reference = tool(build, reference_machine, "dump", DATABASE).stdout
        expected = entries(reference)
        machine = os.path.join(scratch, "machine")
        shutil.copytree(seed, os.path.join(machine, "registry"))
        for n in range(update_kills):
            kill_at_random(build, machine, "update", work,
                           rng.uniform(0, update_time * 1.2))
            files_read_alone(build, machine, scratch)
            dump = tool(build, machine, "dump", DATABASE)
            if dump.returncode == 0 and not entries(dump.stdout) <= expected:
                raise Failure("kill %d: values differ from a complete update: %s"
                              % (n, sorted(entries(dump.stdout) - expected)[:3]))
            if n % 5 == 4:  # a rerun, now and then, completes the update
                if run(build, machine, "update", work) != b"Update=1\r\n":
                    raise Failure("kill %d: rerun of the update failed" % n)
                if tool(build, machine, "dump", DATABASE).stdout != reference:
                    raise Failure("kill %d: rerun wrote another database" % n)
        delete_reference = os.path.join(scratch, "delete-reference")
        shutil.copytree(machine, delete_reference)
        start = time.monotonic()
        delete_result = run(build, delete_reference, "delete", work)
        delete_time = time.monotonic() - start
        for n in range(delete_kills):
            kill_at_random(build, machine, "delete", work,
                           rng.uniform(0, delete_time * 1.1))
            files_read_alone(build, machine, scratch)
            if run(build, machine, "delete", work) != delete_result:
                raise Failure("delete kill %d: rerun gave another result" % n)
            if run(build, machine, "update", work) != b"Update=1\r\n":
                raise Failure("delete kill %d: update after it failed" % n)
        two_programs(build, seed, scratch, work, reference, rng, pair_kills)
        print("store crash consistency: %d update kills, %d delete kills, "
              "%d kills beside another program (the delete answers %r)"
              % (update_kills, delete_kills, pair_kills, delete_result.strip()))
        print("store-crash: %d passed, 0 failed"
              % (update_kills + delete_kills + pair_kills))
        return 0
    except Failure as failure:
        print("store crash consistency: FAILED: %s" % failure)
        return 1
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
