// The game-play screen: picture preview, play frame, head-up display and the level-complete wait.
#include "game/play.h"

#include "fx/effects.h"
#include "fx/fade.h"
#include "game/game_state.h"
#include "game/hud.h"
#include "game/layout.h"
#include "game/level.h"
#include "game/level_stats.h"
#include "game/pause.h"
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

void show_rule_events(const rule_events& events) {
    for (int k = 0; k < events.count; k++) {
        const rule_event& e = events.list[k];
        switch (e.kind) {
        case rule_event_kind::tile_placed:
            play_sound(GoodPSound, 0);
            stats_tile_placed();
            break;
        case rule_event_kind::rockets_launched: {
            stats_miss();
            // Both start in the middle of the cell, its half cell cut to whole layout units
            // before scaling.
            const int middle = CellUnits / 2;
            int x = (CellUnits * (e.cell % BoardCells) + middle) * Scale + board_edge();
            int y = (CellUnits * (e.cell / BoardCells) + middle) * Scale + board_edge();
            for (rocket_position& rocket : Rockets)
                rocket = {x, y};
            play_sound(RocketSound, 0);
            if (e.horizontal) {
                start_trail(0, x, y, "lewo");
                start_trail(1, x, y, "prawo");
            } else {
                start_trail(0, x, y, "gora");
                start_trail(1, x, y, "dol");
            }
            follow_rockets();
            break;
        }
        case rule_event_kind::tile_knocked_out: {
            // The cell's corner with the edge cut to whole layout units (7) before scaling.
            const int edge = static_cast<int>(BoardEdgeUnits);
            start_explosion((CellUnits * (e.cell % BoardCells) + edge) * Scale,
                            (CellUnits * (e.cell / BoardCells) + edge) * Scale);
            break;
        }
        case rule_event_kind::hint_at:
            stats_hint();
            start_hint_marker((e.cell % BoardCells) * cell_size() + board_edge(),
                              (e.cell / BoardCells) * cell_size() + board_edge());
            break;
        case rule_event_kind::level_cleared:
            enter_state(states::gra, phases::nextlevel);
            break;
        case rule_event_kind::game_won:
            enter_state(states::init_koniec_gry, phases::init);
            break;
        case rule_event_kind::time_up:
            enter_state(states::init_game_over, phases::init);
            break;
        }
    }
}

rocket_position Rockets[2];

void follow_rockets() {
    // The sparks stream from wherever the rockets are, whatever their preset started them at.
    for (int i = 0; i < 2; i++) {
        trails[i].x = Rockets[i].x;
        trails[i].y = Rockets[i].y;
    }
}

