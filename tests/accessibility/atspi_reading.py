"""What the accessibility walks share: checks counted as they pass or fail,
waiting for the program, and a walk over its tree of nodes, as a screen
reader meets them."""
import sys
import time

results = {True: 0, False: 0}


def check(condition, what):
    results[bool(condition)] += 1
    print(("PASS  " if condition else "FAIL  ") + what)


def wait_for(find, seconds=10):  # the program answers on its own time
    deadline = time.time() + seconds
    while not (found := find()) and time.time() < deadline:
        time.sleep(0.1)
    return found


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def finish():
    """Prints '<n> passed, <m> failed' and exits 1 when a check failed."""
    print("%d passed, %d failed" % (results[True], results[False]))
    sys.exit(1 if results[False] else 0)
