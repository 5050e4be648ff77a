// The pass benchmark's figures: CPU microseconds per main-loop pass for each
// screen family. One run saves them to a file; a later run on the same
// machine reads that file and prints its own figures beside the saved ones,
// so that a speed claim is always one run, side by side.
#pragma once
#include <string>
#include <vector>

struct FamilyFigure {
    std::string family; // a screen walk's name, "home/config0"
    double microseconds;
};

struct PassFigures {
    std::string label; // what the figures were taken of, a commit for instance; may be empty
    std::vector<FamilyFigure> families; // in the benchmark's order
};

// The file: comment lines starting with "#" (the label among them), then one
// line per family, its name and its microseconds.
std::string figuresText(const PassFigures& figures);
// False with the line and what is wrong with it in error.
bool parseFigures(const std::string& text, PassFigures& figures, std::string& error);

// False with the file's name and the reason in error. A failed write leaves
// an existing file as it was.
bool readFigures(const std::string& path, PassFigures& figures, std::string& error);
bool writeFigures(const std::string& path, const PassFigures& figures, std::string& error);

// One line per family with its time.
std::string figuresTable(const PassFigures& now);
// One line per family with the saved time, the time now and their ratio;
// families found on one side only are named as such.
std::string comparisonTable(const PassFigures& saved, const PassFigures& now);
