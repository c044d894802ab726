"""The storm's missions, each with what the user must see: a hostile map loaded from the list, an
awkward name typed into the save dialog, and the end of a session by a person's way out."""
import os
import signal
import stat
import time

from folder import Hostile, PlantedSaving, Slot
from hands import LoadList, Map, OptionBoxes, PathfindButton
from program import BoxWaitSeconds, StormFailure

# Every awkward save name: (label, text, what the program must do: "save", "refuse" or "nothing").
SaveNames = [
    ("empty", "", "nothing"), ("blank", "   ", "nothing"), ("slash", "/", "refuse"),
    ("path", "up/../x", "refuse"), ("backslash", "\\", "refuse"), ("dot", ".", "refuse"),
    ("dot dot", "..", "refuse"), ("tab", "a\tb", "refuse"), ("control", "a\x01b", "refuse"),
    ("300 letters", "m" * 300, "refuse"), ("German", "Straße", "save"), ("Chinese", "地図", "save"),
    ("default map", "blankmap", "save"), ("ordinary", "storm map 1", "save"),
    ("folder in the way", "folder", "refuse"),
    # Root's sticky folder or nobody's own: a map of another user's is theirs alone.
    ("another user's map", "theirs", "refuse"),
    # A planted NAME.map.saving must be neither followed nor waited on.
    *[(f"planted {name}.map.saving ({what})", name, "save") for name, what in PlantedSaving.items()],
]
QuitLimitSeconds = 2.0
# What stands at the path the picture is exported to: a link to the file outside, or a FIFO.
Exports = {"link": "a link to the file outside the folder", "fifo": "a FIFO"}
KillSignals = [signal.SIGKILL, signal.SIGTERM, signal.SIGINT, signal.SIGHUP]


def all_missions(storm):
    """Every mission once, in a random order, as (label, mission)."""
    found = []
    if "loads" in storm.parts:
        found += [(f"load {Hostile[kind][0]}", lambda s, kind=kind: hostile_load(s, kind)) for kind in Hostile]
    if "loads" in storm.parts:
        found += [("load a map whose name is not UTF-8", load_odd_name)]
    if "names" in storm.parts:
        found += [(f"save as {entry[0]}", lambda s, entry=entry: save_as(s, *entry)) for entry in SaveNames]
        found += [(f"export the picture to {what}", lambda s, kind=kind: export_over(s, kind))
                  for kind, what in Exports.items()]
    found = [(label, mission) for label, mission in found if storm.pick in label]
    storm.rng.shuffle(found)
    return found


def centre(place):
    left, top, width, height = place
    return left + width // 2, top + height // 2


# --- hostile loads -----------------------------------------------------------------------------
def hostile_load(storm, kind):
    """The slot is listed as an ordinary map, turns hostile, then is double-clicked: the load must
    not block, and a box must name the failure where the load cannot succeed."""
    hands, folder = storm.program.hands, storm.folder
    what, must_fail = Hostile[kind]
    storm.clear_boxes()
    folder.reset_slot()
    storm.note(f"load list: chose {Slot}, an ordinary map for now")
    hands.menu_item("File", "Load Map")
    time.sleep(0.3)
    first_row = hands.spot(LoadList, 40, 8)
    hands.click(*first_row)
    hands.keys("Home")
    time.sleep(0.2)
    storm.check()
    folder.turn_slot(kind)
    storm.note(f"load list: double-clicked {Slot}, now {what}")
    hands.click(*first_row, times=2)
    if not (box := storm.box_within(2.0)):
        storm.note("no box yet: double-clicked the first row again")
        hands.click(*first_row, times=2)
    storm.answer(box or storm.wait_box(f"announced the load of {Slot} ({what})"), "Return")
    storm.loads[kind] += 1
    if must_fail:
        box = storm.wait_box(f"named the failed load of {Slot} ({what})")
        storm.answer(box, storm.rng.choice(["Return", "Escape", "close"]))
    elif box := storm.box_within(1.0):
        raise StormFailure(f'the load of {what} showed the box "{storm.screen.title(box)}"')
    folder.reset_slot()


