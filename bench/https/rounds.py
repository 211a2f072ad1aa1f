"""The project's HTTPS client (https_bench, natively or under Wine) and curl
fetch the same file from the same server in turns, round after round; prints
MiB/s per round, the means and bests, and the client's ratio to curl. Each
download is compared with the served file, then removed. bench/https-run
starts the server and builds the programs.
    rounds.py URL SERVED_FILE CA_FILE WORK_DIR --name NAME [--rounds N]
              [--windows] -- HTTPS_BENCH_COMMAND...
--windows passes the paths to the client as Wine's Z: drive shows them."""
import argparse
import filecmp
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

MIB = 1 << 20


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def run_printing(command):
    """What command printed; a failure ends the benchmark with its output.
    A file, not a pipe: Wine's background processes inherit the output and
    would keep a pipe open."""
    with tempfile.TemporaryFile() as output:
        finished = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=output,
                                  stderr=subprocess.STDOUT, timeout=1800)
        output.seek(0)
        printed = output.read().decode(errors="replace")
    if finished.returncode != 0:
        sys.exit(f"rounds.py: {command[0]} failed ({finished.returncode}):\n{printed.rstrip()}")
    return printed


def client_rate(arguments, target):
    paths = [target, arguments.ca_file]
    if arguments.windows:
        paths = [windows_path(path) for path in paths]
    printed = run_printing(arguments.command + [arguments.url, paths[0], "--ca", paths[1]])
    found = re.search(r"([\d.]+) MiB/s", printed)
    if not found:
        sys.exit(f"rounds.py: no rate in:\n{printed}")
    return float(found.group(1))


def curl_rate(arguments, target):
    printed = run_printing(["curl", "-sS", "--cacert", str(arguments.ca_file), "-o", str(target),
                            "-w", "%{size_download} %{time_total}", arguments.url])
    size, seconds = printed.split()
    return int(size) / MIB / float(seconds)


def timed(download, arguments, name):
    """MiB/s of one download into the work folder, checked against the
    served file."""
    target = arguments.work_dir / f"{name}.bin"
    target.unlink(missing_ok=True)
    # Writes back what earlier rounds left in the page cache, so that no
    # download pays for the one before it.
    os.sync()
    rate = download(arguments, target)
    same = filecmp.cmp(target, arguments.served_file, shallow=False)
    target.unlink()
    if not same:
        sys.exit(f"rounds.py: {name}'s download differs from {arguments.served_file}")
    return rate


def report(label, name, client, curl):
    print(f"{label:9} {name} {client:8.1f} MiB/s   curl {curl:8.1f} MiB/s   "
          f"{name}/curl {client / curl:.2f}", flush=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("url")
    parser.add_argument("served_file", type=Path)
    parser.add_argument("ca_file", type=Path)
    parser.add_argument("work_dir", type=Path)
    parser.add_argument("--name", required=True)
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--windows", action="store_true")
    parser.add_argument("command", nargs="+")
    arguments = parser.parse_args()
    arguments.work_dir.mkdir(parents=True, exist_ok=True)

    clients, curls = [], []
    for round_number in range(1, arguments.rounds + 1):
        clients.append(timed(client_rate, arguments, arguments.name))
        curls.append(timed(curl_rate, arguments, "curl"))
        report(f"round {round_number}:", arguments.name, clients[-1], curls[-1])
    report("mean:", arguments.name, sum(clients) / len(clients), sum(curls) / len(curls))
    report("best:", arguments.name, max(clients), max(curls))


if __name__ == "__main__":
    main()
