// Static evaluation: the material balance.
#pragma once
#include "position/search_context.h"

// Material of the side to move minus the opponent's, in centipawns.
int Evaluate(const SearchContext& context);
