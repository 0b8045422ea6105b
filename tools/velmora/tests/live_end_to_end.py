#!/usr/bin/env python3
"""velmora live from the outside, on loopback only: a contest sent as N1MM
Logger+ datagrams (with an edit, a delete, an ID heard twice, a lookup,
DXLog.net's own format) and WSJT-X and JTDX messages; /summary.json must
equal `velmora score` of the same QSOs written as a log; a SIGKILL in the
middle of the contest loses nothing; a local scoreboard receives the
dynamicresults XML; the page refuses other methods; Ctrl-C ends with the
final summary (and, with --cabrillo, the Cabrillo file).

    live_end_to_end.py WORK EXAMPLES [--cabrillo] -- VELMORA_COMMAND...

VELMORA_COMMAND is velmora, or an emulator and velmora.exe.
"""
import argparse
import http.server
import os
import shutil
import socket
import struct
import sys
import threading
import time
import urllib.error

from live_driver import (LOOPBACK, TIMEOUT_S, FailingScoreboard, Live, Qso, Scoreboard, expect,
                         fail, qt_text, scored, wsjtx_adif, wsjtx_logged)


def counted_rows(raw):
    """The summary's lines but the rows of bands where nothing counts: the plug-in keeps a
    band it has seen, with zeros, after its last QSO there was deleted or moved."""
    rows = []
    for line in raw.split("\r\n"):
        cells = [cell.strip() for cell in line.split("\t")]
        if len(cells) > 1 and cells[0].endswith("m") and all(c == "0" for c in cells[1:]):
            continue
        rows.append(line)
    return rows


