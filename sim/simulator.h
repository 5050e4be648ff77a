/* The QS-9 simulator's one crossing between the instrument's firmware and a
 * host: the window, the scripted runner, the fuzzer, the benchmarks, the
 * browser page. Plain C types only, so C, C++, WebAssembly and other
 * languages call it as it stands. Single-threaded: call it from one thread.
 *
 * Order of calls, as a host drives the instrument:
 *   program start   qs9ProgramStart() first: every firmware value at its
 *                   starting value, instrument off, display black.
 *   power-on        qs9PowerOn() ("On"): factory settings, totals cleared.
 *   main loop       while qs9MainLoopRuns(): qs9Pass(), then show
 *                   qs9FrameBuffer() through qs9Palette(), then handle the
 *                   user's input. qs9PowerOff() ("Off") ends the loop.
 *   between passes  qs9PostKey(), qs9SetInput() and qs9Tick() (every
 *                   100 ms, on or off); never during a pass.
 * Keys, inputs and ticks are taken while the instrument is off too: a key
 * waits in its slot until "On" clears it, an input keeps its value across
 * power cycles.
 *
 * The instrument memory (below) is off from program start: every On then
 * starts from the factory settings, as the order above says.
 *
 * Functions that can fail return a status: QS9_OK (0) or a negative
 * QS9_ERROR_...; the named-value calls also leave a message for the user in
 * qs9LastError(). Nothing is thrown across this boundary. */
#ifndef QS9_SIM_SIMULATOR_H
#define QS9_SIM_SIMULATOR_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum {
    QS9_OK = 0,
    QS9_KEY_DROPPED = 1,        /* the key slot was full: the key is lost */
    QS9_CLAMPED = 2,            /* done, with a value brought within what it can be */
    QS9_ERROR_UNKNOWN = -1,     /* no key, input or value of that name */
    QS9_ERROR_RANGE = -2,       /* a value or index outside its range */
    QS9_ERROR_NOT_NUMBER = -3,  /* the value is a screen, not a number */
    QS9_ERROR_READ_ONLY = -4,   /* a constant of the firmware */
    QS9_ERROR_NO_ROOM = -5,     /* the caller's text buffer is too small */
    QS9_ERROR_NOT_SETTABLE = -6, /* neither a setting nor an input a host sets */
    QS9_ERROR_NOT_READ = -7     /* the current set-up does not read that sender */
};

/* ---- power cycle and main loop ---- */

/* Program start: every firmware value at its starting value, the home
 * screen installed, the VRAX box checked, the display black. */
void qs9ProgramStart(void);
/* "On": the power-on sequence (factory settings, totals, alarms and the
 * key slot cleared, the home screen). The main loop runs from here. */
void qs9PowerOn(void);
/* "Off", closing the window: the stop flag; the loop ends at its next test. */
void qs9PowerOff(void);
/* The stop flag as the main loop tests it before each pass: 1 (run) from
 * qs9PowerOn until qs9PowerOff, 0 after. It reads 1 before the first
 * power-on too: a host enters its loop only from qs9PowerOn. */
int qs9MainLoopRuns(void);
/* One main-loop pass: sample the VRAX box, measure tanks, flow and
 * pressure, clear the frame buffer and let the current screen draw it and
 * take the pending key. */
void qs9Pass(void);
/* A pass without the flow step: the VRAX box sampled, both tanks and the
 * pressure measured, the pressure alarm dropped while the pressure display
 * is off, the frame buffer cleared and the current screen drawn with the
 * pending key, in qs9Pass's order. Flow rates, fuel used, calculated tanks,
 * range and endurance stay as they are. The flow step counts one 4-second
 * measurement period each time it runs, so a host that keeps instrument
 * time makes one qs9Pass per period (QS9_TICKS_PER_PERIOD ticks) and
 * qs9PassWithoutFlow for every frame between. */
void qs9PassWithoutFlow(void);
/* The timer ticks (100 ms each) in one 4-second measurement period. */
enum { QS9_TICKS_PER_PERIOD = 40 };
/* The measuring steps of a pass alone, without drawing (benchmarks). */
void qs9Measure(void);
/* One tick of the instrument's 100 ms timer: blink phase, alarm hold-off
 * and the status line's cycle. */
void qs9Tick(void);

/* ---- front-panel keys ---- */

