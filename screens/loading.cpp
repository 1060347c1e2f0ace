// The loading screen: packs, the splash until a tap, every asset, the hold and the sound question.
#include "game/help.h"
#include "platform/clock.h"
#include "platform/frame_clock.h"
#include "platform/input.h"
#include "res/audio.h"
#include "res/media_folder.h"
#include "res/pack.h"
#include "screens/screens.h"
#include "text/font.h"
#include "text/font_sizes.h"
#include "video/sprite.h"
#include "video/units.h"
#include "video/video.h"

unsigned int LoadingHoldMs = 3000;

static void rest(unsigned int ms) {
    platform_sleep(ms);
}
void (*loading_rest)(unsigned int ms) = rest;
static void no_milestone(int) {}
void (*loading_milestone)(int which) = no_milestone;

// What the help page draws with: the menu's picture and the two fonts.
static void load_help_page() {
    IntroPicture.Load(MediaFolder, "intro.jpg", 0);
    SmallFont.Load(MediaFolder, "verdana20b.bmp", 1);
    SmallFont.LoadMetrics(MediaFolder, "verdana20b.txt", SmallFontSize.space_width * Scale,
                          SmallFontSize.line_height * Scale);
    BigFont.Load(MediaFolder, "nerwus36.bmp", 1);
    BigFont.LoadMetrics(MediaFolder, "nerwus36.txt", BigFontSize.space_width * Scale,
                        BigFontSize.line_height * Scale);
}

static void load_assets() {
    GameBackground.Load(MediaFolder, "gra.jpg", 0);
    GoodWorkPicture.Load(MediaFolder, "goodwork.jpg", 0);
    TimeBarPicture.Load(MediaFolder, "czas.jpg", 0);
    load_help_page();
    ParticleSprite.Load(MediaFolder, "part.bmp", 0);
    ParticleSprite2.Load(MediaFolder, "part2.bmp", 0);
    // The thin side of a rocket is 13 pixels on the small screen and 25 on every larger one.
    int thin = Scale == 1 ? 13 : 25;
    RocketSprite1.Load(MediaFolder, "rakieta1.bmp", 1);
    RocketSprite1.frame_w = static_cast<float>(25 * Scale);
    RocketSprite1.frame_h = static_cast<float>(thin);
    RocketSprite2.Load(MediaFolder, "rakieta2.bmp", 1);
    RocketSprite2.frame_h = static_cast<float>(25 * Scale);
    RocketSprite2.frame_w = static_cast<float>(thin);
    load_sound(ButtonSound, MediaFolder, "button_p.wav");
    load_sound(ExplosionSound, MediaFolder, "explosion.wav");
    load_sound(GoodSound, MediaFolder, "good.wav");
    load_sound(HintSound, MediaFolder, "hint_p.wav");
    load_sound(RocketSound, MediaFolder, "rakieta_p.wav");
    load_sound(Button2Sound, MediaFolder, "button2.wav");
    load_sound(GoodPSound, MediaFolder, "good_p.wav");
    load_music(Music, MediaFolder, "1.mod");
    // Every level start decodes a level picture; doing one here, behind the loading picture,
    // takes the first-time cost of that (fresh memory, cold decoder) off the first level's frame.
    // The level sets its own picture before it shows one.
    LevelPicture.Load(MediaFolder, "1.jpg", 0);
}

void loading_screen() {
    load_pack_index(msx, MediaFolder, "msx.pak", "msx.def");
    load_pack_index(gfx, MediaFolder, "gfx.pak", "gfx.def");

    GameBackground.Load(MediaFolder, "donate.jpg", 0);
    GameBackground.Blit(0, 0);
    flip_screen();
    loading_milestone(0);

    // Only the stylus (or Space or Return) ends the splash; between polls it waits for the
    // player's next event, and a window-close request ends the program from here too.
    // F1 shows the help page (its fonts and picture loaded for it) until a key or a tap, which
    // then does nothing else.
    bool help = false;
    while (InputState.stylusDown == 0 || help) {
        input_poll(InputState);
        if (InputState.quit == 1)
            return;
        int key = key_this_frame(InputState);
        if (help && (key != 0 || InputState.stylusDown == 1)) {
            help = false;
            input_clear_stylus(InputState);
            GameBackground.Blit(0, 0);
            flip_screen();
        } else if (!help && key == KEY_HELP) {
            help = true;
            load_help_page();
            draw_help_page();
            flip_screen();
        } else if (!help && (key == KEY_SPACE || key == KEY_ACTION)) {
            break;
        }
        if (InputState.stylusDown == 0)
            input_wait_for_event();
    }
    input_clear_stylus(InputState);

    GameBackground.Load(MediaFolder, "loading.jpg", 0);
    GameBackground.Blit(0, 0);
    flip_screen();

    loading_milestone(1);
    load_assets();
    loading_milestone(2);
    loading_rest(LoadingHoldMs);

    // The question is drawn on every poll (the words' places are where the taps are tested) and
    // shown at most once a frame. Once shown it waits for the player's next event; one drawn
    // too soon after the last is shown when its frame comes.
    bool answered = false;
    uint32_t shown = platform_ticks() - static_cast<uint32_t>(FramePeriodMs);
    while (!answered) {
        input_poll(InputState);
        if (InputState.quit == 1)
            return;
        IntroPicture.Blit(0, 0);
        SmallFont.DrawText("Enable Sound?", text_centred(100), 1);
        SmallFont.DrawText("Yes", text_at(70, 130), 1);
        int key = key_this_frame(InputState);
        if (SmallFont.IsHit(InputState.clickX, InputState.clickY) || key == 'y') {
            answered = true;
            set_audio(0, 0, 128, 128);
        }
        SmallFont.DrawText("No", text_at(150, 130), 1);
        if (SmallFont.IsHit(InputState.clickX, InputState.clickY) || key == 'n') {
            answered = true;
            set_audio(0, 0, 0, 0);
        }
        uint32_t now = platform_ticks(), since = now - shown;
        if (answered || since >= static_cast<uint32_t>(FramePeriodMs)) {
            flip_screen();
            shown = now;
            if (!answered)
                input_wait_for_event();
        } else {
            loading_rest(static_cast<uint32_t>(FramePeriodMs) - since);
        }
    }
}
