// UCI option values read by other subsystems.
#pragma once

constexpr int NalimovPathSize = 4096;
extern char NalimovPath[NalimovPathSize];  // tablebase directories
extern int NalimovCache;                   // tablebase cache in megabytes, 1..256
extern int NalimovReinitPending;           // set when either changed; acted on at "isready"
