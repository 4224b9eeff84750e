#!/usr/bin/env python3
"""A person at the station: the real program on the desktop backend under a
virtual X display, driven with real X input (xdotool), checked by what the
person would check: the login's audit row, ERRORES.TXT, the port ini files,
and what the screen shows.

  journeys.py prepare DEMO                 builds the small demo databases once
  journeys.py JOURNEY DEMO STATION TOOLS   runs one journey on a copy of them

The station reaches its databases through the suite's own Firebird server on
loopback (scripts/services/firebird.sh), so the test can read them while it runs. The
display is the one scripts/services/xvfb.sh started (TALLYVO_DESKTOP_DISPLAY
names another); without one the journey starts it and stops it again. Each run
works in a folder of its own beside the demo (run-JOURNEY-*), kept when it fails.
Every wait is on a condition (the window, a row, a file, the station going
idle, the screen changing), bounded in time.
"""
import ctypes
import ctypes.util
import glob
import hashlib
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
W, H = 1024, 768
TIMEOUT = float(os.environ.get("TALLYVO_DESKTOP_TIMEOUT", "120"))


class Failure(Exception):
    pass


def wait_for(what, condition, timeout=TIMEOUT, step=0.2):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(step)
    raise Failure("no llegó a tiempo: " + what)


# --- the display -----------------------------------------------------------------

