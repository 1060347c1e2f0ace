// The game-play screen: picture preview, play frame, head-up display and the level-complete wait.
#include "game/play.h"

#include "fx/effects.h"
#include "fx/fade.h"
#include "game/game_state.h"
#include "game/level.h"
#include "game/rules.h"
#include "game/save.h"
#include "game/states.h"
#include "game/transition.h"
#include "platform/input.h"
#include "res/audio.h"
#include "text/font.h"
#include "video/board_geometry.h"
#include "video/sprite.h"
#include "video/units.h"
#include "video/video.h"

namespace {

// The four inner lines each way over the level picture; no frame around the board.
void draw_grid() {
    uint32_t black = map_rgb(0, 0, 0);
    int t = board_edge();
    float s = static_cast<float>(Scale);
    int end = static_cast<int>((BoardEdgeUnits + static_cast<float>(BoardUnits)) * s);
    const float cell = static_cast<float>(CellUnits);
    for (int i = 0; i < BoardCells - 1; i++) {
        int g = static_cast<int>(cell * static_cast<float>(i) * s + (BoardEdgeUnits + cell) * s);
        draw_line(g, t, g, end, black, screen);
        draw_line(t, g, end, g, black, screen);
    }
}

void place_level_picture() {
    LevelPicture.x = board_edge_f();
    LevelPicture.y = board_edge_f();
}

void picture_shown() {
    int frames = 5 * FramesPerSecond;
    if (InputState.stylusDown == 1)
        WaitFrames = frames + 1;
    else
        WaitFrames += 1;
    if (WaitFrames > frames) {
        begin_picture_transition();
        GameBackground.Blit();
        end_picture_transition(phases::przejscie_obrazek2);
    }
}

// The four buttons under the board; a tap or a key presses them alike.
enum class button { none, previous, next, hint, menu };

void press(button b) {
    switch (b) {
    case button::previous:
        play_sound(Button2Sound, 3);
        offer_previous_tile();
        break;
    case button::next:
        play_sound(Button2Sound, 3);
        offer_next_tile();
        break;
    case button::hint:
        take_hint();
        break;
    case button::menu:
        play_sound(ButtonSound, 0);
        save_game();
        GameState = states::init_intro;
        break;
    case button::none:
        break;
    }
}

button button_under(int x, int y) {
    if (in_rect(x, y, 55 * Scale, 250 * Scale, 35 * Scale, 40 * Scale))
        return button::previous;
    if (in_rect(x, y, 148 * Scale, 250 * Scale, 35 * Scale, 40 * Scale))
        return button::next;
    if (in_rect(x, y, 8 * Scale, 240 * Scale, 34 * Scale, 25 * Scale))
        return button::hint;
    if (in_rect(x, y, 196 * Scale, 240 * Scale, 34 * Scale, 25 * Scale))
        return button::menu;
    return button::none;
}

button button_for_key(int key) {
    switch (key) {
    case KEY_ARROW_LEFT:
        return button::previous;
    case KEY_ARROW_RIGHT:
        return button::next;
    case 'h':
        return button::hint;
    case 'm':
        return button::menu;
    default:
        return button::none;
    }
}

// A level stands still while paused: no clock, no rockets, no effects, no taps on the board.
bool Paused = false;

bool pause_key(int key) {
    return key == 'p' || key == KEY_PAUSE || key == KEY_ESCAPE;
}

// Covers the board, so that a pause cannot be used to study the picture.
void draw_pause_panel() {
    float x = IntroPicture.x, y = IntroPicture.y;
    int t = board_edge();
    IntroPicture.x = IntroPicture.y = static_cast<float>(t);
    IntroPicture.BlitPart(t, t, board_size(), board_size());
    IntroPicture.x = x;
    IntroPicture.y = y;
    BigFont.y = static_cast<float>(80 * Scale);
    BigFont.DrawText("Paused", 1, 0, 0);
    SmallFont.style = 1;
    SmallFont.y = static_cast<float>(130 * Scale);
    SmallFont.DrawParagraph("Tap or press a key  to go on.", 20 * Scale, 1, 0, 0);
    SmallFont.y = static_cast<float>(185 * Scale);
    SmallFont.DrawParagraph("Escape or M:  save, back to the menu", 20 * Scale, 1, 0, 0);
    SmallFont.style = 0;
}

// One frame of the pause: a tap or a key goes on (without acting), Escape or M leaves for the
// menu as the menu button does. The picture is drawn again on every frame (an uncovered window
// shows it at once) and the frame then waits for the next event instead of running on.
void paused_frame() {
    int key = key_this_frame(InputState);
    if (key == KEY_ESCAPE || key == 'm') {
        Paused = false;
        press(button::menu);
        return;
    }
    if (key != 0 || InputState.stylusDown == 1) {
        Paused = false;
        input_reset(InputState);
        input_clear_stylus(InputState);
        return;
    }
    GameBackground.Blit();
    draw_hud();
    draw_pause_panel();
    flip_screen();
    input_wait_for_event();
}

// One tap of play; true when it placed the last tile.
bool play_input() {
    int x = InputState.clickX;
    int y = InputState.clickY;
    press(button_under(x, y));
    wrap_tile();
    bool complete = false;
    int t = board_edge();
    if (in_rect(x, y, t, t, board_size(), board_size()))
        complete = tap_on_board(x, y);
    input_reset(InputState);
    input_clear_stylus(InputState);
    return complete;
}

void draw_rockets() {
    if (RocketMode == 1) {
        RocketSprite1.x = static_cast<float>(trails[0].x);
        RocketSprite1.ChooseBlit(0);
        RocketSprite1.x = static_cast<float>(trails[1].x);
        RocketSprite1.ChooseBlit(1);
    } else if (RocketMode == 2) {
        RocketSprite2.y = static_cast<float>(trails[0].y);
        RocketSprite2.ChooseBlit(0);
        RocketSprite2.y = static_cast<float>(trails[1].y);
        RocketSprite2.ChooseBlit(1);
    }
}

void play_frame() {
    bool complete = false;
    if (InputState.stylusDown == 1) {
        complete = play_input();
    } else if (button b = button_for_key(key_this_frame(InputState)); b != button::none) {
        press(b);
        wrap_tile();
    }

    GameBackground.Blit();

    // Once the last tile is down nothing is offered, and the offered-tile place stays empty.
    if (TileCurrent >= 0 && TileCurrent <= TileLast && TileLast <= 24) {
        LevelPicture.x = 97.5f * static_cast<float>(Scale);
        LevelPicture.y = 245.0f * static_cast<float>(Scale);
        LevelPicture.ChooseBlit(TileList[TileCurrent]);
    }

    float s = static_cast<float>(Scale);
    const float cell = static_cast<float>(CellUnits);
    for (int column = 0; column < BoardCells; column++)
        for (int row = 0; row < BoardCells; row++)
            if (Board[row * BoardCells + column] == 1) {
                LevelPicture.x = cell * static_cast<float>(column) * s + board_edge_f();
                LevelPicture.y = cell * static_cast<float>(row) * s + board_edge_f();
                LevelPicture.ChooseBlit(row * BoardCells + column);
            }

    int t = board_edge();
    set_clip(t, t, board_size(), board_size(), screen);
    if (RocketMode == 1 || RocketMode == 2) {
        rocket_move();
        draw_rockets();
        rocket_knock_out();
    }
    for (emitter& trail : trails) {
        trail.Update(0);
        trail.Draw(ParticleSprite2);
    }
    if (HintActive) {
        hint_marker.Update(0);
        hint_marker.Draw(ParticleSprite2);
    }
    update_explosions();
    tick_explosions();
    set_clip(0, 0, 240 * Scale, 320 * Scale, screen);

    draw_hud();
    second_tick();
    if (complete) {
        level_complete();
        if (GameSubState == phases::nextlevel) {
            GoodWorkPicture.x = 0.0f;
            GoodWorkPicture.y = static_cast<float>(60 * Scale);
            GoodWorkPicture.Blit();
            play_sound(GoodSound, 0);
        }
    }
}

} // namespace

