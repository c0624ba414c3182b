#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace {

// A system call to fail, and the reasons to fail it with: the first for
// even-numbered files, the second for odd ones.
struct Fault {
	const char *call;
	int reasons[2];
};

const Fault faults[] = {
    {"openat", {EACCES, EMFILE}},
    {"write", {ENOSPC, EIO}},
    {"close", {EIO, ENOSPC}},
};

// strace writing its trace to output and acting on option. The sanitizers'
// leak check cannot run under a tracer.
std::vector<std::string> strace(const std::string &output,
                                const std::string &option)
{
	const char *asan = std::getenv("ASAN_OPTIONS");
	return {"strace",
	        "-o",
	        output,
	        "-y",
	        "-e",
	        option,
	        "-E",
	        std::string("ASAN_OPTIONS=") + (asan != nullptr ? asan : "") +
	            ":detect_leaks=0"};
}

// For each file, the invocation numbers, counted from 1 among all calls named
// call in the trace, of those on that file. strace -y shows the file as
// "3</path/x_j.csv>" on a descriptor, be it an argument or openat's result.
std::vector<std::vector<unsigned>> calls_by_file(const std::string &trace,
                                                 const char *call)
{
	std::vector<std::vector<unsigned>> calls(file_count);
	std::istringstream lines(trace);
	std::string line;
	unsigned n = 0;
	while (std::getline(lines, line)) {
		if (!line.starts_with(std::string(call) + "("))
			continue;
		n++;
		for (unsigned j = 0; j < file_count; j++)
			if (line.find(file_name(j) + ">") != std::string::npos)
				calls[j].push_back(n);
	}
	return calls;
}

// Makes each call of one kind on each of the nine files fail in turn, one
// failure per run. The calls are found by the file they touch in one traced
// run, so whatever the loader, the runtime or an emulator such as
// qemu-user does besides does not matter.
class FaultInjection : public ProgramTest,
		       public testing::WithParamInterface<Fault> {};

TEST_P(FaultInjection, OneFailedCallCostsOnlyItsFile)
{
	const std::string call = GetParam().call;
	const Outcome traced = run(strace(base / "trace", "trace=" + call));
	if (traced.err.starts_with("strace: "))
		GTEST_SKIP() << "cannot trace the program: " << traced.err;
	ASSERT_EQ(traced.status, 0) << traced.err;
	const auto calls =
	    calls_by_file(read_file(base / "trace"), call.c_str());

	for (unsigned j = 0; j < file_count; j++) {
		ASSERT_FALSE(calls[j].empty())
		    << "no " << call << " on " << file_name(j);
		const int reason = GetParam().reasons[j % 2];
		for (const unsigned n : calls[j]) {
			SCOPED_TRACE(file_name(j) + ": " + call + " #" +
			             std::to_string(n) + " fails with " +
			             std::strerror(reason));
			clear_work();
			const Outcome r =
			    run(strace("/dev/null",
			               "inject=" + call +
			                   ":error=" + std::to_string(reason) +
			                   ":when=" + std::to_string(n)));
			EXPECT_EQ(r.status, 1);
			EXPECT_EQ(r.out, "");
			EXPECT_EQ(r.err, "convolution_demo: " + file_name(j) +
			                     ": " + std::strerror(reason) +
			                     "\n");
			expect_exact_except({j});
		}
	}
}

INSTANTIATE_TEST_SUITE_P(fault, FaultInjection, testing::ValuesIn(faults),
                         [](const testing::TestParamInfo<Fault> &p) {
				 return std::string(p.param.call);
			 });

} // namespace