class Screen:
    """Pixels of the X display, read through libX11."""

    class XImage(ctypes.Structure):
        _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                    ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                    ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                    ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                    ("bits_per_pixel", ctypes.c_int)]

    def __init__(self, display):
        self.x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(Screen.XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                     ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.dpy = self.x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise Failure("no se pudo abrir la pantalla " + display)
        self.root = self.x.XDefaultRootWindow(self.dpy)

    def region(self, x, y, w, h):
        """A digest of the pixels of a rectangle of the screen."""
        img = self.x.XGetImage(self.dpy, self.root, x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap
        if not img:
            raise Failure("no se pudo leer la pantalla")
        data = ctypes.string_at(img.contents.data, img.contents.bytes_per_line * h)
        # What XDestroyImage does for an image of the server's.
        self.x.XFree(img.contents.data)
        self.x.XFree(img)
        return hashlib.sha1(data).hexdigest()

    def steady(self, x, y, w, h, timeout=TIMEOUT):
        """The digest once the rectangle stops changing (the station has drawn)."""
        last, since = None, time.monotonic()
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            now = self.region(x, y, w, h)
            if now != last:
                last, since = now, time.monotonic()
            elif time.monotonic() - since >= 1.0:
                return now
            time.sleep(0.2)
        raise Failure("la pantalla no se quedó quieta")


# --- the station -----------------------------------------------------------------

def suite_server(what):
    """The suite's Firebird server: its host part ("localhost/<port>") or SYSDBA's password."""
    out = subprocess.run(["bash", os.path.join(ROOT, "scripts", "services", "firebird.sh"), what],
                         capture_output=True, text=True)
    if out.returncode != 0:
        raise Failure("sin el servidor Firebird de las pruebas (scripts/services/firebird.sh start)")
    return out.stdout.strip()


def isql(db, sql, user=None):
    user = user or ("SYSDBA", suite_server("sysdba"))
    out = subprocess.run(["isql-fb", "-q", "-user", user[0], "-password", user[1], suite_server("entry") + ":" + db],
                         input="SET HEADING OFF;\n" + sql + "\n", capture_output=True, text=True, timeout=60)
    if out.returncode != 0:
        raise Failure("isql: " + out.stderr)
    return out.stdout.split()


class Station:
    def __init__(self, name, demo, program, tools):
        self.name, self.program, self.tools = name, program, tools
        # Beside the demo, under the build folder.
        self.dir = tempfile.mkdtemp(prefix="run-%s-" % name, dir=os.path.dirname(os.path.abspath(demo)))
        self.app = os.path.join(self.dir, "app")
        shutil.copytree(os.path.join(demo, "app"), self.app)
        # The server entry goes through the server on loopback.
        with open(os.path.join(self.app, "SERVIDORES.cfg"), "w", newline="") as f:
            f.write("%s:%s\r\n" % (suite_server("entry"), self.app))
        self.registry = os.path.join(self.dir, "registry")
        os.makedirs(self.registry)
        with open(os.path.join(demo, "registry", "HKEY_LOCAL_MACHINE.reg")) as f:
            text = f.read().replace(os.path.join(demo, "app"), self.app)
        with open(os.path.join(self.registry, "HKEY_LOCAL_MACHINE.reg"), "w") as f:
            f.write(text)
        self.company = os.path.join(self.app, "datos", "001", "tallyvo.fdb")
        self.proc = None
        self.started_display = False
        self.display = self._display()
        self.env = dict(os.environ, DISPLAY=self.display, TALLYVO_REGISTRY_DIR=self.registry,
                        ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "detect_leaks=0"))
        self.screen = Screen(self.display)
        self.shots = 0

    def _display(self):
        # A display of the caller's own (make soak starts one, so a soak and
        # the suite do not share the screen).
        if os.environ.get("TALLYVO_DESKTOP_DISPLAY"):
            return os.environ["TALLYVO_DESKTOP_DISPLAY"]
        script = os.path.join(ROOT, "scripts", "services", "xvfb.sh")
        out = subprocess.run(["bash", script, "display"], capture_output=True, text=True)
        if out.returncode != 0:
            out = subprocess.run(["bash", script, "start"], capture_output=True, text=True)
            if out.returncode != 0:
                raise Failure("sin pantalla: " + out.stderr)
            self.started_display = True
        return out.stdout.strip()

    def start(self):
        self.log = open(os.path.join(self.dir, "station.log"), "w")
        self.proc = subprocess.Popen([self.program, "--size", "%dx%d" % (W, H)], env=self.env, stdout=self.log,
                                     stderr=subprocess.STDOUT, cwd=self.dir, start_new_session=True)
        self.win = wait_for("la ventana de la estación", self._window)
        # The screen is larger than the window, which SDL centres: at the top
        # left, screen and window coordinates are the same.
        self.xdo("windowmove", "--sync", self.win, 0, 0)
        # Without a window manager the keyboard follows the pointer: keep it
        # over the station.
        self.xdo("mousemove", "--sync", W // 2, H - 2)
        self.idle()

    def _window(self):
        if self.proc.poll() is not None:
            raise Failure("la estación terminó al arrancar; vea " + self.log.name)
        # This station's window: another program's on the display is not it.
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid), "--name",
                              "POS - Tallyvo 2009"], env=self.env, capture_output=True, text=True)
        return out.stdout.split()[0] if out.stdout.split() else None

    def _cpu(self):
        with open("/proc/%d/stat" % self.proc.pid) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])

    def idle(self, quiet=0.8):
        """Waits until the station has used no processor time for a while:
        whatever the input before asked for is done."""
        last, since = None, time.monotonic()
        end = time.monotonic() + TIMEOUT
        while time.monotonic() < end:
            if self.proc.poll() is not None:
                return
            now = self._cpu()
            if now != last:
                last, since = now, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return
            time.sleep(0.1)
        raise Failure("la estación no quedó en reposo")

    def xdo(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True, timeout=60)

    def click(self, x, y):
        self.xdo("mousemove", "--sync", x, y, "click", 1)
        self.idle()

    def type(self, text):
        self.xdo("type", "--delay", 40, text)
        self.idle()

    def key(self, *keys):
        self.xdo("key", "--delay", 40, *keys)
        self.idle()

    def shot(self, label):
        """A screenshot kept beside the journey's log, for a person to look at."""
        self.shots += 1
        path = os.path.join(self.dir, "%02d-%s.png" % (self.shots, label))
        subprocess.run([os.path.join(self.tools, "x11_screenshot"), path], env=self.env, capture_output=True)
        return path

    def errors(self):
        path = os.path.join(self.app, "ERRORES.TXT")
        return open(path, encoding="utf-8", errors="replace").read() if os.path.exists(path) else ""

    def running(self):
        return self.proc.poll() is None

    def wait_exit(self):
        wait_for("el fin de la estación", lambda: not self.running())

    def stop(self, keep):
        if self.proc and self.proc.poll() is None:
            os.killpg(self.proc.pid, signal.SIGTERM)
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(self.proc.pid, signal.SIGKILL)
                self.proc.wait()
        if self.started_display:
            subprocess.run(["bash", os.path.join(ROOT, "scripts", "services", "xvfb.sh"), "stop"])
        if not keep:
            shutil.rmtree(self.dir, ignore_errors=True)