namespace {

// Each move's events are shown as soon as it is made, so sounds, sparks and screen changes come
// in the order the moves happened, and the sparks draw their random numbers where they always did.
template <typename Move> auto move_and_show(Move move) {
    rule_events events;
    auto result = move(events);
    show_rule_events(events);
    return result;
}

bool in_rect(int px, int py, int x, int y, int w, int h) {
    return x < px && px < x + w && y < py && py < y + h;
}

// The four inner lines each way over the level picture; no frame around the board.
void draw_grid() {
    uint32_t black = map_rgb(0, 0, 0);
    int t = board_edge();
    float s = static_cast<float>(Scale);
    int end = static_cast<int>((BoardEdgeUnits + static_cast<float>(BoardUnits)) * s);
    const float cell = static_cast<float>(CellUnits);
    // A screen that must be locked (the browser's) has no pixels to write to until it is.
    lock_surface(screen);
    for (int i = 0; i < BoardCells - 1; i++) {
        int g = static_cast<int>(cell * static_cast<float>(i) * s + (BoardEdgeUnits + cell) * s);
        draw_line(g, t, g, end, black, screen);
        draw_line(t, g, end, g, black, screen);
    }
    unlock_surface(screen);
}

// The level picture on the board with its grid, as the five-second look shows it.
void show_look_picture() {
    LevelPicture.Blit(board_edge_f(), board_edge_f());
    draw_grid();
}

void show_look() {
    GameBackground.Blit(0, 0);
    show_look_picture();
}

void picture_shown() {
    int frames = 5 * FramesPerSecond;
    if (InputState.stylusDown == 1)
        Game.WaitFrames = frames + 1;
    else
        Game.WaitFrames += 1;
    if (Game.WaitFrames > frames) {
        begin_picture_transition();
        GameBackground.Blit(0, 0);
        end_picture_transition(phases::przejscie_obrazek2);
    }
}

// The four buttons under the board; a tap or a key presses them alike.
enum class button { none, previous, next, hint, menu };

void press(button b) {
    switch (b) {
    case button::previous:
        play_sound(Button2Sound, 3);
        offer_previous_tile(Game);
        break;
    case button::next:
        play_sound(Button2Sound, 3);
        offer_next_tile(Game);
        break;
    case button::hint:
        move_and_show([](rule_events& e) { return take_hint(Game, e), 0; });
        break;
    case button::menu:
        play_sound(ButtonSound, 0);
        save_game();
        stats_level_ends("saved");
        enter_screen(states::init_intro);
        break;
    case button::none:
        break;
    }
}

button button_under(int x, int y) {
    const float px = static_cast<float>(x), py = static_cast<float>(y);
    if (in_tap_area(px, py, scaled(PreviousTileButton)))
        return button::previous;
    if (in_tap_area(px, py, scaled(NextTileButton)))
        return button::next;
    if (in_tap_area(px, py, scaled(HintButton)))
        return button::hint;
    if (in_tap_area(px, py, scaled(MenuButton)))
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

// One tap of play; true when it placed the last tile.
bool play_input() {
    int x = InputState.clickX;
    int y = InputState.clickY;
    press(button_under(x, y));
    wrap_tile(Game);
    bool complete = false;
    int t = board_edge();
    int column = 0;
    int row = 0;
    if (in_rect(x, y, t, t, board_size(), board_size()) && cell_under(x, y, &column, &row)) {
        int cell = cell_at(column, row);
        complete = move_and_show([cell](rule_events& e) { return tap_on_board(Game, cell, e); });
    }
    input_reset(InputState);
    input_clear_stylus(InputState);
    return complete;
}

// The rockets fly a fixed distance a second: 240 layout units, cut to whole pixels a frame.
void rocket_move() {
    int frames = FramesPerSecond > 0 ? FramesPerSecond : FrameRate;
    int step = 240 * Scale / frames;
    if (Game.RocketMode == 1) {
        Rockets[0].x -= step;
        Rockets[1].x += step;
    } else {
        Rockets[0].y -= step;
        Rockets[1].y += step;
    }
}

// A rocket is drawn from its point across its line of flight, six layout units to the side.
constexpr int RocketHalfWidth = 6;

void draw_rockets() {
    if (Game.RocketMode == 1) {
        for (int k = 0; k < 2; k++)
            RocketSprite1.ChooseBlit(k, static_cast<float>(Rockets[k].x),
                                     static_cast<float>(Rockets[k].y - RocketHalfWidth * Scale));
    } else if (Game.RocketMode == 2) {
        for (int k = 0; k < 2; k++)
            RocketSprite2.ChooseBlit(k, static_cast<float>(Rockets[k].x - RocketHalfWidth * Scale),
                                     static_cast<float>(Rockets[k].y));
    }
}

void play_frame() {
    bool complete = false;
    if (InputState.stylusDown == 1) {
        complete = play_input();
    } else if (button b = button_for_key(key_this_frame(InputState)); b != button::none) {
        press(b);
        wrap_tile(Game);
    }

    GameBackground.Blit(0, 0);

    // Once the last tile is down nothing is offered, and the offered-tile place stays empty.
    if (Game.TileCurrent >= 0 && Game.TileCurrent <= Game.TileLast && Game.TileLast <= LastCell) {
        pixel_rect offered = scaled(OfferedTilePlace);
        LevelPicture.ChooseBlit(Game.TileList[Game.TileCurrent], offered.x, offered.y);
    }

    for (int column = 0; column < BoardCells; column++)
        for (int row = 0; row < BoardCells; row++)
            if (Game.Board[cell_at(column, row)] == 1) {
                pixel_rect cell = scaled(cell_rect(row, column));
                LevelPicture.ChooseBlit(cell_at(column, row), cell.x, cell.y);
            }

    int t = board_edge();
    set_clip(t, t, board_size(), board_size(), screen);
    if (Game.RocketMode == 1 || Game.RocketMode == 2) {
        rocket_move();
        draw_rockets();
        int cells[2];
        for (int k = 0; k < 2; k++) {
            int column = 0;
            int row = 0;
            cells[k] =
                cell_under(Rockets[k].x, Rockets[k].y, &column, &row) ? cell_at(column, row) : -1;
        }
        move_and_show([&cells](rule_events& e) { return rocket_knock_out(Game, cells, e), 0; });
        follow_rockets();
    }
    draw_effects();
    set_clip(0, 0, 240 * Scale, 320 * Scale, screen);

    draw_hud();
    move_and_show([](rule_events& e) { return second_tick(Game, FramesPerSecond, e), 0; });
    if (complete) {
        // The last tile went down before the clock ticked, so a second running out on the same
        // frame does not turn a completed level into a lost game.
        move_and_show([](rule_events& e) { return level_complete(Game, e), 0; });
        stats_level_ends("cleared");
        if (GameSubState == phases::nextlevel) {
            pixel_rect banner = scaled(GoodWorkPlace);
            GoodWorkPicture.Blit(banner.x, banner.y);
            play_sound(GoodSound, 0);
        }
    } else if (GameState == states::init_game_over) {
        stats_level_ends("time up");
    }
}

} // namespace

void draw_effects() {
    for (emitter& trail : trails) {
        trail.Update(0);
        trail.Draw(ParticleSprite2);
    }
    if (Game.HintActive) {
        hint_marker.Update(0);
        hint_marker.Draw(ParticleSprite2);
    }
    update_explosions();
    tick_explosions();
}

void game_frame() {
    // The look and the play can be paused; a pause asked for during a fade or a won level's wait
    // is taken as soon as the look or the play begins.
    switch (pause_frame(GameSubState == phases::five_sec || GameSubState == phases::start_gry)) {
    case pause_outcome::paused:
        return;
    case pause_outcome::to_menu:
        press(button::menu);
        return;
    case pause_outcome::resumed:
        // The panel covered the picture: the look shows it again, for the time it had left.
        if (GameSubState == phases::five_sec)
            show_look();
        break;
    case pause_outcome::running:
        break;
    }
    if ((GameSubState == phases::five_sec || GameSubState == phases::start_gry) &&
        key_this_frame(InputState) == 's')
        toggle_sound();
    Fade.maluj();
    if (GameSubState == phases::przejscie_obrazek) {
        if (Fade.done == 1) {
            show_look_picture();
            enter_phase(phases::five_sec);
        }
    } else if (GameSubState == phases::five_sec) {
        picture_shown();
    } else if (GameSubState == phases::przejscie_obrazek2) {
        if (Fade.done == 1)
            enter_phase(phases::start_gry);
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
