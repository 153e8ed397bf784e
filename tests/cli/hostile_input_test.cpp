// The real rashi-report under input and output that a careless or hostile caller gives it: its
// exit status, its message, and how much memory it takes, as the system counts it.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "cli/batch.h"

namespace {

const std::string kRow =
    "Asha Rao,15,6,1980,10,30,34,28,37,false,77,13,true,false,Delhi,Delhi,India\n";
const std::string kHeader = std::string(cli::kBatchHeader) + "\n";

// Where the program's standard input comes from.
struct Input {
    std::string path;                   // a file opened for reading, when not empty
    bool closed = false;                // no standard input at all
    std::function<std::string()> feed;  // else a pipe, fed chunk by chunk until one is empty
};

Input FromFile(std::string path) {
    Input input;
    input.path = std::move(path);
    return input;
}

Input Closed() {
    Input input;
    input.closed = true;
    return input;
}

Input Fed(std::function<std::string()> feed) {
    Input input;
    input.feed = std::move(feed);
    return input;
}

struct ChildRun {
    int status = -1;
    std::string err;
    long peakKiB = 0;          // the most memory the program held at once
    bool tookAllInput = true;  // false when it stopped reading before the feed ended
};

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Runs rashi-report --batch - with the input given and its output sent to outputPath.
ChildRun RunBatchCommand(const Input& input, const std::string& outputPath) {
    const QTemporaryDir dir;
    const std::string errPath = dir.filePath("err").toStdString();
    std::signal(SIGPIPE, SIG_IGN);  // a program that stops reading must not end the test

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeEnds[2] = {-1, -1};
    if (input.closed) {
        posix_spawn_file_actions_addclose(&actions, STDIN_FILENO);
    } else if (!input.path.empty()) {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.path.c_str(), O_RDONLY, 0);
    } else {
        EXPECT_EQ(pipe2(pipeEnds, O_CLOEXEC), 0);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[0], STDIN_FILENO);
    }
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::string program = RASHI_REPORT_PATH;
    std::string batch = "--batch";
    std::string standardInput = "-";
    char* const arguments[] = {program.data(), batch.data(), standardInput.data(), nullptr};
    std::string locale = "LC_ALL=C.UTF-8";
    char* const environment[] = {locale.data(), nullptr};
    pid_t pid = -1;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, arguments, environment);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0);

    ChildRun run;
    if (pipeEnds[0] != -1) {
        close(pipeEnds[0]);
        for (std::string chunk = input.feed(); !chunk.empty() && run.tookAllInput;
             chunk = input.feed()) {
            for (std::size_t written = 0; written < chunk.size();) {
                const ssize_t now =
                    write(pipeEnds[1], chunk.data() + written, chunk.size() - written);
                if (now < 0) {
                    run.tookAllInput = false;  // EPIPE: the program has stopped reading
                    break;
                }
                written += static_cast<std::size_t>(now);
            }
        }
        close(pipeEnds[1]);
    }
    int status = 0;
    rusage usage{};
    EXPECT_EQ(wait4(pid, &status, 0, &usage), pid);
    EXPECT_TRUE(WIFEXITED(status)) << "status " << status;
    run.status = WEXITSTATUS(status);
    run.peakKiB = usage.ru_maxrss;
    run.err = ReadWhole(errPath);
    return run;
}

// The pieces of an input, handed out one at a time.
std::function<std::string()> Pieces(std::vector<std::function<std::string()>> makers) {
    return [makers = std::move(makers), next = std::size_t{0}]() mutable {
        return next < makers.size() ? makers[next++]() : std::string();
    };
}

TEST(HostileInputTest, MemoryStaysFlatWhateverTheLinesAndQuotes) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer keeps freed memory aside: the peak says nothing here";
#endif
    // A row, a 200 MiB line, a row whose stray quote would take in all that follows, 200 rows.
    constexpr int kLongLineMiB = 200;
    int longLineLeft = kLongLineMiB;
    const std::string mebibyte(1 << 20, 'x');
    std::vector<std::function<std::string()>> pieces{[] { return kHeader + kRow; }};
    for (int i = 0; i < kLongLineMiB; ++i) {
        pieces.push_back([&] {
            --longLineLeft;
            return mebibyte;
        });
    }
    pieces.push_back([] {
        std::string rest = "\n\"" + kRow;
        for (int i = 0; i < 200; ++i) {
            rest += kRow;
        }
        return rest;
    });
    const QTemporaryDir dir;
    const std::string outputPath = dir.filePath("out.jsonl").toStdString();
    const ChildRun run = RunBatchCommand(Fed(Pieces(std::move(pieces))), outputPath);
    EXPECT_EQ(longLineLeft, 0);
    EXPECT_TRUE(run.tookAllInput);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err, "rashi-report: 2 of 203 rows could not be calculated\n");
    // The peak includes the memory of this test process when it spawned the program (the spawn
    // shares it until the exec), so tests that load the atlas in-process run after this one.
    EXPECT_LT(run.peakKiB, 64 * 1024);

    const std::string output = ReadWhole(outputPath);
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 203);
    EXPECT_NE(output.find("{\"line\": 3, \"error\": \"the line is longer than 65536 bytes\"}\n"),
              std::string::npos);
    EXPECT_NE(output.find("{\"line\": 4, \"error\": \"unclosed quote opened on line 4\"}\n"),
              std::string::npos);
}

TEST(HostileInputTest, AnEndlessInputStopsAtTheFirstFailedWrite) {
    if (access("/dev/full", W_OK) != 0) {
        GTEST_SKIP() << "this system has no /dev/full";
    }
    constexpr int kRowsPerChunk = 100;
    constexpr int kMostChunks = 10000;  // a million rows: the program has stopped long before
    int chunks = 0;
    std::string rows;
    for (int i = 0; i < kRowsPerChunk; ++i) {
        rows += kRow;
    }
    const auto endless = [&] { return ++chunks == 1 ? kHeader + rows : rows; };
    const auto capped = [&] { return chunks < kMostChunks ? endless() : std::string(); };
    const ChildRun run = RunBatchCommand(Fed(capped), "/dev/full");
    EXPECT_FALSE(run.tookAllInput);
    EXPECT_LT(chunks, kMostChunks);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "rashi-report: cannot write the output: No space left on device\n");
}

TEST(HostileInputTest, UnreadableInputsAreReportedAsWhatTheyAre) {
    const struct {
        Input input;
        std::string message;
    } cases[] = {
        {Closed(), "rashi-report: cannot read standard input: it is closed\n"},
        {FromFile("/"), "rashi-report: cannot read standard input: Is a directory\n"},
        {FromFile("/dev/zero"),
         "rashi-report: standard input: the header line cannot be read: the line is longer than "
         "65536 bytes; the header line is " +
             std::string(cli::kBatchHeader) + "\n"},
    };
    for (const auto& c : cases) {
        const ChildRun run = RunBatchCommand(c.input, "/dev/null");
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_EQ(run.err, c.message);
    }
}

}  // namespace
