#include "array_print.h"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

// What fprint_array writes for the given samples, read back from a
// temporary file.
std::string fprinted(const float *samples, unsigned count)
{
	std::FILE *f = std::tmpfile();
	if (f == nullptr) {
		ADD_FAILURE() << "tmpfile failed";
		return {};
	}
	fprint_array(f, samples, count);
	std::rewind(f);
	std::string text;
	char buf[512];
	std::size_t n = 0;
	while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
		text.append(buf, n);
	std::fclose(f);
	return text;
}

TEST(FprintArray, CountZeroWritesNothing)
{
	const float samples[] = {1.0f, 2.0f};
	EXPECT_EQ(fprinted(samples, 0), "");
}

TEST(FprintArray, WritesOneRowPerSampleInIndexOrder)
{
	float y[12] = {};
	y[4] = 1.4f;
	EXPECT_EQ(fprinted(y, 12), "0 0.000000\n"
	                           "1 0.000000\n"
	                           "2 0.000000\n"
	                           "3 0.000000\n"
	                           "4 1.400000\n"
	                           "5 0.000000\n"
	                           "6 0.000000\n"
	                           "7 0.000000\n"
	                           "8 0.000000\n"
	                           "9 0.000000\n"
	                           "10 0.000000\n"
	                           "11 0.000000\n");
}

TEST(FprintArray, FormatsValuesAsSixDecimals)
{
	// -1.2f * -0.6f lies just above 0.72; 0.1234567f needs rounding up.
	const float samples[] = {-0.0f, -1.2f * -0.6f, 0.1234567f, -1.2f,
	                         1234.5f};
	EXPECT_EQ(fprinted(samples, 5), "0 -0.000000\n"
	                                "1 0.720000\n"
	                                "2 0.123457\n"
	                                "3 -1.200000\n"
	                                "4 1234.500000\n");
}

TEST(PrintArray, WritesTheSameRowsToStandardOutput)
{
	const float samples[] = {2.0f, -0.6f};
	testing::internal::CaptureStdout();
	print_array(samples, 2);
	std::fflush(stdout);
	EXPECT_EQ(testing::internal::GetCapturedStdout(),
	          "0 2.000000\n1 -0.600000\n");
}

} // namespace
