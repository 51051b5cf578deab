#include "ExampleImages.h"

#include "Channel.h"
#include "EditSession.h"
#include "FrequencyRules.h"
#include "ToneTables.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>

namespace ExampleImages {

namespace {

// One channel of an example file, written as a radio amateur would note it
// down: frequencies in Hz, the offset as TX minus RX, and every setting by the
// text the editor shows for it, so that a row here reads like a row on screen.
struct Plan {
    int slot;
    std::string_view name; // the TG-6A has no name field; its rows leave this empty
    int rxHz;
    int shiftHz;
    std::string_view step;
    std::string_view rxTone;
    std::string_view txTone;
    std::string_view power;
    std::string_view width;
    // The one switch that only some radios show: "Scan" on the TG-UV2, "Busy
    // Set" on the TG-6A.
    std::string_view modelSwitch;
};

// A TG-UV2 as a traveller in Europe and North America might set it up: calling
// and simplex channels, 2 m repeaters (-600 kHz) and 70 cm repeaters (-7.6 MHz
// in Europe, +/-5 MHz in North America), PMR446 and GMRS, a marine duplex
// pair, weather and broadcast receive channels, one channel in each of the
// less used bands, and empty slots between the groups as real plans have.
constexpr Plan kTGUV2Plan[] = {
    {0, "CALL2M", 145'500'000, 0, "12.5", "OFF", "OFF", "High", "Wide", "On"},
    {1, "APRS", 144'800'000, 0, "12.5", "OFF", "OFF", "Low", "Wide", "OFF"},
    {2, "S21", 145'525'000, 0, "12.5", "OFF", "OFF", "Mid", "Wide", "On"},
    {3, "S22", 145'550'000, 0, "12.5", "OFF", "OFF", "Mid", "Wide", "On"},
    {4, "S23", 145'575'000, 0, "12.5", "OFF", "OFF", "Mid", "Wide", "On"},
    {10, "R0 NTH", 145'600'000, -600'000, "12.5", "OFF", "88.5", "High", "Wide", "On"},
    {11, "R1 STH", 145'625'000, -600'000, "12.5", "OFF", "71.9", "High", "Wide", "On"},
    {12, "R2 EST", 145'650'000, -600'000, "12.5", "77.0", "77.0", "High", "Wide", "On"},
    {13, "R3 WST", 145'675'000, -600'000, "12.5", "OFF", "123.0", "High", "Wide", "On"},
    {15, "R5 HIL", 145'725'000, -600'000, "12.5", "OFF", "94.8", "High", "Wide", "OFF"},
    {16, "R6 LKE", 145'750'000, -600'000, "12.5", "D023N", "D023N", "High", "Wide", "On"},
    {20, "US2M", 146'520'000, 0, "5", "OFF", "OFF", "High", "Wide", "On"},
    {21, "W RPT1", 146'940'000, -600'000, "5", "OFF", "100.0", "High", "Wide", "On"},
    {22, "W RPT2", 147'120'000, 600'000, "5", "OFF", "103.5", "High", "Wide", "On"},
    {23, "W RPT3", 146'760'000, -600'000, "5", "123.0", "123.0", "High", "Wide", "On"},
    {24, "W RPT4", 147'300'000, 600'000, "5", "D071N", "D071N", "High", "Wide", "OFF"},
    {30, "CALL70", 433'500'000, 0, "12.5", "OFF", "OFF", "High", "Wide", "On"},
    {31, "US70", 446'000'000, 0, "25", "OFF", "OFF", "High", "Wide", "On"},
    {32, "RU692", 438'650'000, -7'600'000, "12.5", "OFF", "71.9", "High", "Wide", "On"},
    {33, "RU698", 438'725'000, -7'600'000, "12.5", "OFF", "88.5", "High", "Wide", "On"},
    {34, "RU716", 438'950'000, -7'600'000, "12.5", "67.0", "67.0", "Mid", "Wide", "On"},
    {36, "W UHF1", 442'100'000, 5'000'000, "25", "OFF", "100.0", "High", "Wide", "On"},
    {37, "W UHF2", 443'450'000, 5'000'000, "25", "OFF", "141.3", "High", "Wide", "On"},
    {38, "W UHF3", 444'975'000, 5'000'000, "25", "D047N", "D047N", "High", "Wide", "On"},
    {39, "W UHF4", 449'500'000, -5'000'000, "25", "OFF", "127.3", "High", "Wide", "OFF"},
    {40, "PMR 1", 446'006'250, 0, "6.25", "OFF", "OFF", "Low", "Narrow", "On"},
    {41, "PMR 2", 446'018'750, 0, "6.25", "OFF", "OFF", "Low", "Narrow", "On"},
    {42, "PMR 3", 446'031'250, 0, "6.25", "OFF", "OFF", "Low", "Narrow", "On"},
    {43, "PMR 4", 446'043'750, 0, "6.25", "OFF", "OFF", "Low", "Narrow", "On"},
    {44, "PMR 5", 446'056'250, 0, "6.25", "OFF", "OFF", "Low", "Narrow", "On"},
    {45, "PMR 6", 446'068'750, 0, "6.25", "OFF", "OFF", "Low", "Narrow", "On"},
    {46, "PMR 7", 446'081'250, 0, "6.25", "D023I", "D023I", "Low", "Narrow", "On"},
    {47, "PMR 8", 446'093'750, 0, "6.25", "94.8", "94.8", "Low", "Narrow", "On"},
    {50, "GMRS1", 462'562'500, 0, "6.25", "OFF", "OFF", "High", "Wide", "On"},
    {51, "GMRS R", 462'550'000, 5'000'000, "12.5", "141.3", "141.3", "High", "Wide", "On"},
    {52, "GMRS20", 462'675'000, 5'000'000, "12.5", "OFF", "141.3", "High", "Wide", "On"},
    {60, "RADIO1", 94'500'000, 0, "100", "OFF", "OFF", "Low", "Wide", "OFF"},
    {61, "RADIO2", 101'100'000, 0, "100", "OFF", "OFF", "Low", "Wide", "OFF"},
    {62, "RADIO3", 105'800'000, 0, "100", "OFF", "OFF", "Low", "Wide", "OFF"},
    {70, "MAR 16", 156'800'000, 0, "25", "OFF", "OFF", "High", "Wide", "On"},
    {71, "MAR 06", 156'300'000, 0, "25", "OFF", "OFF", "High", "Wide", "On"},
    {72, "MAR 26", 161'900'000, -4'600'000, "25", "OFF", "OFF", "High", "Wide", "OFF"},
    {75, "WX1", 162'550'000, 0, "25", "OFF", "OFF", "Low", "Wide", "On"},
    {76, "WX2", 162'400'000, 0, "25", "OFF", "OFF", "Low", "Wide", "On"},
    {77, "WX3", 162'475'000, 0, "25", "OFF", "OFF", "Low", "Wide", "On"},
    {80, "MILAIR", 364'200'000, 0, "25", "OFF", "OFF", "Low", "Wide", "OFF"},
    {90, "TBAND1", 483'487'500, 0, "6.25", "OFF", "OFF", "Mid", "Narrow", "On"},
    {91, "TBAND2", 507'512'500, 0, "6.25", "D205N", "D205N", "Mid", "Narrow", "On"},
};

// A TG-6A for 400 MHz and above: PMR446, 70 cm simplex and repeaters, FRS and
// GMRS, and the business channels of the 450-470 MHz band.
constexpr Plan kTG6APlan[] = {
    {0, "", 446'006'250, 0, "6.25", "OFF", "OFF", "Low", "Narrow", "On"},
    {1, "", 446'018'750, 0, "6.25", "OFF", "OFF", "Low", "Narrow", "On"},
    {2, "", 446'031'250, 0, "6.25", "OFF", "OFF", "Low", "Narrow", "On"},
    {3, "", 446'043'750, 0, "6.25", "OFF", "OFF", "Low", "Narrow", "On"},
    {4, "", 446'056'250, 0, "6.25", "67.0", "67.0", "Low", "Narrow", "On"},
    {5, "", 446'068'750, 0, "6.25", "67.0", "67.0", "Low", "Narrow", "On"},
    {6, "", 446'081'250, 0, "6.25", "D023N", "D023N", "Low", "Narrow", "On"},
    {7, "", 446'093'750, 0, "6.25", "D023I", "D023I", "Low", "Narrow", "On"},
    {10, "", 433'500'000, 0, "12.5", "OFF", "OFF", "High", "Wide", "OFF"},
    {11, "", 433'400'000, 0, "12.5", "OFF", "OFF", "High", "Wide", "OFF"},
    {12, "", 433'425'000, 0, "12.5", "OFF", "OFF", "High", "Wide", "OFF"},
    {20, "", 438'650'000, -7'600'000, "12.5", "OFF", "88.5", "High", "Wide", "OFF"},
    {21, "", 438'700'000, -7'600'000, "12.5", "OFF", "71.9", "High", "Wide", "OFF"},
    {22, "", 439'000'000, -7'600'000, "12.5", "123.0", "123.0", "High", "Wide", "OFF"},
    {23, "", 442'100'000, 5'000'000, "25", "OFF", "100.0", "High", "Wide", "OFF"},
    {24, "", 444'975'000, 5'000'000, "25", "D047N", "D047N", "High", "Wide", "OFF"},
    {25, "", 449'500'000, -5'000'000, "25", "OFF", "127.3", "High", "Wide", "OFF"},
    {30, "", 462'562'500, 0, "6.25", "OFF", "OFF", "Mid", "Narrow", "On"},
    {31, "", 462'587'500, 0, "6.25", "OFF", "OFF", "Mid", "Narrow", "On"},
    {32, "", 462'612'500, 0, "6.25", "OFF", "OFF", "Mid", "Narrow", "On"},
    {33, "", 462'637'500, 0, "6.25", "OFF", "OFF", "Mid", "Narrow", "On"},
    {34, "", 467'562'500, 0, "6.25", "OFF", "OFF", "Low", "Narrow", "On"},
    {36, "", 462'550'000, 5'000'000, "12.5", "141.3", "141.3", "High", "Wide", "OFF"},
    {37, "", 462'600'000, 5'000'000, "12.5", "OFF", "D023N", "High", "Wide", "OFF"},
    {38, "", 462'725'000, 5'000'000, "12.5", "OFF", "67.0", "High", "Wide", "OFF"},
    {40, "", 451'800'000, 0, "6.25", "D032N", "D032N", "Mid", "Narrow", "On"},
    {41, "", 464'500'000, 0, "12.5", "OFF", "OFF", "Mid", "Narrow", "On"},
    {42, "", 469'500'000, 0, "12.5", "107.2", "107.2", "Mid", "Narrow", "On"},
    {43, "", 467'850'000, 0, "12.5", "D131N", "D131N", "Mid", "Narrow", "On"},
    {44, "", 456'206'250, 0, "6.25", "OFF", "OFF", "Mid", "Narrow", "On"},
};

// The frequency the example TG-6A is built for, in the record's frequency
// encoding: 438 MHz makes it a radio for 400 MHz and above.
constexpr std::array<std::uint8_t, 4> kTG6ARadioFrequency = {43, 80, 0, 0};

int Units(int hz) {
    if (hz % 10 != 0)
        throw std::invalid_argument("a frequency is not a whole number of 10 Hz units");
    return hz / 10;
}

template <std::size_t N>
int PositionOf(const std::array<std::string_view, N>& table, std::string_view text) {
    const auto found = std::find(table.begin(), table.end(), text);
    return found == table.end() ? -1 : static_cast<int>(found - table.begin());
}

int StepIndex(std::string_view text) {
    const int index = PositionOf(ToneTables::kSteps, text);
    if (index < 0)
        throw std::invalid_argument("unknown step " + std::string(text));
    return index;
}

// The tone selection that the editor's tone lists would give for this text.
int ToneSelection(std::string_view text) {
    if (text == "OFF")
        return 0;
    if (const int i = PositionOf(ToneTables::kCtcss, text); i >= 0)
        return 1 + i;
    if (const int i = PositionOf(ToneTables::kDcsN, text); i >= 0)
        return 51 + i;
    if (const int i = PositionOf(ToneTables::kDcsI, text); i >= 0)
        return 155 + i;
    throw std::invalid_argument("unknown tone " + std::string(text));
}

// Writes the channel through the Row Editor's own form, so that an example
// record is exactly what a user editing that slot would have produced.
void Store(CChannel& channel, const Plan& plan, RadioModel model, const CMemoryImage& image) {
    FormValues form = DefaultForm(model);
    form[kRx].text = FormatFrequency(Units(plan.rxHz));
    form[kTx].text = FormatFrequency(Units(plan.rxHz + plan.shiftHz));
    form[kStep].position = StepIndex(plan.step);
    form[kName].text = plan.name;
    form[kRxTone].position = ToneSelection(plan.rxTone);
    form[kTxTone].position = ToneSelection(plan.txTone);
    form[kPower].text = plan.power;
    form[kWidth].text = plan.width;
    form[model == kTGUV2 ? kScanAdd : kBusySet].text = plan.modelSwitch;
    // The Row Editor's own checks: an example holds nothing a user could not enter.
    const Message error =
        FrequencyError(form[kRx].text, form[kTx].text, form[kStep].position, model, image);
    if (!error.empty())
        throw std::invalid_argument(error.English());
    ApplyForm(channel, form, model);
}

// A header the editor never reads: a readable tag saying where the file comes
// from, then the erased-memory value.
void FillHeader(std::uint8_t* header, RadioModel model) {
    std::fill_n(header, kHeaderSize, std::uint8_t{0xFF});
    const std::string tag = "VELMORA EXAMPLE " + std::string(ModelName(model));
    std::copy(tag.begin(), tag.end(), header);
}

void FillTrailer(CMemoryImage& image, RadioModel model) {
    std::uint8_t* trailer = image.GetTrailer();
    std::fill_n(trailer, image.GetTrailerSize(), std::uint8_t{0xFF});
    if (model == kTG6A) {
        trailer[0] = 0;
        std::copy(kTG6ARadioFrequency.begin(), kTG6ARadioFrequency.end(), trailer + 1);
    }
}

} // namespace

std::string FileName(RadioModel model) { return std::string(ModelName(model)) + "-example.DAT"; }

void Fill(CMemoryImage& image, RadioModel model) {
    FillHeader(image.GetHeader(), model);
    CChannel* channels = image.GetChannels();
    for (int i = 0; i < image.GetChannelCount(); ++i)
        channels[i].Clear(model);
    FillTrailer(image, model);
    const std::span<const Plan> plan =
        model == kTGUV2 ? std::span<const Plan>(kTGUV2Plan) : std::span<const Plan>(kTG6APlan);
    for (const Plan& channel : plan) {
        if (channel.slot < 0 || channel.slot >= image.GetChannelCount())
            throw std::invalid_argument("a channel slot is outside the radio's memory");
        Store(channels[channel.slot], channel, model, image);
    }
}

} // namespace ExampleImages
