"""Drives velmora live from the outside for its tests, on loopback only:
the QSOs of a contest as the loggers broadcast them (N1MM Logger+'s XML,
DXLog.net's own, WSJT-X's and JTDX's QDataStream messages, each written
from the published format), velmora live run with free ports and its
output read as it comes, its page and /summary.json fetched, a local
scoreboard that keeps what is posted to it, and velmora score of a log.
"""
import datetime
import random
import http.server
import json
import os
import signal
import socket
import struct
import subprocess
import sys
import threading
import time
import urllib.request

TIMEOUT_S = 90
LOOPBACK = "127.0.0.1"
NOW = datetime.datetime.now(datetime.timezone.utc).replace(microsecond=0, tzinfo=None)


class Qso:
    """One QSO of the contest, as its final version stands."""

    def __init__(self, key, call, band_mhz, freq_khz, mode, exchange, serial, minute,
                 source="n1mm"):
        self.key, self.call, self.mode, self.exchange = key, call, mode, exchange
        self.source = source
        self.band_mhz, self.freq_khz, self.serial = band_mhz, freq_khz, serial
        self.time = NOW - datetime.timedelta(minutes=90 - minute)

    def n1mm(self, kind="contactinfo"):
        """The N1MM Logger+ broadcast of this QSO."""
        fields = [("app", "N1MM"), ("contestname", "DX"),
                  ("timestamp", self.time.strftime("%Y-%m-%d %H:%M:%S")), ("mycall", "F5VEL"),
                  ("band", self.band_mhz), ("rxfreq", str(self.freq_khz * 100)),
                  ("txfreq", str(self.freq_khz * 100)), ("operator", ""),
                  ("mode", "USB" if self.mode == "SSB" else self.mode), ("call", self.call),
                  ("countryprefix", ""), ("snt", "59"), ("sntnr", str(self.serial)), ("rcv", "59"),
                  ("rcvnr", "0"), ("exchange1", self.exchange), ("section", ""), ("comment", ""),
                  ("points", "1"), ("radionr", "1"), ("IsOriginal", "True"),
                  ("StationName", "RUN-PC"), ("ID", self.key), ("IsClaimedQso", "1")]
        body = "".join("\t<%s>%s</%s>\r\n" % (name, value, name) for name, value in fields)
        return ('<?xml version="1.0" encoding="utf-8"?>\r\n<%s>\r\n%s</%s>\r\n'
                % (kind, body, kind)).encode()

    def dxlog_own(self):
        """DXLog.net's own broadcast of this QSO."""
        return ("<?xml version=\"1.0\"?><contactinfo><logger>DXLog.net</logger>"
                "<timestamp>%s</timestamp><mycall>F5VEL</mycall><band>%s</band>"
                "<txfreq>%d</txfreq><rxfreq>%d</rxfreq><mode>%s</mode><call>%s</call>"
                "<snt>599</snt><rcv>599</rcv><nr>%d</nr><exch1>%s</exch1><exch2></exch2>"
                "<xqso>False</xqso><stationid>STN1</stationid><guid>%s</guid>"
                "<newqso>True</newqso></contactinfo>"
                % (self.time.strftime("%Y-%m-%d %H:%M:%S"), self.band_mhz, self.freq_khz * 100,
                   self.freq_khz * 100, self.mode, self.call, self.serial, self.exchange,
                   self.key)).encode()

    def adif(self):
        """The QSO as a log file gives it, for velmora score."""
        def field(name, value):
            return "<%s:%d>%s" % (name, len(value), value) if value else ""
        report = {"n1mm": "59", "dxlog": "599", "wsjtx": ""}[self.source]
        return "".join([
            field("CALL", self.call), field("QSO_DATE", self.time.strftime("%Y%m%d")),
            field("TIME_ON", self.time.strftime("%H%M%S")),
            field("FREQ", "%.6f" % (self.freq_khz / 1000.0)), field("MODE", self.mode),
            field("RST_SENT", report), field("RST_RCVD", report),
            field("STX", str(self.serial) if self.source == "n1mm" else ""),
            field("SRX_STRING", self.exchange), field("STATION_CALLSIGN", "F5VEL")]) + "<EOR>\n"


