// The between-levels screen: the map of the stages and the shop.
#pragma once

// Shows the map (and, when asked, the shop) between two levels; blocking.
void ShopScreen(bool openShop);
