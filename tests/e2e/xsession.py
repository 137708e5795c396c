"""A private X server (Xvfb) and the outside view of the windows on it: where they are,
whether they are mapped, what the screen shows, and clicks and keys sent as a user would.
"""

import os
import select
import shutil
import signal
import subprocess
import time
from dataclasses import dataclass

TOOLS = ("Xvfb", "xdotool", "xwininfo", "xsetroot", "import")


def missing_tools(tools=TOOLS):
    return [tool for tool in tools if shutil.which(tool) is None]


@dataclass
class Window:
    id: int
    x: int
    y: int
    width: int
    height: int
    mapped: bool

    def contains(self, x, y):
        return self.x <= x < self.x + self.width and self.y <= y < self.y + self.height


class Screenshot:
    """The whole screen as 8-bit RGB."""

    def __init__(self, ppm):
        # P6 header: magic, width, height, maximum, each separated by blanks or comments.
        fields = []
        at = 0
        while len(fields) < 4:
            while ppm[at : at + 1].isspace():
                at += 1
            if ppm[at : at + 1] == b"#":
                at = ppm.index(b"\n", at) + 1
                continue
            start = at
            while not ppm[at : at + 1].isspace():
                at += 1
            fields.append(ppm[start:at])
        if fields[0] != b"P6" or fields[3] != b"255":
            raise ValueError("screenshot is not an 8-bit PPM")
        self.width, self.height = int(fields[1]), int(fields[2])
        self._pixels = ppm[at + 1 :]

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self._pixels[at : at + 3])


class XSession:
    """Xvfb on a display it picks itself, closed with everything it started."""

    def __init__(self, width=1280, height=1024, log_path=os.devnull):
        self.width = width
        self.height = height
        self.display = None
        self._log_path = log_path
        self._server = None

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.close()

    def start(self, timeout=15):
        read_end, write_end = os.pipe()
        with open(self._log_path, "ab") as log:
            # -noreset: without it the server resets, losing the root colour, whenever its
            # last client (xsetroot, say) disconnects.
            self._server = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                 f"{self.width}x{self.height}x24", "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=log, stderr=log, start_new_session=True)
        os.close(write_end)
        text = b""
        deadline = time.monotonic() + timeout
        try:
            while not text.endswith(b"\n"):
                left = deadline - time.monotonic()
                if left <= 0 or not select.select([read_end], [], [], left)[0]:
                    raise RuntimeError("Xvfb did not report its display in time")
                chunk = os.read(read_end, 64)
                if not chunk:
                    raise RuntimeError("Xvfb ended before it reported its display")
                text += chunk
        finally:
            os.close(read_end)
        self.display = ":" + text.decode().strip()

    def close(self):
        if self._server is not None:
            stop_process_group(self._server)
            self._server = None

    def env(self, base=None):
        env = dict(os.environ if base is None else base)
        env["DISPLAY"] = self.display
        return env

    def run(self, *args, timeout=20):
        done = subprocess.run(list(args), env=self.env(), capture_output=True, text=True,
                              timeout=timeout)
        if done.returncode != 0:
            raise RuntimeError(f"{' '.join(args)} failed: {done.stderr.strip()}")
        return done.stdout

    def paint_root(self, colour):
        self.run("xsetroot", "-solid", "#%02x%02x%02x" % colour)

    def screenshot(self):
        done = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              env=self.env(), capture_output=True, timeout=30)
        if done.returncode != 0:
            raise RuntimeError(f"import failed: {done.stderr.decode(errors='replace').strip()}")
        return Screenshot(done.stdout)

    def save_screenshot(self, path):
        self.run("import", "-window", "root", str(path), timeout=30)

    def window(self, window_id):
        """Geometry and map state of a window, or None once it is gone."""
        done = subprocess.run(["xwininfo", "-id", str(window_id)], env=self.env(),
                              capture_output=True, text=True, timeout=20)
        if done.returncode != 0:
            return None
        info = {}
        for line in done.stdout.splitlines():
            key, _, value = line.strip().partition(":")
            info[key] = value.strip()
        return Window(window_id, int(info["Absolute upper-left X"]),
                      int(info["Absolute upper-left Y"]), int(info["Width"]),
                      int(info["Height"]), info["Map State"] == "IsViewable")

    def windows_of(self, pid):
        """Every window that names `pid` as its owner, mapped or not."""
        done = subprocess.run(["xdotool", "search", "--pid", str(pid), ""], env=self.env(),
                              capture_output=True, text=True, timeout=20)
        found = []
        for line in done.stdout.split():
            window = self.window(int(line))
            if window is not None:
                found.append(window)
        return found

    def wait_for(self, what, condition, timeout, interval=0.05):
        """Polls `condition` until it returns something true; raises with `what` on timeout."""
        deadline = time.monotonic() + timeout
        while True:
            result = condition()
            if result:
                return result
            if time.monotonic() > deadline:
                raise TimeoutError(f"{what} (waited {timeout:g} s)")
            time.sleep(interval)

    def click(self, x, y, button=1, repeat=1):
        """Mouse button 1 left, 3 right, 4 and 5 the wheel up and down."""
        where = dict(line.split("=", 1) for line in
                     self.run("xdotool", "getmouselocation", "--shell").split())
        # A synchronous move to where the pointer already is waits for a motion that never
        # comes (xdotool gives up after 15 s).
        move = [] if (int(where["X"]), int(where["Y"])) == (x, y) else \
            ["mousemove", "--sync", str(x), str(y)]
        self.run("xdotool", *move, "click", "--repeat", str(repeat), "--delay", "60",
                 str(button))

    def focus(self, window_id):
        self.run("xdotool", "windowfocus", "--sync", str(window_id))

    def focused_window(self):
        return int(self.run("xdotool", "getwindowfocus").strip())

    def key(self, *keys):
        self.run("xdotool", "key", "--delay", "30", *keys)

    def type(self, text):
        self.run("xdotool", "type", "--delay", "4", text)

    def mapped_ids(self, pid):
        """Ids of the mapped windows that `pid` owns, the root left out."""
        return {window.id for window in self.windows_of(pid)
                if window.mapped and (window.width, window.height) != (self.width, self.height)}


def stop_process_group(process, grace=3.0):
    """Ends a process started with start_new_session=True, and every child it started."""
    if process.poll() is None:
        try:
            os.killpg(process.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            pass
    # Children may outlive their parent; the group is ours alone.
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()
