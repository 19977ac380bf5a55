#pragma once

// The Qt application every fuzz target runs in: offscreen, software Quick
// back end, the system's serial ports left alone, and Qt's warnings kept off
// the fuzzer's output (a fatal message still aborts, which the fuzzer reports).
class FuzzApp
{
public:
    // Creates the application once; later calls do nothing.
    static void start(int *argc, char ***argv);
    // A folder of the target's own for the files it writes, removed at exit.
    static const char *scratchDir();
};
