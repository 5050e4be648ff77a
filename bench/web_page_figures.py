#!/usr/bin/python3
"""The browser page's figures in headless Chromium from a local server, each
beside its baseline: load to the first drawn frame against a blank page's
load; the CPU of an empty page that asks for one animation frame after
another, and of the page's renderer (the renderer processes there are
once the page is open) with the instrument off (the timer alone), running,
and running in a hidden tab, and of all Chromium's processes; running at
the "Real time" pace against the "Instrument loop" pace, alternately ROUNDS
times each; the page weight against its budget. Medians over ROUNDS.
    bench/web_page_figures.py SITE_DIR [ROUNDS] [SECONDS]"""
import os
import pathlib
import statistics
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests" / "web"))
from local_chromium import serve, start_chromium  # noqa: E402

BUDGET = 700_000  # bytes: 700 KB of 1,000 bytes, with room for the lessons and the learner's aids


def children():
    """Parent pid -> child pids, from /proc."""
    tree = {}
    for stat in pathlib.Path("/proc").glob("[0-9]*/stat"):
        try:
            fields = stat.read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue
        tree.setdefault(int(fields[1]), []).append(int(stat.parent.name))
    return tree


def descendants(pid):
    tree, found, todo = children(), [], [pid]
    while todo:
        for child in tree.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def cpu_seconds(pids):
    total = 0
    for pid in pids:
        try:
            fields = pathlib.Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except OSError:
            pass
    return total / os.sysconf("SC_CLK_TCK")


def is_renderer(pid):
    try:
        return b"--type=renderer" in pathlib.Path(f"/proc/{pid}/cmdline").read_bytes()
    except OSError:
        return False


def page_renderers(driver):
    return [p for p in descendants(driver.service.process.pid) if is_renderer(p)]


def cpu_shares(driver, seconds, renderers):
    """% of one core over `seconds`: the page's renderers, and all of Chromium."""
    everything = descendants(driver.service.process.pid)
    before = cpu_seconds(renderers), cpu_seconds(everything)
    time.sleep(seconds)
    after = cpu_seconds(renderers), cpu_seconds(everything)
    return [100 * (a - b) / seconds for a, b in zip(after, before)]


def pace_shares(driver, seconds, renderers, rounds):
    """Median CPU shares and frames a second at the instrument loop pace
    (pace-0) and at Real time (pace-1), measured alternately."""
    shares = {0: [], 1: []}
    for _ in range(rounds):
        for pace in shares:
            driver.execute_script(f"document.getElementById('pace-{pace}').click()")
            time.sleep(0.5)
            frames = driver.execute_script("return qs9.passes()")
            share = cpu_shares(driver, seconds, renderers)
            rate = (driver.execute_script("return qs9.passes()") - frames) / seconds
            shares[pace].append(share + [rate])
    return {pace: [statistics.median(column) for column in zip(*rows)] for pace, rows in shares.items()}


def page_weight(site):
    sizes = {p.name: p.stat().st_size for p in pathlib.Path(site).iterdir() if p.is_file()}
    return sum(sizes.values()), sizes


def main(site, rounds=3, seconds=5):
    rounds, seconds = int(rounds), float(seconds)
    root = tempfile.TemporaryDirectory()
    pathlib.Path(root.name, "qs9").symlink_to(pathlib.Path(site).resolve())
    pathlib.Path(root.name, "blank.html").write_text("<!doctype html><title>blank</title>")
    pathlib.Path(root.name, "frames.html").write_text(
        "<!doctype html><script>const frame = () => requestAnimationFrame(frame); frame();</script>")
    server, origin = serve(root.name)
    profile = tempfile.TemporaryDirectory()
    driver = start_chromium(profile.name)
    wait = "const done = arguments[0]; qs9.ready.then(() => requestAnimationFrame(() => done("
    try:
        loads, blanks = [], []
        for n in range(rounds):
            driver.get(origin + "qs9/")
            loads.append(driver.execute_async_script(
                wait + "performance.getEntriesByName('qs9-first-frame')[0].startTime)))"))
            if n == 0:
                first = loads[0]
                driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
            driver.get(origin + "blank.html")
            blanks.append(driver.execute_script("return performance.getEntriesByType('navigation')[0].loadEventEnd"))
        print(f"load to the first drawn frame: first visit {first:.0f} ms; later visits median "
              f"{statistics.median(loads[1:] or loads):.0f} ms (blank page's load: {statistics.median(blanks):.0f} ms)")

        driver.get(origin + "frames.html")
        time.sleep(1)
        frames = cpu_shares(driver, seconds, page_renderers(driver))
        driver.get(origin + "qs9/")
        driver.execute_async_script(wait + "0)))")
        renderers = page_renderers(driver)
        off = cpu_shares(driver, seconds, renderers)
        driver.execute_script("qs9.slider('pressure', 2000); qs9.slider('level1', 600); qs9.power(true)")
        passes = driver.execute_script("return qs9.passes()")
        on = cpu_shares(driver, seconds, renderers)
        rate = (driver.execute_script("return qs9.passes()") - passes) / seconds
        paced = pace_shares(driver, seconds, renderers, rounds)
        page = driver.current_window_handle
        driver.switch_to.new_window("tab")
        time.sleep(1)  # the new tab's own start
        hidden = cpu_shares(driver, seconds, renderers)
        driver.close()
        driver.switch_to.window(page)
        print(f"CPU, % of one core over {seconds:.0f} s (page's renderer / all of Chromium):")
        print(f"  empty page, one animation frame after another: {frames[0]:.1f} / {frames[1]:.1f}")
        print(f"  instrument off (timer only): {off[0]:.1f} / {off[1]:.1f}")
        print(f"  instrument running, {rate:.0f} passes/s: {on[0]:.1f} / {on[1]:.1f}")
        print(f"  instrument running, tab hidden: {hidden[0]:.1f} / {hidden[1]:.1f}")
        print(f"  side by side, alternately, median of {rounds}:")
        for pace, label in ((0, "Instrument loop"), (1, "Real time")):
            share = paced[pace]
            print(f"    pace {label}, {share[2]:.0f} frames/s: {share[0]:.1f} / {share[1]:.1f}")
    finally:
        driver.quit()
        server.shutdown()
        root.cleanup()
        profile.cleanup()
    total, sizes = page_weight(site)
    largest = ", ".join(f"{n} {s / 1000:.0f}" for n, s in sorted(sizes.items(), key=lambda i: -i[1])[:3])
    print(f"page weight: {total / 1000:.0f} KB ({total} bytes) in {len(sizes)} files (budget {BUDGET / 1000:.0f} KB); "
          f"largest: {largest} KB")


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3, 4):
        sys.exit(__doc__)
    main(*sys.argv[1:])
