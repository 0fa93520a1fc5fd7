#pragma once
// The Orvane program: `orvane [FOLDER]`. The working folder is FOLDER or the current folder; the
// program makes it the current folder, starts a session there and shows the main window.

#include <functional>

namespace orvane::ui {

class Form1;

// Runs the program until its main window closes; the exit code. `whenShown`, when given, runs
// once the main window is on screen and the event loop turns (start-up measurements use it).
int runProgram(int argc, char** argv, const std::function<void(Form1&)>& whenShown = {});

}  // namespace orvane::ui
