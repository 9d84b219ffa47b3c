// main.cpp: our options, start-up, then GLUT's main loop for good.
#include <GL/glut.h>

#include <csignal>

#include "alley/alley.h"
#include "callouts/callouts.h"
#include "camera/camera.h"
#include "command_line.h"
#include "final.h"
#include "option_door.h"
#include "real_physics/real_physics.h"
#include "replay/replay.h"
#include "score/score.h"
#include "smooth/smooth.h"
#include "sound/sound.h"
#include "standard_streams.h"
#include "window/window.h"

int main(int argc, char** argv)
{
    // A reader that goes away, as head does, must not end the game: what it
    // would have read is dropped.
    signal(SIGPIPE, SIG_IGN);
    // Before the streams are made safe: --help must find a closed standard
    // output closed. It opens nothing.
    const CommandLine options = readCommandLine(&argc, argv);
    prepareStandardStreams();
    // In the order their moments run; keys go first to the last attached.
    if (options.realPhysics)
        attachOption(realPhysicsOption());
    // Rigid bodies are watched between their steps: a pin that flies moves
    // too far in 50 ms to be followed in steps.
    if (options.smoothMotion || options.realPhysics)
        attachOption(smoothOption());
    if (options.playSound)
        attachOption(soundOption());
    // Over the options that play, so its game-over panel takes their keys;
    // before anything else lays out the scene, as the strip takes its rows.
    if (options.keepScore) {
        attachOption(scoreOption());
        if (options.bowlerCount > 0)
            nameBowlers(options.bowlers, options.bowlerCount);
    }
    // The player's game keeps its own time, and has the alley around its
    // lane, its cameras, its callouts, its replays, and its window; last, so
    // its panels cover what the others draw.
    if (playerGame()) {
        attachOption(steadyClock());
        attachOption(alleyOption());
        attachOption(cameraOption());
        attachOption(calloutsOption());
        attachOption(replayOption());
        attachOption(playerWindow(argc, argv, options.realPhysics));
        if (options.askBowlers)
            attachOption(startPanel());
    }
    startUp(&argc, argv);
    glutMainLoop();
    return 0;
}
