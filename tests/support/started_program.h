#pragma once

#include "app/session.h"
#include "support/scripted_person.h"
#include "support/temp_folder.h"

namespace orvane::test {

// A running program in a folder of its own, started as the main window starts it.
struct StartedProgram {
    TempFolder dir;
    ScriptedPerson person;
    FixedClock clock;
    Session session{person, clock, dir.path};
    StartedProgram() { session.startUp(); }
};

}  // namespace orvane::test
