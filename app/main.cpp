// The program's entry point.
#include "app/state.h"

int main(int argc, char** argv) {
    return tessoli_main(argc, argv);
}
