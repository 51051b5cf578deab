#include "DatBuilder.h"

#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace testing_support {

TempDir::TempDir()
    : m_path(fs::temp_directory_path() /
             ("velmora-test-" + std::to_string(std::random_device()()))) {
    fs::create_directories(m_path);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

void WriteBytes(const fs::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

CChannel UsedChannel(RadioModel model, int rx, int tx) {
    CChannel channel = EmptyChannel(model);
    channel.MarkUsed(model);
    channel.SetFrequencies(rx, tx, 0, 2, model);
    // Tones off, high power, wide and scan on are the cleared record's zeros.
    channel.SetReverseText("OFF");
    channel.SetScrambleText("OFF");
    channel.SetBusySetText("OFF");
    return channel;
}

Bytes MakeDat(RadioModel model, std::span<const CChannel> records, bool uhf) {
    Bytes dat(static_cast<std::size_t>(FileSize(model)));
    const std::size_t trailer = kHeaderSize + ChannelCount(model) * CChannel::kSize;
    for (std::size_t i = 0; i < dat.size(); ++i)
        dat[i] = static_cast<std::uint8_t>(i < kHeaderSize ? 0xA0 + i % 16 : 0x50 + i % 7);
    for (int i = 0; i < ChannelCount(model); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const CChannel record = at < records.size() ? records[at] : EmptyChannel(model);
        std::memcpy(&dat[kHeaderSize + at * CChannel::kSize], record.bytes, CChannel::kSize);
    }
    if (model == kTG6A) {
        dat[trailer + 1] = uhf ? 43 : 14;
        dat[trailer + 2] = uhf ? 80 : 55;
    }
    return dat;
}

Bytes RandomDat(RadioModel model, std::uint32_t seed, bool decodable) {
    std::mt19937 random(seed);
    Bytes dat(static_cast<std::size_t>(FileSize(model)));
    for (auto& byte : dat)
        byte = static_cast<std::uint8_t>(random());
    const auto pick = [&](unsigned n) { return static_cast<std::uint8_t>(random() % n); };
    for (int i = 0; decodable && i < ChannelCount(model); ++i) {
        std::uint8_t* r = &dat[static_cast<std::size_t>(kHeaderSize + i * CChannel::kSize)];
        // An empty record keeps its random bytes, which nothing may show.
        r[0] = pick(3) == 0 ? 0 : 1;
        if (r[0] == 0)
            continue;
        for (int f : {1, 5}) {
            r[f] = static_cast<std::uint8_t>(8 + pick(44));
            for (int digits = 1; digits <= 3; ++digits)
                r[f + digits] = pick(100);
        }
        for (int slot : {14, 16}) {
            r[slot] = pick(4);
            r[slot + 1] = pick(r[slot] == 1 ? 50 : 104);
        }
        // Step, reverse, power, scramble, width, busy set, range, scan, name.
        const std::pair<int, unsigned> fields[] = {{22, 10}, {23, 2}, {24, 3}, {25, 2},
                                                   {26, 2},  {27, 2}, {28, 5}, {30, 2}};
        for (const auto& [at, size] : fields)
            r[at] = pick(size);
        for (int at = 38; at < CChannel::kSize; ++at)
            r[at] = pick(42);
    }
    return dat;
}

void UnderFileSizeLimit(std::uint64_t bytes, const std::function<void()>& action) {
    rlimit old{};
    if (getrlimit(RLIMIT_FSIZE, &old) != 0)
        throw std::runtime_error("no file size limit to lower");
    struct Restore {
        const rlimit& old;
        void (*handler)(int);
        ~Restore() {
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, handler);
        }
    } restore{old, std::signal(SIGXFSZ, SIG_IGN)};
    rlimit lowered = old;
    lowered.rlim_cur = std::min<rlim_t>(bytes, old.rlim_max);
    if (setrlimit(RLIMIT_FSIZE, &lowered) != 0)
        throw std::runtime_error("cannot lower the file size limit");
    action();
}

} // namespace testing_support