# --- where things are on the screen -----------------------------------------------
# The login window (560 x 300 client, dialog frame 3, caption 19) is centred on
# the screen; its right panel starts 200 pixels into the client area.

LOGIN_X = (W - 560 - 6) // 2 + 3 + 200
LOGIN_Y = (H - 300 - 25) // 2 + 22


def login_field(left, top, width, height=21):
    return LOGIN_X + left + width // 2, LOGIN_Y + top + height // 2


SERVIDOR_ARROW = (LOGIN_X + 96 + 249 - 8, LOGIN_Y + 16 + 10)
USUARIO = login_field(96, 44, 81)
CLAVE = login_field(96, 72, 81)
CIA = login_field(96, 100, 49)
FECHA = login_field(96, 156, 89)
LOGIN_AREA = (LOGIN_X - 200, LOGIN_Y - 22, 560, 322)
# Where the server list hangs when it is open: over the user's name, which
# shows no caret.
UNDER_SERVIDOR = (LOGIN_X + 190, LOGIN_Y + 40, 150, 80)
# The price query, maximised: its caption buttons at the top right, the
# article's data below the bar-code panel.
QUERY_MINIMISE = (W - 45, 8)
MINIMISED_RESTORE = (112, H - 12)
ARTICLE_AREA = (0, 110, W, 460)


def log_in(st, user, password, company="001"):
    """Clicks each field and types into it, as a person with a mouse does."""
    st.click(*USUARIO)
    st.type(user)
    st.click(*CLAVE)
    st.type(password)
    st.click(*CIA)  # leaving the password connects to the general database
    st.type(company)
    st.click(*FECHA)  # leaving the company connects to it


def audit_rows(st, user):
    return int(isql(st.company, "select count(*) from auditoria where tido_cod = 131 and audi_cod = '%s';" % user)[0])


def bar_codes(st, n):
    return isql(st.company, "select first %d coba_cod from barras_articulo order by coba_cod;" % n)


def into_price_query(st):
    log_in(st, "CAJERO", "cajero")
    st.key("F2")
    wait_for("la fila de auditoría del ingreso", lambda: audit_rows(st, "CAJERO") == 1)
    st.idle()
    return st.screen.steady(*ARTICLE_AREA)


# --- what the screen shows -----------------------------------------------------------
# Texts are found in the screen's pixels by tools/screen_text, which draws them
# with the station's own fonts: captions, the article's description, the
# controls' texts.
CAPTION_FONT = ["--font", "Sans", "--height", "11", "--bold"]
DESCRIPTION_FONT = ["--font", "Arial", "--height", "16", "--bold"]
CONTROL_FONT = ["--font", "MS Sans Serif", "--height", "11"]
# The caption buttons at the top right of the maximised price query.
CORNER = (60, 16)


def find_text(st, font, texts, region=None):
    """Where each text stands on the screen (its top left), or None."""
    args = [os.path.join(st.tools, "screen_text")] + font
    if region:
        args += ["--region"] + [str(v) for v in region]
    out = subprocess.run(args + list(texts), env=st.env, capture_output=True, text=True, timeout=60)
    if out.returncode == 2:
        raise Failure("screen_text: " + out.stderr)
    return [None if line == "-" else tuple(map(int, line.split())) for line in out.stdout.splitlines()]


