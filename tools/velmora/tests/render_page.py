#!/usr/bin/env python3
"""Renders an HTML page in headless Chromium, as a reader's browser would,
and saves a screenshot of the whole page.

    render_page.py PAGE.html SCREENSHOT.png [--chromium PATH] [--width PX]

Exit status 0 when the page loaded without a single console message of
level error or warning, script exception or failed load; 1 otherwise,
with each problem on standard error; 2 when the browser could not be run.

The browser is driven through its DevTools protocol on a pipe (file
descriptors 3 and 4 of the child), so no port is opened and every console
message arrives as a structured event rather than as a line of a log. It
runs as on this machine: as root, without network, with a fresh profile.
"""
import argparse
import base64
import fcntl
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.parse

TIMEOUT_S = 60

FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-extensions", "--hide-scrollbars", "--mute-audio", "--remote-debugging-pipe",
]


class Browser:
    """One Chromium child and the DevTools messages exchanged with it."""

    def __init__(self, chromium, profile):
        to_child_r, self.to_child = os.pipe()
        self.from_child, from_child_w = os.pipe()
        # The child reads commands on fd 3 and writes answers on fd 4; its
        # ends are first moved above both numbers so that neither is lost.
        high = [fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 10) for fd in (to_child_r, from_child_w)]
        os.close(to_child_r)
        os.close(from_child_w)

        def give_child_its_pipe():
            os.dup2(high[0], 3)
            os.dup2(high[1], 4)

        # A file, not a pipe: a chatty browser must never block on it.
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            [chromium, *FLAGS, "--user-data-dir=" + profile, "about:blank"],
            close_fds=False, preexec_fn=give_child_its_pipe, stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=self.log)
        for fd in high:
            os.close(fd)
        self.buffer = b""
        self.next_id = 0
        self.events = []
        self.deadline = time.monotonic() + TIMEOUT_S

    def send(self, method, session=None, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self.to_child, json.dumps(message).encode() + b"\0")
        return self.wait(lambda m: m.get("id") == self.next_id)

    def wait(self, wanted):
        """Reads messages until one satisfies `wanted`; keeps the events."""
        while True:
            for i, message in enumerate(self.events):
                if wanted(message):
                    del self.events[i]
                    if "error" in message:
                        raise RuntimeError(json.dumps(message["error"]))
                    return message
            if time.monotonic() > self.deadline:
                raise RuntimeError("no answer from the browser within %d s" % TIMEOUT_S)
            chunk = os.read(self.from_child, 1 << 20)
            if not chunk:
                raise RuntimeError("the browser closed its pipe: " + self.stderr_tail())
            self.buffer += chunk
            *complete, self.buffer = self.buffer.split(b"\0")
            self.events.extend(json.loads(part) for part in complete if part)

    def stderr_tail(self):
        self.process.kill()
        self.process.wait()
        self.log.seek(0)
        return self.log.read().decode(errors="replace")[-2000:]

    def close(self):
        try:
            self.send("Browser.close")
        except RuntimeError:
            pass
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.log.close()


def problems_in(events):
    """The console errors and warnings, exceptions and failed loads among `events`."""
    found = []
    for event in events:
        method, params = event.get("method"), event.get("params", {})
        if method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            found.append("exception: " + details.get("exception", {}).get(
                "description", details.get("text", "")))
        elif method == "Runtime.consoleAPICalled" and params["type"] in ("error", "warning", "assert"):
            text = " ".join(str(a.get("value", a.get("description", ""))) for a in params["args"])
            found.append("console.%s: %s" % (params["type"], text))
        elif method == "Log.entryAdded" and params["entry"]["level"] in ("error", "warning"):
            entry = params["entry"]
            found.append("%s %s: %s %s" % (entry["source"], entry["level"], entry["text"],
                                           entry.get("url", "")))
        elif method == "Network.loadingFailed":
            found.append("load failed: %s" % params.get("errorText", ""))
    return found


def render(chromium, page, screenshot, width):
    profile = tempfile.mkdtemp(prefix="render-page-")
    browser = None
    try:
        browser = Browser(chromium, profile)
        target = browser.send("Target.createTarget", url="about:blank")["result"]["targetId"]
        session = browser.send("Target.attachToTarget", targetId=target,
                               flatten=True)["result"]["sessionId"]
        for domain in ("Page", "Runtime", "Log", "Network"):
            browser.send(domain + ".enable", session)
        browser.send("Emulation.setDeviceMetricsOverride", session, width=width, height=800,
                     deviceScaleFactor=1, mobile=False)
        url = "file://" + urllib.parse.quote(os.path.abspath(page))
        browser.send("Page.navigate", session, url=url)
        browser.wait(lambda m: m.get("method") == "Page.loadEventFired")
        # Console messages of the load arrive before the evaluation's answer.
        browser.send("Runtime.evaluate", session, expression="document.readyState")
        size = browser.send("Page.getLayoutMetrics", session)["result"]["cssContentSize"]
        shot = browser.send("Page.captureScreenshot", session, format="png",
                            captureBeyondViewport=True,
                            clip={"x": 0, "y": 0, "width": width,
                                  "height": size["height"], "scale": 1})
        os.makedirs(os.path.dirname(os.path.abspath(screenshot)), exist_ok=True)
        with open(screenshot, "wb") as out:
            out.write(base64.b64decode(shot["result"]["data"]))
        return problems_in(browser.events)
    finally:
        if browser:
            browser.close()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("page")
    parser.add_argument("screenshot")
    parser.add_argument("--chromium", default=shutil.which("chromium") or "chromium")
    parser.add_argument("--width", type=int, default=900)
    args = parser.parse_args()
    if not os.path.isfile(args.page):
        print("render_page: no page %s" % args.page, file=sys.stderr)
        return 2
    try:
        problems = render(args.chromium, args.page, args.screenshot, args.width)
    except (OSError, RuntimeError) as error:
        print("render_page: %s" % error, file=sys.stderr)
        return 2
    for problem in sorted(problems):
        print("render_page: %s" % problem, file=sys.stderr)
    if not problems:
        print("rendered %s without console errors; screenshot %s" % (args.page, args.screenshot))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
