// orvane: the payroll calculator's main window. Usage: orvane [FOLDER] [--user NAME]

#include "ui/program.h"

int main(int argc, char** argv) { return orvane::ui::runProgram(argc, argv); }