def pixels(st, x, y, w, h):
    """The raw pixels of a rectangle of the screen."""
    sc = st.screen
    img = sc.x.XGetImage(sc.dpy, sc.root, x, y, w, h, 0xFFFFFFFF, 2)
    if not img:
        raise Failure("no se pudo leer la pantalla")
    bpl = img.contents.bytes_per_line
    data = ctypes.string_at(img.contents.data, bpl * h)
    sc.x.XFree(img.contents.data)
    sc.x.XFree(img)
    return b"".join(data[r * bpl:r * bpl + w * 4] for r in range(h))


def query_corner(st, size):
    return pixels(st, size[0] - CORNER[0], 2, CORNER[0] - 2, CORNER[1])


def query_problem(st, size, corner):
    """Why the price query does not fill the station's window of this size, as
    the screen shows it (None when it does): its caption at the top left, its
    caption buttons (as `corner` holds them) at the top right."""
    w, h = size
    found = find_text(st, CAPTION_FONT, ["Consulta de precios"], (0, 0, min(w, 400), 24))[0]
    if not found or found[0] > 40:
        return "el título de la consulta de precios no está arriba a la izquierda de la ventana (%dx%d)" % (w, h)
    if corner and w >= 200:
        now = query_corner(st, size)
        if sum(1 for a, b in zip(now, corner) if abs(a - b) > 24) > len(now) // 20:
            return "los botones del título de la consulta de precios no están arriba a la derecha de la ventana " \
                   "(%dx%d)" % (w, h)
    return None


def description_shown(st, size, desc):
    w, h = size
    return find_text(st, DESCRIPTION_FONT, [desc], (0, 80, min(w, 760), min(h, 220) - 80))[0] is not None


def known_articles(st):
    """(bar code, description) of every bar code, as the price query shows them."""
    lista = isql(st.company, "select first 1 lipr_cod from lista_precios order by lipr_cod;")[0]
    out = subprocess.run(["isql-fb", "-q", "-ch", "UTF8", "-user", "SYSDBA", "-password", suite_server("sysdba"),
                          suite_server("entry") + ":" + st.company],
                         input="SET HEADING OFF;\nselect b.coba_cod || '|' || p.des || '|' from barras_articulo b, "
                               "consulta_articulos_precios(b.coba_cod, %s) p order by 1;\n" % lista,
                         capture_output=True, text=True, timeout=60)
    if out.returncode != 0:
        raise Failure("isql: " + out.stderr)
    return [tuple(line.strip().split("|")[:2]) for line in out.stdout.splitlines() if "|" in line]


def window_size(st):
    out = subprocess.run(["xwininfo", "-id", st.win], env=st.env, capture_output=True, text=True, check=True).stdout
    return int(re.search(r"Width: (\d+)", out).group(1)), int(re.search(r"Height: (\d+)", out).group(1))


# --- the journeys ------------------------------------------------------------------

def journey_login(st):
    st.shot("login")
    log_in(st, "CAJERO", "cajero")
    shown = st.shot("login-filled")
    if audit_rows(st, "CAJERO") != 0:
        raise Failure("una fila de auditoría antes de confirmar")
    st.key("F2")
    wait_for("la fila de auditoría del ingreso", lambda: audit_rows(st, "CAJERO") == 1)
    st.idle()
    st.shot("price-query")
    if not st.running():
        raise Failure("la estación terminó tras el ingreso")
    return [shown]


def journey_scan(st):
    blank = into_price_query(st)
    known = bar_codes(st, 2)
    seen = []
    for code in known:
        st.type(code)
        st.key("Return")
        seen.append(st.screen.steady(*ARTICLE_AREA))
        st.shot("scan-" + code)
    if blank in seen or seen[0] == seen[1]:
        raise Failure("un código conocido no mostró su artículo")
    st.type("0000000000000")
    st.key("Return")
    st.shot("scan-unknown")
    if st.screen.steady(*ARTICLE_AREA) != blank:
        raise Failure("un código desconocido no dejó la consulta en blanco")
    # The same code again repeats the look-up.
    st.type(known[0])
    st.key("Return")
    if st.screen.steady(*ARTICLE_AREA) != seen[0]:
        raise Failure("el mismo código no volvió a mostrar su artículo")