def load_odd_name(storm):
    """A map whose name is not UTF-8, first in the list: it loads, with no box but the announcement."""
    hands, name = storm.program.hands, b"!!\xff\xfe.map"
    storm.clear_boxes()
    storm.folder.plant_map(name)
    hands.menu_item("File", "Load Map")
    time.sleep(0.3)
    first_row = hands.spot(LoadList, 40, 8)
    hands.click(*first_row)
    hands.keys("Home")
    storm.note("load list: double-clicked !!\\xff\\xfe.map")
    hands.click(*first_row, times=2)
    storm.answer(storm.wait_box("announced the load of a map whose name is not UTF-8"), "Return")
    if box := storm.box_within(1.0):
        raise StormFailure(f'the load of a map whose name is not UTF-8 showed the box "{storm.screen.title(box)}"')
    os.remove(storm.folder.at(name))


# --- save names --------------------------------------------------------------------------------
def save_as(storm, label, name, outcome):
    hands, folder = storm.program.hands, storm.saves
    storm.clear_boxes()
    if name in PlantedSaving:
        folder.plant_saving(name)
    before, old_file = folder.names(), folder.identity(f"{name}.map")
    storm.note("File > Save Map")
    hands.menu_item("File", "Save Map")
    sure = storm.wait_box('asked "Are you sure you want to save this map?"', title="Save map?")
    if storm.rng.random() < 0.15:
        storm.answer(sure, storm.rng.choice(["Escape", "Tab space"]))
        return expect_nothing(storm, before, "answering No")
    storm.answer(sure, "Return")
    dialog = storm.wait_box("asked for the map's name", title="Enter map name")
    storm.focus(dialog)
    type_name(storm, name)
    if storm.rng.random() < 0.15:
        storm.answer(dialog, storm.rng.choice(["Escape", "close"]))
        return expect_nothing(storm, before, f"cancelling the name {label}")
    storm.answer(dialog, "Return")
    storm.counts["saves"] += 1
    if outcome == "refuse":
        storm.answer(storm.wait_box(f"refused the save name {label}"), "Return")
        expect_nothing(storm, before, f"refusing the name {label}")
    elif outcome == "nothing":
        expect_nothing(storm, before, f"the name {label}")
    else:
        expect_saved(storm, label, name, old_file)
    check_outside(storm, label)


def check_outside(storm, label):
    if storm.saves.outside_changed():
        raise StormFailure(f"saving as {label} changed the file outside the folder that a planted link points to")


def expect_saved(storm, label, name, before):
    """The map file is replaced, with no box; a save that blocks is caught as a hang meanwhile."""
    until = time.monotonic() + BoxWaitSeconds
    while True:
        check_outside(storm, label)
        if not (problem := storm.saves.saved_map_problem(name, before)):
            break
        if box := storm.box_within(0.1):
            raise StormFailure(f'saving as {label} showed the box "{storm.screen.title(box)}"')
        if time.monotonic() > until:
            raise StormFailure(f"after saving as {label}: {problem}")
    if box := storm.box_within(0.5):
        raise StormFailure(f'saving as {label} showed the box "{storm.screen.title(box)}"')


def type_name(storm, name):
    """Control characters cannot be typed into a line, and xdotool loses letters it has to map onto
    a spare key on the fly: such names come through the clipboard, as from another program."""
    if not all(" " <= c <= "~" for c in name):
        storm.note(f"pasted {name!r} into the name dialog")
        storm.paste(name)
    else:
        storm.note(f"typed {name[:20]!r}{'...' if len(name) > 20 else ''} into the name dialog")
        storm.program.hands.type(name, delay=2 if len(name) > 40 else 8)


