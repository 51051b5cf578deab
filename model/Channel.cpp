#include "Channel.h"

#include "Failure.h"
#include "Frequency.h"
#include "ToneTables.h"

#include <cstring>

namespace {

// Record layout (byte offsets). Multi-byte fields are sequences of one-byte
// digit groups or codes, so byte order never arises.
//   0      in-use (0 empty, anything else in use)
//   1..4   RX frequency, four base-100 digit pairs of the 10 Hz count
//   5..8   TX frequency, same encoding
//   9..12  |TX - RX|: whole MHz, 10 kHz, 100 Hz, 10 Hz units
//   13     shift direction (0 equal, 1 TX above, 2 TX below)
//   14,15  RX tone kind and index; 16,17 TX tone kind and index
//   18..21 not interpreted
//   22 step index, 23 reverse, 24 TX power, 25 scramble, 26 bandwidth,
//   27 busy set, 28 range index (TG-UV2; TG-6A: 1 cleared, 0 used),
//   29 not interpreted, 30 scan, 31..37 not interpreted
//   38..43 name, six characters in the name code
constexpr int kInUse = 0;
constexpr int kRxFreq = 1;
constexpr int kTxFreq = 5;
constexpr int kOffset = 9;
constexpr int kShift = 13;
constexpr int kRxTone = 14;
constexpr int kTxTone = 16;
constexpr int kStep = 22;
constexpr int kReverse = 23;
constexpr int kPower = 24;
constexpr int kScramble = 25;
constexpr int kWidth = 26;
constexpr int kBusySet = 27;
constexpr int kRange = 28;
constexpr int kScan = 30;
constexpr int kName = 38;

constexpr std::uint8_t kShiftNone = 0;
constexpr std::uint8_t kShiftUp = 1;
constexpr std::uint8_t kShiftDown = 2;
constexpr std::uint8_t kNameSpace = 39;

// The name character code: code i is character kNameChars[i].
constexpr std::string_view kNameChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_/* +-";
static_assert(kNameChars.size() == 42);

template <std::size_t N>
std::string TableEntry(const std::array<std::string_view, N>& table, int index) {
    if (index < 0 || index >= static_cast<int>(N))
        RaiseFailure();
    return std::string(table[static_cast<std::size_t>(index)]);
}

template <std::size_t N>
std::uint8_t CodeOf(const std::array<std::string_view, N>& table, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i)
        if (table[i] == text)
            return static_cast<std::uint8_t>(i);
    RaiseFailure();
}

void StoreFrequency(std::uint8_t* field, int value) {
    field[0] = static_cast<std::uint8_t>(value / 1000000);
    field[1] = static_cast<std::uint8_t>(value % 1000000 / 10000);
    field[2] = static_cast<std::uint8_t>(value % 10000 / 100);
    field[3] = static_cast<std::uint8_t>(value % 100);
}

void StoreOffset(std::uint8_t* field, int value) {
    field[0] = static_cast<std::uint8_t>(value / 100000);
    field[1] = static_cast<std::uint8_t>(value % 100000 / 1000);
    field[2] = static_cast<std::uint8_t>(value % 1000 / 10);
    field[3] = static_cast<std::uint8_t>(value % 10);
}

} // namespace

bool CChannel::IsEmpty() const { return bytes[kInUse] == 0; }

void CChannel::Clear(RadioModel model) {
    std::memset(bytes, 0, sizeof bytes);
    if (model == kTGUV2)
        std::memset(bytes + kName, kNameSpace, kNameLength);
    else
        bytes[kRange] = 1;
}

void CChannel::MarkUsed(RadioModel model) {
    bytes[kInUse] = 1;
    if (model == kTG6A)
        bytes[kRange] = 0;
}

std::string CChannel::GetFreqText(bool rx) const {
    const int at = rx ? kRxFreq : kTxFreq;
    const int mhz = Signed(at) * 10 + Signed(at + 1) / 10;
    if (IsEmpty() || mhz <= 0)
        return {};
    return FrequencyText(mhz, Signed(at + 1) % 10 * 10000 + Signed(at + 2) * 100 + Signed(at + 3));
}

int CChannel::GetFrequency(bool rx) const {
    const int at = rx ? kRxFreq : kTxFreq;
    const int mhz = Signed(at) * 10 + Signed(at + 1) / 10;
    if (IsEmpty() || mhz <= 0)
        return 0;
    return Signed(at) * 1000000 + Signed(at + 1) * 10000 + Signed(at + 2) * 100 + Signed(at + 3);
}

void CChannel::SetFrequencies(int rx, int tx, int step, int band, RadioModel model) {
    bytes[kShift] = kShiftNone;
    StoreFrequency(bytes + kRxFreq, rx);
    StoreFrequency(bytes + kTxFreq, tx);
    long long offset = static_cast<long long>(tx) - rx;
    if (offset > 0)
        bytes[kShift] = kShiftUp;
    if (offset < 0) {
        bytes[kShift] = kShiftDown;
        offset = -offset;
    }
    StoreOffset(bytes + kOffset, static_cast<int>(offset));
    bytes[kStep] = static_cast<std::uint8_t>(step);
    if (model == kTGUV2)
        bytes[kRange] = static_cast<std::uint8_t>(band - 1);
}

int CChannel::GetStepIndex() const { return Signed(kStep); }

std::string CChannel::GetStepText() const {
    return IsEmpty() ? std::string() : TableEntry(ToneTables::kSteps, Signed(kStep));
}

std::string CChannel::GetRangeText() const {
    return IsEmpty() ? std::string() : TableEntry(ToneTables::kBands, Signed(kRange));
}

ToneCode CChannel::GetTone(bool rx) const {
    const int at = rx ? kRxTone : kTxTone;
    return {static_cast<ToneKind>(Signed(at)), Signed(at + 1)};
}

void CChannel::SetTone(bool rx, ToneKind kind, int index) {
    const int at = rx ? kRxTone : kTxTone;
    bytes[at] = static_cast<std::uint8_t>(kind);
    bytes[at + 1] = static_cast<std::uint8_t>(index);
}

std::string CChannel::GetToneText(bool rx) const {
    if (IsEmpty())
        return {};
    const ToneCode tone = GetTone(rx);
    switch (tone.kind) {
    case ToneKind::kOff:
        return "OFF";
    case ToneKind::kCtcss:
        return TableEntry(ToneTables::kCtcss, tone.index);
    case ToneKind::kDcsN:
        return TableEntry(ToneTables::kDcsN, tone.index);
    case ToneKind::kDcsI:
        return TableEntry(ToneTables::kDcsI, tone.index);
    default:
        RaiseFailure();
    }
}

int CChannel::GetToneSelection(bool rx) const {
    if (IsEmpty())
        return 0;
    const ToneCode tone = GetTone(rx);
    const auto within = [&](std::size_t size, int first) {
        if (tone.index < 0 || tone.index >= static_cast<int>(size))
            RaiseFailure();
        return first + tone.index;
    };
    switch (tone.kind) {
    case ToneKind::kOff:
        return 0;
    case ToneKind::kCtcss:
        return within(ToneTables::kCtcss.size(), ToneTables::kFirstCtcss);
    case ToneKind::kDcsN:
        return within(ToneTables::kDcsN.size(), ToneTables::kFirstDcsN);
    case ToneKind::kDcsI:
        return within(ToneTables::kDcsI.size(), ToneTables::kFirstDcsI);
    default:
        RaiseFailure();
    }
}

void CChannel::SetToneSelection(int selection, bool rx) {
    using namespace ToneTables;
    if (selection == 0)
        SetTone(rx, ToneKind::kOff, 0);
    else if (selection >= kFirstCtcss && selection < kFirstDcsN)
        SetTone(rx, ToneKind::kCtcss, selection - kFirstCtcss);
    else if (selection >= kFirstDcsN && selection < kFirstDcsI)
        SetTone(rx, ToneKind::kDcsN, selection - kFirstDcsN);
    else if (selection >= kFirstDcsI && selection < kToneSelections)
        SetTone(rx, ToneKind::kDcsI, selection - kFirstDcsI);
    else
        RaiseFailure();
}

#define VELMORA_TEXT_FIELD(Name, offset, table)                                                    \
    std::string CChannel::Get##Name##Text() const {                                                \
        return IsEmpty() ? std::string() : TableEntry(ToneTables::table, Signed(offset));          \
    }                                                                                              \
    void CChannel::Set##Name##Text(std::string_view text) {                                        \
        bytes[offset] = CodeOf(ToneTables::table, text);                                           \
    }

VELMORA_TEXT_FIELD(Reverse, kReverse, kOnOff)
VELMORA_TEXT_FIELD(Power, kPower, kPowerLevels)
VELMORA_TEXT_FIELD(Scramble, kScramble, kOnOff)
VELMORA_TEXT_FIELD(Width, kWidth, kBandwidths)
VELMORA_TEXT_FIELD(BusySet, kBusySet, kOnOff)
VELMORA_TEXT_FIELD(Scan, kScan, kOnOff)

#undef VELMORA_TEXT_FIELD

std::string CChannel::GetNameText() const {
    if (IsEmpty())
        return {};
    std::string name;
    for (int i = 0; i < kNameLength; ++i)
        name += DecodeNameChar(Signed(kName + i));
    return name;
}

void CChannel::SetNameText(std::string_view text) {
    if (text.empty())
        text = "      ";
    // A short text stores what it has and then fails at its end, like a
    // character outside the set would.
    for (int i = 0; i < kNameLength; ++i) {
        if (static_cast<std::size_t>(i) >= text.size())
            RaiseFailure();
        bytes[kName + i] = static_cast<std::uint8_t>(EncodeNameChar(text[i]));
    }
}

char CChannel::DecodeNameChar(int code) {
    if (code < 0 || code >= static_cast<int>(kNameChars.size()))
        RaiseFailure();
    return kNameChars[static_cast<std::size_t>(code)];
}

int CChannel::EncodeNameChar(char c) {
    const std::size_t at = kNameChars.find(c);
    if (c == '\0' || at == std::string_view::npos)
        RaiseFailure();
    return static_cast<int>(at);
}
