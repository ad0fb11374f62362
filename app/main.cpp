#include "app/rungame.h"

int main(int argc, char** argv)
{
    // First of all: a Ctrl+C during start-up then waits for the event loop
    // instead of killing the game halfway.
    app::prepareSignals();
    return app::runGame(argc, argv);
}
