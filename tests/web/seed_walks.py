"""The fuzzer's seed walks (tests/fuzz/walks) as the runners' scripts: each
walk with a picture of the display after every line that ran passes, and
the texts and a few values at the end."""
import pathlib


def script(walk):
    lines, shots = [], 0
    for line in walk.splitlines():
        lines.append(line)
        if line.split()[:1] == ["pass"]:
            shots += 1
            lines.append(f"shot event{shots:04d}.png")
    lines += ["texts", "print currentScreen pendingKey fuelConfig alarmFlags showTotals"]
    return "\n".join(lines) + "\n"


def write_scripts(walks, folder):
    """One script a walk, named after it; returns their paths."""
    folder.mkdir(parents=True, exist_ok=True)
    paths = []
    for walk in sorted(pathlib.Path(walks).glob("*.qs9")):
        path = folder / walk.name
        path.write_text(script(walk.read_text()))
        paths.append(path)
    return paths
