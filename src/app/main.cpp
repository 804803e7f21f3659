// Entry point of tessivane, the desktop window.
#include "app/StartUp.h"

int main(int argc, char** argv) {
    return tessivane::app::StartUp(argc, argv);
}
