// Any bytes as what another program put on the clipboard (the first byte
// picks the list's model and, for a TG-6A, its unit): read as the private
// form and as text, nothing raises; what is taken is only channels that a
// list of the model can show; the same radio's private form comes back
// record for record; and each reason is counted.
#include "ChannelColumns.h"
#include "ChannelTransfer.h"
#include "FrequencyRules.h"
#include "FuzzSupport.h"

#include <cstring>
#include <string_view>

namespace {

void CheckTaken(const TakenChannels& taken, RadioModel model) {
    FuzzCheck(taken.holdsChannels || (taken.records.empty() && taken.skippedCount == 0),
              "nothing held, yet something taken");
    FuzzCheck(taken.skipped.size() <= static_cast<std::size_t>(taken.skippedCount),
              "more reasons than lines skipped");
    for (const CChannel& record : taken.records)
        FuzzCheck(!UndecodableColumn(record, model), "a channel no list can show");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const RadioModel model = data[0] & 1 ? kTG6A : kTGUV2;
    const int units[] = {0, kBandVhf1, kBandUhf2};
    const int unit = model == kTG6A ? units[(data[0] >> 1) % 3] : 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const TakenChannels form = TakeVelmoraChannels(bytes, model, unit);
    CheckTaken(form, model);
    if (form.holdsChannels && static_cast<unsigned char>(bytes[5]) == model) {
        FuzzCheck(form.records.size() * 46 + 8 == bytes.size(), "not every record taken");
        for (std::size_t i = 0; i < form.records.size(); ++i)
            FuzzCheck(std::memcmp(form.records[i].bytes, bytes.data() + 8 + i * 46 + 2, 44) == 0,
                      "a record changed on its way");
    }
    CheckTaken(TakeChannelText(bytes, model, unit), model);
    return 0;
}
