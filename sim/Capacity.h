#pragma once

// The tank's capacity when the command line gives none: 100 up to 640 pixels of screen
// width, 150 up to 800, and 400 beyond.
int CapacityForScreenWidth(int screenWidth);
