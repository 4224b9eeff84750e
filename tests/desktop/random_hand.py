#!/usr/bin/env python3
"""A random hand at the station: the real program on the desktop backend under
the virtual X display logs in as the cashier, then takes random actions drawn
from a seed (first a few mistakes at the login: an unknown user, a wrong
password, an unknown company, the server list; then scans of known, unknown,
long and quoted codes, clicks, typed text,
keys, the clipboard, minimise and restore, resizes, lists opened and closed)
and after each one checks what must always hold:

  - the station lives and its output carries no sanitizer report;
  - after the login's mistakes the right user still logs in;
  - every line added to ERRORES.TXT is a Spanish text the station means to show
    (its texts: the string literals of app/ and the Spanish catalogs), or a
    driver's message its central handler turns into one of them;
  - no X window lies outside the screen, and the station's own windows as seen
    on the screen: the maximised price query fills the station's window with
    its caption at the top left and its caption buttons at the top right, and
    an error box shows its caption inside the window;
  - after a scan of a known code its description stands on the screen, drawn
    in the price query's font (tools/screen_text finds the text's shape in the
    screen's pixels); after an unknown code the last one is gone.

  random_hand.py DEMO STATION TOOLS [--seed N] [--seconds S | --actions N]
                 [--without KIND,...] [--log FILE]

With neither --seconds nor --actions it takes 300 actions. A failure prints the
seed, the actions that led to it and the one command that replays them; the
same seed always draws the same actions. --without leaves kinds of action out
(e.g. a known fault's trigger, to look past it): login (the mistakes made at
the login before the right one), resize, minimise, unmap, long, quoted, burst,
longtext, clipboard, list, click, key, text.
"""
import argparse
import glob
import os
import random
import re
import shlex
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import journeys as j  # noqa: E402

