"""The match screen as a screen reader meets it: the real program under Xvfb, read and played
through the accessibility bus (AT-SPI), two matches, the second between two teams of one name.
Read as Orca 43 reads it: inside libatspi's main loop, which keeps what it has heard of each
object but its name and description.
Run inside a D-Bus session of its own:
    dbus-run-session -- /usr/bin/python3 match_screen_test.py path/to/bailwood2"""
import os
import re
import subprocess
import sys
import time

TIMEOUT = 60  # seconds for anything the program is asked to do; generous for sanitizer builds


def start_display():
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-nolisten", "tcp"],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    os.environ["DISPLAY"] = ":" + xvfb.stdout.readline().decode().strip()
    return xvfb


xvfb = start_display()
import pyatspi  # noqa: E402  (finds the accessibility bus through the display and session)
from gi.repository import Atspi, GLib  # noqa: E402

failures = []
events = []  # (type, detail1, source name, role, showing)


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, flush=True)


def heard(event):
    """Asks the source of each event for its state, as Orca does; the answer is kept."""
    try:
        showing = event.source.getState().contains(pyatspi.STATE_SHOWING)
        events.append((event.type, event.detail1, event.source.name, event.source.getRole(),
                       showing))
    except Exception:  # the source may be gone already
        pass


def wait_for(condition, what):
    """Runs the bus until condition() gives something, and returns it."""
    wake = GLib.timeout_add(20, lambda: True)
    deadline = time.monotonic() + TIMEOUT
    try:
        while time.monotonic() < deadline:
            result = condition()
            if result:
                return result
            GLib.MainContext.default().iteration(True)
    finally:
        GLib.source_remove(wake)
    raise SystemExit("Timed out waiting for " + what)


def find(root, role, name=None):
    return pyatspi.findDescendant(
        root, lambda o: o is not None and o.getRole() == role and (name is None or o.name == name))


def press(obj):
    """An AT-SPI press must return before the ball, or its box, follows."""
    start = time.monotonic()
    obj.queryAction().doAction(0)
    check(time.monotonic() - start < 5, "press returns at once: %s" % obj.name)


def window(app, role, name=None):
    """A window of the program; one that closes while it is looked at counts as gone."""
    try:
        return next((w for w in app if w is not None and w.getRole() == role
                     and name in (None, w.name)), None)
    except GLib.Error:
        return None


def answer(box):
    """OK on a message box, if it is still open; returns once it has closed."""
    if box:
        app = box.getApplication()
        find(box, pyatspi.ROLE_PUSH_BUTTON, "OK").queryAction().doAction(0)
        wait_for(lambda: not window(app, pyatspi.ROLE_ALERT), "box closed")


def names(frame):
    return [child.name for child in frame]


def text_of(name):
    """What the label of this name reads in place, beside its neighbours."""
    if m := re.fullmatch(r"(Player \d+) of [^,]+, (?:out|batting|(yet to bat))", name):
        return m[1] + (" " + m[2] if m[2] else "")
    if m := re.fullmatch(r"Player \d+ of [^,]+, (.+)", name):
        return m[1]
    if m := re.fullmatch(r"[^,]+, (?:(\d+) (?:run|wicket)s?|no \w+ yet|(.+))", name):
        return m[1] or m[2] or "0"
    return name


def read(frame):
    """The shown labels' texts as flat review says them, line by line where each text is, each
    checked against its label's name."""
    rows = {}
    for label in (c for c in frame if c.getRole() == pyatspi.ROLE_LABEL):
        if "Text" not in pyatspi.listInterfaces(label):
            check(False, "no text: %r" % label.name)
            continue
        text = label.queryText()
        words = text.getText(0, -1)
        check(words == text_of(label.name), "text %r of %r" % (words, label.name))
        x, y, _, _ = text.getRangeExtents(0, text.characterCount, pyatspi.DESKTOP_COORDS)
        rows.setdefault(y, []).append((x, words))
    return [" ".join(words for _, words in sorted(row)) for _, row in sorted(rows.items())]


# Every ball is spoken, and what is spoken is what the scoreboard shows.
BALL = re.compile(r"(?:(\d) runs? to Player (\d+)|Player (\d+) out\. Player (\d+) in)\. "
                  r"(.+) (\d+) for (\d+)")
ALL_OUT = re.compile(r"Player 11 out\. (.+) all out for (\d+)")


def play_innings(frame, app, typed, team, target):
    """Bowls until a box opens, which must follow the ball. Returns the innings' total and how
    many events were heard before its last ball."""
    button = find(frame, pyatspi.ROLE_PUSH_BUTTON, "Play %s's innings." % typed)
    for ball in range(1, 1000):
        told = len(events)
        press(button)
        spoken = lambda: [e for e in events[told:] if e[3] == pyatspi.ROLE_NOTIFICATION  # noqa
                          and e[:2] == ("object:state-changed:showing", 1)]
        notice = wait_for(lambda: spoken() or window(app, pyatspi.ROLE_ALERT), "ball %d" % ball)
        if not isinstance(notice, list):  # a box before its ball, found out below
            answer(notice)
            notice = wait_for(spoken, "ball %d after its box" % ball)
        words = notice[-1][2]
        shown = names(frame)
        check(len(set(shown)) == len(shown) and "" not in shown, "unique names: %s" % shown)
        check(button.description == words, "the button describes the latest ball")
        if " out. " in words:  # the rows change most: a batsman out, the next one in
            read(frame)
        if match := ALL_OUT.fullmatch(words):
            check(match[1] == team and ball >= 11, "all out: %r" % words)
            runs = match[2]
        elif match := BALL.fullmatch(words):
            check(match[5] == team, "spoken: %r" % words)
            runs, wickets = match[6], match[7]
            check((wickets == "0" and "%s, no wickets yet" % team in shown) or "%s, %s wicket%s" % (
                team, wickets, "" if wickets == "1" else "s") in shown, "wickets: %r" % words)
            batsman = "Player %s of %s, " % (match[2] or match[4], team)
            check(any(n.startswith(batsman) and n.endswith(" batting") for n in shown)
                  and batsman + "batting" in shown, "the batsman in: %r" % words)
        else:
            check(False, "spoken: %r" % words)
            continue
        check("%s, %s run%s" % (team, runs, "" if runs == "1" else "s") in shown,
              "total as spoken: %r" % words)
        if ALL_OUT.fullmatch(words) or (target and int(runs) >= target):
            opened = lambda: [i for i, e in enumerate(events[told:], told)  # noqa
                              if e[3] == pyatspi.ROLE_ALERT]
            wait_for(opened, "the box after %r" % words)
            check(opened()[0] > told + events[told:].index(notice[-1]),
                  "%r spoken before its box" % words)
            answer(window(app, pyatspi.ROLE_ALERT))
            return int(runs), told
    return 0, len(events)


