// Music tracks, their media calls and the music tick.
#include "sound/music.h"

#include <cmath>

#include "board/clock.h"
#include "diagnostics/log.h"
#include "diagnostics/paths.h"
#include "platform/audio.h"

namespace {

struct MusicState {
    MusicTrack tracks[MAX_MUSIC_TRACK + 1];
    int streams[MAX_MUSIC_TRACK + 1];
    bool available;        // the tracks were loaded at start-up
    bool optionOn;         // the options' music switch
    double optionVolume;   // the options' music volume, 0..1
    bool tickOn;           // the switch as the last MusicTickIfDue saw it
    bool mutedForOff;      // the streams were silenced when music was switched off
    double lastTick;
    double interval;
};
MusicState music = {{}, {}, false, false, 0.0, false, false, 0.0, MUSIC_TICK_MS};

bool ValidTrack(int index) { return index >= 0 && index <= MAX_MUSIC_TRACK; }

// The stream of a track, 0 when the index is bad or nothing is loaded.
int StreamOf(int index) { return ValidTrack(index) ? music.streams[index] : 0; }

int LastIndex() {
    int last = music.tracks[0].LastIndex;
    return ValidTrack(last) ? last : MAX_MUSIC_TRACK;
}

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

bool EndsWith(const std::string& text, const char* tail) {
    std::string t(tail);
    return text.size() >= t.size() && text.compare(text.size() - t.size(), t.size(), t) == 0;
}

// The volume the tick gives a track: its fade times the music setting.
int TrackLevel(int index) { return Round(music.optionVolume * 100.0 * music.tracks[index].Volume); }

// Music switched off in the options: every stream falls silent at once and
// the tracks wait where they are until it is switched on again.
void MuteAllStreams() {
    for (int i = 0; i <= MAX_MUSIC_TRACK; ++i)
        if (music.streams[i]) Audio().SetStreamVolume(music.streams[i], -10000);
}

void ServiceTrack(int i) {
    if (!ValidTrack(i)) return;
    MusicTrack& track = music.tracks[i];
    if (track.Delay <= 0) {
        if (track.PlayRequested && !track.IsStarted) {
            track.IsStarted = true;
            DirectShow_Play(i);
        }
        if (track.PauseRequested && !track.IsPaused) {
            DirectShow_Pause(i);
            track.IsPaused = true;
        }
        if (track.IsPaused && !track.PauseRequested) {
            DirectShow_Play(i);
            track.IsPaused = false;
        }
        track.Volume += track.FadeStep;
        if (track.Volume < 0) {
            track.Volume = 0;
            track.FadeStep = 0;
            track.PlayRequested = false;
        }
        if (track.Volume >= 1) {
            track.Volume = 1;
            track.FadeStep = 0;
        }
        DirectShow_Volume(music.optionOn ? TrackLevel(i) : 0, i);
    } else {
        track.Delay = track.Delay - 1 < 0 ? 0 : track.Delay - 1;
    }
    if (track.Loop) DirectShow_Loop(i);
}

}  // namespace

bool DirectShow_Load_Media(const std::string& fullPath, int index) {
    TraceEnter("DirectShow_Load_Media()");
    if (!ValidTrack(index) || !(EndsWith(fullPath, ".mp3") || EndsWith(fullPath, ".wma"))) {
        TraceExit("Err");
        return false;
    }
    if (music.streams[index]) Audio().CloseStream(music.streams[index]);
    music.streams[index] = Audio().OpenStream(fullPath.c_str());
    int stream = music.streams[index];
    bool ok = stream && Audio().SetStreamVolume(stream, 0) && Audio().SetStreamBalance(stream, 0) &&
              Audio().SetStreamRate(stream, 1.0) && Audio().SetStreamPosition(stream, 0.0);
    TraceExit(ok ? "OK" : "Err");
    return ok;
}

bool DirectShow_Play(int index) {
    int stream = StreamOf(index);
    return stream && Audio().RunStream(stream);
}

bool DirectShow_Pause(int index) {
    int stream = StreamOf(index);
    return stream && Audio().PauseStream(stream);
}

bool DirectShow_Stop(int index) {
    int stream = StreamOf(index);
    return stream && Audio().StopStream(stream);
}

bool DirectShow_Volume(int volume, int index) {
    int stream = StreamOf(index);
    if (!stream) return false;
    volume = Clamp(volume, 0, 100);
    return Audio().SetStreamVolume(stream, volume * 5000 / 100 - 5000);
}

