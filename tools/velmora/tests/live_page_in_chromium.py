#!/usr/bin/env python3
"""The live page in a real browser (headless Chromium, driven as
render_page.py drives it): served by velmora live on loopback, it changes
when a datagram arrives, without being reloaded, and logs no console error,
script exception or failed load. A screenshot of it is kept.

    live_page_in_chromium.py WORK EXAMPLES SCREENSHOT.png -- VELMORA_COMMAND...
"""
import base64
import os
import shutil
import sys
import tempfile
import time

from live_driver import Live, Qso, expect, fail, sample_contest
from render_page import Browser, problems_in

CHANGE_TIMEOUT_S = 30


def evaluate(browser, session, expression):
    answer = browser.send("Runtime.evaluate", session, expression=expression, returnByValue=True)
    return answer["result"]["result"].get("value")


def main():
    if "--" not in sys.argv or sys.argv.index("--") != 4:
        fail("usage: live_page_in_chromium.py WORK EXAMPLES SCREENSHOT.png -- VELMORA_COMMAND...")
    work, examples, screenshot = (os.path.abspath(path) for path in sys.argv[1:4])
    command = sys.argv[5:]
    shutil.rmtree(work, ignore_errors=True)
    shutil.copytree(examples, work)
    live = Live(command, work, [])
    first = sample_contest(60)
    for qso in first:
        live.send(live.n1mm, qso.n1mm())
        time.sleep(0.002)
    live.wait_for(lambda s: s["counts"]["qsos"] == len(first), "the first QSOs")
    counted = live.summary()["qsos"]

    profile = tempfile.mkdtemp(prefix="live-page-")
    browser = None
    try:
        browser = Browser(shutil.which("chromium") or "chromium", profile)
        target = browser.send("Target.createTarget", url="about:blank")["result"]["targetId"]
        session = browser.send("Target.attachToTarget", targetId=target,
                               flatten=True)["result"]["sessionId"]
        for domain in ("Page", "Runtime", "Log", "Network"):
            browser.send(domain + ".enable", session)
        browser.send("Emulation.setDeviceMetricsOverride", session, width=900, height=800,
                     deviceScaleFactor=1, mobile=False)
        browser.send("Page.navigate", session, url="http://%s/" % live.http)
        browser.wait(lambda m: m.get("method") == "Page.loadEventFired")
        evaluate(browser, session, "window.sameDocument = 'yes'")
        deadline = time.monotonic() + CHANGE_TIMEOUT_S
        while "updated" not in evaluate(browser, session,
                                          "document.getElementById('connection').textContent"):
            expect(time.monotonic() < deadline, "the page never connected to /events")
            time.sleep(0.1)
        text = "document.getElementById('live').textContent"
        expect("ON4AA" not in evaluate(browser, session, text), "ON4AA before it was logged")

        live.send(live.n1mm, Qso("%032x" % 9, "ON4AA", "7", 7020, "CW", "004", 4, 85).n1mm())
        live.send(live.n1mm, Qso("0" * 32, "F5AAA", "14", 14021, "CW", "", 0, 0).n1mm("lookupinfo"))
        while not ("ON4AA" in evaluate(browser, session, text) and
                   "F5AAA" in evaluate(browser, session,
                                       "document.getElementById('typing').textContent")):
            expect(time.monotonic() < deadline, "the page did not change: " +
                   evaluate(browser, session, text)[:400])
            time.sleep(0.1)
        expect(evaluate(browser, session, "window.sameDocument") == "yes",
               "the page was reloaded to change")
        shown = evaluate(browser, session, "document.querySelector('.figure:nth-child(2) b')"
                                           ".textContent")
        expect(shown == str(counted + 1), "the QSO count shows %s, not %d" % (shown, counted + 1))
        size = browser.send("Page.getLayoutMetrics", session)["result"]["cssContentSize"]
        shot = browser.send("Page.captureScreenshot", session, format="png",
                            captureBeyondViewport=True,
                            clip={"x": 0, "y": 0, "width": 900, "height": size["height"],
                                  "scale": 1})
        os.makedirs(os.path.dirname(screenshot), exist_ok=True)
        with open(screenshot, "wb") as out:
            out.write(base64.b64decode(shot["result"]["data"]))
        problems = problems_in(browser.events)
    finally:
        if browser:
            browser.close()
        shutil.rmtree(profile, ignore_errors=True)
        live.interrupt()
    for problem in problems:
        print("live_page_in_chromium: " + problem, file=sys.stderr)
    expect(not problems, "the live page logged problems")
    print("the live page changed without a reload and logged no error; screenshot " + screenshot)


if __name__ == "__main__":
    main()
