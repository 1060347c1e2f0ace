// The one reader of the whole numbers in the game's text files (the saved game, config.tll,
// recordings) and its one rule for a number too large for its field.
#pragma once

#include <cstddef>
#include <string>

enum class number_read {
    done,
    none,         // the text ends, or holds something else where a number should begin
    out_of_range, // a number the field cannot hold: damage, never wrapped or pinned to an end
};

// A text read as one number after another.
struct number_reader {
    explicit number_reader(const std::string& text, std::size_t at = 0) : text(text), at(at) {}

    // The next number as "%d" finds it: white space, an optional sign, decimal digits. One
    // outside [low, high] is out_of_range, and `at` moves past its digits all the same; with
    // none, `at` stays where it was.
    number_read next(long long low, long long high, long long* value);
    number_read next_int(int* value);
    // Only white space is left.
    bool at_end();

    const std::string& text;
    std::size_t at;
};
