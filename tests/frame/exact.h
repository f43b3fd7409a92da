// Exact arithmetic on the bits of floats, to check what the frame rounds against.
#pragma once

// a * b + c, worked out exactly on big integers and rounded to single precision once
// (to nearest, ties to even), for results in the range of normal floats. With c = -0.0f
// it is the rounded product alone.
float exact_multiply_add(float a, float b, float c);