void game_frame() {
    // The look and the play can be paused; a fade runs to its end first.
    bool pausable = GameSubState == phases::five_sec || GameSubState == phases::start_gry;
    if (pausable && !Paused &&
        (pause_key(key_this_frame(InputState)) || InputState.focusLost == 1)) {
        Paused = true;
        input_reset(InputState);
        input_clear_stylus(InputState);
    }
    if (Paused && pausable) {
        paused_frame();
        if (Paused || GameState != states::gra)
            return;
    }
    Paused = false;
    Fade.maluj();
    if (GameSubState == phases::przejscie_obrazek) {
        if (Fade.done == 1) {
            place_level_picture();
            LevelPicture.Blit();
            draw_grid();
            GameSubState = phases::five_sec;
        }
    } else if (GameSubState == phases::five_sec) {
        picture_shown();
    } else if (GameSubState == phases::przejscie_obrazek2) {
        if (Fade.done == 1)
            GameSubState = phases::start_gry;
    } else if (GameSubState == phases::start_gry) {
        play_frame();
    } else if (GameSubState == phases::nextlevel) {
        if (InputState.stylusDown == 1)
            setup_level();
    }
    flip_screen();
}

void save_level_in_progress() {
    if (GameState == states::gra && GameSubState != phases::nextlevel)
        save_game();
}

void draw_hud() {
    if (TimeLeft > 0) {
        TimeBarPicture.x = static_cast<float>(5 * Scale);
        TimeBarPicture.y = static_cast<float>(315 * Scale);
        TimeBarPicture.BlitPart(0, 0, TimeLeft * Scale, 5 * Scale);
    }
    SmallFont.style = 0;
    SmallFont.x = static_cast<float>(12 * Scale);
    SmallFont.y = static_cast<float>(296 * Scale);
    SmallFont.DrawText("Level:", 0, 0, 0);
    SmallFont.x = static_cast<float>(140 * Scale);
    SmallFont.DrawText("Score:", 0, 0, 0);
    SmallFont.DrawText(int_to_text(Level), 2, 50 * Scale, 72 * Scale);
    SmallFont.DrawText(int_to_text(Score), 2, 180 * Scale, 230 * Scale);
}
