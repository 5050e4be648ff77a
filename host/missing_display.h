// Started without a display, Qt ends the program with an abort and a page of
// platform-plugin advice. While it lives, a MissingDisplayReport turns that
// into one line on standard error (no display, and how to run the program
// under xvfb-run) and exit status 1. Construct it before the application
// object and drop it once that object exists.
#pragma once

class MissingDisplayReport {
public:
    // program: the command as the user typed it, for the advice.
    explicit MissingDisplayReport(const char* program);
    ~MissingDisplayReport();
    MissingDisplayReport(const MissingDisplayReport&) = delete;
    MissingDisplayReport& operator=(const MissingDisplayReport&) = delete;
};
