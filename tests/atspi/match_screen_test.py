"""The match screen as a screen reader meets it: the real program under Xvfb, read and played
through the accessibility bus (AT-SPI), two matches, the second between two teams of one name.
Read as Orca 43 reads it, inside libatspi's main loop, which keeps what it has heard of each
object but its name; a description as a reader that keeps it is told it; what is said of a ball
as a client that also keeps names hears it. Decided by what the program answers and by the
order of its events, never by how soon they come. Run as CMakeLists.txt runs it, given the
program."""
import os
import re
import subprocess
import sys
import time

import own_display

TIMEOUT = 60  # seconds for anything the program is asked to do; generous for a busy machine
own_display.start()
import pyatspi  # noqa: E402  (finds the accessibility bus through the display and session)
from gi.repository import Atspi, GLib  # noqa: E402

Atspi.set_timeout(TIMEOUT * 1000, TIMEOUT * 1000)  # a slow answer is no fault, a hung one is
GLib.timeout_add(20, lambda: True)  # wakes wait_for's loop to look again
SHOWING = "object:state-changed:showing"
ALERT, BUTTON = pyatspi.ROLE_ALERT, pyatspi.ROLE_PUSH_BUTTON
failures = []
events = []  # (type, detail1, source, role, name, parent's path), in the order they were sent
balls = []  # (index in events, words): each ball announced, or shown by a notice
kept_names = {}  # what a client that keeps names holds, by path: as read, or as an event hands it
starts = []  # (index in events, told by a box?) of each press of a button


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, flush=True)


def heard(event):  # asks each event's source what Orca asks; libatspi keeps state and role
    try:
        (source := event.source).getState()
        facts = source.getRoleName(), source.name, getattr(source.parent, "path", None)
    except Exception:  # the source may be gone already
        facts = None, None, None
    events.append((event.type, event.detail1, event.source) + facts)
    path = event.source.path
    if event.type.endswith(":accessible-name"):  # a name, or Qt 6.4's path: read it afresh
        kept_names[path] = event.any_data if isinstance(event.any_data, str) else None
    elif event.type == "object:announcement":  # Qt 6.8 on
        balls.append((len(events) - 1, event.any_data))
    elif event.type == SHOWING and event.detail1 and facts[0] == "notification":  # before 6.8
        kept_names[path] = kept_names.get(path) or facts[1]
        balls.append((len(events) - 1, kept_names[path]))


def first(start, match):  # the index of the first event from start on that matches, if heard
    return next((i for i in range(start, len(events)) if match(events[i])), None)


def wait_for(condition, what):  # runs the bus until condition() gives something, and returns it
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        if (result := condition()) is not None and result is not False:
            return result
        GLib.MainContext.default().iteration(True)
    raise SystemExit("Timed out waiting for " + (what() if callable(what) else what))


def find(root, role, name=None):
    return pyatspi.findDescendant(
        root, lambda o: o is not None and o.getRole() == role and (name is None or o.name == name))


def window(app, role, name=None, button=None):  # one that closes while looked at is gone
    try:
        return next((w for w in app if w and w.getRole() == role and name in (None, w.name)
                     and (button is None or find(w, BUTTON, button))), None)
    except GLib.Error:
        return None


def text_of(name):  # what the label of this name reads in place, beside its neighbours
    if m := re.fullmatch(r"(Player \d+) of [^,]+, (?:out|batting|(yet to bat)|(.+))", name):
        return m[3] or m[1] + (" " + m[2] if m[2] else "")
    if m := re.fullmatch(r"[^,]+, (?:(\d+) (?:run|wicket)s?|no \w+ yet|(.+))", name):
        return m[1] or m[2] or "0"
    return name


