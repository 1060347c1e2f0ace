// Command-line options of the desktop build.
#pragma once

// -1 to run the game; otherwise the exit status to return at once (help, a bad option).
int parse_options(int argc, char** argv);
// Work the options leave for the end of the run.
void finish_options();
