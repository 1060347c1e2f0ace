// Full-screen transitions from back buffer 0 to back buffer 1: cross-fades, slides and colour
// fades.
#pragma once

class fade {
  public:
    int counter = 0;
    float alpha_step = 0.0f;
    float step_1 = 0.0f;
    float step_2 = 0.0f;
    int r = 0, g = 0, b = 0;
    int done = 0;
    int steps = 0;
    int type = 0;
    int direction = 0;
    int distance_1 = 0;
    int distance_2 = 0;
    // Set by Prepare; a fade that was never prepared (or last started with an unknown kind) paints
    // nothing, so screens may call maluj every frame.
    int prepared = 0;

    fade();
    ~fade() {}
    void Reset();
    void Start(int kind, int steps);
    void SetColor(int r, int g, int b);
    void Prepare();
    void maluj();
};

extern fade Fade;
