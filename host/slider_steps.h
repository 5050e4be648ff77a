// Keyboard steps sized to a sender slider's range: the arrow keys move it
// by 1, Page Up and Page Down by a twentieth of its range, Home and End to
// its ends. The slider keeps a page size of 0, so its handle is drawn as on
// the form.
#pragma once

class QScrollBar;

// A twentieth of the range, rounded, and at least 1.
int pageStepOf(int maximum);
void stepByTwentieths(QScrollBar* slider);