def sample_contest(count, seed=11):
    """`count` QSOs of distinct stations on five bands over the last hours,
    French ones (with their departments) and foreign ones (with serials)."""
    rng = random.Random(seed)
    bands = [("3.5", 3510), ("7", 7010), ("14", 14010), ("21", 21010), ("28", 28010)]
    foreign = ["DL", "EA", "I", "G", "ON", "OK", "SP", "HA", "OE", "PA"]
    qsos, seen = [], set()
    while len(qsos) < count:
        band, khz = rng.choice(bands)
        letters = "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(3))
        if rng.random() < 0.6:
            call, exchange = "F%d%s" % (rng.randint(1, 9), letters), "%02d" % rng.randint(1, 95)
        else:
            call, exchange = "%s%d%s" % (rng.choice(foreign), rng.randint(1, 9), letters), \
                "%03d" % rng.randint(1, 999)
        if (call, band) in seen:
            continue
        seen.add((call, band))
        n = len(qsos) + 1
        qsos.append(Qso("%032x" % (0xF000 + n), call, band, khz + rng.randint(0, 40),
                        rng.choice(["CW", "SSB"]), exchange, n, 80 * n // count))
    return qsos


def qt_text(text):
    data = text.encode()
    return struct.pack(">I", len(data)) + data


def qt_utc(moment):
    julian = moment.date().toordinal() + 1721425
    ms = ((moment.hour * 60 + moment.minute) * 60 + moment.second) * 1000
    return struct.pack(">qIB", julian, ms, 1)


def wsjtx_logged(qso, sender, short):
    """WSJT-X's QSO Logged message (type 5); JTDX's stops after the time on."""
    message = struct.pack(">III", 0xadbccbda, 2, 5) + qt_text(sender)
    message += qt_utc(qso.time + datetime.timedelta(minutes=1)) + qt_text(qso.call) + qt_text("")
    message += struct.pack(">Q", qso.freq_khz * 1000)
    for text in (qso.mode, "", "", "", "", ""):
        message += qt_text(text)
    message += qt_utc(qso.time)
    if not short:
        for text in ("", "F5VEL", "JN18", "", qso.exchange, ""):
            message += qt_text(text)
    return message


def wsjtx_adif(qso):
    """WSJT-X's Logged ADIF message (type 12) of the same QSO."""
    adif = ("<adif_ver:5>3.1.0\n<programid:6>WSJT-X\n<EOH>\n<call:%d>%s <mode:%d>%s "
            "<qso_date:8>%s <time_on:6>%s <freq:9>%.6f <station_callsign:5>F5VEL <EOR>"
            % (len(qso.call), qso.call, len(qso.mode), qso.mode, qso.time.strftime("%Y%m%d"),
               qso.time.strftime("%H%M%S"), qso.freq_khz / 1000.0))
    return struct.pack(">III", 0xadbccbda, 3, 12) + qt_text("WSJT-X") + qt_text(adif)


class Scoreboard(http.server.BaseHTTPRequestHandler):
    posts = []

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        Scoreboard.posts.append((self.path, self.rfile.read(length).decode()))
        self.send_response(200)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def log_message(self, *args):
        pass


class FailingScoreboard(Scoreboard):
    """A scoreboard that refuses every post."""

    def do_POST(self):
        self.rfile.read(int(self.headers.get("Content-Length", "0")))
        self.send_response(503)
        self.send_header("Content-Length", "0")
        self.end_headers()


class Live:
    """One run of velmora live, its output read as it comes."""

    def __init__(self, command, work, extra):
        self.lines = []
        self.process = subprocess.Popen(
            command + ["live", "--cty", os.path.join(work, "cty.dat"), "--call", "F5VEL",
                       "--dir", work, "--n1mm", "0", "--wsjtx", "0", "--http", "0"] + extra,
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
            start_new_session=True)
        self.stderr = []
        threading.Thread(target=self._read, args=(self.process.stdout, self.lines),
                         daemon=True).start()
        threading.Thread(target=self._read, args=(self.process.stderr, self.stderr),
                         daemon=True).start()
        page = self.wait_line("live page: http://")
        self.http = page.split("http://")[1].rstrip("/")
        self.n1mm = int(self.wait_line("listening for N1MM").rsplit(":", 1)[1])
        self.wsjtx = int(self.wait_line("listening for WSJT-X").rsplit(":", 1)[1])

    @staticmethod
    def _read(pipe, into):
        for line in iter(pipe.readline, b""):
            into.append(line.decode(errors="replace").rstrip("\r\n"))

    def wait_line(self, start, after=0):
        deadline = time.monotonic() + TIMEOUT_S
        while time.monotonic() < deadline:
            for line in self.lines[after:]:
                if line.startswith(start):
                    return line
            if self.process.poll() is not None and not any(
                    line.startswith(start) for line in self.lines[after:]):
                time.sleep(0.5)
                fail("velmora live ended (status %s) before saying %r:\n%s\n%s" % (
                    self.process.returncode, start, "\n".join(self.lines),
                    "\n".join(self.stderr)))
            time.sleep(0.05)
        fail("velmora live never said %r:\n%s" % (start, "\n".join(self.lines)))

    def send(self, port, datagram):
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as udp:
            udp.sendto(datagram, (LOOPBACK, port))

    def get(self, path, method="GET"):
        request = urllib.request.Request("http://%s%s" % (self.http, path), method=method)
        with urllib.request.urlopen(request, timeout=20) as answer:
            return answer.status, answer.read().decode()

    def summary(self):
        return json.loads(self.get("/summary.json")[1])

    def wait_for(self, predicate, what):
        deadline = time.monotonic() + TIMEOUT_S
        while time.monotonic() < deadline:
            summary = self.summary()
            if predicate(summary):
                return summary
            time.sleep(0.1)
        fail("/summary.json never showed %s: %s\n%s" % (what, json.dumps(summary),
                                                        "\n".join(self.lines)))

    def pid(self):
        """The program's own process: under Wine, velmora.exe's, not the wrapper's."""
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open("/proc/%s/cmdline" % entry, "rb") as cmdline:
                    words = cmdline.read().split(b"\0")
                if os.getsid(int(entry)) == self.process.pid and any(
                        word.endswith(b"velmora.exe") for word in words[:1]):
                    return int(entry)
            except (OSError, ProcessLookupError):
                continue
        return self.process.pid

    def kill(self):
        os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait(TIMEOUT_S)

    def interrupt(self):
        os.kill(self.pid(), signal.SIGINT)
        try:
            status = self.process.wait(TIMEOUT_S)
        except subprocess.TimeoutExpired:
            self.kill()
            fail("velmora live did not end on SIGINT:\n" + "\n".join(self.lines))
        time.sleep(0.3)
        return status


def fail(message):
    print(os.path.basename(sys.argv[0]) + ": " + message, file=sys.stderr)
    sys.exit(1)


def expect(condition, message):
    if not condition:
        fail(message)


def scored(command, work, log_text, name):
    """The raw summary velmora score gives of `log_text` written as a log."""
    path = os.path.join(work, name)
    with open(path, "w", newline="") as log:
        log.write(log_text)
    run = subprocess.run(command + ["score", path, "--cty", os.path.join(work, "cty.dat"),
                                    "--call", "F5VEL", "--sent", "69", "--dir", work, "--raw"],
                         stdin=subprocess.DEVNULL, capture_output=True, timeout=TIMEOUT_S)
    expect(run.returncode == 0, "velmora score %s failed: %s" % (name, run.stderr.decode()))
    return run.stdout.decode().rstrip("\r\n")
