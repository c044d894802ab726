"""The X server as the storm sees it: the program's windows and boxes, a person's close through
the window manager, pixels, and the liveness probe (the window manager's _NET_WM_PING)."""
import threading
import time

from Xlib import X, Xatom, display, error, protocol

# A window that does not answer a ping for this long is hung.
HangSeconds = 5.0
PingEverySeconds = 0.25


class Screen:
    """One connection for the storm's own questions, from one thread."""

    def __init__(self):
        self.display = display.Display()
        self.root = self.display.screen().root

    def atom(self, name):
        return self.display.intern_atom(name)

    def _property(self, window, name, kind=X.AnyPropertyType):
        try:
            found = window.get_full_property(self.atom(name), kind)
        except error.XError:
            return None
        return found.value if found else None

    def window_manager_ready(self):
        return bool(self._property(self.root, "_NET_SUPPORTING_WM_CHECK"))

    def program_windows(self, pid):
        """The managed windows of the program with this pid, oldest first."""
        ids = self._property(self.root, "_NET_CLIENT_LIST") or []
        windows = [self.display.create_resource_object("window", i) for i in ids]
        return [w for w in windows if list(self._property(w, "_NET_WM_PID") or [])[:1] == [pid]]

    def title(self, window):
        name = self._property(window, "_NET_WM_NAME", self.atom("UTF8_STRING"))
        if isinstance(name, bytes):
            return name.decode("utf-8", "replace")
        return name or ""

    def is_modal(self, window):
        return self.atom("_NET_WM_STATE_MODAL") in list(self._property(window, "_NET_WM_STATE") or [])

    def boxes(self, pid):
        """The program's open modal windows: message boxes, the name dialog, file dialogs."""
        return [w for w in self.program_windows(pid) if self.is_modal(w)]

    def origin(self, window):
        """Where the window's own (client) area starts on the screen."""
        spot = window.translate_coords(self.root, 0, 0)
        return -spot.x, -spot.y

    def raw(self, x, y, width, height):
        """The screen's pixels, four bytes each (blue, green, red, unused)."""
        return self.root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF).data

    def pixels(self, x, y, width, height):
        """The screen's pixels as rows of (red, green, blue)."""
        raw = self.raw(x, y, width, height)
        rows = []
        for row in range(height):
            line = raw[row * width * 4:(row + 1) * width * 4]
            rows.append([(line[i + 2], line[i + 1], line[i]) for i in range(0, len(line), 4)])
        return rows

    def request_close(self, window):
        """What a taskbar or the title bar's close button does: ask the window manager to close it."""
        self._to_root(window, "_NET_CLOSE_WINDOW", [X.CurrentTime, 2, 0, 0, 0])

    def request_focus(self, window):
        self._to_root(window, "_NET_ACTIVE_WINDOW", [2, X.CurrentTime, 0, 0, 0])

    def _to_root(self, window, message, data):
        event = protocol.event.ClientMessage(window=window, client_type=self.atom(message), data=(32, data))
        self.root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.display.flush()

    def active_window(self):
        found = self._property(self.root, "_NET_ACTIVE_WINDOW", Xatom.WINDOW)
        return found[0] if found else None


class Pinger(threading.Thread):
    """Pings the window over its own connection and calls on_hang(seconds) once when no answer has
    come for HangSeconds, and on_slow(seconds) for an answer that came after a second or more. Qt
    answers from its event loop, also while a modal box is open, so only a program that blocks
    misses it."""

    def __init__(self, window_id, on_hang, on_slow):
        super().__init__(daemon=True)
        self.window_id = window_id
        self.on_hang = on_hang
        self.on_slow = on_slow
        self.stopping = threading.Event()
        self.longest_silence = 0.0

    def stop(self):
        self.stopping.set()
        self.join(timeout=2)

    def run(self):
        connection = display.Display()
        root = connection.screen().root
        # Qt sends its answer to the root window for StructureNotify and SubstructureRedirect.
        root.change_attributes(event_mask=X.StructureNotifyMask)
        protocols = connection.intern_atom("WM_PROTOCOLS")
        ping = connection.intern_atom("_NET_WM_PING")
        window = connection.create_resource_object("window", self.window_id)
        gone = []
        connection.set_error_handler(lambda *_: gone.append(True))
        serial = 0
        answered = time.monotonic()
        while not self.stopping.is_set():
            serial += 1
            message = protocol.event.ClientMessage(
                window=window, client_type=protocols, data=(32, [ping, serial, self.window_id, 0, 0]))
            window.send_event(message, event_mask=X.NoEventMask)
            connection.flush()
            until = time.monotonic() + PingEverySeconds
            while time.monotonic() < until and not self.stopping.is_set():
                while connection.pending_events():
                    event = connection.next_event()
                    if (event.type == X.ClientMessage and event.client_type == protocols
                            and event.data[1][0] == ping and event.data[1][2] == self.window_id):
                        if time.monotonic() - answered > 1:
                            self.on_slow(time.monotonic() - answered)
                        answered = time.monotonic()
                time.sleep(0.01)
            if gone:
                return
            silence = time.monotonic() - answered
            self.longest_silence = max(self.longest_silence, silence)
            if silence > HangSeconds:
                self.on_hang(silence)
                return