def expect_nothing(storm, before, what):
    if box := storm.box_within(1.0):
        raise StormFailure(f'{what} showed the box "{storm.screen.title(box)}"')
    if (after := storm.saves.names()) != before:
        raise StormFailure(f"{what} changed the folder: {sorted(set(after) ^ set(before))}")


def save_picture(storm, dialog):
    """Answers a file dialog by typing a path inside the storm's own folder."""
    storm.focus(dialog)
    path = os.path.join(storm.work, "pictures", f"picture{storm.counts['pictures']}.png")
    storm.counts["pictures"] += 1
    storm.program.hands.type(path)
    storm.answer(dialog, "Return")


def export_over(storm, kind):
    """Ctrl+E to a path where a link or a FIFO stands: it is confirmed as an existing file, then a
    box says why it cannot be written, and the link, the FIFO and the file outside stay."""
    hands = storm.program.hands
    storm.clear_boxes()
    path = os.path.join(storm.work, "pictures", f"export-{kind}.png")
    if not os.path.lexists(path):
        os.symlink(storm.folder.outside, path) if kind == "link" else os.mkfifo(path)
    hands.keys("ctrl+e")
    dialog = storm.wait_box("opened the picture's file dialog")
    storm.focus(dialog)
    storm.note(f"typed the path of {Exports[kind]} into the picture's file dialog")
    hands.keys("ctrl+a")
    hands.type(path)
    hands.keys("Return")
    box = storm.wait_box(f"confirmed or refused the export to {Exports[kind]}")
    if storm.screen.title(box) != "Pathfinding Algorithm":
        storm.answer(box, "y")
        box = storm.wait_box(f"refused the export to {Exports[kind]}", title="Pathfinding Algorithm")
    storm.answer(box, "Return")
    storm.counts["exports refused"] += 1
    mode = os.lstat(path).st_mode
    if not (stat.S_ISLNK(mode) if kind == "link" else stat.S_ISFIFO(mode)) or storm.folder.outside_changed():
        raise StormFailure(f"the export to {Exports[kind]} replaced it or wrote through it")


# --- ends of a session -------------------------------------------------------------------------
def ways_out(storm):
    """Every way of ending a session once, in a random order, as (how, state)."""
    ways = [("quit", "idle"), ("quit", "animation"), ("close", "idle"), ("close", "animation"),
            ("close", "box"), ("close", "name dialog"), ("kill", "saving")]
    ways = [(how, state) for how, state in ways if "ends" in storm.parts and storm.pick in f"{how} while {state}"]
    storm.rng.shuffle(ways)
    return ways or [("quit", "idle")]


def kill_while_saving(storm):
    """Saves a map and kills the program by a signal a moment later: the map is the old one or the
    new one, whole, and any temporary file goes at the next start."""
    program, hands = storm.program, storm.program.hands
    before = storm.saves.identity("killed.map")
    hands.menu_item("File", "Save Map")
    storm.answer(storm.wait_box('asked "Are you sure you want to save this map?"', title="Save map?"), "Return")
    storm.focus(storm.wait_box("asked for the map's name", title="Enter map name"))
    program.stop_watching()
    hands.type("killed")
    hands.keys("Return")
    time.sleep(storm.rng.uniform(0, 0.05))
    sent = storm.rng.choice(KillSignals)
    program.process.send_signal(sent)
    storm.note(f"sent {sent.name} while saving killed.map")
    if not program.wait_end(QuitLimitSeconds):
        raise StormFailure(f"the program was still running {QuitLimitSeconds:.0f} s after {sent.name}")
    if os.path.lexists(storm.saves.at("killed.map")) and storm.saves.identity("killed.map") != before:
        if problem := storm.saves.saved_map_problem("killed", before):
            raise StormFailure(f"a save killed by {sent.name}: {problem}")
    storm.ends[f"{sent.name} while saving"] += 1


