#pragma once
// The benchmarks' generated search tree and small timing helpers.
#include <chrono>
#include <string>

namespace twinsweep::bench {

using Clock = std::chrono::steady_clock;

inline double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Creates a folder unless it exists; exits on any other failure.
void MakeFolder(const std::string& path);

struct BenchTree {
    std::string path;
    long files = 0;
};

// A tree of `files` files (a multiple of 2,500: folders of 50 folders of 50 files, 0 to
// 2,047 bytes each) under data: "tree" for 100,000 files, "tree-N" otherwise. It is made
// once; a marker file next to it records that it is complete.
BenchTree MakeTree(const std::string& data, long files = 100000);

} // namespace twinsweep::bench