def main():
    if "--" not in sys.argv:
        fail("usage: live_end_to_end.py WORK EXAMPLES [--cabrillo] -- VELMORA_COMMAND...")
    split = sys.argv.index("--")
    parser = argparse.ArgumentParser()
    parser.add_argument("work")
    parser.add_argument("examples")
    parser.add_argument("--cabrillo", action="store_true")
    args = parser.parse_args(sys.argv[1:split])
    command = sys.argv[split + 1:]
    shutil.rmtree(args.work, ignore_errors=True)
    shutil.copytree(args.examples, args.work)
    work = os.path.abspath(args.work)

    board = http.server.HTTPServer((LOOPBACK, 0), Scoreboard)
    threading.Thread(target=board.serve_forever, daemon=True).start()
    post = "http://%s:%d/board" % board.server_address
    down = http.server.HTTPServer((LOOPBACK, 0), FailingScoreboard)
    threading.Thread(target=down.serve_forever, daemon=True).start()
    refused = "http://%s:%d/down" % down.server_address
    # DXLog.net's own broadcast gives no sent exchange: --sent gives it, as for a log.
    extra = ["--sent", "69", "--post", post, "--post", refused, "--post-every", "1"]
    if args.cabrillo:
        extra.append("--cabrillo")

    qsos = {
        "n1": Qso("0123456789abcdef0123456789abcd01", "F5AAA", "7", 7010, "CW", "75", 1, 1),
        "n2": Qso("0123456789abcdef0123456789abcd02", "DL1ABC", "7", 7012, "CW", "001", 2, 2),
        "n3": Qso("0123456789abcdef0123456789abcd03", "F6XYZ", "14", 14200, "SSB", "13", 3, 3),
        "n4": Qso("0123456789abcdef0123456789abcd04", "EA3XX", "14", 14020, "CW", "002", 4, 4),
        "n5": Qso("0123456789abcdef0123456789abcd05", "F8ABC", "3,5", 3530, "CW", "69", 5, 5),
        "dxlog": Qso("9e8d7c6b5a4f3e2d1c0b9a8f7e6d5c4b", "FY5PZ", "21", 21020, "CW", "97", 6, 6,
                     "dxlog"),
        "wsjtx1": Qso("", "K1ABC", "14", 14074, "FT8", "", 0, 7, "wsjtx"),
        "wsjtx2": Qso("", "JA1XYZ", "21", 21074, "FT8", "", 0, 8, "wsjtx"),
        "n7": Qso("0123456789abcdef0123456789abcd07", "F4KIJ", "28", 28020, "CW", "33", 7, 9),
        "n8": Qso("0123456789abcdef0123456789abcd08", "DL2XYZ", "28", 28025, "CW", "003", 8, 10),
        "n9": Qso("0123456789abcdef0123456789abcd09", "ON4AA", "7", 7015, "CW", "004", 9, 11),
    }
    final = dict(qsos)

    live = Live(command, work, extra)
    first_line = len(live.lines)
    # Another program listening to the same broadcasts shares the port.
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as neighbour:
        neighbour.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        try:
            neighbour.bind((LOOPBACK, live.n1mm))
        except OSError as error:
            fail("the N1MM port is not shared with another listener: %s" % error)
    for name in ("n1", "n2", "n3", "n4", "n5"):
        live.send(live.n1mm, qsos[name].n1mm())
    live.send(live.n1mm, qsos["n1"].n1mm())  # another computer of the station, the same ID
    edited = Qso(qsos["n4"].key, "EA3XX", "21", 21030, "CW", "002", 4, 4)
    live.send(live.n1mm, edited.n1mm("contactreplace"))
    final["n4"] = edited
    live.send(live.n1mm, qsos["n5"].n1mm("contactdelete"))
    del final["n5"]
    live.send(live.n1mm, qsos["dxlog"].dxlog_own())
    typing = Qso("0" * 32, "F5ZZZ", "7", 7011, "CW", "", 0, 0)
    live.send(live.n1mm, typing.n1mm("lookupinfo"))
    live.send(live.n1mm, b"<RadioInfo><app>N1MM</app><Freq>701000</Freq></RadioInfo>")
    live.send(live.n1mm, b"<contactinfo><call>F6")
    live.send(live.wsjtx, wsjtx_logged(qsos["wsjtx1"], "WSJT-X", short=False))
    live.send(live.wsjtx, wsjtx_adif(qsos["wsjtx1"]))  # the same QSO's second message
    live.send(live.wsjtx, wsjtx_logged(qsos["wsjtx2"], "JTDX", short=True))
    live.send(live.wsjtx, struct.pack(">III", 0xadbccbda, 2, 0) + qt_text("WSJT-X"))  # heartbeat
    live.send(live.n1mm, qsos["n7"].n1mm())
    live.send(live.n1mm, qsos["n8"].n1mm())
    live.wait_line("#12 ", first_line)

    summary = live.wait_for(lambda s: s["counts"]["lookups"] == 1 and s["counts"]["malformed"] == 1
                            and s["counts"]["heard_again"] == 2, "every datagram taken")
    expect(summary["counts"]["qsos"] == 10 and summary["counts"]["edits"] == 1
           and summary["counts"]["deletes"] == 1, "counts: %s" % summary["counts"])
    expect(summary["typing"]["call"] == "F5ZZZ", "the lookup: %s" % summary["typing"])
    before_kill = summary
    log_of = lambda qs: "".join(q.adif() for q in sorted(qs.values(), key=lambda q: q.time))
    without = {k: v for k, v in final.items() if k != "n9"}
    expected = scored(command, work, log_of(without), "before-kill.adi")
    expect(counted_rows(summary["raw"]) == counted_rows(expected),
           "/summary.json before the kill differs from velmora score:\n%s\n--- score:\n%s"
           % (summary["raw"], expected))

    # Killed in the middle of the contest, started again: nothing is lost.
    live.kill()
    live = Live(command, work, extra)
    replayed = live.wait_line("journal ")
    expect("12 QSO events replayed" in replayed, replayed)
    again = live.summary()
    expect(again["raw"] == before_kill["raw"] and again["score"] == before_kill["score"],
           "after the restart: %s\nbefore: %s" % (again["raw"], before_kill["raw"]))
    live.send(live.n1mm, qsos["n9"].n1mm())
    changed = Qso(qsos["n2"].key, "DL1ABC", "7", 7012, "CW", "005", 2, 2)
    live.send(live.n1mm, changed.n1mm("contactreplace"))
    final["n2"] = changed
    live.send(live.n1mm, qsos["n8"].n1mm())  # heard again after the restart
    summary = live.wait_for(lambda s: s["counts"]["heard_again"] == 1, "the last datagrams")
    expected = scored(command, work, log_of(final), "final.adi")
    expect(counted_rows(summary["raw"]) == counted_rows(expected),
           "/summary.json differs from velmora score of the same QSOs:\n%s\n--- score:\n%s"
           % (summary["raw"], expected))
    journal = scored(command, work, open(os.path.join(work, "velmora-live.adi"), newline="").read(),
                     "journal-copy.adi")
    expect(journal == summary["raw"], "velmora score of the journal differs:\n%s" % journal)

    # Read-only: other methods refused, other paths unknown; the page and its script served.
    for method in ("POST", "PUT", "DELETE"):
        try:
            live.get("/summary.json", method)
            fail(method + " was not refused")
        except urllib.error.HTTPError as error:
            expect(error.code == 405, "%s gave %d" % (method, error.code))
    try:
        live.get("/no-such-page")
        fail("an unknown path was served")
    except urllib.error.HTTPError as error:
        expect(error.code == 404, "unknown path gave %d" % error.code)
    status, page = live.get("/")
    expect(status == 200 and "Now typing" in page and 'src="/live.js"' in page, "the page")
    expect("EventSource" in live.get("/live.js")[1], "the script")
    expect(live.summary()["raw"] == summary["raw"], "reading the page changed the contest")

    deadline = time.monotonic() + TIMEOUT_S
    score = str(summary["score"])
    while time.monotonic() < deadline and not any(
            "<score>%s</score>" % score in body for _, body in Scoreboard.posts):
        time.sleep(0.2)
    expect(any("<score>%s</score>" % score in body and "<dynamicresults>" in body
               for _, body in Scoreboard.posts),
           "the scoreboard got no post of score %s: %s" % (score, Scoreboard.posts[-1:]))
    expect(all(path == "/board" for path, _ in Scoreboard.posts), "posted elsewhere")

    status = live.interrupt()
    expect(status == 0, "velmora live ended with status %s: %s" % (status, "\n".join(live.stderr)))
    expect(any(line.startswith("Score  = " + score) for line in live.lines),
           "no final summary:\n" + "\n".join(live.lines[-10:]))
    expect(any(line.startswith("last post to " + post + ": done") for line in live.stderr),
           "the last post: %s" % live.stderr)
    failures = [line for line in live.stderr if line.startswith("post to " + refused + " failed")]
    expect(len(failures) == 1 and "503" in failures[0],
           "a refused post is said once after the restart: %s" % live.stderr)
    expect(any(line.startswith("last post to %s: failed: the scoreboard answered 503" % refused)
               for line in live.stderr), "the refused last post: %s" % live.stderr)
    if args.cabrillo:
        cabrillo = open(os.path.join(work, "F5VEL.cbr"), newline="").read()
        lines = [line for line in cabrillo.split("\r\n") if line.startswith("QSO:")]
        expect(len(lines) == summary["qsos"], "%d QSO lines for %s QSOs" % (len(lines),
                                                                          summary["qsos"]))
        expect("CLAIMED-SCORE: %s\r\n" % score in cabrillo, "the Cabrillo file's score")
    print("velmora live: %d QSOs, score %s, equal to velmora score; %d scoreboard posts"
          % (summary["qsos"], score, len(Scoreboard.posts)))


if __name__ == "__main__":
    main()
