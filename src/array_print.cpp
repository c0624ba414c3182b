#include "array_print.h"

void print_array(const float *samples, unsigned count)
{
	fprint_array(stdout, samples, count);
}

void fprint_array(std::FILE *stream, const float *samples, unsigned count)
{
	for (unsigned i = 0; i < count; i++)
		std::fprintf(stream, "%u %f\n", i,
		             static_cast<double>(samples[i]));
}