SANITIZER = re.compile(r"ERROR: (Address|Leak|Thread|Memory)Sanitizer|runtime error:|SUMMARY: \w+Sanitizer")
# Engine and driver texts a Spanish message must not carry as its variable part.
ENGINE = ("SQL Server Error", "dbExpress", "Firebird error", "Dynamic SQL Error")
# Where the price query's bar-code box is in its maximised window (its
# design place is anchored to the top left, whatever the window's size).
EDIT1 = (330, 73)
# Where the login's boxes stand: centred on the login window, itself centred
# on the station's window at its first size.
BOXES = (j.W // 2 - 320, j.H // 2 - 200, 640, 400)
# Seconds without the station using the processor that end an action's wait.
QUIET = 0.3
# How long a check waits for the screen to show what it must.
SHOW = 3.0
# Below this size the description's label is cut off by the window.
DESC_MIN = (700, 200)
KEYS = ["F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "Escape", "Return", "Tab",
        "shift+Tab", "BackSpace", "Delete", "Home", "End", "Left", "Right", "Up", "Down", "Prior", "Next", "Insert",
        "shift+F12", "ctrl+a", "ctrl+c", "ctrl+v", "ctrl+x", "ctrl+z", "shift+Insert", "ctrl+Insert", "shift+Delete",
        "alt+Down", "alt+a", "alt+c", "alt+v", "alt+r", "alt+i", "alt+d", "alt+y", "ctrl+Tab", "ctrl+F6", "ctrl+Return",
        "ctrl+Escape", "shift+F10", "Menu", "KP_Enter", "ctrl+BackSpace", "shift+Home", "shift+End"]
# Keys that close the price query on purpose, and so end the program: a
# person's way out, not a fault, so the hand does not press them.
CLOSERS = {"alt+F4", "ctrl+F4", "alt+space", "alt+minus"}
assert not CLOSERS & set(KEYS)
WEIGHTS = {"scan_known": 12, "scan_unknown": 5, "scan_long": 3, "scan_quoted": 3, "click": 10, "text": 6, "key": 12,
           "clipboard": 3, "minimise": 2, "unmap": 2, "resize": 5, "list": 3, "longtext": 1}
# Which --without kind leaves out which action (a scan in a burst is drawn
# within the scans).
KIND = {"scan_long": "long", "scan_quoted": "quoted", "minimise": "minimise", "unmap": "unmap", "resize": "resize",
        "list": "list", "longtext": "longtext", "clipboard": "clipboard", "click": "click", "key": "key",
        "text": "text"}


class Found(Exception):
    pass


# --- what the station means to show ---------------------------------------------------

def station_texts():
    """The station's texts: the string literals of app/ (its messages are composed
    of them) and the Spanish catalogs' translations."""
    texts = set()
    literal = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
    for path in glob.glob(os.path.join(j.ROOT, "app", "**", "*.cpp"), recursive=True) + \
            glob.glob(os.path.join(j.ROOT, "app", "**", "*.h"), recursive=True):
        with open(path, encoding="utf-8") as f:
            for line in f:
                if line.lstrip().startswith(("#include", "//")):
                    continue
                for m in literal.finditer(line):
                    try:
                        texts.add(m.group(1).encode().decode("unicode_escape").encode("latin-1").decode("utf-8"))
                    except UnicodeError:
                        texts.add(m.group(1))
    for path in glob.glob(os.path.join(j.ROOT, "i18n", "po", "es", "*.po")):
        with open(path, encoding="utf-8") as f:
            body = f.read()
        for m in re.finditer(r'^msgstr((?:\s*"(?:[^"\\]|\\.)*")+)', body, re.M):
            text = "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', m.group(1)))
            texts.add(text.replace('\\"', '"').replace("\\n", "\n").replace("\\\\", "\\"))
    return {t for t in texts if len(t.strip()) >= 4 and re.search(r"[a-záéíóúñ]{3}", t, re.I)}


def recognised_phrases():
    """The driver's and the server's phrases that the central handler turns
    into a Spanish text of its own (it logs the raw message and shows that)."""
    phrases = set()
    for path in glob.glob(os.path.join(j.ROOT, "app", "**", "*.cpp"), recursive=True):
        with open(path, encoding="utf-8") as f:
            body = f.read()
        phrases.update(re.findall(r'contiene\("([^"]+)"\)', body))
        phrases.update(re.findall(r'palabras == "([^"]+)"', body))
    return phrases


def templates(texts):
    """A pattern per text: a catalog's placeholders and the tail a literal is
    joined to (a literal that ends in a space or a colon has more after it)
    match anything; everything else must stand as written."""
    pats = []
    for t in texts:
        pat = re.sub(r"%(?:\d+\$)?[-+ #0]*\d*(?:\.\d+)?[sdiuxXf]", "\x00", t)
        pat = re.escape(pat).replace("\x00", "(.*)")
        if t.endswith((" ", ":", "(", '"')):
            pat += "(.*)"
        pats.append(re.compile(pat + r"\Z", re.S))
    return pats


def meant(message, pats, phrases):
    if any(p in message for p in phrases):
        return True
    for p in pats:
        m = p.match(message)
        if m and not any(e in part for part in m.groups() for e in ENGINE):
            return True
    return False


def log_messages(text):
    """The messages of an error log: date, time, user and message per line; a
    message that holds line ends goes on on the next lines."""
    out = []
    for line in text.splitlines():
        parts = line.split(",", 3)
        if len(parts) == 4 and re.match(r"\d{4}/\d{2}/\d{2}\Z", parts[0]) and re.match(r"[\d:]+\Z", parts[1]):
            out.append(parts[3])
        elif out:
            out[-1] += "\n" + line
        else:
            out.append(line)
    return out


# --- the screen ------------------------------------------------------------------------

class Hand:
    def __init__(self, st, seed, without, log):
        self.st, self.seed, self.without = st, seed, without
        self.rng = random.Random(seed)
        self.log = log
        self.actions = []
        self.pats = templates(station_texts())
        self.phrases = recognised_phrases()
        # The message boxes' captions, as the framework's dialogs name them.
        with open(os.path.join(j.ROOT, "framework", "ui", "dialogs.cpp"), encoding="utf-8") as f:
            self.box_captions = re.findall(r'TV_RESOURCESTRING\(SMsgDlg\w+, "([^"]+)"\)', f.read())
        self.error_caption = "Error"
        if self.error_caption not in self.box_captions:
            raise j.Failure("framework/ui/dialogs.cpp no nombra la caja de error")
        self.win = None
        self.screen_w, self.screen_h = self.root_size()
        self.size = (j.W, j.H)
        self.last_desc = None
        self.errors_seen = 0
        self.log_seen = 0
        self.scans = 0
        self.checked = 0
        self.corner = None

    def root_size(self):
        out = subprocess.run(["xwininfo", "-root"], env=self.st.env, capture_output=True, text=True, check=True).stdout
        return int(re.search(r"Width: (\d+)", out).group(1)), int(re.search(r"Height: (\d+)", out).group(1))

    def find(self, font, texts, region=None):
        return j.find_text(self.st, font, texts, region)

    def geometry(self, win):
        out = subprocess.run(["xwininfo", "-id", win], env=self.st.env, capture_output=True, text=True)
        if out.returncode != 0:
            return None
        g = {k: int(v) for k, v in re.findall(r"(Absolute upper-left [XY]|Width|Height):\s+(-?\d+)", out.stdout)}
        state = re.search(r"Map State: (\w+)", out.stdout)
        return (g["Absolute upper-left X"], g["Absolute upper-left Y"], g["Width"], g["Height"],
                state.group(1) if state else "")

    # --- checks ---------------------------------------------------------------------------

    def check_alive(self):
        with open(self.st.log.name, encoding="utf-8", errors="replace") as f:
            f.seek(self.log_seen)
            added = f.read()
        m = SANITIZER.search(added)
        if m:
            raise Found("informe del sanitizador:\n" + added[max(0, m.start() - 200):m.start() + 3000])
        if not self.st.running():
            raise Found("la estación terminó (estado %s)" % self.st.proc.returncode)

    def check_errors(self):
        """New lines of ERRORES.TXT; each is one error box the station opened."""
        msgs = log_messages(self.st.errors())
        new = msgs[self.errors_seen:]
        self.errors_seen = len(msgs)
        for m in new:
            if not meant(m, self.pats, self.phrases):
                raise Found("ERRORES.TXT recibió un texto que la estación no quiere mostrar:\n  " + m)
        return len(new)

    def check_windows(self):
        """Every mapped window of the display lies inside the screen."""
        out = subprocess.run(["xwininfo", "-root", "-children"], env=self.st.env, capture_output=True, text=True)
        for win in re.findall(r"^\s+(0x[0-9a-f]+)", out.stdout, re.M):
            g = self.geometry(win)
            if not g or g[4] != "IsViewable":
                continue
            x, y, w, h, _ = g
            if x < 0 or y < 0 or x + w > self.screen_w or y + h > self.screen_h:
                raise Found("la ventana X %s está fuera de la pantalla: %dx%d en %d,%d (pantalla %dx%d)" %
                            (win, w, h, x, y, self.screen_w, self.screen_h))
        g = self.geometry(self.win)
        if g and (g[2], g[3]) != self.size:
            raise Found("la ventana de la estación mide %dx%d en lugar de %dx%d" % (g[2], g[3], *self.size))

    def check_query(self, what):
        """The maximised price query fills the station's window, as the screen
        shows it (its caption buttons as they were after the login)."""
        problem = []

        def fills():
            problem[:] = [j.query_problem(self.st, self.size, self.corner)]
            return problem[0] is None

        if not self.shows(fills):
            raise Found("%s: %s" % (what, problem[0]))

    def shows(self, condition):
        """Whether the condition holds within a few seconds: the station may
        still be drawing what the action asked for."""
        end = time.monotonic() + SHOW
        while True:
            if condition():
                return True
            if time.monotonic() >= end:
                return False
            time.sleep(0.2)

    def check_box(self, what):
        """An error box the station opened shows its caption inside the window."""
        w, h = self.size
        if not self.find(j.CAPTION_FONT, [self.error_caption], (0, 0, w, h))[0]:
            raise Found("%s: la caja de error no se ve en la ventana (%dx%d)" % (what, w, h))

    def description_visible(self):
        return self.size[0] >= DESC_MIN[0] and self.size[1] >= DESC_MIN[1]

    def check_description(self, code, desc):
        if not self.description_visible():
            return
        self.checked += 1
        if not self.shows(lambda: j.description_shown(self.st, self.size, desc)):
            raise Found("tras leer %s no se ve su descripción \"%s\"" % (code, desc))

    def check_blank(self, code):
        if not self.last_desc or not self.description_visible():
            return
        self.checked += 1
        if not self.shows(lambda: not j.description_shown(self.st, self.size, self.last_desc)):
            raise Found("tras leer el código desconocido %s sigue la descripción \"%s\"" % (code, self.last_desc))

    # --- the hand ---------------------------------------------------------------------------

    def do(self, text, *xdo):
        self.actions.append(text)
        if self.log:
            print("%4d %s" % (len(self.actions), text), file=self.log, flush=True)
        for step in xdo:
            self.st.xdo(*step)

    def rest(self):
        """The station has done what the action asked (X delivers input in
        order, so one wait at the end of an action is enough)."""
        self.st.idle(QUIET)

    def settle(self):
        """Escape twice closes a menu or a box that an action before left open."""
        self.st.xdo("mousemove", "--sync", self.size[0] // 2, self.size[1] - 2)
        self.st.xdo("key", "--delay", 20, "Escape", "Escape")

    def into_edit(self):
        self.settle()
        self.st.xdo("mousemove", "--sync", *EDIT1, "click", 1)
        self.st.xdo("key", "--delay", 20, "Home", "shift+End")

    def type_code(self, code, delay):
        self.st.xdo("type", "--delay", delay, "--", code)
        self.st.xdo("key", "Return")

    def after_errors(self, what):
        n = self.check_errors()
        if n:
            self.check_box(what)
        return n

    def scan_known(self):
        code, desc = self.rng.choice(self.known)
        delay = 1 if "burst" not in self.without and self.rng.random() < 0.3 else 12
        self.do("leer %s (conocido%s)" % (code, ", en ráfaga" if delay == 1 else ""))
        self.into_edit()
        self.type_code(code, delay)
        self.rest()
        self.scans += 1
        self.after_errors("tras leer " + code)
        self.check_query("tras leer " + code)
        self.check_description(code, desc)
        self.last_desc = desc

    def scan_other(self, kind):
        r = self.rng
        if kind == "unknown":
            code = "".join(r.choice("0123456789") for _ in range(r.randint(6, 14)))
            if code in self.codes:
                code = "9" + code[:12]
        elif kind == "long":
            code = "".join(r.choice("0123456789ABCXYZ") for _ in range(r.randint(21, 60)))
        else:
            pieces = ["'", "''", "\"", "' OR '1'='1", "');--", "O'Brien", "\\", ";", "%", "_"]
            code = "".join(r.choice(["", "77"]) + r.choice(pieces) for _ in range(r.randint(1, 3)))[:20]
        self.do("leer %r (%s)" % (code, {"unknown": "desconocido", "long": "largo", "quoted": "con comillas"}[kind]))
        self.into_edit()
        self.type_code(code, 12)
        self.rest()
        self.scans += 1
        boxes = self.after_errors("tras leer %r" % code)
        if kind != "long" and boxes:
            raise Found("el código %r abrió una caja de error" % code)
        if not boxes:
            self.check_query("tras leer %r" % code)
            self.check_blank(code)
        self.last_desc = None

    def click(self):
        w, h = self.size
        x, y = self.rng.randrange(0, w), self.rng.randrange(22, h)  # not on the caption: its buttons close
        button = self.rng.choice([1, 1, 1, 3])
        self.do("clic %d en %d,%d" % (button, x, y), ("mousemove", "--sync", x, y), ("click", button))
        self.rest()
        self.after_errors("tras el clic")

    def text(self, n=None):
        alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,-+*/'\"ñáéíóúÑ"
        n = n or self.rng.randint(1, 30)
        t = "".join(self.rng.choice(alphabet) for _ in range(n))
        self.do("escribir %d caracteres %r" % (n, t[:40]), ("type", "--delay", 1 if n > 100 else 12, "--", t))
        self.rest()
        self.after_errors("tras escribir")

    def key(self):
        k = self.rng.choice(KEYS)
        self.do("tecla " + k, ("key", k))
        self.rest()
        self.after_errors("tras la tecla " + k)

    def clipboard(self):
        code, desc = self.rng.choice(self.known)
        self.do("copiar y pegar %s" % code)
        self.into_edit()
        self.st.xdo("type", "--delay", 12, code)
        self.st.xdo("key", "--delay", 20, "Home", "shift+End", "ctrl+c", "BackSpace")
        self.st.xdo("type", "--delay", 12, "xyz")
        self.st.xdo("key", "--delay", 20, "Home", "shift+End", "ctrl+v", "Return")
        self.rest()
        self.scans += 1
        self.after_errors("tras pegar " + code)
        self.check_query("tras pegar " + code)
        self.check_description(code + " (pegado)", desc)
        self.last_desc = desc

    def minimise(self):
        w, h = self.size
        self.do("minimizar y restaurar la consulta")
        self.settle()
        self.st.xdo("mousemove", "--sync", w - 45, 8, "click", 1)
        self.st.xdo("mousemove", "--sync", 112, h - 12, "click", 1)
        self.rest()
        # Restored, it takes the size it had before it was maximised, at the
        # top left; a double click on its caption maximises it again.
        found = self.find(j.CAPTION_FONT, ["Consulta de precios"], (0, 0, min(w, 400), 40))[0]
        if not found or found[0] > 40:
            raise Found("tras minimizar y restaurar: no se ve el título de la consulta de precios")
        self.st.xdo("mousemove", "--sync", 300, found[1] + 4, "click", "--repeat", 2, "--delay", 80, 1)
        self.rest()
        self.check_query("tras minimizar, restaurar y maximizar")

    def unmap(self):
        # A window manager gives the restored window the keyboard again; here
        # nobody does, so the hand does it as the manager would.
        self.do("ocultar y mostrar la ventana X", ("windowunmap", "--sync", self.win),
                ("windowmap", "--sync", self.win), ("windowfocus", "--sync", self.win))
        self.settle()
        self.rest()
        self.check_windows()
        self.check_query("tras ocultar y mostrar")

    def resize(self):
        r = self.rng
        if r.random() < 0.25:
            w, h = j.W, j.H
        elif r.random() < 0.15:
            w, h = self.screen_w, self.screen_h
        else:
            w, h = r.randint(420, self.screen_w), r.randint(320, self.screen_h)
        self.size = (w, h)
        self.do("cambiar el tamaño a %dx%d" % (w, h), ("windowsize", "--sync", self.win, w, h))
        self.settle()
        self.rest()
        self.check_windows()
        self.check_query("tras cambiar el tamaño a %dx%d" % (w, h))

    def list(self):
        """A list opened and closed: the bar-code box's menu or the window's
        own menu, then Escape."""
        if self.rng.random() < 0.5:
            self.do("abrir y cerrar el menú del código", ("mousemove", "--sync", *EDIT1), ("click", 3),
                    ("key", "--delay", 20, self.rng.choice(["Down", "Up", "Right"]), "Escape"))
        else:
            self.do("abrir y cerrar el menú de la ventana", ("mousemove", "--sync", 8, 8), ("click", 1),
                    ("key", "--delay", 20, "Down", "Escape"))
        self.settle()
        self.rest()
        self.after_errors("tras el menú")
        self.check_query("tras abrir y cerrar un menú")

    def step(self):
        names = [n for n in WEIGHTS if KIND.get(n) not in self.without]
        name = self.rng.choices(names, [WEIGHTS[n] for n in names])[0]
        {"scan_known": self.scan_known, "scan_unknown": lambda: self.scan_other("unknown"),
         "scan_long": lambda: self.scan_other("long"), "scan_quoted": lambda: self.scan_other("quoted"),
         "click": self.click, "text": self.text, "key": self.key, "clipboard": self.clipboard,
         "minimise": self.minimise, "unmap": self.unmap, "resize": self.resize, "list": self.list,
         "longtext": lambda: self.text(self.rng.randint(300, 2500))}[name]()
        self.check_alive()

    # --- the login ---------------------------------------------------------------------------

    def fill(self, field, text):
        """Clicks a field, looks (leaving the field before may connect, or bring
        a box, which is closed), then replaces its text, as a person does."""
        self.st.xdo("mousemove", "--sync", *field, "click", 1)
        self.rest()
        if self.close_boxes():
            self.st.xdo("mousemove", "--sync", *field, "click", 1)
            self.rest()
        self.st.xdo("key", "--delay", 20, "Home", "shift+End", "BackSpace")
        if text:
            self.st.xdo("type", "--delay", 12, text)

    def login_try(self):
        """A mistake a person makes at the login; the error box it brings is
        closed with Enter. Esc is never pressed here: it leaves the login."""
        r = self.rng
        kind = r.choice(["unknown_user", "wrong_password", "unknown_company", "server_list", "early_keys"])
        if kind == "unknown_user":
            user = "".join(r.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(r.randint(3, 10)))
            self.do("ingreso: usuario desconocido %s" % user)
            self.fill(j.USUARIO, user)
            self.fill(j.CLAVE, "nada")
            self.st.xdo("mousemove", "--sync", *j.CIA, "click", 1)
        elif kind == "wrong_password":
            self.do("ingreso: CAJERO con una clave errada")
            self.fill(j.USUARIO, "CAJERO")
            self.fill(j.CLAVE, "errada%d" % r.randint(0, 99))
            self.st.xdo("mousemove", "--sync", *j.CIA, "click", 1)
        elif kind == "unknown_company":
            # The box says so and leaves the company box empty, where the
            # person types the right one.
            self.do("ingreso: la compañía 999, luego 001")
            self.fill(j.USUARIO, "CAJERO")
            self.fill(j.CLAVE, "cajero")
            self.fill(j.CIA, "999")
            self.st.xdo("mousemove", "--sync", *j.FECHA, "click", 1)
            self.rest()
            self.close_boxes()
            self.st.xdo("type", "--delay", 12, "001")
            self.st.xdo("mousemove", "--sync", *j.FECHA, "click", 1)
        elif kind == "server_list":
            self.do("ingreso: abrir y cerrar la lista de servidores",
                    ("mousemove", "--sync", *j.SERVIDOR_ARROW), ("click", 1), ("click", 1))
        else:
            self.do("ingreso: F2 y F9 antes de tiempo", ("key", "--delay", 20, "F2", "F9"))
        self.rest()
        self.close_boxes()
        self.check_alive()

    def close_boxes(self):
        """Closes with Enter the boxes the login brought (an error or a
        message), as a person who read them; how many there were."""
        n = 0
        self.after_login_errors()
        while n < 5 and any(self.find(j.CAPTION_FONT, self.login_boxes, BOXES)):
            self.st.xdo("key", "Return")
            self.rest()
            self.after_login_errors()
            n += 1
        return n

    def after_login_errors(self):
        n = self.check_errors()
        if n:
            if not self.find(j.CAPTION_FONT, [self.error_caption], BOXES)[0]:
                raise Found("la caja de error del ingreso no se ve")
        return n

    def log_in(self):
        """The right user, password and company over whatever the mistakes left;
        a person who mistyped can always still log in."""
        self.do("ingreso: CAJERO, cajero, 001, F2")
        boxes = 0
        for field, text in ((j.USUARIO, "CAJERO"), (j.CLAVE, "cajero"), (j.CIA, "001"), (j.FECHA, None)):
            if text is None:
                self.st.xdo("mousemove", "--sync", *field, "click", 1)
            else:
                self.fill(field, text)
            self.rest()
            boxes += self.close_boxes()
        if boxes:
            print("  (el ingreso correcto trajo %d cajas)" % boxes, file=self.log or sys.stdout)
        self.st.xdo("key", "F2")
        try:
            j.wait_for("la fila de auditoría del ingreso", lambda: j.audit_rows(self.st, "CAJERO") == 1, 30)
        except j.Failure:
            raise Found("tras los errores del ingreso, el ingreso correcto no entra a la consulta de precios")
        self.rest()

    def begin(self):
        st = self.st
        st.start()
        self.win = st.win
        # A box of no kind takes the application's title, which the X window carries.
        title = subprocess.run(["xdotool", "getwindowname", self.win], env=st.env, capture_output=True,
                               text=True).stdout.strip()
        if title:
            self.box_captions.append(title)
        # The login brings the central handler's error boxes and the
        # station's messages, which carry the application's title.
        self.login_boxes = [self.error_caption] + ([title] if title else [])
        for _ in range(self.rng.randint(0, 2) if "login" not in self.without else 0):
            self.login_try()
        self.log_in()
        self.known = j.known_articles(st)
        self.codes = {c for c, _ in self.known} | set(j.isql(st.company, "select arti_cod from articulo;"))
        if not self.known:
            raise j.Failure("la base de demostración no tiene códigos de barras")
        self.check_alive()
        self.check_errors()
        self.check_query("tras el ingreso")
        self.corner = j.query_corner(st, self.size)


def command(args, seed, count):
    cmd = [sys.executable, os.path.abspath(__file__), args.demo, args.station, args.tools, "--seed", str(seed),
           "--actions", str(count)]
    if args.without:
        cmd += ["--without", args.without]
    return " ".join(shlex.quote(c) for c in cmd)


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("demo")
    p.add_argument("station")
    p.add_argument("tools")
    p.add_argument("--seed", type=int)
    p.add_argument("--seconds", type=float)
    p.add_argument("--actions", type=int)
    p.add_argument("--without", default="")
    p.add_argument("--log")
    args = p.parse_args()
    seed = args.seed if args.seed is not None else random.SystemRandom().randrange(1, 2 ** 31)
    without = {w.strip() for w in args.without.split(",") if w.strip()}
    limit = args.actions if args.actions else (None if args.seconds else 300)
    print("mano al azar: semilla %d" % seed, flush=True)
    st = j.Station("hand", args.demo, args.station, args.tools)
    log = open(args.log, "a") if args.log else None
    hand = Hand(st, seed, without, log)
    ok = False
    start = time.monotonic()
    try:
        hand.begin()
        while True:
            if limit is not None and len(hand.actions) >= limit:
                break
            if limit is None and time.monotonic() - start >= args.seconds:
                break
            hand.step()
        ok = True
        print("mano al azar: %d acciones (%d lecturas, %d descripciones comprobadas) en %.0f s; semilla %d" %
              (len(hand.actions), hand.scans, hand.checked, time.monotonic() - start, seed))
        print("random_hand: 1 passed, 0 failed")
    except (Found, j.Failure) as e:
        try:
            st.shot("failure")
        except Exception:
            pass
        print("FALLO tras %d acciones, semilla %d: %s" % (len(hand.actions), seed, e), file=sys.stderr)
        print("acciones:", file=sys.stderr)
        for i, a in enumerate(hand.actions, 1):
            print("  %4d %s" % (i, a), file=sys.stderr)
        print("repetir: " + command(args, seed, len(hand.actions)), file=sys.stderr)
        print("(capturas y registro en %s)" % st.dir, file=sys.stderr)
        print("random_hand: 0 passed, 1 failed")
    finally:
        st.stop(keep=not ok or bool(os.environ.get("TALLYVO_KEEP_SHOTS")))
        if log:
            log.close()
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
