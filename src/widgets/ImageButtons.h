#pragma once
// The image buttons: the bitmap button with its image strip and the media button.
#include "TBitmapButton.h"
#include "TMediaButton.h"
