// The states keys had before the first of several changes, from the images
// taken before each change: an image taken later holds what earlier changes
// made of the keys, so the earlier images' parts are put into it.
#pragma once

#include "association/KeyImage.h"

#include <vector>

// Whether `outer` holds the state of all that `inner` holds: the same root,
// `inner`'s key is `outer`'s or lies below it, and `outer` keeps the whole key
// (or did not exist), or both keep the same one value of the same key.
bool ImageHolds(const TKeyImage& outer, const TKeyImage& inner);

// Adds `image`, taken before a change, to `first`: the states before the first
// change of the keys recorded so far, in the order they were first recorded,
// no part held twice. An image of what `first` holds already adds nothing; one
// that holds images in `first` takes in their earlier states and the place of
// the first of them (an earlier part it has no place for, since the key went
// by a change not recorded, stays an image of its own).
void AddFirstState(std::vector<TKeyImage>& first, TKeyImage image);
