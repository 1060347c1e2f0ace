// Where the play screen's things lie around the board, in layout units (video/board_geometry.h
// holds the board and its cells).
#pragma once

#include "text/font_sizes.h"
#include "video/board_geometry.h"
#include "video/units.h"

// The tile offered to be placed, under the board between the two arrow buttons.
constexpr layout_rect OfferedTilePlace{97.5f, 245.0f, CellUnits, CellUnits};

// The four buttons are part of the background picture; these are the boxes that take their taps
// (in_tap_area may grow them, but none meets another or the board).
constexpr layout_rect PreviousTileButton{55, 250, 35, 40};
constexpr layout_rect NextTileButton{148, 250, 35, 40};
constexpr layout_rect HintButton{8, 240, 34, 25};
constexpr layout_rect MenuButton{196, 240, 34, 25};

// The head-up display: the time bar along the bottom (a level's 230 seconds at its full width)
// and a line of text above it: "Level:" and "Score:" at their x, each number right-aligned to end
// at the right edge of its box.
constexpr layout_rect TimeBarPlace{5, 315, 230, 5};
constexpr int HudTextTop = 296;
constexpr int LevelLabelLeft = 12;
constexpr int ScoreLabelLeft = 140;
constexpr layout_rect LevelNumberBox{50, HudTextTop, 22, SmallFontSize.line_height};
constexpr layout_rect ScoreNumberBox{180, HudTextTop, 50, SmallFontSize.line_height};

// The banner shown over the board when a level is won, across the whole width.
constexpr layout_rect GoodWorkPlace{0, 60, 240, 100};
