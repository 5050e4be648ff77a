"""The fuzzer's seed walks (tests/fuzz/corpus) as runner scripts: each event
of the format in tests/fuzz/firmware_events.h becomes the runner commands
that do the same, with a picture of the display after every event that ran
passes, and the texts and a few values at the end."""
import pathlib

KEYS = ["left", "right", "press", "plus", "minus"]
SLIDERS = [("flow1", 65535), ("level1", 4096), ("flow2", 65535), ("level2", 4096), ("pressure", 4096)]
PASS_BUDGET = 1000  # the replay stops quietly after this many passes


class Walk:
    def __init__(self, data):
        self.data, self.at = data, 0
        self.lines = ["on"]
        self.running, self.passes, self.shots = True, 0, 0

    def next(self):
        byte = self.data[self.at] if self.at < len(self.data) else 0
        self.at += 1
        return byte

    def passes_left(self):
        return self.passes < PASS_BUDGET

    def run_passes(self, n):
        n = min(n, PASS_BUDGET - self.passes) if self.running else 0
        if n > 0:
            self.passes += n
            self.lines.append(f"pass {n}")
        return n

    def key_then_pass(self, arg):
        self.lines.append(f"key {KEYS[arg % 5]}")
        return self.run_passes(1)

    def event(self):
        opcode = self.next()
        kind, arg = opcode >> 5, opcode & 0x1F
        ran = 0
        if kind == 0:
            ran = self.key_then_pass(arg)
        elif kind == 1:
            for _ in range(self.next() % 64 + 1):
                if not self.passes_left():
                    break
                ran += self.key_then_pass(arg)
        elif kind == 2:
            ran = self.run_passes(arg + 1)
        elif kind == 3:
            self.lines.append(f"tick {arg + 1}")
        elif kind == 4:
            name, maximum = SLIDERS[arg % 5]
            raw = self.next() | self.next() << 8
            self.lines.append(f"slider {name} {raw % (maximum + 1)}")
        elif kind == 5:
            self.lines.append("vrax " + ("on" if arg & 1 else "off"))
        elif kind == 6:
            self.running = bool(arg & 1)
            self.lines.append("on" if self.running else "off")
        else:
            self.lines.append(f"key {KEYS[arg % 5]}")
        if ran:
            self.shots += 1
            self.lines.append(f"shot event{self.shots:04d}.png")

    def script(self):
        while self.at < len(self.data) and self.passes_left():
            self.event()
        self.lines += ["texts", "print currentScreen pendingKey fuelConfig alarmFlags showTotals"]
        return "\n".join(self.lines) + "\n"


def write_scripts(corpus, folder):
    """One script a seed, named after it; returns their paths."""
    folder.mkdir(parents=True, exist_ok=True)
    paths = []
    for seed in sorted(pathlib.Path(corpus).iterdir()):
        path = folder / f"{seed.name}.qs9"
        path.write_text(Walk(seed.read_bytes()).script())
        paths.append(path)
    return paths
