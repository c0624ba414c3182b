#include "program_fixture.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

std::string read_file(const fs::path &path)
{
	std::ifstream in(path, std::ios::binary);
	std::ostringstream text;
	text << in.rdbuf();
	return text.str();
}

std::string file_name(unsigned j)
{
	return "x_" + std::to_string(j) + ".csv";
}

std::string expected_file(unsigned j)
{
	return read_file(fs::path(EXPECTED_DIR) / file_name(j));
}

void ProgramTest::SetUp()
{
	std::string tmpl =
	    (fs::temp_directory_path() / "convolution_demo.XXXXXX").string();
	ASSERT_NE(mkdtemp(tmpl.data()), nullptr) << std::strerror(errno);
	base = tmpl;
	work = base / "work";
	fs::create_directory(work);
}

void ProgramTest::TearDown()
{
	fs::remove_all(base);
}

void ProgramTest::clear_work()
{
	fs::remove_all(work);
	fs::create_directory(work);
}

Outcome ProgramTest::run(std::vector<std::string> args)
{
	// The command and arguments that run the program on this machine:
	// none unless the build is for another machine.
	const std::vector<std::string> emulator = {PROGRAM_EMULATOR};
	args.insert(args.end(), emulator.begin(), emulator.end());
	args.emplace_back(PROGRAM_PATH);
	std::vector<char *> argv;
	argv.reserve(args.size() + 1);
	for (std::string &arg : args)
		argv.push_back(arg.data());
	argv.push_back(nullptr);

	const std::string out = base / "stdout";
	const std::string err = base / "stderr";
	const int flags = O_WRONLY | O_CREAT | O_TRUNC;
	posix_spawn_file_actions_t actions;
	posix_spawn_file_actions_init(&actions);
	posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), flags, 0644);
	posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), flags, 0644);
	posix_spawn_file_actions_addchdir_np(&actions, work.c_str());
	pid_t pid = 0;
	const int error = posix_spawnp(&pid, argv[0], &actions, nullptr,
	                               argv.data(), environ);
	posix_spawn_file_actions_destroy(&actions);

	Outcome r;
	int wstatus = 0;
	if (error != 0) {
		r.err = args[0] + ": " + std::strerror(error);
		return r;
	}
	if (waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus))
		r.status = WEXITSTATUS(wstatus);
	r.out = read_file(out);
	r.err = read_file(err);
	return r;
}

void ProgramTest::expect_exact_except(const std::set<unsigned> &skipped)
{
	for (unsigned j = 0; j < file_count; j++) {
		if (skipped.contains(j))
			continue;
		EXPECT_EQ(read_file(work / file_name(j)), expected_file(j))
		    << file_name(j);
	}
}
