#include "FrequencyRules.h"

#include "MemoryImage.h"
#include "Text.h"
#include "ToneTables.h"

#include <array>
#include <tuple>

namespace {

// Lowest frequency there is, and the highest: the limits of FM and of UHF3.
constexpr int kLowest = 8800000;
constexpr int kCeiling = 51999500;
// Digit strings below this are not frequencies at all; up to 99 they are
// whole MHz.
constexpr int kSmallest = 88;
constexpr int kWholeMHzBelow = 100;
// A typed frequency has at most eight digits: three for MHz, five decimals.
constexpr int kDigits = 8;

// Both limits belong to the band. FM ends on a whole MHz, the others one
// 5 kHz step below one.
constexpr std::array<BandLimits, 5> kBandLimits = {{
    {8800000, 10800000},
    {13600000, 17399500},
    {35000000, 38999500},
    {40000000, 46999500},
    {47000000, 51999500},
}};
static_assert(kBandLimits.size() == std::tuple_size_v<decltype(ToneTables::kBands)>);

} // namespace

int ParseFrequency(std::string_view text) {
    if (text.empty())
        return 0;
    std::string digits(text);
    const std::size_t point = digits.find('.');
    if (point != std::string::npos)
        digits.erase(point, 1);
    const int value = LeadingInt(digits);
    if (value < kSmallest)
        return kLowest;
    if (value >= kLowest)
        return value > kCeiling ? kCeiling : value;
    if (value < kWholeMHzBelow)
        return value * kTenHzPerMHz;
    long long scaled = value;
    for (std::size_t n = digits.size(); n < kDigits; ++n)
        scaled *= 10;
    if (scaled > kCeiling)
        scaled /= 10;
    return static_cast<int>(scaled);
}

int StepUnits(int step) {
    if (step < 0 || step >= static_cast<int>(ToneTables::kStepUnits.size()))
        return 0;
    return ToneTables::kStepUnits[static_cast<std::size_t>(step)];
}

int RoundUpToStep(int value, int size) {
    if (size <= 0 || value % size <= 0)
        return value;
    return size * (value / size + 1);
}

std::string NormalizeFrequencyText(std::string_view text, int step) {
    return FormatFrequency(RoundUpToStep(ParseFrequency(text), StepUnits(step)));
}

int BandOf(int value) {
    for (std::size_t i = 0; i < kBandLimits.size(); ++i)
        if (value >= kBandLimits[i].lowest && value <= kBandLimits[i].highest)
            return static_cast<int>(i) + 1;
    return 0;
}

BandLimits LimitsOfBand(int band) { return kBandLimits.at(static_cast<std::size_t>(band - 1)); }

int UnitBand(RadioModel model, const CMemoryImage& image) {
    // A TG-6A is built for one band: UHF2 or VHF1, by its own frequency.
    if (model != kTG6A)
        return 0;
    return image.SameBandSide(kBandSplit) ? kBandUhf2 : kBandVhf1;
}

Message FrequencyError(std::string_view rxText, std::string_view txText, int step, RadioModel model,
                       const CMemoryImage& image) {
    return FrequencyValueError(ParseFrequency(rxText), ParseFrequency(txText), step,
                               UnitBand(model, image));
}

Message FrequencyValueError(int rx, int tx, int step, int unitBand) {
    const int size = StepUnits(step);
    if (rx == 0)
        return VM_TR("Messages", "Rx frequency is missing!");
    if (tx == 0)
        return VM_TR("Messages", "Tx frequency is missing!");
    // A step index that names no step fits no frequency.
    if (size == 0 || rx % size != 0)
        return VM_TR("Messages", "Rx frequency and step do not match!");
    if (tx % size != 0)
        return VM_TR("Messages", "Tx frequency and step do not match!");
    const int rxBand = BandOf(rx);
    const int txBand = BandOf(tx);
    if (rxBand == 0)
        return VM_TR("Messages", "Invalid Rx frequency range!");
    if (txBand == 0)
        return VM_TR("Messages", "Invalid Tx frequency range!");
    if (unitBand != 0 && (rxBand != unitBand || txBand != unitBand))
        return VM_TR("Messages", "Invalid frequency range!");
    if (rxBand != txBand)
        return VM_TR("Messages", "Frequencies should be in the same range!");
    return {};
}

char FilterFrequencyChar(char typed, bool textHasPoint) {
    if ((typed >= '0' && typed <= '9') || typed == '\b')
        return typed;
    if (typed == '.' || typed == ',')
        return textHasPoint ? '\0' : '.';
    return '\0';
}
