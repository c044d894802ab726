"""The storm's random input: what a restless person does with the mouse and the keys."""
import time

from hands import BarArrow, Bars, CloseLoadList, LoadList, Map, Menus, OptionBoxes, PathfindButton

# Keys for the focused control, and the window's own keys: pause, step, finish, undo, redo, copy
# the picture, save the picture, help. Keys the program does not know yet do nothing.
ControlKeys = ["Tab", "shift+Tab", "space", "Return", "Up", "Down", "Left", "Right", "Escape", "Home", "End"]
WindowKeys = ["space", "Right", "Escape", "ctrl+z", "ctrl+shift+z", "ctrl+y", "ctrl+c", "ctrl+e", "F1"]
Buttons = {1: "left", 2: "middle", 3: "right"}


def on_map(storm, margin=10):
    left, top, width, height = storm.program.hands.place(Map)
    return (left - margin + storm.rng.randrange(width + 2 * margin),
            top - margin + storm.rng.randrange(height + 2 * margin))


def drag(storm):
    button = storm.rng.choice([1, 1, 1, 2, 3])
    points = [on_map(storm) for _ in range(storm.rng.randint(2, 8))]
    storm.note(f"{Buttons[button]} drag over the map from {points[0]} to {points[-1]}")
    storm.program.hands.drag(points, button)


def pointer(storm):
    point = on_map(storm)
    storm.note(f"pointer to {point}")
    storm.program.hands.move(*point)


def wheel(storm):
    button, times = storm.rng.choice([4, 5, 6, 7]), storm.rng.randint(1, 6)
    if storm.rng.random() < 0.5:
        place, where = on_map(storm, 0), "the map"
    else:
        where = storm.rng.choice(list(Bars))
        place = inside(storm, storm.program.hands.place(Bars[where]))
    storm.note(f"wheel button {button} x{times} over {where} at {place}")
    storm.program.hands.wheel(*place, button, times)


def inside(storm, place):
    left, top, width, height = place
    return left + storm.rng.randrange(width), top + storm.rng.randrange(height)


def bar(storm):
    """An arrow, the trough or the thumb of a start/finish bar, shown first if hidden."""
    hands = storm.program.hands
    if not bars_shown(storm):
        storm.note("Pathfind > Move Start/Finish, to show the bars")
        hands.menu_item("Pathfind", "Move Start/Finish")
        time.sleep(0.2)
    name = storm.rng.choice(list(Bars))
    left, top, width, height = hands.place(Bars[name])
    along = width > height
    what = storm.rng.choice(["arrow", "trough", "thumb"])
    if what == "thumb" and (thumb := find_thumb(storm, name)) is not None:
        to = BarArrow + storm.rng.randrange(max(width, height) - 2 * BarArrow)
        start, end = ((thumb, 7), (to, 7)) if along else ((7, thumb), (7, to))
        points = [(left + x, top + y) for x, y in (start, end)]
        storm.note(f"dragged the thumb of the {name} bar from {points[0]} to {points[1]}")
        hands.drag(points)
        return
    length = max(width, height)
    spot = storm.rng.choice([3, length - 4]) if what == "arrow" else storm.rng.randrange(BarArrow, length - BarArrow)
    point = (left + spot, top + 7) if along else (left + 7, top + spot)
    storm.note(f"clicked the {name} bar at {point} ({what})")
    hands.click(*point)


def bars_shown(storm):
    """The bar above the map is out when its middle is not the window's plain background."""
    x, y = storm.program.hands.at(*storm.program.hands.spot(Bars["start column"], 250, 3))
    return storm.screen.pixels(x, y, 1, 1)[0][0] != storm.screen.pixels(x, y - 6, 1, 1)[0][0]


def find_thumb(storm, name):
    """The thumb is the one light stretch between the bar's arrows."""
    left, top, width, height = storm.program.hands.place(Bars[name])
    along = width > height
    x, y = storm.program.hands.at(left + (0 if along else 7), top + (7 if along else 0))
    line = storm.screen.pixels(x, y, width, 1)[0] if along else [row[0] for row in storm.screen.pixels(x, y, 1, height)]
    light = [i for i in range(BarArrow, len(line) - BarArrow) if min(line[i]) > 245]
    return (light[0] + light[-1]) // 2 if light else None


def pathfind(storm):
    storm.note("clicked Pathfind!")
    storm.program.hands.click(*storm.program.hands.middle(PathfindButton))


def slow_pathfind(storm):
    delay = storm.rng.choice(["Medium", "Very Slow"])
    storm.note(f"Delay > {delay}, then Pathfind!")
    storm.program.hands.menu_item("Delay", delay)
    pathfind(storm)


def option(storm):
    name = storm.rng.choice(list(OptionBoxes))
    x, y, _, _ = storm.program.hands.place(OptionBoxes[name])
    storm.note(f"clicked the option box {name}")
    storm.program.hands.click(x + 6 + storm.rng.randrange(20), y + 7)


def menu(storm):
    name = storm.rng.choice(list(Menus))
    item = storm.rng.choice([i for i in Menus[name][1] if i != "Quit"])
    storm.note(f"{name} > {item}")
    storm.program.hands.menu_item(name, item)


def open_menu_and_leave(storm):
    name = storm.rng.choice(list(Menus))
    storm.note(f"opened the {name} menu and left it with Escape")
    storm.program.hands.open_menu(name)
    storm.program.hands.keys("Escape")


def load_list(storm):
    x, y = inside(storm, storm.program.hands.place(LoadList))
    storm.note(f"double-clicked the load list at {(x, y)}")
    storm.program.hands.click(x, y, times=2)


def close_load_list(storm):
    storm.note("clicked Close load list")
    storm.program.hands.click(*storm.program.hands.spot(CloseLoadList, 40, 10))


def keys(storm, table):
    chosen = [storm.rng.choice(table) for _ in range(storm.rng.randint(1, 4))]
    storm.note(f"keys {' '.join(chosen)}")
    storm.program.hands.keys(*chosen)


def typing(storm):
    text = f"storm{storm.rng.randrange(5)}"
    storm.note(f"typed {text} and Return")
    storm.program.hands.type(text)
    storm.program.hands.keys("Return")


def close_extra_window(storm):
    """A window of the program's beside the main one (the help window) closed by the window manager."""
    extra = [w for w in storm.screen.program_windows(storm.program.pid)
             if w.id != storm.program.window.id and not storm.screen.is_modal(w)]
    if extra:
        storm.note(f'closed the window "{storm.screen.title(extra[-1])}"')
        storm.screen.request_close(extra[-1])
    else:
        pointer(storm)


Actions = [
    (6, drag), (2, pointer), (2, wheel), (3, bar), (3, pathfind), (1, slow_pathfind), (2, option),
    (4, menu), (1, open_menu_and_leave), (2, load_list), (1, close_load_list),
    (2, lambda storm: keys(storm, ControlKeys)), (2, lambda storm: keys(storm, WindowKeys)),
    (1, typing), (1, close_extra_window),
]


def random_action(storm):
    weights, doings = zip(*Actions)
    storm.rng.choices(doings, weights)[0](storm)
