// orvane: the payroll calculator's main window. Usage: orvane [FOLDER] [--user NAME]

#include <csignal>

#include "ui/program.h"

int main(int argc, char** argv) {
    // Over the file-size limit a write then fails with EFBIG and is reported like a full disk,
    // instead of the signal ending the program with the person's work.
    std::signal(SIGXFSZ, SIG_IGN);
    return orvane::ui::runProgram(argc, argv);
}
