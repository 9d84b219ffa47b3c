// golden_session_test.cpp: recorded sessions of play, replayed through the
// real callbacks and compared line for line with the files in tests/golden,
// whose format tests/golden/README.md describes.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "alley/alley.h"
#include "assets/assets.h"
#include "bmp_writer.h"
#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"
#include "rendering/rendering.h"
#include "scratch_folder.h"
#include "score/score.h"
#include "smooth/smooth.h"
#include "window/window.h"

namespace {

using State = std::map<std::string, std::string>;

// The shortest text that reads back as the same float.
std::string text(float value)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string text(Vector3D v) { return text(v.getDx()) + "," + text(v.getDy()) + "," + text(v.getDz()); }

// A colour's red, green and blue: with blending off, its alpha shows nowhere.
std::string rgb(const float* colour) { return text(Vector3D(colour[0], colour[1], colour[2])); }

// Where the ball's front, towards the pins at the start, points as it rolls.
std::string forwardAxis(const float* roll) { return text(Vector3D(0 - roll[8], 0 - roll[9], 0 - roll[10])); }

// Between callbacks the modelview matrix is the identity, one deep.
std::string modelview()
{
    static const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float matrix[16];
    GLint depth, mode;
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    const bool moved = memcmp(matrix, identity, sizeof matrix) != 0;
    return !moved && depth == 1 && mode == GL_MODELVIEW
               ? "identity"
               : (moved ? "moved, depth " : "depth ") + std::to_string(depth) + ", mode " + std::to_string(mode);
}

// The cells as drawn, two a frame and three in the tenth, then the running
// totals known: "X 7/72 | 20 37".
std::string text(const ScoreSheet& sheet)
{
    std::string text = sheet.marks;
    text = text.substr(0, text.find_last_not_of(' ') + 1) + " |";
    for (int total : sheet.runningTotals)
        if (total != noScore)
            text += " " + std::to_string(total);
    return "\"" + text + "\"";
}

State gameState()
{
    State s = {{"eye", text(eye)}, {"look", text(look)}, {"clickedX", text(clickedX)},
               {"state", std::to_string(currentState)}, {"framePart", std::to_string(framePart)},
               {"ballX", text(ballX)}, {"ballZ", text(ballZ)}, {"ballTheta", std::to_string(ballTheta)},
               {"ballSpeed", text(ballSpeed)}, {"ballSpeedChange", text(ballSpeedChange)},
               {"ballForward", forwardAxis(ballRollMatrix) + (ballRollMatrix == ballRollM ? "" : " elsewhere")},
               {"bumpers", std::to_string(useBumpers)}, {"axes", std::to_string(shouldDrawAxes)}};
    for (int i = 0; i < pinCount; i++) {
        const std::string n = std::to_string(i);
        s["pin" + n] = (pins[i].isShown() ? "up:" : "hidden:") + text(PinInspector::fallAngle(pins[i]));
        s["fall" + n] = text(PinInspector::fallDirection(pins[i]));
        s["rack" + n] = text(PinInspector::x(pins[i])) + "," + text(PinInspector::z(pins[i]));
    }
    std::string timers;
    for (const ScheduledTimer& timer : glutRecorder::timers)
        timers += std::to_string(timer.milliseconds) +
                  (timer.callback == moveBall ? "ms:ball " : timer.callback == changeSpeed ? "ms:meter " : "ms:picture ");
    s["timers"] = timers;
    s["matrix"] = modelview();
    s["glError"] = std::to_string(glGetError());
    // What a drawing leaves for the next: the aim arrow and the axes are lit
    // with whatever material is current.
    float colour[4], ambient[4], diffuse[4], specular[4], shininess;
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    s["colour"] = rgb(colour);
    s["material"] = "ambient " + rgb(ambient) + " diffuse " + rgb(diffuse) + " specular " + rgb(specular) +
                    " shininess " + text(shininess);
    s["lighting"] = std::to_string(glIsEnabled(GL_LIGHTING)) + (glIsEnabled(GL_TEXTURE_2D) ? " textured" : "");
    if (const ScoreSheet* sheet = currentSheet())
        s["sheet"] = text(*sheet);
    return s;
}

// Checked after every event, watched or not; shown only when not so.
const State invariants = {{"matrix", "identity"}, {"glError", "0"}};

// pin3 is one of "pin", the ten of them.
std::string family(const std::string& name) { return name.substr(0, name.find_last_not_of("0123456789") + 1); }

// Values that move a little each step or key: notes in a row that move
// the same ones of these, and nothing else, make one line.
bool moves(const std::string& name)
{
    static const std::set<std::string> moving = {"eye", "clickedX", "ballX", "ballZ", "ballTheta", "ballSpeed",
                                                 "ballForward", "pin", "fall"};
    return moving.count(family(name));
}

// The second frame drawn is compared: what a frame leaves behind (a matrix,
// texturing, a material) shows in the next. It is kept at half size, each
// pixel the mean of a 2 x 2 block, where a thin line still shows. Mesa's
// software renderer keeps the swapped picture in the back buffer. Rows
// counts from the bottom: the scene, and the strip of --score above it.
void expectFrameLike(const std::string& name, int bottom, int rows)
{
    display();
    display();
    std::vector<unsigned char> frame((size_t)GW * rows * 3), actual(frame.size() / 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, bottom, GW, rows, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
    const int width = GW / 2, height = rows / 2;
    gluScaleImage(GL_RGB, GW, rows, GL_UNSIGNED_BYTE, frame.data(), width, height, GL_UNSIGNED_BYTE, actual.data());
    const std::string reference = std::string(BOWLING_TEST_DATA) + "/reference/" + name + ".bmp";
    if (getenv("BOWLING_UPDATE_EXPECTED"))
        writeBmp(reference, width, height, actual);

    Image expected;
    ASSERT_TRUE(ImageLoad(reference.c_str(), &expected)) << name << ": no picture stored";
    ASSERT_EQ(expected.width * expected.height * 3, actual.size()) << name;
    // Differing values bright over a dimmed copy of the reference; a
    // difference of 1 or 2 would be a rounding elsewhere.
    std::vector<unsigned char> difference(actual.size());
    int differing = 0;
    for (size_t i = 0; i < difference.size(); i++) {
        const bool differs = std::abs(expected.data[i] - actual[i]) > 2;
        differing += differs;
        difference[i] = differs ? 255 : expected.data[i] / 4;
    }
    free(expected.data);
    if (differing > 0) {
        const std::string stem = std::filesystem::absolute(name);
        writeBmp(stem + "-actual.bmp", width, height, actual);
        writeBmp(stem + "-difference.bmp", width, height, difference);
        ADD_FAILURE() << name << ": " << differing << " values differ, see " << stem << "-actual.bmp and "
                      << stem << "-difference.bmp";
    }
}

// An event's next word read whole, or the event is not understood.
template <typename T = std::string>
T next(std::istream& in)
{
    T value;
    if (!(in >> value) || !(in.peek() == EOF || isspace(in.peek())))
        throw std::invalid_argument("a word is missing or malformed");
    return value;
}

float real(std::istream& in) { return (float)next<double>(in); }

Pin& pin(std::istream& in)
{
    const int index = next<int>(in);
    return index >= 0 && index < pinCount ? pins[index] : throw std::out_of_range("no such pin");
}

// The player's game has its window's option with any other: attached once
// a session, last, as the game attaches it.
bool playerWindowAttached = false;
void attachPlayerWindow()
{
    if (!playerWindowAttached)
        attachOption(playerWindow(0, nullptr));
    playerWindowAttached = true;
}

const std::map<std::string, void (*)()> drawings = {{"floor", drawFloor}, {"pins", [] { drawPins(pins); }},
    {"ball", [] { drawBall(turn); }}, {"meter", [] { drawForceMeter(ballSpeed); }},
    {"arrow", [] { drawAimArrow(ballTheta); }}, {"axes", drawAxes}};

const std::map<std::string, std::function<void(std::istream&)>> settings = {
    {"state", [](std::istream& in) { currentState = next<int>(in); }},
    {"framePart", [](std::istream& in) { framePart = (uint8_t)next<int>(in); }},
    {"ballX", [](std::istream& in) { ballX = real(in); }},
    {"ballZ", [](std::istream& in) { ballZ = real(in); }},
    {"ballTheta", [](std::istream& in) { ballTheta = next<int>(in); }},
    {"ballSpeed", [](std::istream& in) { ballSpeed = real(in); }},
    {"bumpers", [](std::istream& in) { useBumpers = next<int>(in) != 0; }},
};

// The events that call one function each; "key", "tick" and "roll" below.
const std::map<std::string, std::function<void(std::istream&)>> actions = {
    {"restart", [](std::istream&) { restoreStartState(); }},
    {"press", [](std::istream& in) { mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, next<int>(in), 0); }},
    {"drag", [](std::istream& in) { const int x = next<int>(in); mouseMove(x, next<int>(in)); }},
    {"reshape", [](std::istream& in) { const int w = next<int>(in); reshape(w, next<int>(in)); }},
    {"step", [](std::istream&) { moveBall(0); }},
    {"reset", [](std::istream&) { reset(); }},
    {"place", [](std::istream& in) { Pin& p = pin(in); const float x = real(in); p.init(x, real(in)); }},
    {"fall", [](std::istream& in) {
         Pin& p = pin(in);
         PinInspector::fallAngle(p) = real(in);
         const float dx = real(in), dy = real(in);
         PinInspector::fallDirection(p) = Vector3D(dx, dy, real(in));
     }},
    {"hide", [](std::istream& in) { pin(in).hide(); }},
    // Scoring, with no best game yet in a data folder of the session's own.
    {"score", [](std::istream&) {
         static std::optional<ScratchFolder> data;
         data.emplace();
         setenv("XDG_DATA_HOME", data->path.c_str(), 1);
         keepScore(true);
         attachPlayerWindow();
     }},
    // The player's game with the alley around its lane.
    {"alley", [](std::istream&) {
         attachOption(alleyOption());
         attachPlayerWindow();
     }},
    {"ball", [](std::istream& in) { recordBall(next<int>(in)); }},
    {"draw", [](std::istream& in) { drawings.at(next(in))(); }},
    {"frame", [](std::istream& in) { expectFrameLike(next(in), 0, GH); }},
    {"strip", [](std::istream& in) { expectFrameLike(next(in), GH, glutGet(GLUT_WINDOW_HEIGHT) - GH); }},
    {"window", [](std::istream& in) { const int w = next<int>(in); EXPECT_TRUE(resizeGameWindow(w, next<int>(in))); }},
    {"smooth", [](std::istream&) { smoothMotion(true); }},
    {"picture", [](std::istream&) { drawSmoothly(); }},
    {"advance", [](std::istream& in) { pin(in).doFall(turn); }},
    {"collide", [](std::istream& in) { Pin& p = pin(in); p.detectPinCollision(pin(in), turn); }},
    {"set", [](std::istream& in) { settings.at(next(in))(in); }},
};

const std::map<std::string, int> specialKeys = {
    {"left", GLUT_KEY_LEFT}, {"right", GLUT_KEY_RIGHT}, {"up", GLUT_KEY_UP}, {"f1", GLUT_KEY_F1}, {"home", GLUT_KEY_HOME}};
const std::map<std::string, unsigned char> namedKeys = {{"space", ' '}, {"esc", 27}, {"enter", '\r'}};

class Session {
public:
    std::string text;      // comments and events, each event followed by a line per callback or step it ran
    std::string expected;  // the file as read