def play_match(app, typed, spoken):
    for team, which in zip(typed, ("first", "second")):
        def name_box():  # the box and its entry, once the entry asks for the team named
            box = window(app, pyatspi.ROLE_DIALOG, "Enter Team Name")
            entry = box and find(box, pyatspi.ROLE_TEXT)
            return entry and which in entry.name and (box, entry)

        box, entry = wait_for(name_box, "the %s name box" % which)
        entry.queryEditableText().setTextContents(team)
        find(box, pyatspi.ROLE_PUSH_BUTTON, "OK").queryAction().doAction(0)
    frame = wait_for(lambda: window(app, pyatspi.ROLE_FRAME, "Bailwood 2"), "match screen")
    while GLib.MainContext.default().iteration(False):  # what the boxes said before it
        pass
    seen = len(events)

    # Right the moment it appears: every shown label by a name of its own, with its figure,
    # shown and visible to the reader however much it heard while the screen was built.
    first, second = spoken
    expected = ["Bailwood 2", first, second, "Play %s's innings." % typed[0]]
    for team in spoken:
        expected += [team + ", Total Runs:", team + ", Wickets:", team + ", no runs yet",
                     team + ", no wickets yet"]
        expected += ["Player %d of %s, yet to bat" % (n, team) for n in range(1, 12)]
    check(sorted(names(frame)) == sorted(expected), "match screen names: %s" % names(frame))
    unseen = [c.name for c in frame if not (c.getState().contains(pyatspi.STATE_SHOWING)
                                            and c.getState().contains(pyatspi.STATE_VISIBLE))]
    check(not unseen, "shown, yet not showing and visible to the reader: %s" % unseen)
    check(read(frame) == ["Bailwood 2", first + " " + second] + [
        "Player %d yet to bat Player %d yet to bat" % (n, n) for n in range(1, 12)] + [
        "Total Runs: 0 Total Runs: 0", "Wickets: 0 Wickets: 0"], "flat review: %s" % read(frame))

    total, _ = play_innings(frame, app, typed[0], first, None)
    _, played = play_innings(frame, app, typed[1], second, total + 1)

    # Hidden labels are silent: every event comes from something shown, but a hide or blur.
    unshown = [e for e in events[seen:played] if not e[4] and not (
        e[0].startswith("object:state-changed") and e[1] == 0)]
    check(not unshown, "events from unshown objects: %s" % unshown[:5])
    check(any(e[0] == "object:property-change:accessible-name" for e in events[seen:played]),
          "names told")
    return wait_for(lambda: window(app, pyatspi.ROLE_DIALOG, "Play Again?"), "play-again")


def run(program):
    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                 if a and a.get_process_id() == program.pid), None), "program")
    app.setCacheMask(pyatspi.cache.DEFAULT ^ pyatspi.cache.NAME ^ pyatspi.cache.DESCRIPTION)
    pyatspi.Registry.registerEventListener(heard, "object:property-change", "object:state-changed",
                                           "object:children-changed")
    press(wait_for(lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Play Bailwood 2"), "start"))
    dialog = play_match(app, ("Lions", "Tigers"), ("Lions", "Tigers"))
    # The play-again dialog is a dialog whose question comes first.
    check(dialog[0].getRole() == pyatspi.ROLE_LABEL
          and dialog[0].name == "Do you want to play again?", "question first: %s" % dialog[0])
    press(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Yes"))
    play_match(app, ("Lions", "Lions"), ("Lions (team 1)", "Lions (team 2)"))


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
           ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":detect_leaks=0")
env.pop("QT_QPA_PLATFORM", None)
program = subprocess.Popen([sys.argv[1]], env=env, stderr=subprocess.PIPE, text=True)


def run_in_main_loop():
    try:
        run(program)
    except BaseException as error:  # noqa: B036  (reported once the loop has stopped)
        failures.append(repr(error))
        print("FAIL:", repr(error), flush=True)
    finally:
        Atspi.event_quit()


try:
    GLib.idle_add(run_in_main_loop)
    Atspi.event_main()
finally:
    program.terminate()
    errors = program.communicate(timeout=TIMEOUT)[1]
    xvfb.terminate()
check("ValueInterface" not in errors, "no value events without a value: %s" % errors[-300:])
print("%d passed, %d failed" % (1 if not failures else 0, 1 if failures else 0))
sys.exit(1 if failures else 0)