enum {
    QS9_KEY_NONE = 0,
    QS9_KEY_LEFT = 1,   /* left push button */
    QS9_KEY_RIGHT = 2,  /* right push button */
    QS9_KEY_PRESS = 3,  /* knob pressed */
    QS9_KEY_PLUS = 4,   /* knob turned "+" */
    QS9_KEY_MINUS = 5   /* knob turned "-" */
};

/* A control's place in the window's client area, or in its page, pixels. */
typedef struct Qs9Rect {
    int16_t left, top, width, height;
} Qs9Rect;

typedef struct Qs9Key {
    uint8_t key;            /* QS9_KEY_... */
    const char* name;       /* "left": the runner's name for it */
    const char* control;    /* the window's control that makes it, "Image2" */
    const char* help;       /* what it is on the instrument */
    Qs9Rect area;           /* where the control lies in the client area */
    const char* caption;    /* a button's caption; NULL for a click area */
    const char* shortcut;   /* keyboard shortcut, in portable key-sequence text */
    uint8_t wheelTurnsKnob; /* 1: the mouse wheel over this area turns the knob */
    int8_t wheelNotch;      /* the notch that makes this key: +1 away, -1 towards the user */
} Qs9Key;

int qs9KeyCount(void);
/* Row 0..count-1 of the key table, or NULL. */
const Qs9Key* qs9KeyAt(int index);
/* The knob turn that one wheel notch makes (+1 or -1), or NULL. */
const Qs9Key* qs9KeyForWheelNotch(int notch);
/* A click: the key goes into the one-slot buffer if it is empty.
 * QS9_OK, QS9_KEY_DROPPED (slot full) or QS9_ERROR_RANGE (not 1..5). */
int qs9PostKey(uint8_t key);

/* ---- sensor inputs: sliders and check boxes ---- */

enum { QS9_INPUT_SLIDER = 0, QS9_INPUT_CHECK_BOX = 1 };

typedef struct Qs9Input {
    const char* name;       /* "flow1": the runner's name for it */
    uint8_t kind;           /* QS9_INPUT_SLIDER or QS9_INPUT_CHECK_BOX */
    uint16_t maximum;       /* the largest position; 1 for a check box */
    uint16_t start;         /* the position at program start (1: checked) */
    const char* page;       /* the window's tab page that holds it */
    const char* caption;    /* "Fuel Flow1:", "VRAX On/Off" */
    const char* control;    /* the window's control, "ScrollBar29" */
    const char* valueLabel; /* the label that shows a slider's position; NULL for a box */
    Qs9Rect area;           /* a slider in its page's group box; a box on its page */
    int16_t valueLabelLeft; /* the value label's left edge, in the group box */
} Qs9Input;

int qs9InputCount(void);
/* Row 0..count-1 of the input table, or NULL. */
const Qs9Input* qs9InputAt(int index);
const Qs9Input* qs9FindInput(const char* name);
/* Moves the named input to value, as its control's change does: the
 * firmware sees it in the next pass. QS9_OK, QS9_ERROR_UNKNOWN, or
 * QS9_ERROR_RANGE (above the maximum; nothing is written). */
int qs9SetInput(const char* name, uint32_t value);
/* Where the named input stands now, as its control last wrote it (a check
 * box 0 or 1); the runner reads it as "input.NAME". QS9_OK, or
 * QS9_ERROR_UNKNOWN (nothing written). */
int qs9InputPosition(const char* name, uint32_t* position);

/* ---- sender readings: what the instrument makes of each sender input ----
 * For the flow, level and pressure inputs ("flow1", "flow2", "level1",
 * "level2", "pressure", "loop", "vraxlevel1", "vraxlevel2",
 * "vraxpressure"), under the current settings. */

/* The input's reading into text[capacity], with its terminating 0, from the
 * firmware's measurements of the last pass: a flow in the flow unit
 * ("900.0 L/hr"), a level as the filtered contents the display shows
 * ("13 L"), the pressure in its unit ("2.0 psi"); "FAIL" while the sender
 * reads above 3900; "not read" where the set-up does not read the input (a
 * calculated or OFF tank, the other data source, INJECTOR flow senders, a
 * VRAX unit without a flow counting period, the pressure sender of a 4-20 mA
 * transducer on the instrument's inputs, which only its FAIL test reads).
 * The same texts are named values: qs9FormatValue("reading.flow1", ...).
 * QS9_OK, QS9_ERROR_UNKNOWN (no sender input of that name) or
 * QS9_ERROR_NO_ROOM. */
