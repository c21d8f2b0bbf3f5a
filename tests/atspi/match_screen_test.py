"""The match screen as a screen reader meets it: the real program under Xvfb, read and played
through the accessibility bus (AT-SPI). Run inside a D-Bus session of its own:
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
from gi.repository import GLib  # noqa: E402

failures = []
events = []  # (type, detail1, source name, role, showing)


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, flush=True)


def heard(event):
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


def names(frame):
    return [child.name for child in frame]


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
           ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":detect_leaks=0")
env.pop("QT_QPA_PLATFORM", None)
program = subprocess.Popen([sys.argv[1]], env=env, stderr=subprocess.PIPE, text=True)
try:
    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                 if a and a.get_process_id() == program.pid), None), "program")
    press(wait_for(lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Play Bailwood 2"), "start"))
    def name_box(which):  # the box and its entry, once the entry asks for the team named
        box = window(app, pyatspi.ROLE_DIALOG, "Enter Team Name")
        entry = box and find(box, pyatspi.ROLE_TEXT)
        return entry and which in entry.name and (box, entry)

    for team, which in (("Lions", "first"), ("Tigers", "second")):
        box, entry = wait_for(lambda: name_box(which), "the %s name box" % which)
        entry.queryEditableText().setTextContents(team)
        find(box, pyatspi.ROLE_PUSH_BUTTON, "OK").queryAction().doAction(0)
    frame = wait_for(lambda: window(app, pyatspi.ROLE_FRAME, "Bailwood 2"), "match screen")
    pyatspi.Registry.registerEventListener(heard, "object:property-change", "object:state-changed",
                                           "object:children-changed")

    # Right the moment it appears: every shown label by a name of its own, with its figure.
    on_screen = names(frame)
    expected = ["Bailwood 2", "Lions", "Tigers", "Lions, Total Runs:", "Tigers, Total Runs:",
                "Lions, Wickets:", "Tigers, Wickets:", "Lions, no runs yet", "Tigers, no runs yet",
                "Lions, no wickets yet", "Tigers, no wickets yet", "Play Lions's innings."]
    expected += ["Player %d of %s, yet to bat" % (n, team) for team in ("Lions", "Tigers")
                 for n in range(1, 12)]
    check(sorted(on_screen) == sorted(expected), "match screen names: %s" % on_screen)

    # Every ball is spoken, and what is spoken is what the scoreboard shows.
    spoken = re.compile(r"^(?:(\d) runs? to Player (\d+)|Player (\d+) out\. Player (\d+) in)\. "
                        r"(Lions|Tigers) (\d+) for (\d+)$")
    balls = {"Lions": 0, "Tigers": 0}
    for team, other in (("Lions", "Tigers"), ("Tigers", "Lions")):
        button = find(frame, pyatspi.ROLE_PUSH_BUTTON, "Play %s's innings." % team)
        while True:
            told = len(events)
            press(button)
            balls[team] += 1
            box = wait_for(lambda: [e for e in events[told:] if e[3] == pyatspi.ROLE_NOTIFICATION
                                    and e[:2] == ("object:state-changed:showing", 1)]
                           or window(app, pyatspi.ROLE_ALERT), "ball %d" % balls[team])
            if not isinstance(box, list):
                break
            words = box[-1][2]
            match = spoken.match(words)
            check(match and match.group(5) == team, "spoken: %r" % words)
            if not match:
                continue
            runs, wickets = match.group(6), match.group(7)
            shown = names(frame)
            check("%s, %s run%s" % (team, runs, "" if runs == "1" else "s") in shown,
                  "total as spoken: %r" % words)
            check((wickets == "0" and "%s, no wickets yet" % team in shown) or "%s, %s wicket%s" % (
                team, wickets, "" if wickets == "1" else "s") in shown, "wickets: %r" % words)
            batsman = "Player %s of %s, " % (match.group(2) or match.group(4), team)
            check(any(n.startswith(batsman) and n.endswith(" batting") for n in shown)
                  and batsman + "batting" in shown, "the batsman in: %r" % words)
            check(button.description == words, "the button describes the latest ball")
            check(len(set(shown)) == len(shown) and "" not in shown, "unique names: %s" % shown)
        check(balls[team] >= 11, "%s's innings has at least 11 balls" % team)
        find(box, pyatspi.ROLE_PUSH_BUTTON, "OK").queryAction().doAction(0)
        wait_for(lambda: not window(app, pyatspi.ROLE_ALERT), "box closed")

    # The play-again dialog is a dialog whose question comes first.
    dialog = wait_for(lambda: window(app, pyatspi.ROLE_DIALOG, "Play Again?"), "play-again")
    check(dialog[0].getRole() == pyatspi.ROLE_LABEL
          and dialog[0].name == "Do you want to play again?", "question first: %s" % dialog[0])

    # Hidden labels are silent: every event comes from something shown, but a hide or blur.
    unshown = [e for e in events if not e[4] and not (e[0].startswith("object:state-changed")
                                                      and e[1] == 0)]
    check(not unshown, "events from unshown objects: %s" % unshown[:5])
    check(any(e[0] == "object:property-change:accessible-name" for e in events), "names told")
finally:
    program.terminate()
    errors = program.communicate(timeout=TIMEOUT)[1]
    xvfb.terminate()
check("ValueInterface" not in errors, "no value events without a value: %s" % errors[-300:])
print("%d passed, %d failed" % (1 if not failures else 0, 1 if failures else 0))
sys.exit(1 if failures else 0)
