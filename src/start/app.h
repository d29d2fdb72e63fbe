// The application object: start-up, run-time errors and shut-down.
#pragma once

#include "runtime/text/text.h"

// The program folder: the executable's own folder, ending in a folder
// separator ("" for a bare file name).
runtime::String of_program_folder(const runtime::String &as_exe);

class app {
public:
    // The application's name (kAppName, which the error report gives).
    runtime::String AppName;

    void create();
    // Connects to the database and opens the frame. Returns false when the
    // program has ended here (no connection).
    bool open(const runtime::String &commandline = {});
    void systemerror();
    void close();
};

// The one application object.
app &theApp();

// The trainer's start, as its entry point makes it: the window icon, the
// application object created and opened. False when the program has ended
// here. A Qt application object must exist.
bool StartTrainer();
