#!/usr/bin/python3
"""The browser edition's runner against qs9-script, byte for byte: every
runner script of the project, the fuzzer's seed walks as scripts and a few
scripts with faults run through both; standard output, standard error, exit
status and every picture's pixels must be the same. The pictures beside a
script (the references its compare lines read) lie beside it in both runs.
Some kinds of script differ by design, and their refusal is checked instead:
one that makes a movie (the browser edition makes no GIFs), one that
writes a picture into another folder (the browser keeps its pictures in
one folder), one that plays a track or keeps a flight log (it keeps no
other files) and one that takes a live flight (a page cannot listen for
UDP packets). A memory file ("memory FILE") is the run's own in both.
    tests/web/compare_runners.py BUILD_DIR WEB_BUILD_DIR"""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import urllib.parse

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
    # UTF-8 written as its bytes ("päss"): quoted back as the user typed it.
    "utf8-unknown-command": "on\np\xc3\xa4ss\n",
    "empty": "",
    "compare-with-written": "on\npass\ncompare ref.png\nshot ref.png\ncompare ref.png\n"
                            "slider pressure 2000\npass\ncompare ref.png\n",
    # The run's own memory file: kept across Off and On, then one that is no record.
    "memory-kept": "memory kept.mem\non\nslider pressure 2000\npass 2\n"
                   + "key press\npass 2\n" * 3 + "key plus\npass 2\nkey press\npass 2\n"  # FUEL SETUP's units
                   + "key left\npass 2\n" * 2 + "tick 10\noff\non\npass\nprint settings.units\n"
                   "memory again.mem\n",
}


def project_scripts():
    """Every script and lesson of the project but the seed walks, which run with pictures."""
    walks = ROOT / "tests/fuzz/walks"
    return sorted(p for d in ("tests", "tools", "lessons") for p in (ROOT / d).rglob("*.qs9") if p.parent != walks)


def write_fault_scripts(folder):
    folder.mkdir(parents=True, exist_ok=True)
    paths = []
    for name, text in FAULT_SCRIPTS.items():
        path = folder / f"{name}.qs9"
        path.write_bytes(text.encode("latin-1"))
        paths.append(path)
    return paths


REFUSED_BY_DESIGN = {
    "makes a movie": b"the browser edition makes no animated GIFs",
    "writes into a folder": b"the browser edition keeps pictures in one folder",
    "keeps a flight file": b"the browser edition keeps no files but pictures",
    "takes a live flight": b"the browser edition cannot listen for a flight simulator",
}


def given_pictures(script):
    return sorted(script.parent.glob("*.png"))


def write_given(script, folder):
    """The pictures beside the script, decoded for the WebAssembly run:
    NAME.rgb holds "WIDTH HEIGHT\n" and the RGB bytes."""
    folder.mkdir(parents=True)
    for picture in given_pictures(script):
        image = Image.open(picture).convert("RGB")
        header = f"{image.width} {image.height}\n".encode()
        (folder / f"{picture.name}.rgb").write_bytes(header + image.tobytes())


def run_native(qs9_script, script, folder):
    folder.mkdir(parents=True)
    given = {p.name for p in given_pictures(script)}
    for name in given:
        shutil.copy(script.parent / name, folder / name)
    done = subprocess.run([qs9_script, script], cwd=folder, capture_output=True)
    pictures = {p.name: Image.open(p).convert("RGB").tobytes()
                for p in folder.glob("*.png") if p.name not in given}
    return done.stdout, done.stderr, done.returncode, pictures


def refused_by_design(script):
    """What of the script the browser refuses by design, or None."""
    for line in script.read_bytes().splitlines():
        words = line.split()
        if words[:1] == [b"movie"]:
            return "makes a movie"
        if words[:1] in ([b"track"], [b"log"]) and words[1:2] not in ([b"off"], [b"end"]):
            return "keeps a flight file"
        if words[:1] == [b"live"] and words[1:2] != [b"off"]:
            return "takes a live flight"
        if words[:1] in ([b"shot"], [b"compare"]) and b"/" in b"".join(words[1:]):
            return "writes into a folder"
    return None


def read_web(folder, script):
    given = {p.name for p in given_pictures(script)}
    pictures = {name: p.read_bytes() for p in (folder / "pictures").iterdir()
                if (name := urllib.parse.unquote(p.name[: -len(".rgb")])) not in given}
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
                   + seed_walks.write_scripts(ROOT / "tests/fuzz/walks", work / "seed-walks")
                   + write_fault_scripts(work / "faults"))
        for index, script in enumerate(scripts):
            write_given(script, work / "web" / str(index) / "given")
        subprocess.run(["node", ROOT / "tests/web/run_scripts.mjs", site, work / "web", *scripts], check=True)
        failures, pictures, by_design = 0, 0, 0
        for index, script in enumerate(scripts):
            native = run_native(qs9_script, script, work / "native" / str(index))
            web = read_web(work / "web" / str(index), script)
            refused = refused_by_design(script)
            if refused:
                print(f"by design: {script.name} {refused}, which the browser refuses")
                by_design += 1
                found = [] if web[2] >= 1 and REFUSED_BY_DESIGN[refused] in web[1] else ["not refused"]
            else:
                found = differences(native, web)
            if script.parent.name == "seed-walks":
                found += walk_faults(script, native)
            pictures += len(native[3])
            if found:
                failures += 1
                print(f"DIFFERENT {script.name}: {', '.join(found)}")
        print(f"{len(scripts)} scripts ({by_design} refused by design), {pictures} pictures: "
              + (f"{failures} different" if failures else "identical in both runners"))
        return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
