// The probe entry: finds the table of a position, computes its index and turns the stored
// value into a distance to mate.
#pragma once
#include "tablebases/tbtypes.h"

// Score codes: 0 draw; 32767 no value (broken position or read failure); 1..32766 the side
// to move mates in 32767 - code moves; -32766..-1 it is mated in code + 32766 moves.

// Counters as in the counter tree; psqW and psqB hold the king in slot 0 and the men of type
// t in slots 4t..4t+3; sqEnP is the en-passant square or 0. On success writes the move score
// (s > 0 mate in s, 0 draw or no value, s < 0 mated in -s - 1) and returns true; on failure
// (no table, or no file for the side) returns false and leaves *piScore alone.
bool FTbProbe(const int* piCounters, const square* psqW, const square* psqB, color side,
              square sqEnP, int* piScore);
// The score code of one position of one table side.
int L_TbtProbeTable(int iTb, color side, INDEX index);
// The move score of a score code.
int ITbValueToScore(int code);
// Score code of a stored byte (-128..127).
int ITbDecodeByte(int b);
// Score code of a stored 16-bit word given as its two bytes (each -128..127).
int ITbDecodeWord(int bLow, int bHigh);