def end_session(storm, how, state):
    program, hands = storm.program, storm.program.hands
    storm.clear_boxes()
    if how == "kill":
        return kill_while_saving(storm)
    if state == "animation":
        start_slow_animation(storm)
    elif state == "box":
        hands.menu_item("File", "Save Map")
        storm.wait_box('asked "Are you sure you want to save this map?"')
    elif state == "name dialog":
        hands.menu_item("File", "Save Map")
        storm.answer(storm.wait_box('asked "Are you sure you want to save this map?"'), "Return")
        storm.focus(storm.wait_box("asked for the map's name"))
        hands.type("half a na")
    if how == "quit":
        storm.clear_boxes()
    seen = observe(storm)
    storm.check()
    if how == "close" and seen in ("box", "name dialog"):
        close_behind_box(storm, seen)
        seen += ", then the box closed"
    program.stop_watching()
    storm.note(f"{'File > Quit' if how == 'quit' else 'closed the window'} while {seen}")
    if how == "quit":
        hands.menu_item("File", "Quit")
    else:
        storm.screen.request_close(program.window)
    started = time.monotonic()
    if not program.wait_end(QuitLimitSeconds):
        raise StormFailure(f"the program was still running {QuitLimitSeconds:.0f} s after it was "
                           f"{'quit' if how == 'quit' else 'closed'} while {seen}")
    took = time.monotonic() - started
    if program.process.returncode != 0:
        raise StormFailure(f"the program ended with status {program.status()} when {how} while {seen}")
    if report := program.sanitizer_report():
        raise StormFailure(f"the program ended with a sanitizer report ({report}) when {how} while {seen}")
    storm.note(f"the program ended {took * 1000:.0f} ms later with status 0")
    storm.ends[f"{how} while {seen}"] += 1


def close_behind_box(storm, seen):
    """A box blocks its window, as a modal box does: a close of the window waits for the box to be
    answered. The program goes on answering pings, the box stays, and once the box is closed in
    its turn, the window's close gets through when made again."""
    program = storm.program
    boxes = storm.boxes()
    storm.note(f"closed the window while {seen}: the box must stay")
    storm.screen.request_close(program.window)
    time.sleep(1.0)
    storm.check()
    if [box.id for box in storm.boxes()] != [box.id for box in boxes]:
        raise StormFailure(f"a close of the window while {seen} did not wait for the box")
    while boxes := storm.boxes():
        storm.answer(boxes[-1], "close")


def start_slow_animation(storm):
    """A clean default map, "Very Slow", rings ticked, then "Pathfind!": rings for over 100 s."""
    hands = storm.program.hands
    storm.note("Clear Walls, Very Slow, rings ticked, Pathfind!")
    hands.menu_item("Pathfind", "Clear Walls")
    time.sleep(0.3)
    storm.clear_boxes()
    hands.menu_item("Delay", "Very Slow")
    if not ticked(storm, "rings"):
        hands.click(*hands.spot(OptionBoxes["rings"], 6, 7))
    hands.click(*centre(hands.place(PathfindButton)))
    time.sleep(storm.rng.uniform(0.5, 1.5))


def ticked(storm, option):
    """A ticked box shows a dark check mark in the middle of its square."""
    x, y = storm.program.hands.at(*storm.program.hands.spot(OptionBoxes[option], 3, 4))
    return any(sum(pixel) < 300 for row in storm.screen.pixels(x, y, 7, 7) for pixel in row)


def observe(storm):
    """What the program is doing: a box open, an animation changing the map, or nothing."""
    if boxes := storm.boxes():
        return "name dialog" if storm.screen.title(boxes[-1]).startswith("Enter map name") else "box"
    left, top, width, height = storm.program.hands.place(Map)
    x, y = storm.program.hands.at(left, top)
    first = storm.screen.raw(x, y, width, height)
    time.sleep(0.3)
    return "animation" if storm.screen.raw(x, y, width, height) != first else "idle"