def journey_minimise_restore(st):
    blank = into_price_query(st)
    code = bar_codes(st, 1)[0]
    st.click(*QUERY_MINIMISE)
    st.shot("minimised")
    st.click(*MINIMISED_RESTORE)  # one click on its restore button
    st.shot("restored")
    # The restored window is the size it had before it was maximised: its
    # article area is in the same place, and the scan must not be lost.
    before = st.screen.steady(*ARTICLE_AREA)
    st.type(code)
    st.key("Return")
    st.shot("scan-after-restore")
    if st.screen.steady(*ARTICLE_AREA) in (before, blank):
        raise Failure("la lectura tras restaurar se perdió")


def journey_esc_on_list(st):
    before = st.screen.steady(*UNDER_SERVIDOR)
    st.click(*SERVIDOR_ARROW)
    st.shot("list-open")
    if st.screen.steady(*UNDER_SERVIDOR) == before:
        raise Failure("la flecha no abrió la lista de servidores")
    st.key("Escape")
    st.shot("list-closed")
    if not st.running():
        raise Failure("Esc sobre la lista abierta cerró la estación")
    if st.screen.steady(*UNDER_SERVIDOR) != before:
        raise Failure("Esc no cerró la lista")
    st.key("Escape")  # with no list open it leaves the login, and the program
    st.wait_exit()


def journey_admin_configuration(st):
    log_in(st, "ADMIN", "admin")
    ini = os.path.join(st.app, "cnfptocaj.ini")
    st.key("F9")
    st.shot("configuration")
    configuration = st.screen.steady(*LOGIN_AREA)
    # The cash drawer's port setup, confirmed: its settings are stored.
    st.key("F4")
    st.shot("port-setup")
    st.key("Return")
    wait_for("cnfptocaj.ini", lambda: os.path.exists(ini))
    stored = open(ini, encoding="utf-8", errors="replace").read()
    if "9600" not in stored:
        raise Failure("la velocidad de diseño no quedó guardada:\n" + stored)
    # Again, another baud rate chosen, and Esc: the window closes as with
    # Cancel and nothing is stored.
    st.key("F4")
    st.key("Tab", "Down")
    st.shot("port-setup-changed")
    st.key("Escape")
    st.shot("after-esc")
    if st.screen.steady(*LOGIN_AREA) != configuration:
        raise Failure("Esc no cerró la configuración del puerto")
    if open(ini, encoding="utf-8", errors="replace").read() != stored:
        raise Failure("Esc guardó la configuración del puerto")
    if not st.running():
        raise Failure("la estación terminó")


