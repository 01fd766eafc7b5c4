#include "uci/options.h"

char NalimovPath[NalimovPathSize] = "/tablebases;/tablebases/tb6";
int NalimovCache = 1;
int NalimovReinitPending = 1;
