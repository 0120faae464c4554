// The silent audio layer used until the platform installs a real one.
// Files that exist "load" so the catalogue logic behaves as with a device;
// nothing ever plays.
#include <sys/stat.h>

#include "platform/audio.h"

namespace {

struct NullState {
    int lastError;
    int nextHandle;
};
NullState nullState = {AUDIO_OK, 1};

const AudioLayer* installedLayer = nullptr;

bool FileExists(const char* path) {
    struct stat st;
    return path && stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

int NewHandle(const char* path) {
    if (!FileExists(path)) {
        nullState.lastError = AUDIO_ERROR_FILEOPEN;
        return 0;
    }
    nullState.lastError = AUDIO_OK;
    return nullState.nextHandle++;
}

uint32_t NullVersion() { return AUDIO_LAYER_VERSION; }
int NullOpen(int) { return AUDIO_OPEN_SILENT; }
void NullClose() {}
int NullLastError() { return nullState.lastError; }
int NullLoadEffect(const char* path) { return NewHandle(path); }
void NullFree(int) {}
int NullCreateVoice(int effect) {
    nullState.lastError = effect > 0 ? AUDIO_OK : AUDIO_ERROR_HANDLE;
    return effect > 0 ? nullState.nextHandle++ : 0;
}
bool NullHandleCall(int handle) { return handle > 0; }
bool NullPlay(int handle, bool) { return handle > 0; }
bool NullFalse(int) { return false; }
void NullGain(double) {}
int NullOpenStream(const char* path) { return NewHandle(path); }
double NullZero(int) { return 0.0; }
bool NullSetDouble(int handle, double) { return handle > 0; }
bool NullSetInt(int handle, int) { return handle > 0; }
bool NullSetBool(int handle, bool) { return handle > 0; }
void NullUpdate() {}

const AudioLayer kNullLayer = {
    "null",          NullVersion,     NullOpen,       NullClose,      NullLastError,
    NullLoadEffect,  NullFree,        NullCreateVoice, NullFree,      NullPlay,
    NullHandleCall,  NullFalse,       NullGain,       NullOpenStream, NullFree,
    NullHandleCall,  NullHandleCall,  NullHandleCall, NullZero,       NullSetDouble,
    NullZero,        NullSetDouble,   NullSetInt,     NullSetInt,     NullSetBool,
    NullUpdate,
};

}  // namespace

void InstallAudioLayer(const AudioLayer* layer) { installedLayer = layer; }

const AudioLayer& Audio() { return installedLayer ? *installedLayer : kNullLayer; }

const AudioLayer* NullAudioLayer() { return &kNullLayer; }
