// The player's pictures: one 12-megapixel photo made ready to play, and a folder of ten thousand
// files at start-up and at a new game.
#include <benchmark/benchmark.h>

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "game/pictures.h"
#include "res/player_pictures.h"

namespace {

std::string Work;

// A scratch folder with one 4000 x 3000 JPEG, and a folder holding it under ten thousand names.
const std::string& work() {
    if (!Work.empty())
        return Work;
    char folder[] = "/tmp/tessoli-photo-bench-XXXXXX";
    Work = std::string(mkdtemp(folder)) + "/";
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_Init(SDL_INIT_VIDEO);
    std::string make = "mkdir -p '" + Work + "one' '" + Work + "many' && convert -size 4000x3000 " +
                       "gradient:orange-navy -swirl 200 -quality 90 '" + Work + "one/photo.jpg'";
    if (std::system(make.c_str()) != 0)
        std::fprintf(stderr, "photo_bench: could not make the photo\n");
    for (int i = 0; i < 10000; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "many/p%05d.jpg", i);
        if (link((Work + "one/photo.jpg").c_str(), (Work + name).c_str()) != 0)
            break;
    }
    PlayerPicturesCache = Work + "ready/";
    return Work;
}

void BM_PrepareTwelveMegapixelPhoto(benchmark::State& state) {
    PlayerPicturesFolder = work() + "one/";
    for (auto _ : state) {
        std::string hash, path, why;
        if (!prepare_player_picture("photo.jpg", 450, &hash, &path, &why))
            state.SkipWithError(why.c_str());
        state.PauseTiming();
        std::remove(path.c_str()); // made again each time, as the first level to show it does
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PrepareTwelveMegapixelPhoto)->Unit(benchmark::kMillisecond);

// What start-up and the menu do with the folder: count the pictures in it.
void BM_CountTenThousandFiles(benchmark::State& state) {
    PlayerPicturesFolder = work() + "many/";
    for (auto _ : state)
        count_player_pictures();
    if (PlayerPictureCount != 10000)
        state.SkipWithError("the folder does not hold ten thousand pictures");
}
BENCHMARK(BM_CountTenThousandFiles)->Unit(benchmark::kMillisecond);

// A new game with them: twenty chosen at random, each read once to name its content.
void BM_NewGameFromTenThousandFiles(benchmark::State& state) {
    PlayerPicturesFolder = work() + "many/";
    UsePlayerPictures = true;
    for (auto _ : state)
        choose_game_pictures();
}
BENCHMARK(BM_NewGameFromTenThousandFiles)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (!Work.empty())
        std::system(("rm -rf '" + Work + "'").c_str());
    return 0;
}
