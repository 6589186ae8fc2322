#!/usr/bin/python3
"""Measures the calculator against the baseline window in one run and prints
a table of medians with the budgets. Usage: measure.py <build folder> <repeats>"""
import os
import statistics
import subprocess
import sys
import time

build = sys.argv[1]
repeats = int(sys.argv[2]) if len(sys.argv) > 2 else 15
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
calculator = os.path.join(build, "bench", "bench_startup_calculator")
baseline = os.path.join(build, "bench", "bench_startup_baseline")
ticks = os.path.join(build, "bench", "bench_tick")
program = os.path.join(build, "app", "torvane")


def first_paint_ms(program):
    start = time.perf_counter()
    child = subprocess.Popen([program, "--first-paint"], stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, env=env)
    line = child.stdout.readline()
    elapsed = (time.perf_counter() - start) * 1000
    child.wait()
    if line.strip() != b"painted":
        raise RuntimeError(program + " did not paint")
    return elapsed


def cpu_seconds(pid):
    """CPU time of all the process's threads, from the scheduler's nanosecond
    counters (/proc/<pid>/stat counts in 10 ms steps, too coarse for an idle
    program)."""
    total = 0
    for task in os.listdir("/proc/%d/task" % pid):
        with open("/proc/%d/task/%s/schedstat" % (pid, task)) as schedstat:
            total += int(schedstat.read().split()[0])
    return total / 1e9


def peak_rss_mb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return 0.0


def idle(program, seconds=10):
    """CPU share (percent of one core) over `seconds` of idle ticking, and peak RSS."""
    child = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             env=env)
    time.sleep(1.0)  # start-up is not idle time
    cpu_before, wall_before = cpu_seconds(child.pid), time.perf_counter()
    time.sleep(seconds)
    cpu = cpu_seconds(child.pid) - cpu_before
    wall = time.perf_counter() - wall_before
    rss = peak_rss_mb(child.pid)
    child.kill()
    child.wait()
    return 100.0 * cpu / wall, rss


def median_of_pairs(measure, repeats):
    """Alternates calculator and baseline so that drift hits both alike."""
    ours, theirs = [], []
    for i in range(repeats):
        pair = [(calculator, ours), (baseline, theirs)]
        for program, into in (pair if i % 2 == 0 else reversed(pair)):
            into.append(measure(program))
    return ours, theirs


def instructions(arguments):
    """Instructions a run executes, counted by callgrind: the same on every
    machine and every run, so that a regression shows through the noise."""
    result = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"]
                            + arguments, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                            env=env, text=True)
    for line in result.stderr.splitlines():
        if "Collected :" in line:
            return int(line.split()[-1])
    raise RuntimeError("callgrind counted nothing: " + " ".join(arguments))


rows = []

ours, theirs = median_of_pairs(first_paint_ms, repeats)
ratio = statistics.median(ours) / statistics.median(theirs)
rows.append(("start-up to first paint", "%.1f ms" % statistics.median(ours),
             "%.1f ms" % statistics.median(theirs), "<= 1.15 x baseline (%.2f x)" % ratio,
             ratio <= 1.15))

out = subprocess.run([ticks, "10"], capture_output=True, text=True, env=env, check=True).stdout
values = dict(line.split() for line in out.splitlines())
tick_ns, picked_ns, paints = float(values["tick_ns"]), float(values["picked_tick_ns"]), int(values["idle_paints"])
rows.append(("full tick, nothing changed", "%.2f us" % (tick_ns / 1000), "-", "< 20 us", tick_ns < 20000))
rows.append(("paint events, 10 s idle", "%d" % paints, "-", "0", paints == 0))
rows.append(("tick after a new row", "%.2f us" % (picked_ns / 1000), "-", "< 50 us", picked_ns < 50000))

