#ifndef ARRAY_PRINT_H
#define ARRAY_PRINT_H

#include <cstdio>

// Write count rows "index value\n" for samples[0] .. samples[count - 1] to
// standard output, index as "%u" and value as "%f". Nothing is opened,
// flushed or closed; check the stream afterwards for errors.
void print_array(const float *samples, unsigned count);

// Write the same rows as print_array to stream, which the caller opened for
// writing and still owns.
void fprint_array(std::FILE *stream, const float *samples, unsigned count);

#endif
