// The congratulations and credits screen after the last level.
#pragma once

void GameCompleted();
