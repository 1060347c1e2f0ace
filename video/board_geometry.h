// Where the 5 x 5 board lies on the screen: in the 240 x 320 layout, and in pixels at Scale.
#pragma once

#include "video/units.h"

// In layout units. The board starts 7.5 in from the left and top edges of the screen; each of its
// cells is 45 square, so the board (and every level picture) is 225 square.
constexpr int BoardCells = 5;
constexpr float BoardEdgeUnits = 7.5f;
constexpr int CellUnits = 45;
constexpr int BoardUnits = BoardCells * CellUnits;

// The square of the cell in row, column (from 0 at the top left), where its tile is drawn.
constexpr layout_rect cell_rect(int row, int column) {
    return {BoardEdgeUnits + static_cast<float>(CellUnits * column),
            BoardEdgeUnits + static_cast<float>(CellUnits * row), CellUnits, CellUnits};
}

// In pixels at the current Scale. Sprites keep float positions, so pictures are placed at the
// exact edge; where whole pixels are needed (taps, clipping, lines) the edge is cut toward zero.
inline float board_edge_f() {
    return scaled(BoardEdgeUnits);
}
inline int board_edge() {
    return static_cast<int>(board_edge_f());
}
inline int cell_size() {
    return CellUnits * Scale;
}
inline int board_size() {
    return BoardUnits * Scale;
}

// The cell under a screen point; false when its column or row falls outside the board.
inline bool cell_under(int px, int py, int* column, int* row) {
    float scale = static_cast<float>(Scale);
    float cell = static_cast<float>(CellUnits) * scale;
    float fc = (static_cast<float>(px) - BoardEdgeUnits * scale) / cell;
    float fr = (static_cast<float>(py) - BoardEdgeUnits * scale) / cell;
    // Decide on the float first so a point far off the board never overflows the conversion.
    const float cells = static_cast<float>(BoardCells);
    if (!(fc > -1.0f && fc < cells && fr > -1.0f && fr < cells))
        return false;
    *column = static_cast<int>(fc);
    *row = static_cast<int>(fr);
    return true;
}
