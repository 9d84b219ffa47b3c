// main.cpp: our options, start-up, then GLUT's main loop for good.
#include <GL/glut.h>

#include <csignal>

#include "command_line.h"
#include "final.h"
#include "option_door.h"
#include "real_physics/real_physics.h"
#include "score/score.h"
#include "smooth/smooth.h"
#include "sound/sound.h"
#include "standard_streams.h"
#include "window/window.h"

int main(int argc, char** argv)
{
    prepareStandardStreams();
    // A reader that goes away, as head does, must not end the game: what it
    // would have read is dropped.
    signal(SIGPIPE, SIG_IGN);
    const CommandLine options = readCommandLine(&argc, argv);
    // In the order their moments run: the strip takes its rows before
    // anything else lays out the scene.
    if (options.keepScore) {
        keepScore(true);
        attachOption(scoreOption());
    }
    if (options.realPhysics)
        attachOption(realPhysicsOption());
    if (options.smoothMotion || options.realPhysics)
        attachOption(smoothOption());
    if (options.playSound)
        attachOption(soundOption());
    // The player's game keeps its own time, and has its window; last, so
    // its panels cover what the others draw.
    if (playerGame()) {
        attachOption(steadyClock());
        attachOption(playerWindow(argc, argv));
    }
    startUp(&argc, argv);
    glutMainLoop();
    return 0;
}
