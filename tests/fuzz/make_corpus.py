#!/usr/bin/env python3
"""Writes the fuzzer's seed walks: runner scripts of inputs that walk from
the home screen into every screen. A walk "screen--what.qs9" ends on that
screen; the corpus replay test checks it, the fuzzer starts from the walks
made into its events (walk_events.h), and the browser tests run them in
both runners. Run from anywhere:
    tests/fuzz/make_corpus.py
"""
import pathlib

LEFT, RIGHT, PRESS, PLUS, MINUS = "left", "right", "press", "plus", "minus"


def key(k, times=1):
    """A click and a pass, `times` times (none for 0)."""
    return f"key {k}\npass 1\n" * times


def passes(n):
    return f"pass {n}\n"


def ticks(n):
    return f"tick {n}\n"


def slider(name, value):
    """A slider of the window's pages, by the runner's name."""
    return f"slider {name} {value}\n"


def box(name, checked):
    return f"box {name} {'on' if checked else 'off'}\n"


def set_input(name, value):
    """An input that no control drives, set by name."""
    return f"set {name} {value}\n"


def vrax(checked):
    return f"vrax {'on' if checked else 'off'}\n"


def power(on):
    return "on\n" if on else "off\n"


def key_only(k):
    return f"key {k}\n"


# Pressure in its normal band, so that no alarm takes the first knob press.
START = slider("pressure", 2000) + slider("level1", 600) + slider("flow1", 1234) + passes(2)
MAIN_MENU = START + key(PRESS)
FUEL_SETUP = MAIN_MENU + key(PRESS)
MISC_SETUP = MAIN_MENU + key(PLUS) + key(PRESS)


def misc(row):
    return MISC_SETUP + key(PLUS, row) + key(PRESS)


def fuel_row(row):
    """Knob press on a row of the fuel set-up list with the factory rows."""
    return FUEL_SETUP + key(PLUS, row) + key(PRESS)


def edit(steps):
    """Knob press, turns, knob press: one edit of the row under the cursor."""
    return key(PRESS) + steps + key(PRESS)


TANK1 = fuel_row(5)
TANK2_SENDER = fuel_row(6) + edit(key(PLUS))
PRESSURE = fuel_row(7)
SECURITY = misc(1)
LOCK_ON = SECURITY + edit(key(PLUS))
CHANGE_CODE = LOCK_ON + key(PLUS) + key(PRESS)


def code(digits):
    out = ""
    for d in digits:
        out += key(PLUS, d) + key(PRESS)
    return out


MANUAL_CAL = TANK1 + key(PLUS, 6) + key(PRESS) + edit(key(PLUS))
USER_CURVE = PRESSURE + key(PLUS) + edit(key(PLUS)) + key(PLUS) + key(PRESS)
# Back home with tank 1 CALCULATED: its low-fuel alarm takes the first key there.
TANK1_CALCULATED = TANK1 + edit(key(PLUS)) + key(LEFT) + key(LEFT) + key(LEFT) + key(RIGHT)

