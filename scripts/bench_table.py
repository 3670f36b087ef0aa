#!/usr/bin/env python3
"""Runs every benchmark of the given programs, each in a process of its own, and prints
one table: operation, base size, time per run and the peak resident memory of the
process that ran it (setup included)."""
import json
import os
import subprocess
import sys
import tempfile


def benchmarks_of(program):
    listed = subprocess.run([program, "--benchmark_list_tests=true"], check=True,
                            capture_output=True, text=True).stdout
    return [line.strip() for line in listed.splitlines() if line.strip()]


def run_one(program, name):
    """Runs one benchmark; returns its JSON entries and the process's peak memory in MB."""
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        child = subprocess.Popen([program, "--benchmark_filter=^%s$" % name,
                                  "--benchmark_out=" + out.name, "--benchmark_out_format=json"],
                                 stdout=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        if os.waitstatus_to_exitcode(status) != 0:
            raise SystemExit("%s %s failed" % (program, name))
        with open(out.name) as f:
            entries = [b for b in json.load(f)["benchmarks"] if b.get("run_type") != "aggregate"]
    if not entries:
        raise SystemExit("%s ran no benchmark named %s" % (program, name))
    return entries, usage.ru_maxrss / 1024.0


def split_name(entry):
    """The operation (benchmark name with its other arguments) and the base size."""
    parts = entry["run_name"].split("/")
    operation = [parts[0].removeprefix("BM_")]
    size = entry.get("records")
    for part in parts[1:]:
        key, _, value = part.rpartition(":")
        if key in ("", "records") and value.isdigit() and (size is None or int(size) == int(value)):
            size = int(value)
        elif not part.startswith(("real_time", "iterations")):
            operation.append(part)
    return " ".join(operation), "" if size is None else "{:,}".format(int(size))


def milliseconds(entry):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[entry["time_unit"]]
    return entry["real_time"] * scale


def main(programs):
    rows = []
    for program in programs:
        for name in benchmarks_of(program):
            entries, peak = run_one(program, name)
            for entry in entries:
                operation, size = split_name(entry)
                time = ("error: " + entry.get("error_message", "")) if entry.get("error_occurred") \
                    else "%.3f ms" % milliseconds(entry)
                rows.append((operation, size, time, "%.1f MB" % peak))
    header = ("operation", "base size", "time", "peak memory")
    widths = [max(len(r[i]) for r in rows + [header]) for i in range(4)]
    line = lambda r: "| " + " | ".join(c.ljust(w) for c, w in zip(r, widths)) + " |"
    print(line(header))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for row in rows:
        print(line(row))


if __name__ == "__main__":
    main(sys.argv[1:])
