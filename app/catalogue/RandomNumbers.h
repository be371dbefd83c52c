#pragma once
// The program's random numbers (the about window's first tip, the snapshot's
// noise) come from one source, which a test can replace.
#include <functional>

namespace catalogue {

// A whole number in 0..range - 1; 0 for a range below 1.
int RandomBelow(int range);
// Seeds the built-in generator from the clock.
void RandomizeFromClock();

// Replaces the source (empty: the built-in generator again); the handler
// receives ranges of at least 1 and must answer within them.
using TRandomSource = std::function<int(int range)>;
TRandomSource SetRandomSource(TRandomSource source);

}  // namespace catalogue