WALKS = {
    "homeScreen--start": START,
    "homeScreen--alarm-acknowledged": slider("pressure", 0) + ticks(30) + passes(4) + key(PRESS) + ticks(25) + passes(2),
    "homeScreen--power-cycled": START + key(PRESS) + power(False) + ticks(5) + key_only(PRESS) + power(True) + passes(3),
    "homeScreen--vrax-source": fuel_row(9) + key(PLUS) + edit(key(PLUS)) + key(LEFT) + key(LEFT) + vrax(False) + passes(4) + vrax(True) + ticks(31) + passes(4),
    "homeScreen--both-flows": fuel_row(3) + edit(key(PLUS)) + key(LEFT) + key(LEFT) + slider("flow2", 4000) + ticks(31) + passes(8) + key(PLUS) + key(MINUS),
    "mainMenuScreen--pages": MAIN_MENU + key(PLUS, 4) + key(MINUS, 2),
    "fuelSetupScreen--units-and-kfactor": FUEL_SETUP + edit(key(PLUS, 3)) + key(PLUS, 2) + key(RIGHT, 2) + edit(key(PLUS, 3) + key(MINUS, 10)),
    "fuelSetupScreen--injector": FUEL_SETUP + key(PLUS, 4) + edit(key(PLUS)) + key(PLUS) + edit(key(PLUS)),
    "fuelSetupScreen--wrap-list": FUEL_SETUP + key(PLUS, 12) + key(MINUS, 15),
    "tank1SetupScreen--levels": TANK1 + key(PLUS) + key(RIGHT) + edit(key(PLUS, 100)) + key(PLUS) + edit(key(MINUS, 7)) + key(PLUS, 2) + edit(key(PLUS, 5)),
    "tank1SetupScreen--off": TANK1 + edit(key(PLUS, 2)) + key(PLUS, 3),
    "tank2SetupScreen--sender": TANK2_SENDER + key(PLUS, 8) + edit(key(PLUS)),
    "tank1CalibrationScreen--capture": TANK1 + key(PLUS, 6) + key(PRESS) + key(PLUS, 2) + slider("level1", 4096) + passes(3) + key(PRESS) + slider("level1", 0) + key(PLUS) + key(PRESS),
    "tank1CalibrationScreen--manual": MANUAL_CAL + key(PLUS, 6) + key(RIGHT, 3) + edit(key(PLUS, 5) + key(MINUS, 11)),
    "tank2CalibrationScreen--open": TANK2_SENDER + key(PLUS, 6) + key(PRESS) + key(PLUS, 3),
    "slopeErrorScreen--points-crossed": MANUAL_CAL + key(PLUS, 3) + key(RIGHT, 3) + edit(key(PLUS)) + key(LEFT),
    "tank1CalibrationScreen--after-slope-error": MANUAL_CAL + key(PLUS, 3) + key(RIGHT, 3) + edit(key(PLUS)) + key(LEFT) + key(PRESS),
    "tank1SetupScreen--calibration-passed": MANUAL_CAL + key(PLUS) + edit(key(PLUS)) + key(LEFT),
    "pressureSetupScreen--limits": PRESSURE + key(PLUS, 3) + edit(key(MINUS)) + key(PLUS) + key(RIGHT, 2) + edit(key(PLUS, 12)) + key(PLUS, 6) + edit(key(MINUS, 4)),
    "pressureSetupScreen--display-off": PRESSURE + edit(key(PLUS)) + key(PLUS, 3) + key(MINUS),
    "pressureSetupScreen--after-curve": USER_CURVE + key(LEFT),
    "senderCalibrationScreen--points": USER_CURVE + edit(key(PLUS, 12)) + key(PLUS) + key(RIGHT) + edit(key(PLUS, 101)) + key(PLUS) + key(RIGHT, 3) + edit(key(MINUS, 2)),
    "fuelSetupScreen--after-pressure": PRESSURE + key(LEFT),
    "miscSetupScreen--rows": MISC_SETUP + key(PLUS, 5) + key(MINUS, 3),
    "backlightScreen--manual": misc(0) + key(MINUS, 12) + key(PLUS, 3),
    "backlightScreen--auto": misc(0) + edit(key(PLUS)) + key(PLUS) + key(RIGHT) + edit(key(PLUS, 5)) + key(PLUS) + edit(key(MINUS, 11)) + key(PLUS) + edit(key(PLUS, 3)),
    "securitySetupScreen--lock-on": LOCK_ON + key(PLUS, 3),
    "currentCodeScreen--open": CHANGE_CODE + key(PLUS, 2),
    "codeMessageScreen--code-changed": CHANGE_CODE + code([8, 0, 5, 2]) + code([1, 2, 3, 4]) + code([1, 2, 3, 4]),
    "codeMessageScreen--wrong-code": CHANGE_CODE + code([1, 1, 1, 1]),
    "newCodeScreen--master-code-accepted": CHANGE_CODE + code([7, 3, 9, 1]) + key(PLUS, 2) + key(PRESS),
    "confirmCodeScreen--open": CHANGE_CODE + code([7, 3, 9, 1]) + code([9, 9, 9, 9]),
    "securityCodeScreen--locked": LOCK_ON + key(LEFT) + key(LEFT) + key(LEFT) + key(PRESS) + key(PLUS, 8),
    "mainMenuScreen--unlocked": LOCK_ON + key(LEFT) + key(LEFT) + key(LEFT) + key(PRESS) + code([8, 0, 5, 2]),
    "infoScreen--open": misc(2) + key(PLUS) + key(RIGHT),
    "defaultSettingsScreen--open": misc(3),
    "messageScreen--defaults-loaded": FUEL_SETUP + edit(key(PLUS)) + key(LEFT) + key(PLUS) + key(PRESS) + key(PLUS, 3) + key(PRESS) + key(RIGHT),
    "valuesScreen--open": MAIN_MENU + key(PLUS, 2) + key(PRESS) + slider("level2", 3000) + passes(3),
    "cruiseSpeedScreen--digits": START + key(LEFT) + key(PLUS, 3) + key(PRESS) + key(MINUS, 4),
    "homeScreen--cruise-speed-entered": START + key(LEFT) + key(PLUS) + key(LEFT),
    "fuelLevel1Screen--calculated-tank": TANK1_CALCULATED + key(RIGHT) + key(PLUS, 2),
    "fuelLevel2Screen--both-calculated": TANK1 + edit(key(PLUS)) + key(LEFT) + key(PLUS) + key(PRESS) + edit(key(PLUS, 2)) + key(LEFT, 3) + key(RIGHT, 3) + key(LEFT),
    "homeScreen--totals-page": START + ticks(31) + passes(20) + key(PLUS) + key(LEFT) + key(MINUS),
    "homeScreen--key-slot-full": START + key_only(PLUS) + key_only(PRESS) + passes(2),
    "homeScreen--ground-speed": START + box("gpsvalid", True) + slider("gps", 135) + ticks(31) + passes(3),
    "homeScreen--vrax-inputs": fuel_row(9) + key(PLUS) + edit(key(PLUS)) + key(LEFT) + key(LEFT) + slider("vraxlevel1", 600) + slider("vraxpressure", 2500) + slider("loop", 1200) + passes(4),
    "infoScreen--can-devices": set_input("canDeviceC", 1) + set_input("canDeviceA", 1) + misc(2),
    "backlightScreen--light-sensor": misc(0) + edit(key(PLUS)) + slider("light", 3000) + passes(3),
}


def main():
    walks = pathlib.Path(__file__).resolve().parent / "walks"
    walks.mkdir(exist_ok=True)
    for old in walks.glob("*.qs9"):
        old.unlink()
    for name, walk in WALKS.items():
        (walks / f"{name}.qs9").write_text(f"# seed walk {name}: made by make_corpus.py\non\n{walk}")
    print(f"{len(WALKS)} walks in {walks}")


if __name__ == "__main__":
    main()
