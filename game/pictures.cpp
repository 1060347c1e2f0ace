// Which picture each level of a game shows: built-in, or the player's own in its place.
#include "game/pictures.h"

#include <cstdio>
#include <sstream>
#include <vector>

#include "game/game_state.h"
#include "platform/random.h"
#include "res/media_folder.h"
#include "res/player_pictures.h"
#include "text/font.h"
#include "video/board_geometry.h"
#include "video/sprite.h"

bool UsePlayerPictures = true;
int PlayerPictureCount;

void count_player_pictures() {
    PlayerPictureCount = static_cast<int>(list_player_pictures().size());
}

std::string pictures_line() {
    if (PlayerPictureCount <= 0)
        return std::string();
    if (!UsePlayerPictures)
        return "Pictures: built-in";
    std::string line = "Pictures: yours (" + std::to_string(PlayerPictureCount) + ")";
    return PlayerPictureCount < Levels ? line + " + built-in" : line;
}

void choose_game_pictures() {
    for (game_picture& p : GamePictures)
        p = game_picture();
    if (!UsePlayerPictures)
        return;
    std::vector<std::string> names = list_player_pictures();
    PlayerPictureCount = static_cast<int>(names.size());
    // More than twenty: twenty of them at random, drawn only in a game that has them, so a game
    // of built-in pictures draws what it always drew.
    // A file that is no picture the game can show is said once here and passed over.
    const int n = static_cast<int>(names.size());
    for (int i = 0, taken = 0; i < n && taken < Levels; ++i) {
        if (n > Levels)
            std::swap(names[i], names[i + game_rand() % (n - i)]);
        std::string hash, why;
        if (!check_player_picture(names[i], &hash, &why)) {
            std::fprintf(stderr, "Skipped your picture %s%s: %s\n", PlayerPicturesFolder.c_str(),
                         names[i].c_str(), why.c_str());
            continue;
        }
        GamePictures[taken].name = names[i];
        GamePictures[taken++].hash = hash;
    }
}

bool game_has_player_pictures() {
    for (const game_picture& p : GamePictures)
        if (!p.hash.empty())
            return true;
    return false;
}

void load_level_picture() {
    game_picture& p = GamePictures[Game.PictureNumber];
    if (!p.hash.empty()) {
        std::string hash = p.hash;
        std::string path = cached_player_picture(hash, board_size()), why;
        if (path.empty())
            prepare_player_picture(p.name, board_size(), &hash, &path, &why);
        if (!path.empty() && LevelPicture.LoadFile(path.c_str()) == 0)
            return;
        std::fprintf(stderr, "Your picture %s%s could not be shown (%s): a built-in one is used\n",
                     PlayerPicturesFolder.c_str(), p.name.c_str(),
                     why.empty() ? "its ready copy does not load" : why.c_str());
        p = game_picture();
    }
    std::string name = std::string(int_to_text(Game.PictureNumber + 1)) + ".jpg";
    LevelPicture.Load(MediaFolder, name.c_str(), 0);
}

namespace {

const char kHead[] = "tessoli pictures 1";

std::string game_name(const std::string& game) {
    return picture_content_name(game);
}

} // namespace

std::string game_pictures_text(const std::string& game) {
    std::string text = std::string(kHead) + "\ngame " + game_name(game) + "\n";
    for (const game_picture& p : GamePictures)
        text +=
            p.hash.empty() ? std::string("built-in\n") : "yours " + p.hash + " " + p.name + "\n";
    return text;
}

bool read_game_pictures(const std::string& text, const std::string& game) {
    for (game_picture& p : GamePictures)
        p = game_picture();
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kHead || !std::getline(in, line) ||
        line != "game " + game_name(game))
        return false;
    game_picture read[Levels];
    for (game_picture& p : read) {
        if (!std::getline(in, line))
            return false;
        if (line == "built-in")
            continue;
        // "yours HASH NAME": the name is the rest of the line, spaces and all.
        if (line.compare(0, 6, "yours ") != 0 || line.size() < 6 + 16 + 2 || line[22] != ' ')
            return false;
        p.hash = line.substr(6, 16);
        p.name = line.substr(23);
        if (p.name.find('/') != std::string::npos)
            return false;
    }
    for (int i = 0; i < Levels; ++i)
        GamePictures[i] = read[i];
    return true;
}
