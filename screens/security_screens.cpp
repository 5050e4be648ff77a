#include "screens/security_screens.h"

#include "core/keys_and_time.h"
#include "core/settings.h"
#include "display/colours.h"
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/icons.h"
#include "display/text.h"
#include "screens/entry_screens.h"
#include "screens/menu_screens.h"
#include "screens/screen.h"

namespace {

constexpr uint8_t promptFont = 8;
constexpr uint8_t messageFont = 10;
constexpr uint8_t codeDigitCount = 4;
constexpr uint8_t lastCodeDigit = codeDigitCount - 1;
constexpr int16_t codeDigitX[codeDigitCount] = {50, 70, 90, 110};
constexpr int16_t codeDigitY = 61;

// Rows of the security set-up.
constexpr uint8_t lockRow = 0;
constexpr uint8_t changeCodeRow = 1;

// codeScratch as the code message reads it.
constexpr uint16_t codeError = 0;
constexpr uint16_t codeChanged = 1;

uint16_t enteredCode()
{
    return static_cast<uint16_t>(digitEntry[0] * 1000 + digitEntry[1] * 100 + digitEntry[2] * 10 + digitEntry[3]);
}

bool codeAccepted(uint16_t code) { return code == settings.securityCode || code == masterSecurityCode; }

// Every code screen opens with all digits 0 and the cursor on the first.
void openCodeScreen(ScreenHandler screen)
{
    for (auto& digit : digitEntry)
        digit = 0;
    menuCursor = 0;
    currentScreen = screen;
}

void showCodeMessage(uint16_t outcome, ScreenHandler next)
{
    codeScratch = outcome;
    messageReturnScreen = next;
    currentScreen = codeMessageScreen;
}

// A code change, finished or abandoned, goes back to the set-up with the
// cursor on CHANGE CODE.
void backToSecuritySetup()
{
    currentScreen = securitySetupScreen;
    enterMenu(changeCodeRow);
}

void reportToSecuritySetup(uint16_t outcome)
{
    menuCursor = changeCodeRow;
    showCodeMessage(outcome, securitySetupScreen);
}

void leaveToHome() { currentScreen = homeScreen; }

void unlockSetup(uint16_t code)
{
    if (codeAccepted(code))
        openCodeScreen(mainMenuScreen); // clears the digits the code was entered with
    else
        showCodeMessage(codeError, homeScreen);
}

void checkCurrentCode(uint16_t code)
{
    if (codeAccepted(code))
        openCodeScreen(newCodeScreen);
    else
        reportToSecuritySetup(codeError);
}

void takeNewCode(uint16_t code)
{
    codeScratch = code; // kept until the confirmation
    openCodeScreen(confirmCodeScreen);
}

void confirmNewCode(uint16_t code)
{
    bool same = code == codeScratch;
    if (same)
        settings.securityCode = code;
    reportToSecuritySetup(same ? codeChanged : codeError);
}

// What differs between the four code-entry screens.
struct CodeEntry {
    const char* prompt;            // first line; the second is "CODE"
    uint8_t leftWord;              // softKeyExit or softKeyBack
    void (*leave)();               // left push button
    void (*complete)(uint16_t);    // knob press on the last digit, with the code entered
};

const CodeEntry unlockEntry{"ENTER SECURITY", softKeyExit, leaveToHome, unlockSetup};
const CodeEntry currentEntry{"ENTER SECURITY", softKeyBack, backToSecuritySetup, checkCurrentCode};
const CodeEntry newEntry{"ENTER NEW", softKeyBack, backToSecuritySetup, takeNewCode};
const CodeEntry confirmEntry{"CONFIRM NEW", softKeyBack, backToSecuritySetup, confirmNewCode};

// The digits are shown in clear; the knob press moves on and there is no
// way back but turning a digit round.
void codeEntryScreen(const CodeEntry& entry)
{
    drawTitleBar("SECURITY", "CODE");
    drawText(80, 30, entry.prompt, 0, promptFont, alignCentre, colourWhite);
    drawText(80, 45, "CODE", 0, promptFont, alignCentre, colourWhite);
    drawDigitRow(codeDigitX, codeDigitCount, codeDigitY, alignCentre);
    drawSoftKeys(entry.leftWord);

    switch (pendingKey) {
    case keyLeft:
        entry.leave();
        break;
    case keyPress:
        if (menuCursor < lastCodeDigit)
            ++menuCursor;
        else
            entry.complete(enteredCode());
        break;
    case keyPlus:
    case keyMinus:
        turnDigitUnderCursor(pendingKey, codeDigitCount);
        break;
    default:
        break;
    }
    pendingKey = 0;
}

bool lockOn() { return settings.securityEnabled != 0; }

void drawSecuritySetup()
{
    drawTitleBar("SECURITY", "SETUP");
    drawMenuRow(lockRow, "SECURITY: ", lockOn() ? "ON" : "OFF");
    if (settings.securityEnabled == 1)
        drawMenuText(changeCodeRow, "CHANGE CODE", menuCursor == changeCodeRow ? colourRed : colourWhite);
    drawSoftKeys(softKeyBack);
}

// Editing the lock: "+" and "-" switch it over.
void switchLock(uint8_t key)
{
    if (menuCursor != lockRow)
        return;
    if (key == keyPlus)
        settings.securityEnabled = lockOn() ? 0 : 1;
    else
        settings.securityEnabled = lockOn() ? settings.securityEnabled - 1 : 1;
}

} // namespace

void securityCodeScreen() { codeEntryScreen(unlockEntry); }
void currentCodeScreen() { codeEntryScreen(currentEntry); }
void newCodeScreen() { codeEntryScreen(newEntry); }
void confirmCodeScreen() { codeEntryScreen(confirmEntry); }

void securitySetupScreen()
{
    menuTop = 0; // two rows: never scrolled
    drawSecuritySetup();

    switch (pendingKey) {
    case keyLeft:
        currentScreen = miscSetupScreen;
        enterMenu(1); // back on the SECURITY SETUP row
        break;
    case keyPress:
        if (menuCursor == lockRow) {
            menuEditing = menuEditing ? 0 : 1;
        } else {
            messageReturnScreen = securitySetupScreen;
            openCodeScreen(currentCodeScreen);
        }
        break;
    case keyPlus:
    case keyMinus:
        if (menuEditing)
            switchLock(pendingKey);
        else if (settings.securityEnabled == 1)
            menuCursor = menuCursor == lockRow ? changeCodeRow : lockRow;
        break;
    default:
        break;
    }
    pendingKey = 0;
}

void codeMessageScreen()
{
    drawTitleBar("MESSAGE", "");
    drawRleBitmap(5, 40, warningIcon);
    drawText(110, 43, "CODE", 0, messageFont, alignCentre, colourWhite);
    drawText(110, 63, codeScratch == codeChanged ? "CHANGED" : "ERROR", 0, messageFont, alignCentre, colourWhite);
    drawSoftKeys(softKeyBack);
    leaveOnAnyKey(messageReturnScreen);
}
