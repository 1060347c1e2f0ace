// The picture transition: the old picture kept, the new one drawn and kept, the cross-fade started.
#include "game/transition.h"

#include "fx/fade.h"
#include "game/states.h"
#include "video/units.h"
#include "video/video.h"

void begin_picture_transition() {
    screen_screen2(0);
}

void end_picture_transition(phases::id phase) {
    screen_screen2(1);
    screen2_screen(0);
    Fade.Start(1, FramesPerSecond);
    enter_phase(phase);
}
