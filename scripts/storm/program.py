"""One run of the program under the storm: started from the storm's copy of its folder, its window
found and measured, its liveness watched, its end and its log judged."""
import os
import signal
import subprocess
import time

from hands import Hands, read_places
from xscreen import Pinger

SanitizerMarks = (b"ERROR: AddressSanitizer", b"ERROR: LeakSanitizer", b"runtime error:",
                  b"SUMMARY: UndefinedBehaviorSanitizer")
Title = "Pathfinding Algorithm"
# How long a box or a file may take to come: longer than the hang limit, so that a frozen program
# is named as hung, not as silent.
BoxWaitSeconds = 8.0


class StormFailure(Exception):
    pass


class Program:
    def __init__(self, executable, log_path, environment, screen, remark, command=()):
        self.screen = screen
        self.log_path = log_path
        self.hang = None
        # The program writes its controls' places there once its window is up; each session has its
        # own, in a folder that whoever runs the program may write (storm.sh's places/).
        logs = os.path.dirname(log_path)
        self.places_path = os.path.join(os.path.dirname(logs), "places",
                                        os.path.splitext(os.path.basename(log_path))[0] + "-controls.txt")
        environment = dict(environment, ROUTESEER_CONTROL_GEOMETRY=self.places_path)
        with open(log_path, "wb") as log:
            self.process = subprocess.Popen([*command, executable], cwd=os.path.dirname(executable), stdout=log,
                                            stderr=subprocess.STDOUT, env=environment)
        self.pid = self.process.pid
        self.window = self._wait_for_window()
        self.hands = self._measure()
        self.pinger = Pinger(self.window.id, self._hung,
                             lambda seconds: remark(f"the window answered a ping after {seconds:.1f} s"))
        self.pinger.start()

    def _wait_for_window(self):
        until = time.monotonic() + 30
        while time.monotonic() < until:
            if self.process.poll() is not None:
                raise StormFailure(f"the program ended at start with status {self.process.returncode}")
            for window in self.screen.program_windows(self.pid):
                # Input goes to the window once the window manager has made it the active one.
                if self.screen.title(window).startswith(Title) and self.screen.active_window() == window.id:
                    time.sleep(0.5)
                    return window
            time.sleep(0.1)
        raise StormFailure("the program's window did not appear within 30 s")

    def _measure(self):
        """Hands at the window's inside corner on the screen, aimed with the places the program wrote."""
        until = time.monotonic() + 30
        while not os.path.exists(self.places_path):
            if time.monotonic() > until:
                raise StormFailure("the program did not write its controls' places within 30 s")
            time.sleep(0.1)
        return Hands(self.screen, *self.screen.origin(self.window), read_places(self.places_path))

    def _hung(self, seconds):
        self.hang = seconds

    def alive(self):
        return self.process.poll() is None

    def check(self):
        if self.hang is not None:
            raise StormFailure(f"the window stopped answering: no reply to _NET_WM_PING for {self.hang:.1f} s")
        if not self.alive():
            raise StormFailure(f"the program ended by itself with status {self.status()}")

    def status(self):
        code = self.process.returncode
        return f"{code} (signal {signal.Signals(-code).name})" if code is not None and code < 0 else str(code)

    def wait_end(self, seconds):
        """True once the program has ended, within the time given."""
        try:
            self.process.wait(timeout=seconds)
            return True
        except subprocess.TimeoutExpired:
            return False

    def sanitizer_report(self):
        with open(self.log_path, "rb") as log:
            text = log.read()
        return next((mark.decode() for mark in SanitizerMarks if mark in text), None)

    def log_tail(self, lines=40):
        with open(self.log_path, "rb") as log:
            return b"".join(log.readlines()[-lines:]).decode("utf-8", "replace")

    def stop_watching(self):
        self.pinger.stop()

    def kill(self):
        self.pinger.stopping.set()
        if self.alive():
            self.process.kill()
            self.process.wait()
