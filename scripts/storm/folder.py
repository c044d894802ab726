"""The program's folder as a hostile one: "maps" that are short, empty, oversized, folders, FIFOs,
links to a FIFO, to /dev/zero, dangling or to themselves, planted NAME.map.saving files, another
user's map and a killed save's leftover; and a slot map that turns into any of them between the
reading of the load list and the load. Paths are bytes: a name need not be UTF-8."""
import hashlib
import os
import shutil
import stat

MapBytes = 102010
# First in the load list: the list is sorted by name and "!" comes before letters and digits.
Slot = "!slot.map"
# A planted NAME.map.saving beside the map a save of NAME writes.
PlantedSaving = {"trap": "a link to a file outside the folder", "pipe": "a FIFO"}

# What a hostile map is, and whether loading it must fail with a box.
Hostile = {
    "empty": ("an empty file", True),
    "short": ("a file of 500 bytes", True),
    "oversized": ("a file of 204,020 bytes", False),
    "folder": ("a folder named like a map", True),
    "fifo": ("a FIFO", True),
    "fifo-link": ("a link to a FIFO", True),
    "zero-link": ("a link to /dev/zero", True),
    "dangling": ("a link to nothing", True),
    "self-link": ("a link to itself", True),
}


def digest(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


# A temporary file of a save that was killed, as the program names them.
Leftover = b".saving-storm000"


class Folder:
    def __init__(self, path, outside, good_map=None):
        self.path = os.fsencode(path)
        self.outside = outside
        if good_map is None:
            with open(self.at("blankmap.map"), "rb") as file:
                good_map = file.read()
        self.good_map = good_map
        self.outside_digest = digest(outside)

    def at(self, name):
        return os.path.join(self.path, os.fsencode(name))

    def plant_map(self, name, owner=None):
        with open(self.at(name), "wb") as file:
            file.write(self.good_map)
        if owner is not None:
            os.chown(self.at(name), owner, owner)

    def leftovers(self):
        """The temporary files of saves in the folder: none may stay once the program has started."""
        return [name for name in os.listdir(self.path) if name.startswith(b".saving-")
                and stat.S_ISREG(os.lstat(self.at(name)).st_mode)]

    def plant_all(self):
        """Every hostile kind once under its own name, where the load list may show it."""
        for kind in Hostile:
            self.make(kind, self.at(f"{kind}.map"))
        for name in PlantedSaving:
            self.plant_saving(name)

    def make(self, kind, target):
        self.remove(target)
        if kind in ("empty", "short", "oversized"):
            size = {"empty": 0, "short": 500, "oversized": 2 * MapBytes}[kind]
            with open(target, "wb") as file:
                file.write((self.good_map * 2)[:size])
        elif kind == "folder":
            os.mkdir(target)
        elif kind == "fifo":
            os.mkfifo(target)
        else:
            destination = {"fifo-link": self.pipe(), "zero-link": b"/dev/zero", "dangling": b"nowhere.map",
                           "self-link": os.path.basename(target)}
            os.symlink(destination[kind], target)

    def pipe(self):
        """A FIFO that is not itself a map, for links to point at."""
        pipe = self.at(".pipe")
        if not os.path.lexists(pipe):
            os.mkfifo(pipe)
        return b".pipe"

    def remove(self, target):
        if os.path.isdir(target) and not os.path.islink(target):
            shutil.rmtree(target)
        elif os.path.lexists(target):
            os.remove(target)

    def reset_slot(self):
        """The slot as an ordinary map, so that every program lists it."""
        self.plant_map(".slot.new")
        self.remove(self.at(Slot))
        os.replace(self.at(".slot.new"), self.at(Slot))

    def turn_slot(self, kind):
        self.make(kind, self.at(Slot))

    def plant_saving(self, name):
        saving = self.at(f"{name}.map.saving")
        self.remove(saving)
        if name == "trap":
            os.symlink(os.fsencode(self.outside), saving)
        else:
            os.mkfifo(saving)

    def outside_changed(self):
        return digest(self.outside) != self.outside_digest

    def identity(self, name):
        """Which file holds the name now: a save puts a new one in its place."""
        try:
            found = os.lstat(self.at(name))
        except OSError:
            return None
        return found.st_ino, found.st_mtime_ns

    def saved_map_problem(self, name, before):
        """Why NAME.map is not a new 102,010-byte regular file, or None."""
        path = self.at(f"{name}.map")
        if not os.path.lexists(path):
            return f"{name}.map was not written"
        mode = os.lstat(path)
        if not stat.S_ISREG(mode.st_mode):
            return f"{name}.map is not a regular file but {stat.filemode(mode.st_mode)}"
        if mode.st_size != MapBytes:
            return f"{name}.map holds {mode.st_size} bytes"
        if self.identity(f"{name}.map") == before:
            return f"{name}.map was left as it was"
        return None

    def names(self):
        return sorted(os.listdir(self.path))
