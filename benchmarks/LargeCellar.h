#pragma once

#include "core/model/CWine.h"

// A large cellar much like a real one: a few thousand producers under eight prefixes, each with
// several vintages and bottlings, dates spread over three decades, ratings with the odd "+" or "-".
// The same count always gives the same entries.
WineList makeLargeCellar(int count);
