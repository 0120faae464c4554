#include "bonus/shop.h"

// The map and the shop come with the bonus subsystem; until then the game
// goes straight on to the next level.
void ShopScreen(bool) {}
