// openal.cpp: the audio device through OpenAL Soft, which mixes on a thread
// of its own; every call here is made from the game's one thread, but for
// opening and closing the device, which are waited for a second. Trouble
// at any point closes everything and leaves the game silent, after one line
// on standard error.
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "regular_file.h"
#include "sound/sound.h"
#include "standard_streams.h"

static ALCdevice* device = nullptr;
static ALCcontext* context = nullptr;
static ALuint buffers[soundCount] = {};
static ALuint sources[voiceCount] = {};

// Sources nearer than this, in scene units, are heard at full loudness, and
// at twice the distance half as loud: the pins, 2.6 from the camera at its
// start, sound a little further off than the ball at release.
static const float referenceDistance = 2.0f;

// Destroying the context frees our voices; the sounds go with the device.
static void closeDevice(ALCdevice*& closing, ALCcontext*& itsContext)
{
    if (itsContext) {
        if (alcGetCurrentContext() == itsContext) {
            alSourceStopv(voiceCount, sources);
            alDeleteSources(voiceCount, sources);
            alDeleteBuffers(soundCount, buffers);
            alcMakeContextCurrent(nullptr);
        }
        alcDestroyContext(itsContext);
    }
    if (closing)
        alcCloseDevice(closing);
    closing = nullptr;
    itsContext = nullptr;
}

static void openDevice(ALCdevice*& opened, ALCcontext*& itsContext)
{
    opened = alcOpenDevice(nullptr);
    if (opened)
        itsContext = alcCreateContext(opened, nullptr);
}

// Opening or closing a device can wait for good inside the library: a
// configuration file or a wave writer's output that is a FIFO, a device that
// stops taking sound. So each runs on a thread of its own, waited for a
// second at most; one that ends later closes what it opened, unheard.
struct DeviceErrand {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    bool abandoned = false;
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
};

static bool withinASecond(void (*job)(ALCdevice*&, ALCcontext*&))
{
    const auto errand = std::make_shared<DeviceErrand>();
    errand->device = device;
    errand->context = context;
    std::thread([errand, job] {
        job(errand->device, errand->context);
        std::lock_guard<std::mutex> lock(errand->mutex);
        if (errand->abandoned)
            closeDevice(errand->device, errand->context);
        errand->done = true;
        errand->ended.notify_one();
    }).detach();
    std::unique_lock<std::mutex> lock(errand->mutex);
    errand->abandoned = !errand->ended.wait_for(lock, std::chrono::seconds(1), [&] { return errand->done; });
    device = errand->abandoned ? nullptr : errand->device;
    context = errand->abandoned ? nullptr : errand->context;
    return !errand->abandoned;
}

// False when the device did not close in time and was left behind.
static bool closeAudio()
{
    return !device || withinASecond(closeDevice);
}

// Noted as the program exits, before the options hear of it.
static int exitStatus = 0;
static void noteExitStatus(int status, void*) { exitStatus = status; }

// Exit flushes every stream, the library's writes to a device that stalls
// too: past a second the program ends at once, with its own lines written
// and the status it was ending with.
void closeAudioAtExit()
{
    if (closeAudio())
        return;
    fflush(stdout);
    fflush(stderr);
    restoreStandardStreams();
    _exit(exitStatus);
}

static bool fail(const char* why)
{
    fprintf(stderr, "bowling: %s; playing silent\n", why);
    closeAudio();
    return false;
}

// The audio libraries tell of a missing device in lines of their own on
// standard error, ALSA's beyond the reach of OpenAL Soft's log level; the
// player gets ours instead, unless they asked for the library's by setting
// its log level. False when the device did not answer in time.
static bool openDeviceQuietly()
{
    if (getenv("ALSOFT_LOGLEVEL"))
        return withinASecond(openDevice);
    setenv("ALSOFT_LOGLEVEL", "0", 0);
    fflush(stderr);
    const int kept = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (kept >= 0 && null >= 0)
        dup2(null, STDERR_FILENO);
    const bool answered = withinASecond(openDevice);
    if (kept >= 0 && null >= 0)
        dup2(kept, STDERR_FILENO);
    if (kept >= 0)
        close(kept);
    if (null >= 0)
        close(null);
    return answered;
}

// The library reads each of its configuration files to its end and waits on
// a FIFO: /dev/zero or a huge file in one of its places would fill memory
// for good. Each must be missing, unreadable (the library passes over both,
// as we do) or a regular file no larger than any real configuration.
static const off_t largestConfiguration = 1 << 20;

static bool saneConfiguration(const std::string& path)
{
    FILE* file = openRegularFile(path.c_str());
    if (!file)
        return errno != 0;
    struct stat status;
    const bool sane = fstat(fileno(file), &status) == 0 && status.st_size <= largestConfiguration;
    fclose(file);
    return sane;
}

