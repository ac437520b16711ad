#!/usr/bin/env python3
"""Crash consistency of the registry store: runs `quorrel -s update` and
`quorrel -s delete` on a machine directory and kills them with SIGKILL at
random instants. After every kill: each store file, as the kill left it,
reads by itself (without the journal); after recovery no value of the card
database differs from what a complete update writes (none half-written);
and a rerun completes. Exits 1 on the first failure.

usage: store-crash.py <build-dir> [update-kills] [delete-kills]
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


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    build = os.path.abspath(sys.argv[1])
    update_kills = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    delete_kills = int(sys.argv[3]) if len(sys.argv) > 3 else 2
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
        print("store crash consistency: %d update kills, %d delete kills "
              "(the delete answers %r)" % (update_kills, delete_kills,
                                           delete_result.strip()))
        print("store-crash: %d passed, 0 failed" % (update_kills + delete_kills))
        return 0
    except Failure as failure:
        print("store crash consistency: FAILED: %s" % failure)
        return 1
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
