"""The storm's driver: sessions of the real program on the X server in DISPLAY, each hit with random
input and with missions (hostile loads, awkward save names), then ended by one of a person's ways
out; the next session starts the program again.
    storm.py SECONDS PROGRAM WORK_FOLDER
PROGRAM lies in the storm's copy of the program folder; WORK_FOLDER holds the file outside that
folder which planted links point at, the logs and the program's home.
STORM_SEED repeats a storm's choices; STORM_ONLY (a comma list of random, loads, names, ends) keeps
to those parts; STORM_PICK=TEXT keeps to the missions and ways out whose label holds TEXT, such as
"FIFO", "300 letters" or "close while box", with no random input."""
import collections
import os
import random
import subprocess
import sys
import time

import actions
import missions
from folder import Folder, Leftover
from program import BoxWaitSeconds, Program, StormFailure
from seats import Nobody, Seat
from xscreen import Screen

RingLength = 20
SessionSeconds = (15, 40)
MissionShare = 0.12
# A box that input sent before a mission began opens within this long.
QuietSeconds = 0.6
# The titles of the program's own boxes; any other box is the picture's file dialog.
ProgramBoxTitles = ("Pathfinding Algorithm", "Save map?", "Enter map name")
Parts = ("random", "loads", "names", "ends")


