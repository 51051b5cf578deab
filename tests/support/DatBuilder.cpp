#include "DatBuilder.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace testing_support {

TempDir::TempDir() {
    std::random_device entropy;
    m_path = fs::temp_directory_path() / ("velmora-test-" + std::to_string(entropy()));
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

CChannel EmptyChannel(RadioModel model) {
    CChannel channel;
    channel.Clear(model);
    return channel;
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

std::vector<CChannel> UsedChannels(RadioModel model, int count, int firstRx, int spacing) {
    std::vector<CChannel> records;
    for (int i = 0; i < count; ++i)
        records.push_back(UsedChannel(model, firstRx + i * spacing, firstRx + i * spacing));
    return records;
}

Bytes BytesOf(const CChannel& record) {
    return Bytes(record.bytes, record.bytes + CChannel::kSize);
}

Bytes MakeDat(RadioModel model, std::span<const CChannel> records, bool uhf) {
    Bytes dat(static_cast<std::size_t>(FileSize(model)));
    for (std::size_t i = 0; i < static_cast<std::size_t>(kHeaderSize); ++i)
        dat[i] = static_cast<std::uint8_t>(0xA0 + i % 16);
    for (int i = 0; i < ChannelCount(model); ++i) {
        const CChannel record = static_cast<std::size_t>(i) < records.size()
                                    ? records[static_cast<std::size_t>(i)]
                                    : EmptyChannel(model);
        std::memcpy(&dat[static_cast<std::size_t>(kHeaderSize + i * CChannel::kSize)], record.bytes,
                    CChannel::kSize);
    }
    const std::size_t trailer = static_cast<std::size_t>(kHeaderSize + ChannelCount(model) * 44);
    for (std::size_t i = trailer; i < dat.size(); ++i)
        dat[i] = static_cast<std::uint8_t>(0x50 + i % 7);
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
    if (!decodable)
        return dat;
    const auto pick = [&](int n) {
        return static_cast<std::uint8_t>(random() % static_cast<unsigned>(n));
    };
    for (int i = 0; i < ChannelCount(model); ++i) {
        std::uint8_t* r = &dat[static_cast<std::size_t>(kHeaderSize + i * CChannel::kSize)];
        if (pick(3) == 0) {
            r[0] = 0;
            continue;
        }
        r[0] = 1;
        for (int f : {1, 5}) {
            r[f] = static_cast<std::uint8_t>(8 + pick(44));
            r[f + 1] = pick(100);
            r[f + 2] = pick(100);
            r[f + 3] = pick(100);
        }
        for (int slot : {14, 16}) {
            r[slot] = pick(4);
            r[slot + 1] = pick(r[slot] == 1 ? 50 : 104);
        }
        // Step, reverse, power, scramble, width, busy set, range and scan.
        const int tables[][2] = {{22, 10}, {23, 2}, {24, 3}, {25, 2},
                                 {26, 2},  {27, 2}, {28, 5}, {30, 2}};
        for (const auto& [at, size] : tables)
            r[at] = pick(size);
        for (int n = 38; n < 44; ++n)
            r[n] = pick(42);
    }
    return dat;
}

std::set<std::string> Listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    m_oldSoft = limit.rlim_cur;
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (m_oldHandler == SIG_ERR)
        return;
    m_bChanged = true;
    limit.rlim_cur = std::min<rlim_t>(bytes, limit.rlim_max);
    m_bActive = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    if (!m_bChanged)
        return;
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0) {
        limit.rlim_cur = m_oldSoft;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::signal(SIGXFSZ, m_oldHandler);
}

} // namespace testing_support
