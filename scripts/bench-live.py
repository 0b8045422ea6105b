#!/usr/bin/env python3
"""How fast velmora live shows a QSO: the time from sending a logger's
datagram to /summary.json counting it, over a contest of QSOS QSOs (default
10,000) sent one at a time as N1MM Logger+ contacts on loopback; then the
memory velmora holds (resident now, and its peak). With --page, a live page
follows the contest meanwhile (an /events client, as a browser would be).

    scripts/bench-live.py [--qsos N] [--page] [--velmora build/linux/velmora]

Builds nothing: run `cmake --build --preset linux --target velmora` first.
"""
import argparse
import http.client
import json
import os
import random
import shutil
import socket
import statistics
import subprocess
import tempfile
import threading
import time
import datetime

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BANDS = [("3.5", 3510), ("7", 7010), ("14", 14010), ("21", 21010), ("28", 28010)]
FOREIGN = ["DL", "EA", "I", "G", "ON", "OK", "SP", "HA", "OE", "PA", "LY", "YU", "S5", "9A", "OZ"]


def contest(count, seed=7):
    """`count` QSOs of distinct stations per band, French (with departments)
    and foreign, times spread over the last hours."""
    rng = random.Random(seed)
    now = datetime.datetime.now(datetime.timezone.utc).replace(tzinfo=None, microsecond=0)
    seen, qsos = set(), []
    while len(qsos) < count:
        band, khz = rng.choice(BANDS)
        if rng.random() < 0.6:
            call = "F%d%s" % (rng.randint(1, 9), "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ")
                                                      for _ in range(rng.randint(2, 3))))
            exchange = "%02d" % rng.randint(1, 95)
        else:
            call = "%s%d%s" % (rng.choice(FOREIGN), rng.randint(1, 9),
                               "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(3)))
            exchange = "%03d" % rng.randint(1, 999)
        if (call, band) in seen:
            continue
        seen.add((call, band))
        moment = now - datetime.timedelta(seconds=(count - len(qsos)) * 8)
        qsos.append((call, band, khz + rng.randint(0, 40), rng.choice(["CW", "USB"]), exchange,
                     moment))
    return qsos


def datagram(n, qso):
    call, band, khz, mode, exchange, moment = qso
    return ("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<contactinfo>\r\n\t<app>N1MM</app>\r\n"
            "\t<timestamp>%s</timestamp>\r\n\t<mycall>F5VEL</mycall>\r\n\t<band>%s</band>\r\n"
            "\t<rxfreq>%d</rxfreq>\r\n\t<txfreq>%d</txfreq>\r\n\t<mode>%s</mode>\r\n"
            "\t<call>%s</call>\r\n\t<snt>59</snt>\r\n\t<sntnr>%d</sntnr>\r\n\t<rcv>59</rcv>\r\n"
            "\t<rcvnr>0</rcvnr>\r\n\t<exchange1>%s</exchange1>\r\n\t<ID>%032x</ID>\r\n"
            "</contactinfo>\r\n" % (moment.strftime("%Y-%m-%d %H:%M:%S"), band, khz * 100,
                                    khz * 100, mode, call, n, exchange, n + 1)).encode()


def memory(pid):
    fields = {}
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            name, _, value = line.partition(":")
            fields[name] = value.strip()
    return fields["VmRSS"], fields["VmHWM"]


def follow_page(host, port, stop, received):
    """An /events client that reads everything it is sent, counting the page's contents."""
    connection = http.client.HTTPConnection(host, port, timeout=30)
    connection.request("GET", "/events")
    answer = connection.getresponse()
    while not stop.is_set():
        chunk = answer.read1(1 << 16)
        if not chunk:
            break
        received[0] += chunk.count(b"event: contest")
        received[1] += len(chunk)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--qsos", type=int, default=10000)
    parser.add_argument("--page", action="store_true")
    parser.add_argument("--velmora", default=os.path.join(ROOT, "build", "linux", "velmora"))
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="bench-live-")
    shutil.copytree(os.path.join(ROOT, "examples"), work, dirs_exist_ok=True)
    process = subprocess.Popen(
        [args.velmora, "live", "--call", "F5VEL", "--dir", work, "--n1mm", "0", "--wsjtx", "0",
         "--http", "0"], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
        stderr=subprocess.DEVNULL)
    n1mm = page = None
    while page is None:
        line = process.stdout.readline().decode()
        if not line:
            raise SystemExit("velmora live ended before listening")
        if line.startswith("listening for N1MM"):
            n1mm = int(line.rsplit(":", 1)[1])
        if line.startswith("live page: http://"):
            host, port = line.split("http://")[1].strip().rstrip("/").rsplit(":", 1)
            page = (host, int(port))
    threading.Thread(target=lambda: [None for _ in iter(process.stdout.readline, b"")],
                     daemon=True).start()
    stop = threading.Event()
    received = [0, 0]
    if args.page:
        threading.Thread(target=follow_page, args=(*page, stop, received), daemon=True).start()
    summary = http.client.HTTPConnection(*page, timeout=30)
    udp = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    latencies = []
    started = time.monotonic()
    for n, qso in enumerate(contest(args.qsos)):
        message = datagram(n, qso)
        sent = time.perf_counter()
        udp.sendto(message, ("127.0.0.1", n1mm))
        while True:
            summary.request("GET", "/summary.json")
            counts = json.loads(summary.getresponse().read())["counts"]
            if counts["qsos"] == n + 1:
                break
        latencies.append(time.perf_counter() - sent)
    elapsed = time.monotonic() - started
    rss, peak = memory(process.pid)
    final = json.loads((summary.request("GET", "/summary.json"), summary.getresponse().read())[1])
    stop.set()
    process.terminate()
    process.wait(60)
    shutil.rmtree(work, ignore_errors=True)
    latencies.sort()
    ms = lambda seconds: "%.2f ms" % (seconds * 1000)
    print("velmora live, %d QSOs as N1MM contacts%s, in %.1f s: score %s, %s QSOs counted"
          % (args.qsos, " with a live page open" if args.page else "", elapsed, final["score"],
             final["qsos"]))
    print("datagram to /summary.json: median %s, 99th percentile %s, worst %s"
          % (ms(statistics.median(latencies)), ms(latencies[int(len(latencies) * 0.99)]),
             ms(latencies[-1])))
    print("memory after them: resident %s, peak %s" % (rss, peak))
    if args.page:
        print("the page received %d contents, %.1f MB" % (received[0], received[1] / 1e6))


if __name__ == "__main__":
    main()
