// Background music: up to eleven tracks, each a stream of the audio layer,
// driven by a tick about every 15 ms that applies start delays, fades,
// pause requests and looping. Tracks fade in and out; they never start or
// stop abruptly.
#pragma once

#include <string>

constexpr int MAX_MUSIC_TRACK = 10;  // tracks 0..10
constexpr double MUSIC_TICK_MS = 15.0;

struct MusicTrack {
    bool PauseRequested;
    bool IsPaused;
    double FadeStep;     // added to Volume at every tick
    double Delay;        // ticks to wait before the track is serviced
    double Volume;       // 0..1, times the music volume setting
    bool PlayRequested;
    bool IsStarted;
    bool Loop;
    int LastIndex;       // entry 0 only: the highest track serviced
};

// Media layer: each returns true on success, false on any error (a bad
// index, no stream, a refused file).
bool DirectShow_Load_Media(const std::string& fullPath, int index);
bool DirectShow_Play(int index);
bool DirectShow_Pause(int index);
bool DirectShow_Stop(int index);
bool DirectShow_Volume(int volume, int index);      // 0..100 -> -5000..0
bool DirectShow_Balance(int balance, int index);    // -100..100 -> x100
bool DirectShow_Speed(int speed, int index);        // percent, 0..226
bool DirectShow_Set_Position(int index, int hours, int minutes, int seconds, int milliseconds);
bool DirectShow_Loop(int index);                    // rewinds a track at its end

// Music control.
bool AssignMedia(int index, const std::string& file, bool loop);
// Loads the menu track (0) and the two stage tracks (1, 2).
void PreLoadMusic();
void PlayMusic(int index, double fadeStep, double delay, bool restart);
void FadeMusAll(double first, double delay);
void PauseMusAll();
void ResumeMusAll();
// The track of a stage: 1, 3, 5, 7 -> 1; 2, 4, 6 -> 2; anything else -> 0.
int MP3onStage(int stage);
void timer_Music();
// The options' music switch and volume (0..1), copied in every frame.
void SetMusicOptions(bool musicOn, double musicVolume);
// From the frame present: runs the tick when it is due and keeps the audio
// layer's queues filled.
void MusicTickIfDue();

// Read access for tests.
const MusicTrack& MusicTrackAt(int index);
int MusicStreamOf(int index);
void ResetMusic();