def read(frame):
    """The shown labels' texts, each checked against its name, as flat review says them."""
    rows = {}
    for label in (c for c in frame if c.getRole() == pyatspi.ROLE_LABEL):
        text = label.queryText()  # raises if the label offers none
        words = text.getText(0, -1)
        check(words == text_of(label.name), "text %r of %r" % (words, label.name))
        x, y, _, _ = text.getRangeExtents(0, text.characterCount, pyatspi.DESKTOP_COORDS)
        rows.setdefault(y, []).append((x, words))
    return [" ".join(words for _, words in sorted(row)) for _, row in sorted(rows.items())]


# Every ball is spoken, and what is spoken is what the scoreboard shows.
BALL = re.compile(r"(?:\d runs? to Player \d+|Player \d+ out\. Player \d+ in)\. "
                  r"(?P<team>.+) (?P<runs>\d+) for \d+")
ALL_OUT = re.compile(r"Player 11 out\. (?P<team>.+) all out for (?P<runs>\d+)")


def play_innings(frame, app, typed, team, target):
    """Bowls until a box opens, which must tell its ball. Returns the innings' total."""
    button = find(frame, BUTTON, "Play %s's innings." % typed)
    for ball in range(1, 1000):
        start = len(events)
        button.queryAction().doAction(0)  # returns before the ball: a box cannot hold it
        box = wait_for(lambda: any(i >= start for i, _ in balls) or window(app, ALERT),
                       "ball %d" % ball)
        shown, described = [c.name for c in frame], button.description
        if box is True:  # the ball as told; a box tells it first (as Orca's check hears it)
            words = next(w for i, w in balls if i >= start)
        else:
            said = max((o.name for o in pyatspi.findAllDescendants(
                box, lambda o: o and o.getRole() == pyatspi.ROLE_LABEL)), key=len)
            words = re.split(r"\. (?:That's the end|The match is over)", said)[0]
            find(box, BUTTON, "OK").queryAction().doAction(0)
            wait_for(lambda: not window(app, ALERT), "box closed")
        starts.append((start, box is not True))
        # Kept as last told: a ball that opened a box is described once the box has gone.
        check(box is not True or described in ("", words), "described %r: %r" % (described, words))
        odd = [n for n in shown if not n or shown.count(n) > 1]
        check(not odd, "names alike or empty: %s" % odd)
        if " out. " in words:  # the rows change most: a batsman out, the next one in
            read(frame)
        if not (match := ALL_OUT.fullmatch(words) or BALL.fullmatch(words)):
            check(False, "told: %r" % words)
            continue
        runs = match["runs"]
        total = "%s, %s run%s" % (team, runs, "" if runs == "1" else "s")
        check(match["team"] == team and total in shown, "total as told: %r" % words)
        deciding = match.re is ALL_OUT or (target and int(runs) >= target)
        check(bool(deciding) == starts[-1][1], "a box after %r, and only then" % words)
        if deciding:
            return int(runs)
    return 0


