// Every global object defined in app/globals.cpp. Each layer's own header declares the objects it
// draws or plays (pictures in video/sprite.h, fonts in text/font.h, sounds and music in
// res/audio.h); this header gathers them for the program.
#pragma once

#include "platform/hss.h"
#include "res/audio.h"
#include "text/font.h"
#include "video/sprite.h"
