"""A person's hands on the window: real pointer and key events through xdotool (XTEST), aimed at
the controls' places in the window's client area."""
import subprocess
import time

# The menus in the menu bar: x of each title from the window's left edge, and their items.
Menus = {
    "File": (16, ["Load Map", "Save Map", "Quit"]),
    "Pathfind": (57, ["Go!", "Clear Paths and Rings", "Clear Walls", "Move Start/Finish"]),
    "Extras": (104, ["Insert random noise", "Insert random blocks", "Invert Map"]),
    "Delay": (146, ["Normal", "Medium", "Very Slow"]),
}

# Places in the client area: (left, top, width, height).
MapPlace = (14, 14, 501, 501)
PathfindButton = (546, 273, 225, 50)
OptionBoxes = {"distance": (546, 35), "path": (546, 56), "rings": (546, 77), "auto-clear": (546, 98)}
LoadList = (546, 329, 225, 162)
CloseLoadList = (679, 497, 92, 22)
# The start/finish bars, shown by "Move Start/Finish"; an arrow takes 15 pixels at each end.
Bars = {
    "start column": (14, 0, 505, 15),
    "start row": (0, 14, 15, 505),
    "finish row": (518, 14, 15, 505),
    "finish column": (14, 518, 505, 15),
}
BarArrow = 15


def xdotool(*words):
    subprocess.run(["xdotool", *map(str, words)], check=True, timeout=20)


class Hands:
    """Input at client-area coordinates; `left`/`top` is the client area's corner on the screen
    and `window_left`/`window_top` the window's own."""

    def __init__(self, screen, window_left, window_top, left, top):
        self.screen = screen
        self.window_left, self.window_top = window_left, window_top
        self.left, self.top = left, top

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
        x, y = self.window_left + Menus[menu][0], (self.window_top + self.top) // 2
        for _ in range(2):
            xdotool("mousemove", x, y, "click", 1)
            until = time.monotonic() + 1
            while time.monotonic() < until:
                red, _, blue = self.screen.pixels(x, self.window_top + 2, 1, 1)[0][0]
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
