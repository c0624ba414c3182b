#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace fs = std::filesystem;

namespace {

class Program : public ProgramTest {};

TEST_F(Program, WritesNineExactFilesAndNothingElse)
{
	const Outcome r = run();
	EXPECT_EQ(r.status, 0);
	EXPECT_EQ(r.out, "");
	EXPECT_EQ(r.err, "");
	expect_exact_except({});

	std::set<std::string> names;
	for (const auto &entry : fs::directory_iterator(work))
		names.insert(entry.path().filename().string());
	std::set<std::string> expected;
	for (unsigned j = 0; j < file_count; j++)
		expected.insert(file_name(j));
	EXPECT_EQ(names, expected);
}

TEST_F(Program, RerunTruncatesLongerFiles)
{
	for (unsigned j = 0; j < file_count; j++)
		std::ofstream(work / file_name(j)) << std::string(4000, 'z');
	const Outcome r = run();
	EXPECT_EQ(r.status, 0);
	EXPECT_EQ(r.err, "");
	expect_exact_except({});
}

TEST_F(Program, FilesAddUpToTheConvolution)
{
	const std::array<double, 9> x = {0.0, -1.0, -1.2, 2.0, 1.4,
	                                 1.4, 0.5,  0.0,  -0.6};
	const std::array<double, 4> h = {1.0, -0.6, -0.3, -0.1};
	std::array<double, 12> direct{};
	for (std::size_t n = 0; n < direct.size(); n++)
		for (std::size_t k = 0; k < h.size() && k <= n; k++)
			if (n - k < x.size())
				direct[n] += x[n - k] * h[k];

	ASSERT_EQ(run().status, 0);
	std::array<double, 12> sum{};
	for (unsigned j = 0; j < file_count; j++) {
		std::istringstream in(read_file(work / file_name(j)));
		std::string line;
		unsigned row = 0;
		while (std::getline(in, line)) {
			if (line.starts_with("#"))
				continue;
			std::istringstream fields(line);
			unsigned index = 0;
			double value = 0;
			ASSERT_TRUE(fields >> index >> value) << line;
			ASSERT_EQ(index, row) << file_name(j);
			sum[row++] += value;
		}
		ASSERT_EQ(row, sum.size()) << file_name(j);
	}
	// Each file rounds its values to six decimals, and at most four
	// files add a nonzero value to any one row.
	for (std::size_t n = 0; n < sum.size(); n++)
		EXPECT_NEAR(sum[n], direct[n], 4 * 5e-7 + 1e-6) << "row " << n;
}

TEST_F(Program, ReportsEachFailedFileAndWritesTheOthers)
{
	struct Case {
		const char *what;
		std::function<void(const fs::path &)> prepare;
		std::set<unsigned> failed;
		std::string err;
	};
	const std::string prefix = "convolution_demo: ";
	const Case cases[] = {
	    {"a directory in the way",
	     [](const fs::path &w) { fs::create_directory(w / "x_3.csv"); },
	     {3},
	     prefix + "x_3.csv: " + std::strerror(EISDIR) + "\n"},
	    {"a full disk, seen only at close",
	     [](const fs::path &w) {
		     fs::create_symlink("/dev/full", w / "x_5.csv");
	     },
	     {5},
	     prefix + "x_5.csv: " + std::strerror(ENOSPC) + "\n"},
	    {"a link into a missing folder",
	     [](const fs::path &w) {
		     fs::create_symlink("missing/x_0.csv", w / "x_0.csv");
	     },
	     {0},
	     prefix + "x_0.csv: " + std::strerror(ENOENT) + "\n"},
	    {"two failures in one run",
	     [](const fs::path &w) {
		     fs::create_directory(w / "x_3.csv");
		     fs::create_symlink("/dev/full", w / "x_8.csv");
	     },
	     {3, 8},
	     prefix + "x_3.csv: " + std::strerror(EISDIR) + "\n" + prefix +
	         "x_8.csv: " + std::strerror(ENOSPC) + "\n"},
	};
	for (const Case &c : cases) {
		SCOPED_TRACE(c.what);
		clear_work();
		c.prepare(work);
		const Outcome r = run();
		EXPECT_EQ(r.status, 1);
		EXPECT_EQ(r.out, "");
		EXPECT_EQ(r.err, c.err);
		expect_exact_except(c.failed);
	}
}

} // namespace