def play_match(app, typed, spoken):
    for team, which in zip(typed, ("first", "second")):
        def name_box():  # the box, once its entry asks for the team named
            box = window(app, pyatspi.ROLE_DIALOG, "Enter Team Name")
            return box and which in getattr(find(box, pyatspi.ROLE_TEXT), "name", "") and box
        box = wait_for(name_box, "the %s name box" % which)
        find(box, pyatspi.ROLE_TEXT).queryEditableText().setTextContents(team)
        find(box, BUTTON, "OK").queryAction().doAction(0)
    # By its button: the start screen, of the same title, may not have hidden yet.
    frame = wait_for(lambda: window(app, pyatspi.ROLE_FRAME, "Bailwood 2",
                                    "Play %s's innings." % typed[0]), "match screen")
    start = 1 + wait_for(lambda: first(0, lambda e: e[:2] == (SHOWING, 1)
                                       and e[2].path == frame.path), lambda: "%s shown; %s" % (
        frame.path, [(e[0], e[1], e[2].path, e[4]) for e in events if e[3] == "frame"]))

    # Once it shows: every shown label by a name of its own, with its figure, showing and
    # visible to the reader however much it heard while the screen was built; no hidden one.
    expected = ["Bailwood 2", *spoken, "Play %s's innings." % typed[0]] + [
        "%s, %s" % (t, n) for t in spoken for n in ("Total Runs:", "Wickets:", "no runs yet",
                                                    "no wickets yet")] + [
        "Player %d of %s, yet to bat" % (n, t) for t in spoken for n in range(1, 12)]
    shown = [c.name for c in frame]
    check(sorted(shown) == sorted(expected), "match screen names: %s too many, %s missing" % (
        [n for n in shown if n not in expected], [n for n in expected if n not in shown]))
    unseen = [c.name for c in frame if not {pyatspi.STATE_SHOWING, pyatspi.STATE_VISIBLE}
              <= set(c.getState().getStates())]
    check(not unseen, "shown, yet not showing and visible to the reader: %s" % unseen)
    check((lines := read(frame)) == ["Bailwood 2", " ".join(spoken)] + [
        "Player %d yet to bat Player %d yet to bat" % (n, n) for n in range(1, 12)] + [
        "Total Runs: 0 Total Runs: 0", "Wickets: 0 Wickets: 0"], "flat review: %s" % lines)

    total = play_innings(frame, app, typed[0], spoken[0], None)
    play_innings(frame, app, typed[1], spoken[1], total + 1)
    # Hidden labels are silent; the shown ones are told of their new names. Qt tells of each
    # showing and hiding as it happens, so the events before one tell whether its control was
    # shown when it was sent, whatever it is when read. A hide or blur may follow the hiding.
    showing, hidden = {}, []
    for i, (kind, detail, source, role, name, parent) in enumerate(events):
        if kind == SHOWING:
            showing[source.path] = detail == 1
        elif i >= start and parent == frame.path and not showing.get(source.path) and (
                detail or not kind.startswith("object:state-changed")):
            hidden.append((kind, role, name))
    check(not hidden, "events from hidden controls: %s" % hidden[:5])
    check(any(e[0].endswith(":accessible-name") for e in events[start:]), "names told")
    return wait_for(lambda: window(app, pyatspi.ROLE_DIALOG, "Play Again?"), "play-again")


def run(program):
    try:
        app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                     if a and a.get_process_id() == program.pid), None), "program")
        app.setCacheMask(pyatspi.cache.DEFAULT ^ pyatspi.cache.NAME)
        pyatspi.Registry.registerEventListener(heard, "object:property-change",
                                               "object:state-changed", "object:children-changed",
                                               "object:announcement")
        wait_for(lambda: find(app, BUTTON, "Play Bailwood 2"), "start").queryAction().doAction(0)
        dialog = play_match(app, ("Lions", "Tigers"), ("Lions", "Tigers"))
        check((dialog[0].getRoleName(), dialog[0].name) == ("label", "Do you want to play again?"),
              "the play-again dialog's question first: %s" % dialog[0])
        find(dialog, BUTTON, "Yes").queryAction().doAction(0)
        play_match(app, ("Lions", "Lions"), ("Lions (team 1)", "Lions (team 2)"))
        # Each ball is told once, or by its box alone; a press's events all come before the next
        # press's: every press but the last is judged.
        for (start, by_box), (end, _) in zip(starts, starts[1:]):
            told = [w for i, w in balls if start <= i < end]
            check(len(told) == (0 if by_box else 1), "a ball told as %s" % told)
    except BaseException as error:  # noqa: B036  (reported once the loop has stopped)
        check(False, repr(error))
    finally:
        Atspi.event_quit()


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
           ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":detect_leaks=0")
program = subprocess.Popen([sys.argv[1]], env=env, stderr=subprocess.PIPE, text=True)
try:
    GLib.idle_add(run, program)
    Atspi.event_main()
finally:
    program.terminate()
    errors = program.communicate(timeout=TIMEOUT)[1]
check("ValueInterface" not in errors, "no value events without a value: %s" % errors[-300:])
own_display.finish(not failures)
