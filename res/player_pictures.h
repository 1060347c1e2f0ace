// The player's own pictures: the folder they are kept in, and each made once into a level picture.
#pragma once

#include <string>
#include <vector>

// Set by start-up: the folder the player's pictures are in ($XDG_DATA_HOME/tessoli/pictures/, or
// the one --pictures names; empty when there is none, as while a recording plays) and the folder
// they are kept in once made ready ($XDG_CACHE_HOME/tessoli/pictures/). Both end in '/'.
extern std::string PlayerPicturesFolder;
extern std::string PlayerPicturesCache;

// A picture file is read whole only up to this size; a bigger one is no photo the game takes.
constexpr long long PlayerPictureFileLimit = 64LL << 20;

// The JPEG and PNG files directly in the folder, by name. Only names are read: a folder of ten
// thousand files costs a glance, and each picture is opened when a level needs it.
std::vector<std::string> list_player_pictures();

// A dropped picture, or the pictures directly in a dropped folder, copied into the folder (under a
// new name when another picture has theirs; not again when the same picture is there). Each file
// that is no picture the game takes is said in one line; the number copied.
int add_player_pictures(const std::string& dropped);

// The content of a picture file, named for the cache: 16 hex digits.
std::string picture_content_name(const std::string& bytes);

// Reads the named picture of the folder whole and looks at its header: a JPEG or PNG of a size the
// game decodes. *hash gets its content name. False, with the reason in *why, for anything else.
bool check_player_picture(const std::string& name, std::string* hash, std::string* why);

// Makes the named picture of the folder (or, with hash given, only a file of that content) into a
// size x size level picture: turned upright, cut to its centred square and scaled, kept in the
// cache under its content, so the same picture is made only once. *path gets the ready picture,
// *hash its content name. False, with the reason in *why, for a file that is not a readable JPEG
// or PNG picture of a sane size.
bool prepare_player_picture(const std::string& name, int size, std::string* hash, std::string* path,
                            std::string* why);

// The ready picture of a content at a size, when the cache still holds it; else empty.
std::string cached_player_picture(const std::string& hash, int size);