class Storm:
    def __init__(self, seconds, executable, work):
        self.seconds = seconds
        self.executable = executable
        self.work = work
        self.folder = Folder(os.path.dirname(executable), os.path.join(work, "outside.txt"))
        self.saves = self.folder  # where the session's user saves maps
        self.seed = int(os.environ.get("STORM_SEED") or random.randrange(1 << 31))
        self.rng = random.Random(self.seed)
        self.parts = set(os.environ.get("STORM_ONLY", "").split(",")) & set(Parts) or set(Parts)
        self.pick = os.environ.get("STORM_PICK", "")
        if self.pick:
            self.parts.discard("random")
        self.screen = Screen()
        self.ring = collections.deque(maxlen=RingLength)
        self.counts = collections.Counter()
        self.ends = collections.Counter()
        self.loads = collections.Counter()
        self.started = time.monotonic()
        self.sessions = 0
        self.program = None
        self.missions = []
        self.ways_out = []
        self.longest_silence = 0.0

    # --- what happened ---------------------------------------------------------------------------
    def note(self, what):
        self.counts["actions"] += 1
        self.remark(what)

    def remark(self, what):
        self.ring.append(f"{time.monotonic() - self.started:6.1f} s  session {self.sessions}: {what}")

    def check(self):
        self.program.check()

    # --- boxes -----------------------------------------------------------------------------------
    def boxes(self):
        return self.screen.boxes(self.program.pid)

    def wait_box(self, what, seconds=BoxWaitSeconds, title=None):
        """The box that opens within the time given, or a failure naming what should have opened it.
        With a title, another box that comes first (late input's) is answered and passed over."""
        until = time.monotonic() + seconds
        while time.monotonic() < until:
            self.check()
            if boxes := self.boxes():
                if title is None or self.screen.title(boxes[-1]).startswith(title):
                    return boxes[-1]
                self.remark(f'a box "{self.screen.title(boxes[-1])}" came first')
                self.answer(boxes[-1], "Escape")
                continue
            time.sleep(0.05)
        raise StormFailure(f"no box {what} within {seconds:.0f} s")

    def box_within(self, seconds):
        """A box that opens within the time given, or None."""
        try:
            return self.wait_box("", seconds)
        except StormFailure:
            self.check()
            return None

    def focus(self, window):
        until = time.monotonic() + 2
        while time.monotonic() < until and self.screen.active_window() != window.id:
            self.screen.request_focus(window)
            time.sleep(0.05)

    def answer(self, box, how):
        """Answers the box with keys or a close through the window manager; waits for it to go."""
        title = self.screen.title(box)
        self.note(f'answered the box "{title}" with {how}')
        if how == "close":
            self.screen.request_close(box)
        else:
            self.focus(box)
            self.program.hands.keys(*how.split())
        self.counts["boxes answered"] += 1
        started = time.monotonic()
        again = how != "close"
        while box.id in [b.id for b in self.boxes()]:
            self.check()
            waited = time.monotonic() - started
            if again and waited > 2:
                # Keys that went to another window while the box took the focus: once more.
                again = False
                self.remark(f"the box was still open: {how} again")
                self.focus(box)
                self.program.hands.keys(*how.split())
            elif not again and waited > 4 and not title.startswith(ProgramBoxTitles) and how != "Escape":
                # A file dialog refuses Return while its name field holds no usable name (random
                # keys may have typed over it); Escape always closes it.
                how = "Escape"
                self.remark("the file dialog is still open: Escape")
                self.focus(box)
                self.program.hands.keys("Escape")
            if waited > BoxWaitSeconds:
                active = self.screen.active_window()
                raise StormFailure(f'the box "{title}" stayed open after {how} (the active window: '
                                   f'{"the box" if active == box.id else hex(active or 0)})')
            time.sleep(0.05)

    def answer_any(self, box):
        title = self.screen.title(box)
        if title.startswith("Enter map name") and self.rng.random() < 0.6:
            self.focus(box)
            self.note("typed a name into the name dialog")
            self.program.hands.type(f"storm{self.rng.randrange(5)}")
        elif not title.startswith(ProgramBoxTitles):
            # A file dialog: Tab and Space only walk its many controls, they do not answer it.
            if self.rng.random() < 0.3:
                missions.save_picture(self, box)
            else:
                self.answer(box, self.rng.choice(["Return", "Escape", "close"]))
            return
        self.answer(box, self.rng.choice(["Return", "Escape", "close", "Tab space"]))

    def paste(self, text):
        """Pastes the text with Ctrl+V from a clipboard that xclip holds for the moment."""
        holder = subprocess.Popen(["xclip", "-selection", "clipboard", "-quiet"], stdin=subprocess.PIPE,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        holder.stdin.write(text.encode())
        holder.stdin.close()
        time.sleep(0.2)
        self.program.hands.keys("ctrl+v")
        time.sleep(0.3)
        holder.kill()
        holder.wait()

    def clear_boxes(self):
        """Answers every open box, and those that input still on its way opens in the next moment,
        so that the box a mission waits for is the one it asked for."""
        while True:
            while boxes := self.boxes():
                self.answer(boxes[-1], "Escape" if self.rng.random() < 0.5 else "close")
            if not self.box_within(QuietSeconds):
                return

    # --- sessions --------------------------------------------------------------------------------
    def run(self):
        end = self.started + self.seconds
        while True:
            self.session(end)
            if time.monotonic() > end - 5:
                break
        if self.folder.outside_changed():
            raise StormFailure("the file outside the folder that a planted link points to was changed")

    def session(self, end):
        self.sessions += 1
        seat = Seat(self.work, self.folder.path, self.rng)
        # Root shares the folder, sticky as /tmp is, with another user; nobody may not write it.
        os.chmod(self.folder.path, 0o755 if seat.as_nobody else 0o1777)
        self.saves = Folder(seat.saves, self.folder.outside, self.folder.good_map)
        for folder in {self.folder.path: self.folder, self.saves.path: self.saves}.values():
            folder.plant_all()
        self.saves.plant_map("theirs.map", 0 if seat.as_nobody else Nobody)
        self.saves.plant_map(Leftover)
        log = os.path.join(self.work, "logs", f"session-{self.sessions}.log")
        self.program = Program(self.executable, log, seat.environment, self.screen, self.remark, seat.command)
        self.note(f"started the program as {seat}, pid {self.program.pid}")
        self.counts["nobody"] += seat.as_nobody
        if left := self.saves.leftovers():
            raise StormFailure(f"temporary files of killed saves stayed after the start: {left}")
        until = time.monotonic() + self.rng.uniform(*SessionSeconds) if "random" in self.parts else 0
        todo = 0 if "random" in self.parts else 4
        while time.monotonic() < min(until, end) or todo > 0:
            self.check()
            if not self.missions:
                self.missions = missions.all_missions(self)
            boxes = self.boxes()
            if boxes and self.rng.random() < 0.8:
                self.answer_any(boxes[-1])
            elif self.missions and (todo > 0 or self.rng.random() < MissionShare):
                todo -= 1
                label, mission = self.missions.pop()
                self.remark(f"mission: {label}")
                mission(self)
            elif "random" in self.parts:
                actions.random_action(self)
            else:
                break
        if not self.ways_out:
            self.ways_out = missions.ways_out(self)
        missions.end_session(self, *self.ways_out.pop())
        self.longest_silence = max(self.longest_silence, self.program.pinger.longest_silence)

    def environment(self):
        home = os.path.join(self.work, "home")
        return dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_CACHE_HOME=home, XDG_DATA_HOME=home,
                    XDG_RUNTIME_DIR=os.path.join(self.work, "runtime"))

    def summary(self):
        seconds = time.monotonic() - self.started
        ends = ", ".join(f"{way} {n}" for way, n in sorted(self.ends.items())) or "none"
        loads = ", ".join(f"{kind} {n}" for kind, n in sorted(self.loads.items())) or "none"
        if self.program:
            self.longest_silence = max(self.longest_silence, self.program.pinger.longest_silence)
        return (f"storm: {self.sessions} sessions, {self.counts['actions']} actions in {seconds:.0f} s "
                f"(seed {self.seed}); ends: {ends}; boxes answered: {self.counts['boxes answered']}; "
                f"hostile loads: {sum(self.loads.values())} ({loads}); saves: {self.counts['saves']}; "
                f"exports refused: {self.counts['exports refused']}; sessions as nobody: {self.counts['nobody']}; "
                f"longest wait for a ping: {self.longest_silence:.1f} s")

    def failure(self, reason):
        subprocess.run(["import", "-window", "root", os.path.join(self.work, "logs", "failure.png")], check=False)
        lines = [f"storm FAILED: {reason}", f"seed {self.seed}; the last actions:", *self.ring]
        if self.program:
            report = self.program.sanitizer_report()
            lines += [f"the program's log ({'with ' + report if report else 'no sanitizer report'}), last lines:",
                      self.program.log_tail()]
        return "\n".join(lines)


def start_window_manager(storm):
    """openbox, so that a close is a person's close: the window manager asks the window to close."""
    manager = subprocess.Popen(["openbox"], env=storm.environment(), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    until = time.monotonic() + 10
    while not storm.screen.window_manager_ready():
        if time.monotonic() > until:
            raise StormFailure("the window manager did not start")
        time.sleep(0.1)
    return manager


def main():
    seconds, executable, work = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    storm = Storm(seconds, executable, work)
    print(f"storm: {seconds} s on {executable}, seed {storm.seed}, parts {','.join(sorted(storm.parts))}",
          flush=True)
    manager = None
    try:
        manager = start_window_manager(storm)
        storm.run()
    except Exception as failure:
        reason = str(failure) if isinstance(failure, StormFailure) else f"the storm itself broke: {failure!r}"
        print(storm.failure(reason), flush=True)
        print(storm.summary())
        return 1
    finally:
        if storm.program:
            storm.program.kill()
        if manager:
            manager.terminate()
            manager.wait()
    print(storm.summary())
    return 0


if __name__ == "__main__":
    sys.exit(main())