int qs9SenderReading(const char* input, char* text, uint32_t capacity);
/* The position of the input that makes the instrument read `value`, given
 * in the pilot's units as the display shows them (a flow in the flow unit,
 * 30.0 for "30.0 L/hr"; contents in the volume unit; the pressure in its
 * unit), under the current settings. Found by searching the firmware's
 * conversions over the input's positions: nothing is measured, no filter or
 * total moves. A value between two that the set-up shows gives the nearer
 * (of two as near, the one at the lower position). Levels are the calibration's contents, which
 * the tank filter then approaches at its rate. Where several positions read
 * the value: the fewest pulses of a flow; the middle one of a level or a
 * pressure, or, at an end of the scale (an empty or full tank), the one
 * next to where the value begins. Readings above 3900 (FAIL) are never
 * given. QS9_OK; QS9_CLAMPED, with *position at the nearest value the set-up
 * can show (the message in qs9LastError() says so); QS9_ERROR_NOT_READ (the
 * set-up does not read the input, or its curve gives no pressure);
 * QS9_ERROR_UNKNOWN; QS9_ERROR_RANGE (value is not a finite number);
 * QS9_ERROR_NO_ROOM (position is NULL). */
int qs9SenderPosition(const char* input, double value, uint16_t* position);

/* ---- display ---- */

enum { QS9_DISPLAY_WIDTH = 160, QS9_DISPLAY_HEIGHT = 120 };

/* 160 x 120 palette indices, row-major: pixel (x, y) is byte x + 160 * y;
 * index 0 is black (unlit). Read it between passes; the next pass redraws
 * it from black, so a host's own writes last until then. */
uint8_t* qs9FrameBuffer(void);
/* 256 colours, 0x00RRGGBB. */
const uint32_t* qs9Palette(void);

/* Called for each text the firmware draws, after drawing it: the text's
 * first x, its y, the font size, the palette colour and the text itself
 * (valid during the call only). */
typedef void (*Qs9TextObserver)(void* context, uint16_t startX, int16_t y,
                                uint8_t fontSize, uint8_t colour, const char* text);
/* One observer at a time; NULL stops observing. */
void qs9ObserveTexts(Qs9TextObserver observer, void* context);

/* The texts the last pass drew, in drawing order, as an observer saw them:
 * for a host that checks what is on the display without observing each
 * pass. The first 128 texts of a pass are kept, each up to 39 bytes (the
 * firmware's texts are shorter). */
typedef struct Qs9PassText {
    uint16_t startX;
    int16_t y;
    uint8_t fontSize;
    uint8_t colour;
    const char* text; /* valid until the next pass */
} Qs9PassText;
int qs9PassTextCount(void);
/* Text 0..count-1 of the last pass: QS9_OK, or QS9_ERROR_RANGE. */
int qs9PassTextAt(int index, Qs9PassText* text);

/* ---- screens ---- */

int qs9ScreenCount(void);
/* The name of screen 0..count-1 ("homeScreen"), or NULL. */
const char* qs9ScreenName(int index);
/* The current screen's name: one of the above, "none" or "unknown". */
const char* qs9CurrentScreenName(void);

/* ---- the settings table ----
 * Every element of the settings record, in record order, by the name the
 * runner's "set" and "print" take ("settings.units", "settings.tank1Cal[2]",
 * "settings.pressure.userCurve.points[3].adc"), and the field it belongs
 * to ("settings.tank1Cal", "settings.pressure.userCurve.points[].adc"). */
int qs9SettingCount(void);
/* Element 0..count-1, or NULL. */
const char* qs9SettingName(int index);
const char* qs9SettingField(int index);

/* ---- for the learner: what the keys do, the display and alarms in words ----
 * Texts in plain ASCII. Each stays valid until the next call of the same
 * function (qs9KeyHelp: for the same key). */

/* What the key (QS9_KEY_LEFT..QS9_KEY_MINUS) does on the current screen in
 * the current state, one short line led by the key's name: "Knob: main
 * menu", "+: fuel totals", "Left: reset the totals", "Right: edit step X10".
 * While an alarm waits to be acknowledged on the home screen the line says
 * so first: "+: acknowledge the alarm, then fuel totals". "" when the key
 * does nothing there now, or the instrument is off; NULL for another key.
 * Made for a key's click area as its title. */
