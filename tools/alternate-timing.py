#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# alternate-timing.py RUNS 'COMMAND' 'COMMAND'...: runs the commands in turn, RUNS times each after
# five rounds of warm-up, and prints each one's median wall and CPU time and their ratios to the
# first command's. On a machine busy with other work, runs taken in turn meet the same load,
# which hyperfine's one command after another does not.
import os
import shlex
import statistics
import sys
import time


def main():
    if len(sys.argv) < 3 or not sys.argv[1].isdigit():
        sys.exit("usage: alternate-timing.py RUNS 'COMMAND' ['COMMAND'...]")
    runs = int(sys.argv[1])
    commands = [shlex.split(command) for command in sys.argv[2:]]
    wall = [[] for _ in commands]
    cpu = [[] for _ in commands]
    quiet = os.open(os.devnull, os.O_RDWR)
    for round_ in range(runs + 5):
        for k, command in enumerate(commands):
            started = time.perf_counter()
            pid = os.posix_spawnp(command[0], command, os.environ,
                                  file_actions=[(os.POSIX_SPAWN_DUP2, quiet, 1), (os.POSIX_SPAWN_DUP2, quiet, 2)])
            _, status, usage = os.wait4(pid, 0)
            elapsed = time.perf_counter() - started
            if status != 0:
                sys.exit(f"{command[0]} failed ({status})")
            if round_ >= 5:
                wall[k].append(elapsed)
                cpu[k].append(usage.ru_utime + usage.ru_stime)
    for k, command in enumerate(commands):
        print(f"{os.path.basename(command[0]):24s} wall median {statistics.median(wall[k]) * 1000:7.1f} ms, "
              f"CPU median {statistics.median(cpu[k]) * 1000:7.1f} ms, "
              f"ratio {statistics.median(wall[k]) / statistics.median(wall[0]):.2f} (CPU "
              f"{statistics.median(cpu[k]) / statistics.median(cpu[0]):.2f})")


if __name__ == "__main__":
    main()
