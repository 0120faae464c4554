#include "sound/sfx.h"

// Until the sound layer is in place every sound is silent; the names are
// already the catalogue's.
namespace {

const char* const kSfxNames[] = {
    "bon_treasure",
    "bon_life",
    "bon_clock",
    "bon_bomb1",
    "bon_bomb2",
    "bon_bomb3",
    "bon_bomb4",
    "bon_reso",
    "bon_reshuf",
    "bon_parrot",
    "bon_rum",
    "bon_rum_change",
    "bon_push",
    "bon_gun",
    "bon_anc",
    "bon_sun",
    "bon_coin_blue",
    "bon_coin_gold",
    "bon_key",
    "bon_sign",
    "bon_pick",
    "ev_menu_over",
    "ev_menu_click",
    "ev_map_paper",
    "ev_map_sea",
    "ev_map_wind",
    "ev_map_forest",
    "ev_map_entrance",
    "ev_map_cricket",
    "ev_map_cave",
    "ev_map_gold",
    "ev_map_current",
    "ev_shop_open",
    "ev_shop_close",
    "ev_shop_key_take",
    "ev_shop_key_put",
    "ev_shop_key_fail",
    "ev_shop_star_take",
    "ev_shop_star_put",
    "ev_shop_star_fail",
    "ev_shop_stars",
    "ev_shop_stars_gold",
    "ev_shop_stars_blue",
    "ev_shop_stars_back",
    "ev_shop_bonus_over",
    "ev_game_hint",
    "ev_game_click",
    "ev_game_swap",
    "ev_game_collapse",
    "ev_game_wrong",
    "ev_game_fall",
    "ev_game_timeout",
    "ev_game_bal_pop",
    "ev_game_bal_fill",
    "complete_level",
    "complete_stage",
    "complete_game",
    "complete_timeisup",
    "complete_gameover",
    "ev_logo",
};
static_assert(sizeof(kSfxNames) / sizeof(kSfxNames[0]) == SFX_COUNT, "one name per sound");

bool onceLatch[SFX_COUNT];

}  // namespace

const char* SfxName(SfxId id) { return (id >= 0 && id < SFX_COUNT) ? kSfxNames[id] : ""; }

void PlaySfx(SfxId, bool) {}

void PlaySfxOnce(SfxId id) {
    if (id < 0 || id >= SFX_COUNT || onceLatch[id]) return;
    onceLatch[id] = true;
    PlaySfx(id, false);
}

void ResetSfxOnce(SfxId id) {
    if (id >= 0 && id < SFX_COUNT) onceLatch[id] = false;
}

void BlockSfxOnce(SfxId id) {
    if (id >= 0 && id < SFX_COUNT) onceLatch[id] = true;
}

void StopSfx(SfxId) {}
bool IsSfxPlaying(SfxId) { return false; }
