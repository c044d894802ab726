"""Who runs the program in a session, and where the base-directory rules put that user's maps.
Root runs it from the storm's copy of the program folder, which it may write, so maps are saved
there. Nobody may not write it, so maps go to nobody's own maps folder, found through an
XDG_DATA_HOME that is in turn a folder of its own, a relative path and an empty one (both
ignored, so the home's .local/share counts), and a name that is not UTF-8."""
import os

Nobody = 65534
# (label, XDG_DATA_HOME, the folder the rules make of it), below the storm's folder for nobody.
DataHomes = [("own data folder", b"data", b"data"), ("relative", None, b"home/.local/share"),
             ("empty", b"", b"home/.local/share"), ("not UTF-8", b"d\xe9\xff", b"d\xe9\xff")]


class Seat:
    def __init__(self, work, program_folder, rng):
        self.as_nobody = rng.random() < 0.4
        base = os.fsencode(os.path.join(work, "nobody"))
        self.label, data_home, maps_base = rng.choice(DataHomes) if self.as_nobody else ("root", None, None)
        home = os.path.join(base, b"home") if self.as_nobody else os.fsencode(os.path.join(work, "home"))
        self.environment = {os.fsencode(k): os.fsencode(v) for k, v in os.environ.items()}
        self.environment.update({b"HOME": home, b"XDG_CONFIG_HOME": home, b"XDG_CACHE_HOME": home,
                                 b"XDG_DATA_HOME": home, b"QT_QPA_PLATFORM": b"xcb",
                                 b"XDG_RUNTIME_DIR": os.fsencode(os.path.join(work, "runtime"))})
        self.command = []
        self.saves = program_folder
        if self.as_nobody:
            self.command = ["setpriv", f"--reuid={Nobody}", f"--regid={Nobody}", "--clear-groups", "--"]
            self.environment[b"XDG_DATA_HOME"] = b"relative-data" if data_home is None else (
                data_home and os.path.join(base, data_home))
            self.environment[b"XDG_RUNTIME_DIR"] = os.path.join(base, b"runtime")
            self.saves = os.path.join(base, maps_base, b"routeseer", b"maps")
            for folder in (home, self.environment[b"XDG_RUNTIME_DIR"], self.saves):
                os.makedirs(folder, mode=0o700, exist_ok=True)
            for root, folders, _ in os.walk(base):
                for name in [b"", *folders]:
                    os.chown(os.path.join(root, name), Nobody, Nobody)

    def __str__(self):
        return "root" if not self.as_nobody else f"nobody, XDG_DATA_HOME {self.label}"
