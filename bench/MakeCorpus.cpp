// Writes the corpora of the peer comparison; the same bytes on every run.
//   make_corpus a|b|c|d|e|f FOLDER [SCALE]    writes the corpus into FOLDER, which must not exist
//   make_corpus --bytes a|b|c|d|e|f [SCALE]   prints the disk space it needs, in bytes
// a: 20,000 files of 1 KiB to 8 MiB, mostly small; about a third in groups of 2 to 5
//    identical files, and groups of equal size that differ only in the last byte.
// b: 200,000 files of 4 KiB; 10 % are in groups of 2 or 3 identical files.
// c: four 2 GiB files with one content but for the last byte: two identical, two not.
// f: six 4 GiB files with one content but for the last byte, each different.
// d: 50 sizes (1 KiB to 50 KiB) with 250 identical copies each: 12,500 files.
// e: 1,000,000 files of 8 bytes; 5 % are in identical pairs.
// SCALE (0 to 1, default 1) scales the number of files of a, b, d and e, the file size of c
// and f.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// splitmix64: fast, and good enough for test data.
struct Rng {
    uint64_t state;
    uint64_t Next() {
        uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double Uniform() { return double(Next() >> 11) / double(1ULL << 53); }
    int Between(int low, int high) { return low + int(Next() % uint64_t(high - low + 1)); }
};

// One file: its content is the stream of `seed`, the last byte shifted by `variant`.
struct PlannedFile {
    uint64_t seed;
    int64_t size;
    int variant;
};

void Fill(uint64_t seed, char* data, size_t size) {
    Rng rng{seed};
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        const uint64_t word = rng.Next();
        std::memcpy(data + i, &word, 8);
    }
    const uint64_t word = rng.Next();
    std::memcpy(data + i, &word, size - i);
}

void Fail(const std::string& what) {
    std::perror(what.c_str());
    std::exit(1);
}

void MakeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) != 0)
        Fail(path);
}

void WriteAll(int fd, const char* data, size_t size, const std::string& path) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0)
            Fail(path);
        data += n;
        size -= size_t(n);
    }
}

// 1 KiB to 8 MiB, most files near the small end.
int64_t SmallToLarge(Rng& rng) {
    return int64_t(1024 * std::pow(8192.0, std::pow(rng.Uniform(), 5.0)));
}

std::vector<PlannedFile> CorpusA(long files) {
    Rng rng{0xa11ce};
    std::vector<PlannedFile> plan;
    while (long(plan.size()) < files) {
        const double kind = rng.Uniform();
        const int64_t size = SmallToLarge(rng);
        const uint64_t seed = rng.Next();
        if (kind < 0.15) { // identical copies
            for (int n = rng.Between(2, 5); n > 0; --n)
                plan.push_back({seed, size, 0});
        } else if (kind < 0.22) { // equal size, last byte differs; now and then a copy too
            int variant = 0;
            for (int n = rng.Between(2, 5); n > 0; --n)
                plan.push_back({seed, size, rng.Between(0, 3) == 0 ? variant : ++variant});
        } else {
            plan.push_back({seed, size, 0});
        }
    }
    plan.resize(size_t(files));
    return plan;
}

// Files of one size, each alone or, with chance `share`, with 1 to `most` - 1 copies.
std::vector<PlannedFile> WithCopies(uint64_t seed, long files, int64_t size, double share,
                                    int most) {
    Rng rng{seed};
    std::vector<PlannedFile> plan;
    while (long(plan.size()) < files) {
        const uint64_t content = rng.Next();
        const int copies = rng.Uniform() < share ? (most > 2 ? rng.Between(2, most) : 2) : 1;
        for (int n = 0; n < copies; ++n)
            plan.push_back({content, size, 0});
    }
    plan.resize(size_t(files));
    return plan;
}

std::vector<PlannedFile> CorpusB(long files) {
    return WithCopies(0xb0b, files, 4096, 0.1 / 2.35, 3);
}

std::vector<PlannedFile> CorpusD(long files) {
    Rng rng{0xd0d};
    std::vector<PlannedFile> plan;
    const long copies = std::max(2L, files / 50);
    for (int64_t kind = 1; kind <= 50; ++kind) {
        const uint64_t seed = rng.Next();
        for (long n = 0; n < copies; ++n)
            plan.push_back({seed, 1024 * kind + 7 * kind, 0});
    }
    return plan;
}

std::vector<PlannedFile> CorpusE(long files) { return WithCopies(0xe0e, files, 8, 0.05 / 1.95, 2); }

int64_t DiskBytes(const std::vector<PlannedFile>& plan) {
    int64_t total = 0;
    for (const PlannedFile& file : plan)
        total += (file.size + 4095) / 4096 * 4096 + 4096; // blocks plus the folder entry
    return total;
}