    // Plays the events of a golden file; the lines not understood, by number.
    std::map<int, std::string> replay(const std::string& path)
    {
        std::map<int, std::string> failures;
        std::ifstream file(path);
        if (!file)
            failures[0] = "no such file";
        int number = 0;
        for (std::string line; std::getline(file, line);) {
            expected += line + "\n";
            number++;
            if (line.rfind("  ", 0) == 0)
                continue;  // a result line: made again by the event before it
            write(line);
            testing::internal::CaptureStdout();
            try {
                if (line.rfind("> ", 0) == 0)
                    run(line.substr(2));
                else if (line.rfind("#", 0) != 0)
                    throw std::invalid_argument("neither an event, a result nor a comment");
            } catch (const std::exception& e) {
                failures[number] = e.what() + (": " + line);
            }
            std::istringstream out(testing::internal::GetCapturedStdout());
            for (std::string printed; std::getline(out, printed);)
                write("  stdout: " + printed);
        }
        return failures;
    }

private:
    State before = invariants;  // so the first line lists every watched value
    std::set<std::string> watched;  // names and families; empty: every value
    size_t lastNoteAt = 0;   // where the latest line of notes starts in text
    int lastNoteTimes = 0;   // how many notes in a row that line stands for
    std::string lastShape;   // the names it moved and its redraws; empty if it cannot take more

