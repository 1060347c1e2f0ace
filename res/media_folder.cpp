// The media folder as the loaders take it: plain characters, set once by start-up.
#include "res/media_folder.h"

char MediaFolder[256];