// Shuffled into `folders` folders, so that copies lie apart.
void WriteFiles(std::vector<PlannedFile> plan, const std::string& root, int folders) {
    Rng rng{0x5eed};
    for (size_t i = plan.size(); i > 1; --i)
        std::swap(plan[i - 1], plan[rng.Next() % i]);
    MakeFolder(root);
    for (int f = 0; f < folders; ++f)
        MakeFolder(root + "/d" + std::to_string(f));
    int64_t largest = 0;
    for (const PlannedFile& file : plan)
        largest = std::max(largest, file.size);
    std::vector<char> data(size_t(largest) + 8);
    for (size_t i = 0; i < plan.size(); ++i) {
        const PlannedFile& file = plan[i];
        Fill(file.seed, data.data(), size_t(file.size));
        data[size_t(file.size) - 1] = char(data[size_t(file.size) - 1] + file.variant);
        const std::string path =
            root + "/d" + std::to_string(i % size_t(folders)) + "/f" + std::to_string(i) + ".bin";
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0)
            Fail(path);
        WriteAll(fd, data.data(), size_t(file.size), path);
        ::close(fd);
    }
}

// Files written side by side from one stream; only their last bytes differ, by `variants`.
void WriteSideBySide(const std::string& root, int64_t size, const std::vector<std::string>& names,
                     const std::vector<int>& variants) {
    MakeFolder(root);
    std::vector<int> fds;
    for (const std::string& name : names) {
        fds.push_back(::open((root + "/" + name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644));
        if (fds.back() < 0)
            Fail(root + "/" + name);
    }
    Rng rng{0xc0ffee};
    std::vector<char> chunk(8 << 20);
    for (int64_t done = 0; done < size;) {
        const size_t length = size_t(std::min<int64_t>(int64_t(chunk.size()), size - done));
        for (size_t i = 0; i < length; i += 8) {
            const uint64_t word = rng.Next();
            std::memcpy(chunk.data() + i, &word, std::min<size_t>(8, length - i));
        }
        done += int64_t(length);
        const char last = chunk[length - 1];
        for (size_t k = 0; k < fds.size(); ++k) {
            if (done == size)
                chunk[length - 1] = char(last + variants[k]);
            WriteAll(fds[k], chunk.data(), length, names[k]);
        }
    }
    for (int fd : fds)
        if (::close(fd) != 0)
            Fail(root);
}

int Usage() {
    std::fprintf(stderr, "usage: make_corpus a|b|c|d|e|f FOLDER [SCALE]\n"
                         "       make_corpus --bytes a|b|c|d|e|f [SCALE]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4)
        return Usage();
    const bool bytesOnly = std::strcmp(argv[1], "--bytes") == 0;
    const std::string kind = argv[bytesOnly ? 2 : 1];
    const double scale = argc == 4 ? std::atof(argv[3]) : 1.0;
    if (scale <= 0 || scale > 1 || kind.size() != 1 || kind[0] < 'a' || kind[0] > 'f')
        return Usage();
    const std::string root = argv[2];
    if (kind == "c" || kind == "f") {
        // c: two of four 2 GiB files identical; f: six 4 GiB files, all different.
        const bool c = kind == "c";
        const std::vector<std::string> names =
            c ? std::vector<std::string>{"same1.bin", "same2.bin", "last1.bin", "last2.bin"}
              : std::vector<std::string>{"last0.bin", "last1.bin", "last2.bin",
                                         "last3.bin", "last4.bin", "last5.bin"};
        const std::vector<int> variants =
            c ? std::vector<int>{0, 0, 1, 2} : std::vector<int>{0, 1, 2, 3, 4, 5};
        const int64_t size = int64_t(double(int64_t(c ? 2 : 4) << 30) * scale) / 4096 * 4096;
        if (bytesOnly)
            std::printf("%lld\n", (long long)names.size() * (long long)size);
        else
            WriteSideBySide(root, size, names, variants);
        return 0;
    }
    struct Corpus {
        long files;
        std::vector<PlannedFile> (*plan)(long);
        int folders;
    };
    const Corpus corpora[] = {{20000, CorpusA, 100},
                              {200000, CorpusB, 400},
                              {},
                              {12500, CorpusD, 50},
                              {1000000, CorpusE, 1000}};
    const Corpus& corpus = corpora[kind[0] - 'a'];
    const auto plan = corpus.plan(std::max(2L, long(double(corpus.files) * scale)));
    if (bytesOnly)
        std::printf("%lld\n", (long long)DiskBytes(plan));
    else
        WriteFiles(plan, root, corpus.folders);
    return 0;
}