const char* qs9KeyHelp(uint8_t key);
/* The help for the screen as a whole, lines separated by '\n': first "Any
 * key first acknowledges the active alarm" when the next key goes to that,
 * then the line of each key that does something, knob press, "+", "-",
 * left, right, without the alarm's step; "Any key: continue" where all five
 * do the same. Before "On" and after "Off": "Press On to switch the
 * instrument on". The runner prints it as "keyHelp". */
const char* qs9KeyHelpText(void);

/* The display as text for screen readers: what the last pass drew, top to
 * bottom, texts side by side joined into one line left to right; the
 * selected row or digit marked " (selected)", a value being edited
 * " (editing)"; then one line per active alarm: "Alarm: Low fuel, tank 1,
 * not acknowledged", "Alarm: Fuel pressure, acknowledged". Lines separated
 * by '\n'; "" before the first pass. The runner prints it as "displayText".
 * It changes by itself: the failed sender's "FAIL" blinks, and the home
 * screen's top row cycles between range and speed. */
const char* qs9DisplayText(void);
/* The same texts without what changes by itself (the blinking "FAIL", the
 * status line of the home screen's top row) and without the alarm lines. A
 * host announces the display politely when this text differs from the one it
 * announced last, so neither every pass nor the blinking nor the status
 * line's cycle makes an announcement, and alarms assertively from
 * qs9AlarmsStartedText. */
const char* qs9DisplayTextSteady(void);
/* The active alarms as the display text ends with them, or "". */
const char* qs9AlarmText(void);
/* The alarm the last pass's key acknowledged, for a host's message line:
 * "Alarm acknowledged: fuel pressure" ("low fuel, tank 1", ...); "" when the
 * last pass acknowledged none. Whether a key was taken at all is the status
 * of qs9PostKey: QS9_OK when it went into the slot, QS9_KEY_DROPPED when it
 * was lost. */
const char* qs9AlarmsAcknowledgedText(void);
/* The alarms that the last pass raised, to announce once: "Alarm: Fuel
 * pressure"; "" when it raised none. */
const char* qs9AlarmsStartedText(void);

/* ---- named values: firmware globals and settings fields ----
 * Names as in the firmware: "fuelConfig", "vrax.flow1", "settings.kFactor1";
 * array elements with an index: "settings.tank1Cal[2]",
 * "settings.pressure.userCurve.points[3].adc"; the sine and cosine tables
 * take -360..360: "sinTable[-90]". On failure the message is in
 * qs9LastError(). */

/* The value as the runner prints it into text[capacity], with its
 * terminating 0: an integer in decimal, a table entry as the shortest
 * decimal of its float, a screen by its name ("homeScreen", "none"),
 * pressureEdit as the record it points at ("settings.pressure", "none"),
 * keyHelp and displayText as qs9KeyHelpText and qs9DisplayText give them. */
int qs9FormatValue(const char* name, char* text, uint32_t capacity);
/* A whole number; a screen, a record pointer, a float or a text is
 * QS9_ERROR_NOT_NUMBER, and a text cannot be written either. */
int qs9ReadValue(const char* name, int64_t* value);
/* Writes a whole number within the value's type (QS9_ERROR_RANGE otherwise,
 * nothing written; QS9_ERROR_READ_ONLY for a constant). Writing a setting
 * that the fuel configuration is derived from (a flow channel, the flow
 * mode, a tank mode, a K-factor) derives it again, as leaving the fuel
 * set-up does. */
int qs9WriteValue(const char* name, int64_t value);
/* The same for the values a host may set, as the runner's "set" does: any
 * settings field, or an input that no window control drives (gpsSpeed,
 * gpsSpeedValid, lightSensorInput, pressureLoopInput, vrax.level1,
 * vrax.level2, vrax.pressure, canDeviceC, canDeviceA). Any other name is
 * QS9_ERROR_NOT_SETTABLE. */
int qs9SetValue(const char* name, int64_t value);
/* The inputs qs9SetValue takes besides the settings fields, from index 0
 * ("canDeviceC", ...); NULL past the last. */
const char* qs9HostInputName(int index);
/* The message of the last failed named-value or sender call, or of a value
 * clamped by qs9SenderPosition, for the user. */
const char* qs9LastError(void);

