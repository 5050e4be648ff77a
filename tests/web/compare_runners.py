#!/usr/bin/python3
"""The browser edition's runner against qs9-script, byte for byte: every
runner script of the project, the fuzzer's seed walks as scripts and a few
scripts with faults run through both; standard output, standard error, exit
status and every picture's pixels must be the same.
    tests/web/compare_runners.py BUILD_DIR WEB_BUILD_DIR"""
import pathlib
import subprocess
import sys
import tempfile

from PIL import Image

import seed_walks

ROOT = pathlib.Path(__file__).resolve().parents[2]

# Faults the runner reports, and lines it reads in unusual shapes.
FAULT_SCRIPTS = {
    "unknown-command": "on\npass\njump\nshot never.png\n",
    "pass-while-off": "pass\n",
    "slider-out-of-range": "slider level1 4097\n",
    "number-too-large": "tick 99999999999\n",
    "bad-number": "pass 1x\n",
    "unknown-name": "print settings.nothing\n",
    "index-out-of-range": "print settings.tank1Cal[99]\n",
    "pixel-out-of-range": "on\npass\npixel 160 0\n",
    "too-many-arguments": "on extra\n",
    "missing-argument": "key\n",
    "unknown-key": "key jump\n",
    "carriage-returns-tabs-comments": "on\r\n\tpass 3 # three\r\n  texts\r\nprint alarmFlags",
    "nul-byte": "on\npass\nprint pending\0Key\n",
    "not-utf8": "on\nprint caf\xe9\n",
    "empty": "",
}


def project_scripts():
    return sorted(p for d in ("tests", "tools") for p in (ROOT / d).rglob("*.qs9"))


def write_fault_scripts(folder):
    folder.mkdir(parents=True, exist_ok=True)
    paths = []
    for name, text in FAULT_SCRIPTS.items():
        path = folder / f"{name}.qs9"
        path.write_bytes(text.encode("latin-1"))
        paths.append(path)
    return paths


def run_native(qs9_script, script, folder):
    folder.mkdir(parents=True)
    done = subprocess.run([qs9_script, script], cwd=folder, capture_output=True)
    pictures = {p.name: Image.open(p).convert("RGB").tobytes() for p in folder.glob("*.png")}
    return done.stdout, done.stderr, done.returncode, pictures


def read_web(folder):
    pictures = {p.name[: -len(".rgb")]: p.read_bytes() for p in (folder / "pictures").iterdir()}
    status = int((folder / "status").read_text())
    return (folder / "stdout").read_bytes(), (folder / "stderr").read_bytes(), status, pictures


def differences(native, web):
    found = [what for what, a, b in zip(("stdout", "stderr", "status"), native, web) if a != b]
    if native[3].keys() != web[3].keys():
        found.append(f"pictures {sorted(native[3])} != {sorted(web[3])}")
    else:
        found += [f"picture {n}" for n in native[3] if native[3][n] != web[3][n]]
    return found


def walk_faults(script, native):
    """A seed walk ends on the screen it is named after, as its replay does."""
    screen = script.name.split("--")[0]
    if native[2] != 0 or f"currentScreen = {screen}\n".encode() not in native[0]:
        return [f"the walk does not end on {screen}"]
    return []


def main(build, web_build):
    qs9_script = pathlib.Path(build, "tools", "qs9-script").resolve()
    site = pathlib.Path(web_build, "site").resolve()
    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        scripts = (project_scripts()
                   + seed_walks.write_scripts(ROOT / "tests/fuzz/corpus", work / "seed-walks")
                   + write_fault_scripts(work / "faults"))
        subprocess.run(["node", ROOT / "tests/web/run_scripts.mjs", site, work / "web", *scripts], check=True)
        failures, pictures = 0, 0
        for index, script in enumerate(scripts):
            native = run_native(qs9_script, script, work / "native" / str(index))
            found = differences(native, read_web(work / "web" / str(index)))
            if script.parent.name == "seed-walks":
                found += walk_faults(script, native)
            pictures += len(native[3])
            if found:
                failures += 1
                print(f"DIFFERENT {script.name}: {', '.join(found)}")
        print(f"{len(scripts)} scripts, {pictures} pictures: "
              + (f"{failures} different" if failures else "identical in both runners"))
        return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
