// Any text into the Row Editor's rules. The first byte picks the step (low
// nibble; 10 and up name no step), the model and the TG-6A's unit; the rest is
// the RX text, a newline, and the TX text. Frequency rules never fail, a text
// that passes validation reads back unchanged from a record, and a name the
// Name box accepts can always be stored.
#include "FrequencyRules.h"
#include "FuzzSupport.h"
#include "MemoryImage.h"
#include "NameRules.h"

#include <array>
#include <string>
#include <string_view>

namespace {

// Typed digits can stand for less than 88 MHz ("0439.125" is 43.9125 MHz),
// but never for nothing, never for a negative value, never above the ceiling.
constexpr int kCeiling = 51999500;

void CheckFrequencyText(std::string_view text, int step) {
    const int value = ParseFrequency(text);
    FuzzCheck((value == 0) == text.empty(), "only the empty text parses to 0");
    FuzzCheck(value >= 0 && value <= kCeiling, "parsed value out of range");
    const std::string shown = NormalizeFrequencyText(text, step);
    if (!text.empty()) {
        const int again = ParseFrequency(shown);
        FuzzCheck(again > 0 && again <= kCeiling, "a rewritten text reads out of range");
    }
}

void CheckValidation(std::string_view rx, std::string_view tx, int step, RadioModel model,
                     const CMemoryImage& image) {
    const Message error = FrequencyError(rx, tx, step, model, image);
    if (!error.empty())
        return;
    const int rxValue = ParseFrequency(rx);
    const int txValue = ParseFrequency(tx);
    FuzzCheck(BandOf(rxValue) != 0 && BandOf(rxValue) == BandOf(txValue), "band check let through");
    CChannel record{};
    record.MarkUsed(model);
    record.SetFrequencies(rxValue, txValue, step, BandOf(rxValue), model);
    FuzzCheck(record.GetFreqText(true) == FormatFrequency(rxValue), "RX does not read back");
    FuzzCheck(record.GetFreqText(false) == FormatFrequency(txValue), "TX does not read back");
    if (model == kTGUV2)
        FuzzCheck(!record.GetRangeText().empty(), "range not stored");
}

void CheckName(std::string text) {
    text.resize(std::min<std::size_t>(text.size(), 6));
    std::string name = text;
    if (!NormalizeNameText(name))
        return;
    name.resize(6, ' ');
    CChannel record{};
    record.Clear(kTGUV2);
    record.MarkUsed(kTGUV2);
    record.SetNameText(name);
    FuzzCheck(record.GetNameText() == name, "an accepted name does not read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int step = data[0] & 0x0F;
    const RadioModel model = (data[0] & 0x80) ? kTG6A : kTGUV2;
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = input.find('\n');
    const std::string_view rx = input.substr(0, split);
    const std::string_view tx = split == std::string_view::npos ? rx : input.substr(split + 1);

    CImageTG6A radio(100);
    const std::array<std::uint8_t, 2> unit = (data[0] & 0x40) ? std::array<std::uint8_t, 2>{14, 55}
                                                              : std::array<std::uint8_t, 2>{43, 80};
    radio.GetTrailer()[1] = unit[0];
    radio.GetTrailer()[2] = unit[1];
    CImageTGUV2 anyBand(200);
    const CMemoryImage& image = model == kTG6A ? static_cast<const CMemoryImage&>(radio) : anyBand;

    CheckFrequencyText(rx, step);
    CheckFrequencyText(tx, step);
    CheckValidation(rx, tx, step, model, image);
    CheckName(std::string(input));
    try {
        CChannel record{};
        record.SetNameText(input);
    } catch (int value) {
        FuzzCheck(value == 0, "failure signal must be the int 0");
    }
    return 0;
}