    void write(const std::string& line)
    {
        text += line + "\n";
        lastShape.clear();
    }

    bool watches(const std::string& name) const
    {
        return watched.empty() || invariants.count(name) || watched.count(name) || watched.count(family(name));
    }

    // The values to watch from now on, each by its name or its family's.
    void watch(std::istream& words)
    {
        std::set<std::string> known = {"sheet"};
        for (const auto& [name, value] : gameState())
            known.insert({name, family(name)});
        watched.clear();
        do {
            const std::string word = next(words);
            if (!known.count(word))
                throw std::invalid_argument("no such value to watch");
            watched.insert(word);
        } while (!(words >> std::ws).eof());
        before = invariants;
    }

    void run(const std::string& event)
    {
        std::istringstream words(event);
        const std::string verb = next(words);
        if (verb == "key") {
            do
                repeat(next(words));
            while (!(words >> std::ws).eof());
        } else if (verb.rfind("tick", 0) == 0) {
            repeat(verb);
        } else if (verb == "roll") {
            while (currentState == rolling && glutRecorder::runNextTimer())
                note();
        } else if (verb == "watch") {
            watch(words);
            note();
        } else if (verb == "between") {
            // The picture's values on a line of their own, not merged with the state put back.
            const Turn exact = turn;
            turn = pictureBetween(real(words));
            note();
            lastShape.clear();
            turn = exact;
            note();
        } else {
            actions.at(verb)(words);
            note();
        }
        if (!(words >> std::ws).eof())
            throw std::invalid_argument("words left over");
    }

