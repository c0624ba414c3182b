#include <cerrno>
#include <cstdio>
#include <cstring>

#include "array_print.h"

namespace {

constexpr const char *program_name = "convolution_demo";

void report(const char *file, int error)
{
	std::fprintf(stderr, "%s: %s: %s\n", program_name, file,
	             std::strerror(error));
}

} // namespace

// Demonstrates discrete linear convolution by superposition: for each sample
// x[j] of a fixed input signal, writes its contribution x[j] * h[n - j] over
// the full output length to x_j.csv in the current directory. The nine files
// added together are the convolution of x and h. A file that cannot be
// written is reported on stderr and skipped; the exit status is then 1.
int main()
{
	constexpr unsigned x_len = 9;
	constexpr unsigned h_len = 4;
	constexpr unsigned y_len = x_len + h_len - 1;
	const float x[x_len] = {0.0f, -1.0f, -1.2f, 2.0f, 1.4f,
	                        1.4f, 0.5f,  0.0f,  -0.6f};
	const float h[h_len] = {1.0f, -0.6f, -0.3f, -0.1f};
	float y[y_len];
	char name[63] = {};
	int status = 0;

	for (unsigned j = 0; j < x_len; j++) {
		std::snprintf(name, sizeof name - 1, "x_%u.csv", j);
		std::FILE *out = std::fopen(name, "w");
		if (out == nullptr) {
			report(name, errno);
			status = 1;
			continue;
		}

		errno = 0;
		std::fprintf(out, "# x[%u] h[n - %u] \n", j, j);
		std::fprintf(out, "# x[%u] = %f \n", j,
		             static_cast<double>(x[j]));
		for (float &v : y)
			v = 0.0f;
		// Adding onto the cleared entry, rather than assigning, turns
		// the negative zero of 0 * -0.6 into +0, so zero rows never
		// print "-0".
		for (unsigned k = 0; k < h_len; k++)
			y[j + k] += x[j] * h[k];
		fprint_array(out, y, y_len);

		int error = 0;
		if (std::ferror(out) != 0)
			error = errno != 0 ? errno : EIO;
		if (std::fclose(out) != 0 && error == 0)
			error = errno;
		if (error != 0) {
			report(name, error);
			status = 1;
		}
	}
	return status;
}
