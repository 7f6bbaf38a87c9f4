#pragma once

#include "core/model/CWine.h"

// A large cellar much like a real one: a few thousand producers under eight prefixes, each with
// several vintages and bottlings, dates spread over three decades, ratings with the odd "+" or "-".
// The same count always gives the same entries.
WineList makeLargeCellar(int count);

// Three history items an entry over 25 years (the bottles left made to match), and every fifth entry
// in a second bin: what the History and Bin Lists read. The same entries always get the same.
void addHistoryAndBins(WineList& entries);