    // A key name, or "tick" for the next timer, with an optional *count.
    void repeat(const std::string& word)
    {
        const size_t star = word.find('*');
        const std::string key = word.substr(0, star);
        std::istringstream countText(star == std::string::npos ? "1" : word.substr(star + 1));
        const int count = next<int>(countText);
        if (count < 1 || (key != "tick" && key.size() != 1 && !specialKeys.count(key) && !namedKeys.count(key)))
            throw std::invalid_argument("no such key or count");
        for (int i = 0; i < count; i++) {
            if (key == "tick")
                glutRecorder::runNextTimer();
            else if (specialKeys.count(key))
                specialKeyboard(specialKeys.at(key), 0, 0);
            else
                keyboard(namedKeys.count(key) ? namedKeys.at(key) : key[0], 0, 0);
            note();
        }
    }

    // What changed since the last line, and the redraws asked for meanwhile.
    void note()
    {
        const State now = gameState();
        std::string line, shape;
        bool moving = true;
        for (const auto& [name, value] : now)
            if (watches(name) && before[name] != value) {
                line += " " + name + "=" + value;
                shape += " " + name;
                moving = moving && moves(name);
            }
        if (glutRecorder::redisplays)
            line += " draws=" + std::to_string(glutRecorder::redisplays);
        shape += " draws=" + std::to_string(glutRecorder::redisplays);
        glutRecorder::redisplays = 0;
        before = now;
        if (line.empty())
            line = " -";
        if (moving && shape == lastShape) {
            text.resize(lastNoteAt);
            text += "  " + std::to_string(++lastNoteTimes) + " times:" + line + "\n";
            return;
        }
        lastNoteAt = text.size();
        lastNoteTimes = 1;
        text += " " + line + "\n";
        lastShape = moving ? shape : "";
    }
};

class GoldenSession : public testing::TestWithParam<const char*> {};
class SmoothGoldenSession : public GoldenSession {};

void replay(const char* name, bool smooth)
{
    const std::string path = std::string(BOWLING_TEST_DATA) + "/golden/" + name + ".txt";
    Session session;
    detachOptions();
    attachOption(scoreOption());
    attachOption(smoothOption());
    playerWindowAttached = false;
    keepScore(false);
    ASSERT_TRUE(resizeGameWindow(500, 500));  // after a session that resized it
    restoreStartState();
    smoothMotion(smooth);
    display();  // so OpenGL's state does not hang on whether the window was exposed yet
    for (const auto& [number, failure] : session.replay(path))
        ADD_FAILURE() << path << ":" << number << ": " << failure;
    const std::string& actual = session.text;
    const std::string& expected = session.expected;
    if (getenv("BOWLING_UPDATE_EXPECTED") && !smooth)
        std::ofstream(path) << actual;
    else if (actual != expected) {
        std::istringstream want(expected), got(actual);
        std::string wanted, gotten;
        int number = 1;
        while (std::getline(want, wanted) && std::getline(got, gotten) && wanted == gotten)
            number++;
        const std::string saved = std::string(name) + "-actual.txt";
        std::ofstream(saved) << actual;
        ADD_FAILURE() << path << ":" << number << "\n expected: " << wanted << "\n   actual: " << gotten
                      << "\nall of it in " << saved;
    }
}

}  // namespace