/* ---- the instrument memory ----
 * Off from program start: every On starts from the factory settings with
 * the totals at zero, and nothing is kept. Switched on by the host, the
 * memory keeps a record of the settings and the totals at the moments the
 * firmware stores them (leaving the menus, the cruising-speed entry, a
 * calibration that passes its check; a changed total, a totals reset, a
 * manual fuel level), and On restores it: a setting changed in a menu and
 * not yet stored is lost at Off, as on the instrument. The record is bytes
 * with a layout version and a checksum; the host keeps them (a file, the
 * browser's storage), this side reads and writes nothing itself.
 *   qs9MemorySwitch(1)    the host's option, after qs9ProgramStart
 *   qs9MemoryProvide()    what the memory holds, before qs9PowerOn
 *   qs9PowerOn()          restores; qs9MemoryMessage() says what happened
 *   qs9MemoryWriteDue()   after passes and ticks, and forced at Off and at
 *                         close: the record to write now, if any
 *   qs9MemoryWritten()    the host's answer */

enum {
    QS9_MEMORY_SWITCHED_OFF = 0, /* the last On did not use the memory (or no On yet) */
    QS9_MEMORY_EMPTY = 1,        /* nothing stored: the factory settings, nothing to say */
    QS9_MEMORY_RESTORED = 2,     /* a valid record, whose settings and totals On restores */
    QS9_MEMORY_UNREADABLE = 3,   /* not a memory record: the factory settings */
    QS9_MEMORY_DAMAGED = 4,      /* its checksum, its size or a field out of range refutes it */
    QS9_MEMORY_OTHER_VERSION = 5 /* a whole record of another layout: the factory settings */
};
/* No record is longer: a buffer of this many bytes takes any. */
enum { QS9_MEMORY_RECORD_CAPACITY = 512 };

/* The host's option, off (0) or on (1). Switched on after an On, the memory
 * is to keep the instrument as it stands: a write is due unless the memory
 * already holds that record. */
void qs9MemorySwitch(int on);
int qs9MemoryIsOn(void);
/* What the memory holds, as the host read it (NULL or size 0: nothing
 * stored), checked at once and used by the next On; the bytes are not kept.
 * Returns QS9_MEMORY_EMPTY, QS9_MEMORY_RESTORED for a valid record, or the
 * problem (QS9_MEMORY_UNREADABLE, _DAMAGED, _OTHER_VERSION): a host keeps
 * such bytes aside rather than writing over them. A record this side has
 * written (qs9MemoryWritten) counts as provided. */
int qs9MemoryProvide(const uint8_t* bytes, uint32_t size);
/* What the last On found: QS9_MEMORY_SWITCHED_OFF when the memory was off,
 * else as qs9MemoryProvide said (RESTORED: the record was restored). */
int qs9MemoryRestoreStatus(void);
/* The message for the user about the last On, or "": "Settings restored
 * from the instrument memory"; a damaged, unreadable or other-version
 * memory in plain words; with the memory off, "Every On starts from the
 * factory settings; switch on the instrument memory to keep them" when the
 * settings had been changed since the On before. */
const char* qs9MemoryMessage(void);
/* 1 when the settings had been changed between the On before the last one
 * and the last On (which then replaced them), else 0. */
int qs9SettingsChangedBeforeOn(void);
/* Whether the memory should be written now: 1 with the record in
 * bytes[capacity] and its size in *size, 0 when nothing is due. A record is
 * due when it differs from the last one written (or from the instrument as
 * On left it), at most once a second of timer ticks (qs9Tick); force (at
 * Off and at close) drops the pace. QS9_ERROR_NO_ROOM when the buffer is too small
 * (QS9_MEMORY_RECORD_CAPACITY always fits). Answer with qs9MemoryWritten. */
int qs9MemoryWriteDue(int force, uint8_t* bytes, uint32_t capacity, uint32_t* size);
/* The host's answer for the record qs9MemoryWriteDue gave: 1 it is kept
 * whole, 0 the write failed (the memory then holds what it held, and the
 * record is offered again a second later). */
void qs9MemoryWritten(int kept);
/* "Forget the memory": the factory settings with the totals at zero are due
 * at once (qs9MemoryWriteDue), whether the memory is on or off. A running
 * instrument keeps its settings and stores them again at its next store. */
void qs9MemoryForget(void);

/* "Export Set-up": the settings that differ from the factory ones as lines
 * "set NAME VALUE\n" (the runner's names), which, run after On, give the
 * same settings. "" when all are the factory ones. *length gets the text's
 * length; QS9_ERROR_NO_ROOM when text[capacity] cannot take it and its 0. */
int qs9ExportSetup(char* text, uint32_t capacity, uint32_t* length);

#ifdef __cplusplus
}
#endif

#endif
