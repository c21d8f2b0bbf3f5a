"""A whole match from the keyboard under Xvfb while Orca listens, its speech written down by a
stand-in for the speech server. Run as CMakeLists.txt runs it, in a D-Bus session of its own."""
import html
import os
import re
import socket
import subprocess
import sys
import tempfile
import threading
import time

import own_display

TIMEOUT = 60  # seconds to say or show anything: Orca answers in under one on a quiet machine
work = tempfile.mkdtemp()  # Orca's settings and the speech socket, removed with the run's
spoken = []  # what Orca had said, message by message, in order
said = threading.Condition()


QUEUED = "225-1\r\n225 OK MESSAGE QUEUED"
REPLIES = {"SPEAK": QUEUED, "CHAR": QUEUED, "KEY": QUEUED, "SOUND_ICON": QUEUED, "QUIT": "231 BYE",
           "HISTORY": "245-1\r\n245 OK CLIENT ID", "LIST": "249-none\tnone\tnone\r\n249 OK LIST"}


def serve(connection):  # the speech server's protocol, as far as Orca uses it
    lines = connection.makefile("r", encoding="utf-8", newline="\r\n")
    for verb in (line.split(" ")[0].strip().upper() for line in lines):
        if verb == "SPEAK":
            connection.sendall(b"230 OK RECEIVING DATA\r\n")
            text = " ".join(p.removeprefix(".") for p in iter(
                lambda: lines.readline().rstrip("\r\n"), "."))
            with said:
                spoken.append(html.unescape(re.sub(r"<[^>]*>", "", text)).strip())
                said.notify_all()
        connection.sendall(REPLIES.get(verb, "200 OK").encode() + b"\r\n")


def speech_server(path):  # listening before Orca starts, which then starts no server of its own
    server = socket.socket(socket.AF_UNIX)
    server.bind(path)
    server.listen()

    def accept():
        while True:
            threading.Thread(target=serve, args=(server.accept()[0],), daemon=True).start()
    threading.Thread(target=accept, daemon=True).start()


def hear(since, match, what, within=TIMEOUT):  # the first message from since on that matches
    with said:
        if said.wait_for(lambda: any(match(m) for m in spoken[since:]), within):
            return next(i for i in range(since, len(spoken)) if match(spoken[i]))
    raise AssertionError("Orca never said %s; it said: %s" % (what, spoken[since:]))


