// PLACEHOLDER until fonts land.
#include "text/font.h"
#include <cstdio>
void font::LoadMetrics(const char*, const char*, int sw, int lh) { space_width = sw; line_height = lh; style = 0; }
int font::TextWidth(const char*) { return 0; }
void font::DrawText(const char*, int, int, int) {}
int font::IsHit(int, int) { return 0; }
void font::DrawParagraph(const char*, int, int, int, int) {}
char* int_to_text(int value) { static char buffer[20]; std::snprintf(buffer, sizeof buffer, "%d", value); return buffer; }
