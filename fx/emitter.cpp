// PLACEHOLDER until the particle engine lands.
#include "fx/emitter.h"
void emitter::Reset() {}
void emitter::Spawn() {}
void emitter::Burst() {}
void emitter::Update(unsigned char) {}
void emitter::Move() {}
void emitter::Prune() {}
void emitter::Clear() { while (particles) { particle* n = particles->next; delete particles; particles = n; } }
void emitter::Draw(sprite&) {}
