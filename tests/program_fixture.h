#ifndef PROGRAM_FIXTURE_H
#define PROGRAM_FIXTURE_H

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

constexpr unsigned file_count = 9;

// The whole contents of path, or "" if it cannot be read.
std::string read_file(const std::filesystem::path &path);

// "x_j.csv".
std::string file_name(unsigned j);

// What x_j.csv must hold, from tests/expected.
std::string expected_file(unsigned j);

// How a run ended: the exit status (-1 if the process did not exit) and
// everything it wrote to standard output and standard error.
struct Outcome {
	int status = -1;
	std::string out;
	std::string err;
};

// A fresh temporary folder per test. The program runs in work, with its
// standard output and error captured in files beside it.
class ProgramTest : public testing::Test {
      protected:
	void SetUp() override;
	void TearDown() override;

	// Empties work.
	void clear_work();

	// Runs the program (through its emulator, if the build has one) in
	// work, after the command in args if that is not empty. A command
	// that cannot be started gives status -1 and "command: reason" on
	// err.
	Outcome run(std::vector<std::string> args = {});

	// Expects every x_j.csv in work but those in skipped to be exact.
	void expect_exact_except(const std::set<unsigned> &skipped);

	std::filesystem::path base;
	std::filesystem::path work;
};

#endif
