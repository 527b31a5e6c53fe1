#pragma once

// Ctrl-C during a long run: the first one asks the run to stop cleanly
// (the command then exits with ExitInterrupted and writes nothing), a
// second one ends the program at once.
class TInterrupt
{
public:
    static void install();
    static bool requested();
};