TEST_P(GoldenSession, ReplaysExactly) { replay(GetParam(), false); }

// With --smooth on, gliding from picture to picture: the same steps, pins
// and scores.
TEST_P(SmoothGoldenSession, ReplaysExactly) { replay(GetParam(), true); }

// A straight ball through the rack: each step asks for its picture right
// after the move, before the pins, the decay, the spin and the next timer.
TEST(WrittenStep, AsksForItsPictureRightAfterTheMove)
{
    static Turn atRedraw;
    static size_t timersAtRedraw;
    restoreStartState();
    keyboard(' ', 0, 0);
    keyboard(' ', 0, 0);
    glutRecorder::onRedisplay = [] { atRedraw = turn, timersAtRedraw = glutRecorder::timers.size(); };
    int pinSteps = 0;
    while (currentState == rolling) {
        Turn moved = turn;
        const bool ballStep = glutRecorder::timers.front().callback == moveBall;
        ASSERT_TRUE(glutRecorder::runNextTimer());
        if (!ballStep || currentState != rolling)
            continue;  // the meter's last step; the last ball step puts the ball back
        moved.ballX = turn.ballX, moved.ballZ = turn.ballZ;
        EXPECT_TRUE(atRedraw == moved) << "at ballZ " << turn.ballZ;
        EXPECT_EQ(timersAtRedraw + 1, glutRecorder::timers.size()) << "at ballZ " << turn.ballZ;
        pinSteps += !std::equal(moved.pins, moved.pins + pinCount, turn.pins);
    }
    EXPECT_GT(pinSteps, 0) << "the ball should reach the pins";
}

// The reader must refuse every line of the table but its comments.
TEST(GoldenReader, RefusesEveryTypo)
{
    const std::string path = std::string(BOWLING_TEST_DATA) + "/golden_typos.txt";
    Session session;
    const std::map<int, std::string> refused = session.replay(path);
    std::istringstream lines(session.expected);
    int number = 0;
    for (std::string line; std::getline(lines, line);)
        EXPECT_EQ(refused.count(++number) == 1, line[0] != '#') << path << ":" << number << ": " << line;
    restoreStartState();
}

const auto paramName = [](const auto& info) { return std::string(info.param); };
INSTANTIATE_TEST_SUITE_P(Sessions, GoldenSession,
                         testing::Values("start_and_keys", "meter_and_reset", "orbit", "pins", "ball_steps", "throws",
                                         "frames", "scored_games", "sheets", "drawings", "smooth", "strip", "pause", "alley"),
                         paramName);
INSTANTIATE_TEST_SUITE_P(Sessions, SmoothGoldenSession, testing::Values("throws", "scored_games"), paramName);
