// The set-up lock: the code screen that guards the set-up menus, the
// security set-up that switches the lock and changes its code, and the
// message that reports the outcome.
#pragma once
#include <cstdint>

// Always accepted besides the stored code; it cannot be changed.
constexpr uint16_t masterSecurityCode = 7391;

// securityCodeScreen, the code asked for by the home screen's knob press, is
// declared with the other screens reached from home (screens/screen.h).
void securitySetupScreen();
// Changing the code: the current code, the new one, the new one again.
void currentCodeScreen();
void newCodeScreen();
void confirmCodeScreen();
// "CODE" / "CHANGED" when codeScratch is 1, otherwise "CODE" / "ERROR".
void codeMessageScreen();
