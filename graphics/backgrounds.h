// The stage background the game screen shows.
#pragma once

// Makes background n (1..7 the stages, 8 the credits) the current one,
// loading its picture and releasing the others.
void LoadBackground(int n);
// The background made current last (0 before any).
int CurrentBackground();
