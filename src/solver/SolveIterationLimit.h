#pragma once

// How many iterations a nonlinear solve runs before it cancels itself through
// the same flag that typing sets; 0, the default, lets it run until the user
// types. Fuzzing sets a limit, so that every input costs a bounded amount of
// work, the same on every run.
void SetSolveIterationLimit(int iterations);
