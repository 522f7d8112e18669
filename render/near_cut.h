// Moving the end of a wall that lies at or behind the player to a point in
// front of the player, on the line through both ends.
#pragma once

// Cuts end 1 when depth1 <= 0 < depth2, end 2 when depth1 > 0 >= depth2,
// replacing that end's lateral and depth. Returns false, changing nothing,
// when the cut gives up (a new depth below 1) or when neither case holds.
bool CutNearEnd(float* lateral1, float* depth1, float* lateral2, float* depth2);