def x(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def window(title):  # waits for the shown window of this title and gives it the keyboard
    deadline = time.monotonic() + TIMEOUT
    while not (found := x("search", "--onlyvisible", "--name", title)):
        assert time.monotonic() < deadline, "no window titled " + title
        time.sleep(0.1)
    x("windowfocus", "--sync", found[0])
    return found[0]


def gone(found, title):  # waits for the window found under this title to go
    deadline = time.monotonic() + TIMEOUT
    while found in x("search", "--onlyvisible", "--name", title):
        assert time.monotonic() < deadline, "still shown: " + title
        time.sleep(0.1)


def close(title):  # Return in the window of this title; waits for it to go
    box = window(title)
    x("key", "Return")
    gone(box, title)


BALL = re.compile(r"(?:\d runs? to Player \d+|Player \d+ out\. Player \d+ in)\. "
                  r"(.+?) (\d+) for \d+|Player 11 out\. (.+?) all out for (\d+)")
# Orca 43 reads the latest ball in the innings button's description; Orca 48 would keep a copy.
DESCRIBES = int(re.search(r"\d+", subprocess.run(["orca", "--version"], capture_output=True,
                                                 text=True).stdout)[0]) < 48
MESSAGE = re.compile(r"That's the end of|The match is over")
TOLD = re.compile(r"notification (.+)\.|(.*[^.])")  # announced by Orca 43, 48; not described


def told(message):  # the ball a message announces, if it does
    return (m := TOLD.fullmatch(message)) and BALL.fullmatch(m[1] or m[2])


def where_am_i(ball):
    """Where Am I on the innings button gives the latest ball where the button describes it, and
    never an older one; then Ctrl+Shift+S has the match's standing said, the latest ball first."""
    where = len(spoken)
    x("key", "KP_Enter")
    named = hear(where, lambda m: m.startswith("Play "), "an answer to Where Am I")
    x("key", "ctrl+shift+s")  # said after the whole answer, which Orca gave at the key
    stands = hear(named, lambda m: "batting" in m, "where the match stands")
    answer = " ".join(spoken[named:stands])
    old = [m[0] for m in BALL.finditer(answer) if m[0] != ball]
    assert not old and (ball in answer or not DESCRIBES), "Where Am I said %r" % answer
    words = TOLD.fullmatch(spoken[stands])
    assert (words[1] or words[2]).startswith(ball + ". "), "stands: %s" % spoken[stands]


def play_innings(team, target):
    """Space to the innings' end; returns its total and where the box's closing began. Each Space
    is followed by its ball, announced or leading the message of the box it opens; none is
    announced twice (stale words too), nor after its box."""
    start = len(spoken)
    for ball in range(1, 1000):
        before = len(spoken)
        x("key", "space")
        at = hear(before, lambda m: told(m) or MESSAGE.search(m), "ball %d" % ball)
        words = told(spoken[at]) or BALL.match(spoken[at])
        assert words, "ball %d not heard before its box's message: %s" % (ball, spoken[at])
        assert team in (words[1], words[3]), "ball %d of another team: %s" % (ball, words[0])
        total = int(words[2] or words[4])
        if ball == 3:
            where_am_i(words[0])
        if words[3] or (target and total >= target):
            closing = len(spoken)
            close("^End of")
            balls = [words[0]] + [told(m)[0] for m in spoken[start:closing] if told(m)]
            twice = sorted({b for b in balls if balls.count(b) > 1})
            assert not twice, "heard twice: %s" % twice
            return total, closing
    raise AssertionError("no box after 1000 balls")


def main(program):
    speech_server(os.path.join(work, "speech.sock"))
    env = dict(os.environ, HOME=work, XDG_CONFIG_HOME=work, XDG_DATA_HOME=work,
               SPEECHD_ADDRESS="unix_socket:" + os.path.join(work, "speech.sock"))
    # Not --replace, which would kill every other Orca of this user, a user's own included.
    orca = subprocess.Popen(["orca"], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    game = None
    try:
        hear(0, lambda m: "Screen reader on" in m, "that it is on", 2 * TIMEOUT)  # a slow start
        game = subprocess.Popen([program], env=dict(
            env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
            ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":detect_leaks=0"))
        start_screen = window("^Bailwood 2$")
        # A player waits to hear the game: under load, a key sent while Orca was still taking it
        # up was held 25 s a press and release (Qt's "keyEventError NoReply"), Orca silent.
        hear(0, lambda m: "Bailwood 2" in m, "the start screen")
        # No chords: under load, Qt passing each key by the screen reader can part Alt from P.
        before = len(spoken)
        x("key", "space")  # on the start screen's button
        for team, which in (("Lions", "first"), ("Tigers", "second")):
            window("^Enter Team Name$")
            hear(before, lambda m: m.startswith("Enter Team Name"), "the %s name box" % which)
            x("type", "--delay", "100", team)  # read back below, in the innings button's name
            before = len(spoken)
            close("^Enter Team Name$")
        # The match screen shows, then the start screen, of the same title, hides: a key sent
        # before then can reach the start screen.
        gone(start_screen, "^Bailwood 2$")
        target = None
        for team in ("Lions", "Tigers"):
            window("^Bailwood")
            total, before = play_innings(team, target)
            target = total + 1
        dialog = window(r"^Play Again\?$")
        try:  # Orca 43 under load may miss the dialog's first activation: it is given another
            hear(before, lambda m: "Do you want to play again?" in m, "the question", 10)
        except AssertionError:
            x("windowfocus", "--sync", window("^Bailwood"))
            x("windowfocus", "--sync", dialog)
            hear(before, lambda m: "Do you want to play again?" in m, "the play-again question")
        for keys, focus in (("Tab", "No"), ("space", "Play Bailwood 2")):  # No: the start screen
            before = len(spoken)
            x("key", keys)
            hear(before, lambda m: m.startswith(focus), focus)
    finally:
        for process in filter(None, (game, orca)):
            process.kill()  # at once, even with a box open; and reaped, for Orca will not
            process.wait()  # start beside another Orca of this user, even a dead one
        print("Orca said:", *spoken, sep="\n  ")


own_display.start()
try:
    main(sys.argv[1])
except AssertionError as failure:
    print("FAIL:", failure)
    own_display.finish(False)
own_display.finish(True)