idle_repeats = max(1, repeats // 5)
ours, theirs = median_of_pairs(idle, idle_repeats)
cpu_ours = statistics.median(c for c, _ in ours)
cpu_theirs = statistics.median(c for c, _ in theirs)
rss_ours = statistics.median(r for _, r in ours)
rss_theirs = statistics.median(r for _, r in theirs)
rows.append(("idle CPU, 10 s", "%.3f %%" % cpu_ours, "%.3f %%" % cpu_theirs,
             "<= baseline + 0.05 points", cpu_ours <= cpu_theirs + 0.05))
rows.append(("peak memory (RSS)", "%.1f MB" % rss_ours, "%.1f MB" % rss_theirs,
             "<= baseline + 5 MB", rss_ours <= rss_theirs + 5))


def write_unclosed_quote(circuits):
    """A schedule whose second line opens a quote it never closes: one field
    of the whole file, as one stray quote in a note makes it."""
    import tempfile
    with tempfile.NamedTemporaryFile("w", suffix=".csv", delete=False) as schedule:
        schedule.write("circuit,load,notes\n")
        schedule.write('C-0,20,"a stray quote\n')
        for i in range(1, circuits):
            schedule.write("C-%d,%.2f,note %d\n" % (i, 1 + (i * 7) % 450, i))
    return schedule.name


def write_schedule(circuits, with_runs, with_design=False, with_motors=False,
                   with_raceways=False):
    """A schedule file of the given number of circuits, varied over every
    condition; with runs, each circuit has a length, a voltage and a system,
    so its drop is checked; with design, a breaker (given, chosen or none),
    continuous or not, and one, two or the fewest parallel sets; with motors,
    a third of the rows a motor in horsepower at 208, 480 or 600 V three-phase
    (Table 44), with its breaker or fuse chosen; with raceways, each row's
    raceway type and, on half of them, a wire type and a neutral (Rule
    12-910). Gives its name; the caller removes it."""
    import random
    import tempfile
    rng = random.Random(7)
    with tempfile.NamedTemporaryFile("w", suffix=".csv", delete=False) as schedule:
        schedule.write("circuit,load,material,installation,insulation,ambient,conductors,"
                       "length,voltage,system,breaker,continuous,sets,notes%s\n"
                       % (",raceway,wire,neutral" if with_raceways else ""))
        for i in range(circuits):
            insulation = rng.choice(["60", "75", "90"])
            run = ("%.1f,%s,%s" % (rng.uniform(5, 120), rng.choice(["120", "208", "347", "600"]),
                                   rng.choice(["1ph", "3ph"]))) if with_runs else ",,"
            load = rng.uniform(1, 450)
            design = ("%s,%s,%s" % (rng.choice(["", "", "none", str(int(load / 0.8) + 10)]),
                                    rng.choice(["", "no"]), rng.choice(["", "2", "auto"]))
                      if with_design else ",no,")
            load_text = "%.2f" % load
            if with_motors and i % 3 == 0:
                load_text = rng.choice(["1/2", "3", "7-1/2", "10", "25", "50", "100", "200"]) + " hp"
                run = "%s,%s,3ph" % ("%.1f" % rng.uniform(5, 120) if with_runs else "",
                                     rng.choice(["208", "480", "600"]))
                design = "%s,,%s" % (rng.choice(["", "", "none"]), rng.choice(["", "2"]))
            raceway = ""
            if with_raceways:
                wire = rng.choice(["", "RW90", "T90"]) if insulation == "90" else ""
                raceway = ",%s,%s,%s" % (rng.choice(["emt", "rmc", "rigid-pvc", "hdpe-dr11"]), wire,
                                         rng.choice(["", "yes"]))
            schedule.write('C-%d,%s,%s,%s,%s,%s,%d,%s,%s,"feeder, panel %d"%s\n' % (
                i, load_text, rng.choice(["cu", "al"]), rng.choice(["raceway", "free-air"]),
                insulation, rng.choice(["", "30", "35", "40", "45", "50"]), rng.randint(1, 4), run,
                design, i % 40, raceway))
    return schedule.name


def schedule_seconds(circuits, runs, with_runs=False, with_memory=False, with_design=False,
                     unclosed=False, with_motors=False, with_raceways=False):
    """Times `torvane size --schedule` start to finish on a schedule."""
    name = (write_unclosed_quote(circuits) if unclosed
            else write_schedule(circuits, with_runs, with_design, with_motors, with_raceways))
    try:
        times = []
        peaks = []
        for _ in range(runs):
            start = time.perf_counter()
            child = subprocess.Popen([program, "size", "--schedule", name],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
            _, _, usage = os.wait4(child.pid, 0)
            times.append(time.perf_counter() - start)
            peaks.append(usage.ru_maxrss / 1024.0)  # kB to MB
        if with_memory:
            return statistics.median(times), statistics.median(peaks)
        return statistics.median(times)
    finally:
        os.unlink(name)


def schedule_window(circuits, runs, with_raceways=False):
    """The schedule window on a schedule with lengths: medians of its opening
    (from the program's start to the window painted, every row sized), of
    the worst of twenty edits re-sized and painted, and of its peak memory."""
    name = write_schedule(circuits, True, with_raceways=with_raceways)
    window_bench = os.path.join(build, "bench", "bench_schedule_window")
    try:
        opens, edits, peaks = [], [], []
        for _ in range(runs):
            child = subprocess.Popen([window_bench, name], stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL, env=env)
            out = child.stdout.read().decode()
            _, _, usage = os.wait4(child.pid, 0)
            values = dict(line.split() for line in out.splitlines())
            opens.append(float(values["open_ms"]))
            edits.append(float(values["edit_max_ms"]))
            peaks.append(usage.ru_maxrss / 1024.0)
        return statistics.median(opens), statistics.median(edits), statistics.median(peaks)
    finally:
        os.unlink(name)


circuits = 100000
seconds = schedule_seconds(circuits, 5)
rows.append(("schedule of 100,000 circuits", "%.2f s (%.0f circuits/s)" % (seconds, circuits / seconds),
             "-", "< 1 s", seconds < 1.0))
seconds = schedule_seconds(circuits, 5, with_runs=True)
rows.append(("the same with lengths (voltage drop)",
             "%.2f s (%.0f circuits/s)" % (seconds, circuits / seconds), "-", "< 1 s", seconds < 1.0))
seconds = schedule_seconds(circuits, 5, with_runs=True, with_design=True)
rows.append(("the same with breakers given and chosen, continuous loads and parallel sets",
             "%.2f s (%.0f circuits/s)" % (seconds, circuits / seconds), "-", "< 1 s", seconds < 1.0))
seconds = schedule_seconds(circuits, 5, with_runs=True, with_design=True, with_motors=True)
rows.append(("the same, a third of the circuits motors in horsepower",
             "%.2f s (%.0f circuits/s)" % (seconds, circuits / seconds), "-", "< 1 s", seconds < 1.0))
seconds = schedule_seconds(circuits, 5, with_runs=True, with_design=True, with_motors=True,
                           with_raceways=True)
rows.append(("the same, each circuit's raceway worked out (Rule 12-910)",
             "%.2f s (%.0f circuits/s)" % (seconds, circuits / seconds), "-", "< 1 s", seconds < 1.0))
million = 1000000
seconds, peak = schedule_seconds(million, 5, with_memory=True)
rows.append(("schedule of 1,000,000 circuits, read, sized and written row by row",
             "%.2f s (%.0f rows/s)" % (seconds, million / seconds), "-", ">= 500,000 rows/s",
             million / seconds >= 500000))
rows.append(("its peak memory (RSS)", "%.1f MB" % peak, "-", "< 100 MB", peak < 100))
seconds = schedule_seconds(million, 5, unclosed=True)
rows.append(("the same with an unclosed quote on line 2 (one field of the whole file)",
             "%.2f s" % seconds, "-", "linear: about the well-formed time", seconds < 3.0))

# Instructions, deterministic: a schedule's cost per row (20,000 rows of the
# bench schedule, less the same program on its header alone), and the
# strip's start-up to its first paint against the baseline window's.
counted = 20000
name = write_schedule(counted, False)
header_only = name + ".header.csv"
try:
    with open(name) as schedule, open(header_only, "w") as header:
        header.write(schedule.readline())
    per_row = (instructions([program, "size", "--schedule", name])
               - instructions([program, "size", "--schedule", header_only])) / counted
finally:
    os.unlink(name)
    os.unlink(header_only)
rows.append(("instructions per schedule row (callgrind, 20,000 rows)", "%.0f" % per_row, "-",
             "<= 7,000", per_row <= 7000))
paint_ours = instructions([calculator, "--first-paint"])
paint_theirs = instructions([baseline, "--first-paint"])
rows.append(("instructions to first paint (callgrind)", "%.1f M" % (paint_ours / 1e6),
             "%.1f M" % (paint_theirs / 1e6),
             "<= 1.10 x baseline (%.2f x)" % (paint_ours / paint_theirs),
             paint_ours <= 1.10 * paint_theirs))

open_ms, edit_ms, window_peak = schedule_window(10000, 5)
rows.append(("schedule window: 10,000 circuits opened, sized and painted", "%.0f ms" % open_ms,
             "-", "< 1 s", open_ms < 1000))
rows.append(("an edited cell re-sized and painted (worst of 20)", "%.1f ms" % edit_ms, "-",
             "< 50 ms", edit_ms < 50))
rows.append(("the window's peak memory (RSS)", "%.1f MB" % window_peak, "-", "-", True))
open_ms, edit_ms, window_peak = schedule_window(100000, 3, with_raceways=True)
rows.append(("schedule window: 100,000 circuits with raceways opened", "%.0f ms" % open_ms,
             "-", "< 1 s", open_ms < 1000))
rows.append(("its peak memory (RSS)", "%.1f MB" % window_peak, "-", "-", True))

header = ("measure", "calculator", "baseline", "budget", "")
widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(4)]
print("  ".join(h.ljust(w) for h, w in zip(header, widths)))
for row in rows:
    cells = [str(c).ljust(w) for c, w in zip(row[:4], widths)]
    print("  ".join(cells) + "  " + ("met" if row[4] else "MISSED"))
print("(medians: start-up of %d runs each, idle of %d runs of 10 s each, schedule of 5 runs)"
      % (repeats, idle_repeats))
sys.exit(0 if all(row[4] for row in rows) else 1)
