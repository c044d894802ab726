"""A person's hands on the window: real pointer and key events through xdotool (XTEST), aimed at
the places the program gives for its controls."""
import subprocess
import time

# The menus in the menu bar: the name the program gives each title, and their items.
Menus = {
    "File": ("menu:File", ["Load Map", "Save Map", "Quit"]),
    "Pathfind": ("menu:Routeseer", ["Go!", "Clear Paths and Rings", "Clear Walls", "Move Start/Finish"]),
    "Extras": ("menu:extras", ["Insert random noise", "Insert random blocks", "Invert Map"]),
    "Delay": ("menu:delay", ["Normal", "Medium", "Very Slow"]),
}

# The controls by the names the program gives them.
Map = "Picture1"
PathfindButton = "Command1"
OptionBoxes = {"distance": "Check1", "path": "Check2", "rings": "Check3", "auto-clear": "Check4"}
LoadList = "File1"
CloseLoadList = "Command6"
# The start/finish bars, shown by "Move Start/Finish"; an arrow takes 15 pixels at each end.
Bars = {
    "start column": "HScroll1",
    "start row": "HScroll2",
    "finish row": "VScroll1",
    "finish column": "VScroll2",
}
BarArrow = 15


def read_places(path):
    """The file the program writes when started with ROUTESEER_CONTROL_GEOMETRY: one line per
    control or menu title, "NAME LEFT TOP WIDTH HEIGHT" from the window's inside corner."""
    with open(path, encoding="utf-8") as lines:
        return {name: tuple(map(int, numbers)) for name, *numbers in (line.split() for line in lines)}


def xdotool(*words):
    subprocess.run(["xdotool", *map(str, words)], check=True, timeout=20)


class Hands:
    """Input at the window's coordinates; `left`/`top` is the window's inside corner on the screen,
    `places` the places of its controls."""

    def __init__(self, screen, left, top, places):
        self.screen = screen
        self.left, self.top = left, top
        self.places = places

    def place(self, name):
        """(left, top, width, height) of the control or menu title in the window."""
        return self.places[name]

    def middle(self, name):
        left, top, width, height = self.place(name)
        return left + width // 2, top + height // 2

    def spot(self, name, x, y):
        """The point x, y from the control's corner, in the window."""
        left, top, _, _ = self.place(name)
        return left + x, top + y

    def at(self, x, y):
        return self.left + x, self.top + y

    def move(self, x, y):
        xdotool("mousemove", *self.at(x, y))

    def click(self, x, y, button=1, times=1):
        xdotool("mousemove", *self.at(x, y), "click", "--repeat", times, "--delay", 80, button)

    def drag(self, points, button=1):
        words = ["mousemove", *self.at(*points[0]), "mousedown", button]
        for point in points[1:]:
            words += ["sleep", "0.02", "mousemove", *self.at(*point)]
        xdotool(*words, "mouseup", button)

    def wheel(self, x, y, button, times):
        """Buttons 4 and 5 turn the wheel up and down, 6 and 7 tilt it left and right."""
        self.click(x, y, button, times)

    def keys(self, *names):
        xdotool("key", "--delay", 30, *names)

    def type(self, text, delay=8):
        xdotool("type", "--delay", delay, "--", text)

    def open_menu(self, menu):
        """Clicks the menu's title until it shows the highlight of an open menu; False if it never does."""
        x, y = self.at(*self.middle(Menus[menu][0]))
        top = self.at(0, self.place(Menus[menu][0])[1])[1]
        for _ in range(2):
            xdotool("mousemove", x, y, "click", 1)
            until = time.monotonic() + 1
            while time.monotonic() < until:
                red, _, blue = self.screen.pixels(x, top + 2, 1, 1)[0][0]
                if blue > red + 60:
                    return True
                time.sleep(0.05)
            self.keys("Escape")
        return False

    def menu_item(self, menu, item):
        """Opens the menu with the mouse and walks to the item with the keys."""
        if not self.open_menu(menu):
            return
        steps = Menus[menu][1].index(item) + 1
        self.keys(*["Down"] * steps, "Return")