// Where OpenAL Soft looks, in its order: the system's, each of
// XDG_CONFIG_DIRS, the user's two, beside the program, ALSOFT_CONF.
static std::vector<std::string> configurationPlaces()
{
    auto variable = [](const char* name, const char* otherwise) {
        const char* value = getenv(name);
        return std::string(value && *value ? value : otherwise);
    };
    std::vector<std::string> places = {"/etc/openal/alsoft.conf"};
    std::istringstream systemFolders(variable("XDG_CONFIG_DIRS", "/etc/xdg"));
    for (std::string folder; std::getline(systemFolders, folder, ':');)
        if (!folder.empty())
            places.push_back(folder + "/alsoft.conf");
    const std::string home = variable("HOME", "");
    if (!home.empty())
        places.push_back(home + "/.alsoftrc");
    const std::string userFolder = variable("XDG_CONFIG_HOME", home.empty() ? "" : (home + "/.config").c_str());
    if (!userFolder.empty())
        places.push_back(userFolder + "/alsoft.conf");
    char program[4096];
    const ssize_t length = readlink("/proc/self/exe", program, sizeof program - 1);
    if (length > 0) {
        const std::string path(program, (size_t)length);
        places.push_back(path.substr(0, path.rfind('/') + 1) + "alsoft.conf");
    }
    if (getenv("ALSOFT_CONF"))
        places.push_back(getenv("ALSOFT_CONF"));
    return places;
}

bool openAudio()
{
    for (const std::string& place : configurationPlaces())
        if (!saneConfiguration(place)) {
            static char why[4200];
            snprintf(why, sizeof why, "%s is no audio configuration (no regular file of at most %d KiB)",
                     place.c_str(), (int)(largestConfiguration / 1024));
            return fail(why);
        }
    if (!openDeviceQuietly())
        return fail("the audio device did not answer within a second");
    if (!device)
        return fail("no audio device could be opened");
    if (!context || !alcMakeContextCurrent(context))
        return fail("the audio device refused a context");

    static int16_t samples[maxSoundSamples];
    alGenBuffers(soundCount, buffers);
    if (alGetError() != AL_NO_ERROR)
        return fail("the audio device has no room for our sounds");
    for (int sound = 0; sound < soundCount; sound++) {
        const int count = synthesise((SoundName)sound, samples);
        alBufferData(buffers[sound], AL_FORMAT_MONO16, samples, count * (int)sizeof *samples, soundRate);
    }
    alGenSources(voiceCount, sources);
    if (alGetError() != AL_NO_ERROR)
        return fail("the audio device has too few voices");
    for (ALuint source : sources)
        alSourcef(source, AL_REFERENCE_DISTANCE, referenceDistance);
    alSourcei(sources[rollVoice], AL_BUFFER, (ALint)buffers[rollLoop]);
    alSourcei(sources[rollVoice], AL_LOOPING, AL_TRUE);
    if (alGetError() != AL_NO_ERROR)
        return fail("the audio device failed");
    on_exit(noteExitStatus, nullptr);
    return true;
}

void beginAudioUpdate()
{
    alcSuspendContext(context);
}

bool endAudioUpdate()
{
    alcProcessContext(context);
    ALCint connected = ALC_TRUE;
    if (alcIsExtensionPresent(device, "ALC_EXT_disconnect"))
        alcGetIntegerv(device, ALC_CONNECTED, 1, &connected);
    if (alGetError() != AL_NO_ERROR || !connected)
        return fail("the audio device failed");
    return true;
}

// The listener stands at the eye, facing the point the camera looks at.
void hearFrom(Vector3D eye, Vector3D look)
{
    Vector3D at = look - eye;
    const ALfloat orientation[6] = {at.getDx(), at.getDy(), at.getDz(), 0, 1, 0};
    alListener3f(AL_POSITION, eye.getDx(), eye.getDy(), eye.getDz());
    alListenerfv(AL_ORIENTATION, orientation);
}

static void place(ALuint source, Vector3D where, float gain)
{
    alSource3f(source, AL_POSITION, where.getDx(), where.getDy(), where.getDz());
    alSourcef(source, AL_GAIN, gain);
}

// A voice starts its new sound from the beginning, cutting off the last.
void playOn(int voice, SoundName sound, Vector3D where, float gain)
{
    const ALuint source = sources[voice];
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, (ALint)buffers[sound]);
    place(source, where, gain);
    alSourcePlay(source);
}

void keepRolling(Vector3D where, float gain, float pitch)
{
    const ALuint source = sources[rollVoice];
    place(source, where, gain);
    alSourcef(source, AL_PITCH, pitch);
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING)
        alSourcePlay(source);
}

void stopRolling()
{
    alSourceStop(sources[rollVoice]);
}

void holdVoices(bool hold)
{
    for (ALuint source : sources) {
        ALint state = AL_STOPPED;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        if (hold && state == AL_PLAYING)
            alSourcePause(source);
        else if (!hold && state == AL_PAUSED)
            alSourcePlay(source);
    }
}