bool DirectShow_Balance(int balance, int index) {
    int stream = StreamOf(index);
    return stream && Audio().SetStreamBalance(stream, Clamp(balance, -100, 100) * 100);
}

bool DirectShow_Speed(int speed, int index) {
    int stream = StreamOf(index);
    if (!stream) return false;
    if (speed >= 226) speed = 226;
    if (speed < 0) speed = 0;
    return Audio().SetStreamRate(stream, speed / 100.0);
}

bool DirectShow_Set_Position(int index, int hours, int minutes, int seconds, int milliseconds) {
    int stream = StreamOf(index);
    if (!stream) return false;
    double position = hours * 3600.0 + (minutes % 60) * 60.0 + (seconds % 60) + (milliseconds % 1000) * 0.001;
    if (position >= 0 && position < Audio().StreamStopTime(stream))
        return Audio().SetStreamPosition(stream, position);
    return true;
}

bool DirectShow_Loop(int index) {
    int stream = StreamOf(index);
    if (!stream) return false;
    if (Audio().StreamPosition(stream) >= Audio().StreamStopTime(stream))
        return Audio().SetStreamPosition(stream, 0.0);
    return true;
}

bool AssignMedia(int index, const std::string& file, bool loop) {
    if (!ValidTrack(index)) return false;
    MusicTrack& track = music.tracks[index];
    track.Volume = 0;
    track.Loop = loop;
    bool ok = DirectShow_Load_Media(GamePath(file), index);
    if (music.streams[index]) Audio().SetStreamLooping(music.streams[index], loop);
    DirectShow_Volume(TrackLevel(index), index);
    DirectShow_Balance(0, index);
    DirectShow_Speed(100, index);
    DirectShow_Set_Position(index, 0, 0, 0, 0);
    return ok;
}

void PreLoadMusic() {
    music.tracks[0].LastIndex = MAX_MUSIC_TRACK;
    AssignMedia(0, "\\music\\track-menu.mp3", true);
    AssignMedia(1, "\\music\\track01.mp3", true);
    AssignMedia(2, "\\music\\track02.mp3", true);
    music.available = true;
}

void PlayMusic(int index, double fadeStep, double delay, bool restart) {
    if (!ValidTrack(index)) return;
    MusicTrack& track = music.tracks[index];
    track.Delay = delay;
    track.FadeStep = fadeStep;
    if (!music.available) return;
    if (restart) DirectShow_Stop(index);
    track.IsStarted = false;
    track.PlayRequested = true;
}

void FadeMusAll(double /*first*/, double delay) {
    TraceEnter("FadeMusAll()");
    for (MusicTrack& track : music.tracks) {
        track.Delay = delay;
        track.FadeStep = -0.01;
    }
}

void PauseMusAll() {
    TraceEnter("PauseMusAll()");
    for (int i = 0; i <= LastIndex(); ++i) music.tracks[i].PauseRequested = true;
    timer_Music();
}

void ResumeMusAll() {
    TraceEnter("PauseMusAll()");
    for (int i = 0; i <= LastIndex(); ++i) music.tracks[i].PauseRequested = false;
}

int MP3onStage(int stage) {
    switch (stage) {
        case 1: case 3: case 5: case 7: return 1;
        case 2: case 4: case 6: return 2;
        default: return 0;
    }
}

void timer_Music() {
    TraceEnter("timer_Music()");
    music.lastTick = Clock();
    music.interval = MUSIC_TICK_MS;
    for (int i = 0; i <= LastIndex(); ++i) ServiceTrack(i);
    TraceExit("OK");
}

void SetMusicOptions(bool musicOn, double musicVolume) {
    music.optionOn = musicOn;
    if (!(musicVolume >= 0.0)) musicVolume = 0.0;
    music.optionVolume = musicVolume > 1.0 ? 1.0 : musicVolume;
}

void MusicTickIfDue() {
    Audio().Update();
    music.tickOn = music.optionOn;
    if (!music.tickOn) {
        if (!music.mutedForOff) MuteAllStreams();
        music.mutedForOff = true;
        return;
    }
    music.mutedForOff = false;
    if (music.lastTick + music.interval < Clock()) timer_Music();
}

const MusicTrack& MusicTrackAt(int index) { return music.tracks[ValidTrack(index) ? index : 0]; }

int MusicStreamOf(int index) { return StreamOf(index); }

void ResetMusic() { music = {{}, {}, false, false, 0.0, false, false, 0.0, MUSIC_TICK_MS}; }
