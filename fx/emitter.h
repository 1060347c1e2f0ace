// The particle engine: one emitter record per effect and its list of live particles.
#pragma once

class sprite;

struct particle {
    int life;
    float x, y;
    float dx, dy;
    float speed;
    int alpha;
    float fade_rate;
    float frame;
    particle* next;
};

// No constructor on purpose: a global emitter is all zero before the game starts, which is idle.
class emitter {
  public:
    particle* particles;
    float spawn_credit;
    int age;
    int since_spawn;
    int start_frame;
    int end_frame;
    int angle_steps;
    int angle;
    int spread;
    int life;
    int fade_start;
    float gravity_x;
    float gravity_y;
    float speed;
    int alpha;
    int burst;
    float rate;
    int min_interval;
    int frames;
    int life_range;
    float speed_range;
    int alpha_range;
    float rate_range;
    unsigned char random_frame;
    int x, y;
    int x_range, y_range;

    ~emitter() { Clear(); }

    void Reset();
    void Spawn();
    void Burst();
    void Update(unsigned char stop);
    void Move();
    void Prune();
    void Clear();
    void Draw(sprite& picture);
};
