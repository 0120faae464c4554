// Sound effects by catalogue name.
//
// Every sound the game makes has an entry here; Sounds.ini maps each
// name to its slot, file and number of copies. Callers play a sound by its
// id: PlaySfx(SFX_EV_GAME_SWAP).
#pragma once

#include <string>

enum SfxId : int {
    SFX_BON_TREASURE,
    SFX_BON_LIFE,
    SFX_BON_CLOCK,
    SFX_BON_BOMB1,
    SFX_BON_BOMB2,
    SFX_BON_BOMB3,
    SFX_BON_BOMB4,
    SFX_BON_RESO,
    SFX_BON_RESHUF,
    SFX_BON_PARROT,
    SFX_BON_RUM,
    SFX_BON_RUM_CHANGE,
    SFX_BON_PUSH,
    SFX_BON_GUN,
    SFX_BON_ANC,
    SFX_BON_SUN,
    SFX_BON_COIN_BLUE,
    SFX_BON_COIN_GOLD,
    SFX_BON_KEY,
    SFX_BON_SIGN,
    SFX_BON_PICK,
    SFX_EV_MENU_OVER,
    SFX_EV_MENU_CLICK,
    SFX_EV_MAP_PAPER,
    SFX_EV_MAP_SEA,
    SFX_EV_MAP_WIND,
    SFX_EV_MAP_FOREST,
    SFX_EV_MAP_ENTRANCE,
    SFX_EV_MAP_CRICKET,
    SFX_EV_MAP_CAVE,
    SFX_EV_MAP_GOLD,
    SFX_EV_MAP_CURRENT,
    SFX_EV_SHOP_OPEN,
    SFX_EV_SHOP_CLOSE,
    SFX_EV_SHOP_KEY_TAKE,
    SFX_EV_SHOP_KEY_PUT,
    SFX_EV_SHOP_KEY_FAIL,
    SFX_EV_SHOP_STAR_TAKE,
    SFX_EV_SHOP_STAR_PUT,
    SFX_EV_SHOP_STAR_FAIL,
    SFX_EV_SHOP_STARS,
    SFX_EV_SHOP_STARS_GOLD,
    SFX_EV_SHOP_STARS_BLUE,
    SFX_EV_SHOP_STARS_BACK,
    SFX_EV_SHOP_BONUS_OVER,
    SFX_EV_GAME_HINT,
    SFX_EV_GAME_CLICK,
    SFX_EV_GAME_SWAP,
    SFX_EV_GAME_COLLAPSE,
    SFX_EV_GAME_WRONG,
    SFX_EV_GAME_FALL,
    SFX_EV_GAME_TIMEOUT,
    SFX_EV_GAME_BAL_POP,
    SFX_EV_GAME_BAL_FILL,
    SFX_COMPLETE_LEVEL,
    SFX_COMPLETE_STAGE,
    SFX_COMPLETE_GAME,
    SFX_COMPLETE_TIMEISUP,
    SFX_COMPLETE_GAMEOVER,
    SFX_EV_LOGO,
    SFX_COUNT
};

// Limits of the channel table: slots 0..100, copies 0..50 per slot.
constexpr int MAX_SFX_SLOT = 100;
constexpr int MAX_SFX_COPIES = 50;

// One named effect, as read from the catalogue.
struct SoundRecord {
    int Slot;            // index into the channel table
    std::string Name;    // catalogue key, with its trailing blank
    std::string File;    // relative path as read (upper case)
    int Copies;          // copies asked for (default 1)
    bool Ready;          // every copy was created
    bool OnceLatch;      // PlaySfxOnce has played it
};

// The playable copies of one slot.
struct SfxChannel {
    int Effect;                           // decoded buffer of the slot's file
    int Handle[MAX_SFX_COPIES + 1];       // one voice per copy
    double LastStart[MAX_SFX_COPIES + 1]; // Clock time each copy last started
    bool Ready;
    int Count;                            // copies in use, 1..50
};

// What InitSound found.
enum SoundInitResult : int {
    SOUND_INIT_OK = 0,
    SOUND_INIT_BAD_VERSION,  // show "An incorrect version of BASS.DLL was loaded" and end
    SOUND_INIT_FAILED,       // "Can't initialize digital sound system" is logged; end
};

// The catalogue key of a sound ("ev_game_swap"), without the trailing blank.
const char* SfxName(SfxId id);

// Checks the audio layer's version and opens the output at 44100 Hz (a
// silent device when there is no sound card); enables effects on success.
SoundInitResult InitSound();
// Loads "ev_logo" (before the logo screen).
void LoadLogoSFX();
// Loads every other catalogue sound.
void loadAllSFX();
void PreLoadSFX();
// Reads the catalogue entry of the sound and assigns its slot.
SoundRecord LoadSfxRecord(SfxId id);
// Creates the slot's copies of the file; true when all were created.
bool AssignSfx(int slot, const std::string& file, int copies);
// The global effects volume, 0.0..1.0 (stored as round(volume x 100)).
void SetSfxVolume(double volume);
// The options' sound switch and volume: off mutes every effect.
void SetSfxOptions(bool soundOn, double volume);
// Releases every copy (at shutdown).
void FreeAllSfx();
// Logs a sound-library error line with the layer's last error code.
void ReportBassError(const std::string& text);

// Plays a free copy of the sound; when every copy is busy, restarts the
// oldest one unless noRestart is set.
void PlaySfx(SfxId id, bool noRestart = false);
// Plays the sound once, then stays quiet until ResetSfxOnce.
void PlaySfxOnce(SfxId id);
void ResetSfxOnce(SfxId id);
void BlockSfxOnce(SfxId id);
void StopSfx(SfxId id);
bool IsSfxPlaying(SfxId id);

// Read access for tests and the options screen.
const SoundRecord& SfxRecord(SfxId id);
const SfxChannel& SfxChannelAt(int slot);
int SfxGlobalVolume();  // 0..100

// Forgets every record and slot (voices are not released: tests only).
void ResetSfx();
