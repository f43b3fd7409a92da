"""Frames per second a running zelmvik draws, read from outside, and the CPU it takes: its
animation counter cnt2 grows by 0.005f with every frame drawn, so two readings of it from
the process's memory some time apart tell how many frames were drawn in between. Nothing in
the program is there for this. Works for the native program and for zelmvik.exe under Wine
(which loads the exe at the address its symbols give).

Usage: frame-rate.py PID PROGRAM SECONDS
PROGRAM is what was started as PID: the program (with its symbols, or stripped with its
symbols where the system keeps them by build id, as Debian's -dbgsym packages install them),
zelmvik.exe under Wine,
or anything that ends up running the program, itself or in a child (a wrapper that chroots
into an installed system, say): then the process whose executable has the counter is found
below PID. Prints "FRAMES_PER_SECOND FRAMES CPU_PERCENT" (CPU of all that process's threads,
in percent of one core) and exits 0; 1 when the counter cannot be read.
"""
import os
import struct
import subprocess
import sys
import time


def symbol(nm, program, name):
    out = subprocess.run([nm, program], capture_output=True, text=True, check=True).stdout
    return next(int(line.split()[0], 16) for line in out.splitlines()
                if line.split()[-1:] == [name] and line.split()[-2] in "bBdD")


def symbols_of(pid):
    """The files that may hold the symbols of process PID's program: the program itself and,
    for a stripped one, the debug file its build id names in the process's own root."""
    exe = f"/proc/{pid}/exe"
    notes = subprocess.run(["readelf", "-n", exe], capture_output=True, text=True).stdout
    build_id = next((line.split()[-1] for line in notes.splitlines() if "Build ID:" in line), "")
    debug = f"/proc/{pid}/root/usr/lib/debug/.build-id/{build_id[:2]}/{build_id[2:]}.debug"
    return [exe] + ([debug] if build_id and os.path.exists(debug) else [])


def native_symbol(pid, name):
    for file in symbols_of(pid):
        try:
            return symbol("nm", file, name)
        except StopIteration:
            pass
    raise LookupError(f"no symbol {name} for process {pid}")


def counter_address(pid, program):
    with open(program, "rb") as f:
        head = f.read(0x400)
    if head[:2] == b"MZ":
        machine = struct.unpack_from("<H", head, struct.unpack_from("<I", head, 0x3C)[0] + 4)[0]
        if machine == 0x14C:
            return symbol("i686-w64-mingw32-nm", program, "_cnt2")
        return symbol("x86_64-w64-mingw32-nm", program, "cnt2")
    exe = os.readlink(f"/proc/{pid}/exe")
    offset = native_symbol(pid, "cnt2")
    # A position-independent program is loaded where its first mapping starts.
    with open(f"/proc/{pid}/maps") as maps:
        for fields in (line.split() for line in maps):
            if len(fields) >= 6 and fields[5] == exe and int(fields[2], 16) == 0:
                start = int(fields[0].split("-")[0], 16)
                return offset if offset >= start else start + offset
    raise LookupError(f"{exe} is not mapped in process {pid}")


def with_counter(pid, program):
    """PID, or the first process below it that runs the program: (pid, counter address)."""
    below = [pid]
    while below:
        p = below.pop(0)
        try:
            return p, counter_address(p, program)
        except (OSError, LookupError, ValueError, StopIteration, subprocess.CalledProcessError):
            children = subprocess.run(["pgrep", "-P", str(p)], capture_output=True, text=True)
            below.extend(int(c) for c in children.stdout.split())
    raise LookupError(f"no process at or below {pid} runs the program")


def read_counter(pid, address):
    with open(f"/proc/{pid}/mem", "rb") as mem:
        mem.seek(address)
        return struct.unpack("<f", mem.read(4))[0]


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main():
    pid, program, seconds = int(sys.argv[1]), sys.argv[2], float(sys.argv[3])
    try:
        pid, address = with_counter(pid, program)
        t0, c0, u0 = time.monotonic(), read_counter(pid, address), cpu_seconds(pid)
        time.sleep(seconds)
        t1, c1, u1 = time.monotonic(), read_counter(pid, address), cpu_seconds(pid)
    except (OSError, LookupError) as e:
        print(f"frame-rate: cannot read the counter of process {pid}: {e}", file=sys.stderr)
        return 1
    frames = (c1 - c0) / 0.005
    print(f"{frames / (t1 - t0):.1f} {frames:.0f} {100 * (u1 - u0) / (t1 - t0):.1f}")
    return 0


sys.exit(main())
