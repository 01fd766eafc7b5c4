// Forsyth-Edwards notation.
#pragma once
#include "position/search_context.h"

constexpr const char* StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// Sets up the position of the FEN text with an empty history. Returns nullptr, or the
// reason the text was refused; the context is then left as it was.
const char* SetupFen(SearchContext& context, const char* fen);
