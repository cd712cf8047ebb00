#!/usr/bin/python3
"""Lists the viewer's accessibility tree as a screen reader sees it and checks
that every control can be told apart. Run inside a session that has an X
display and the accessibility bus (see run_accessibility_check.sh)."""
import subprocess
import sys
import time

import pyatspi


def walk(node, depth=0, out=None):
    out = [] if out is None else out
    try:
        out.append((depth, node.getRoleName(), node.name or "", node.description or ""))
        for child in node:
            if child is not None:
                walk(child, depth + 1, out)
    except Exception:
        pass
    return out


def find_app(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == name:
                return app
        time.sleep(0.5)
    return None


def main():
    viewer = subprocess.Popen([sys.argv[1]])
    try:
        app = find_app("orvant")
        if app is None:
            print("FAIL: the viewer did not appear on the accessibility bus")
            return 1
        time.sleep(1.0)
        nodes = walk(app)
        for depth, role, name, description in nodes:
            print("  " * depth + f"{role}: {name!r} {description!r}")
        failures = []

        def expect(condition, what):
            if not condition:
                failures.append(what)

        names = [(role, name, description) for _, role, name, description in nodes]
        expect(app.name == "ORVANT" and any(n == "ORVANT" for _, n, _ in names[1:2]),
               "main window named ORVANT")
        for caption in ["DATA", "Parameter", "CH 1 VOLTS/DIV", "BYTE COUNT", "Next Color"]:
            expect(any(r == "label" and n == caption for r, n, _ in names),
                   f"label speaks its text {caption!r}")
        for caption in ["Clear Window", "Export Data", "Show Background", "Exit Program",
                        " COLOR 1"]:
            expect(any(r == "radio button" and n == caption for r, n, _ in names),
                   f"option speaks its caption {caption!r}")
        expect(any(d == "CH 1 VOLTS/DIV" and r == "label" for r, _, d in names),
               "value label describes its parameter")
        expect(any(n == "Curve plot" and "0 curves" in d for _, n, d in names),
               "plot named and described with its curve count")
        expect(any(n == "Next Color indicator" for _, n, _ in names), "colour indicator named")
        expect(any(n == "Path:" and r == "text" for r, n, _ in names), "path text named by its label")
        for failure in failures:
            print("FAIL:", failure)
        print(f"{len(nodes)} accessible objects, {len(failures)} failures")
        return 1 if failures else 0
    finally:
        viewer.terminate()
        viewer.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