def journey_resize(st):
    """The station's X window resized: the price query stays maximised in it,
    the scanned article stays on the screen and the next scan works."""
    into_price_query(st)
    size = (W, H)
    corner = query_corner(st, size)
    known = known_articles(st)
    (code, desc), (code2, desc2) = known[0], known[1]
    st.type(code)
    st.key("Return")
    if not description_shown(st, size, desc):
        raise Failure("la lectura de %s no mostró \"%s\"" % (code, desc))
    sizes = [(1100, 850), (800, 600)]
    # Without a window manager nothing maximises a window: the state is asked
    # for, and when the window keeps its size the screen's size stands for it.
    sizes.append("maximizar")
    for target in sizes:
        if target == "maximizar":
            subprocess.run(["xdotool", "windowstate", "--add", "MAXIMIZED_VERT,MAXIMIZED_HORZ", st.win], env=st.env,
                           capture_output=True, timeout=60)
            st.idle()
            if window_size(st) == size:
                out = subprocess.run(["xwininfo", "-root"], env=st.env, capture_output=True, text=True).stdout
                target = (int(re.search(r"Width: (\d+)", out).group(1)), int(re.search(r"Height: (\d+)", out).group(1)))
            else:
                target = window_size(st)
        if window_size(st) != target:
            st.xdo("windowsize", "--sync", st.win, *target)
        st.xdo("mousemove", "--sync", target[0] // 2, target[1] - 2)
        st.idle()
        size = window_size(st)
        if size != target:
            raise Failure("la ventana mide %dx%d en lugar de %dx%d" % (size + target))
        st.shot("resized-%dx%d" % size)
        problem = query_problem(st, size, corner)
        if problem:
            raise Failure("tras cambiar el tamaño a %dx%d: %s" % (size + (problem,)))
        if not description_shown(st, size, desc):
            raise Failure("tras cambiar el tamaño a %dx%d no se ve \"%s\"" % (size + (desc,)))
        # The next scan replaces it.
        st.type(code2)
        st.key("Return")
        if not description_shown(st, size, desc2):
            raise Failure("tras cambiar el tamaño a %dx%d la lectura de %s no mostró \"%s\"" % (size + (code2, desc2)))
        code, desc, code2, desc2 = code2, desc2, code, desc


def serial_devices():
    return sorted(p for pat in ("/dev/ttyS*", "/dev/ttyUSB*", "/dev/ttyACM*") for p in glob.glob(pat))


def journey_port_setup_port(st):
    """The cash drawer's port setup, a speed changed and "Aceptar": the port
    stored in cnfptocaj.ini is the one the port box showed, the device's path."""
    log_in(st, "ADMIN", "admin")
    ini = os.path.join(st.app, "cnfptocaj.ini")
    st.key("F9")
    st.key("F4")
    st.key("Tab", "Down")  # the speed: one step down the list
    shot = st.shot("port-setup-changed")
    candidates = serial_devices() + ["COM1"]
    seen = [c for c, at in zip(candidates, find_text(st, CONTROL_FONT, candidates, LOGIN_AREA)) if at]
    if not seen:
        raise Failure("el cuadro del puerto no muestra ninguno de %s (vea %s)" % (candidates, shot))
    shown = max(seen, key=len)  # "/dev/ttyS1" is found inside "/dev/ttyS10" too
    st.click(*find_text(st, CONTROL_FONT, ["Aceptar"], LOGIN_AREA)[0])
    wait_for("cnfptocaj.ini", lambda: os.path.exists(ini))
    stored = open(ini, encoding="utf-8", errors="replace").read()
    port = re.search(r"^Port=(.*?)\r?$", stored, re.M)
    port = port.group(1) if port else None
    if port != shown or not shown.startswith("/dev/"):
        raise Failure("el cuadro mostraba %s y cnfptocaj.ini guardó Port=%s:\n%s" % (shown, port, stored))


JOURNEYS = {
    "login": journey_login,
    "scan": journey_scan,
    "minimise_restore": journey_minimise_restore,
    "esc_on_list": journey_esc_on_list,
    "admin_configuration": journey_admin_configuration,
    "resize": journey_resize,
    "port_setup_port": journey_port_setup_port,
}


def prepare(demo, tools):
    """The demo databases, small, built once for every journey."""
    shutil.rmtree(demo, ignore_errors=True)
    os.makedirs(os.path.join(demo, "registry"))
    env = dict(os.environ, TALLYVO_REGISTRY_DIR=os.path.join(demo, "registry"))
    env.setdefault("ASAN_OPTIONS", "detect_leaks=0")
    subprocess.run([os.path.join(tools, "create_demo_db"), os.path.join(demo, "app"), "--fuente", ROOT,
                    "--articulos", "40"], env=env, check=True, timeout=900)


def main():
    if len(sys.argv) >= 4 and sys.argv[1] == "prepare":
        prepare(sys.argv[2], sys.argv[3])
        return 0
    if len(sys.argv) != 5 or sys.argv[1] not in JOURNEYS:
        print(__doc__, file=sys.stderr)
        return 2
    name, demo, program, tools = sys.argv[1:]
    st = Station(name, demo, program, tools)
    ok = False
    try:
        st.start()
        JOURNEYS[name](st)
        errors = st.errors()
        if errors:
            raise Failure("ERRORES.TXT recibió:\n" + errors)
        ok = True
        print("%s: 1 passed, 0 failed" % name)
    except Failure as e:
        st.shot("failure")
        print("%s: %s\n(capturas y registro en %s)" % (name, e, st.dir), file=sys.stderr)
    finally:
        st.stop(keep=not ok or bool(os.environ.get("TALLYVO_KEEP_SHOTS")))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
