// Any bytes as a DAT file: the loader either refuses them or takes them whole,
// every record in use decodes to texts or the failure signal and nothing else,
// and saving the rows in order gives back the very same bytes.
#include "DatFile.h"
#include "FuzzSupport.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Every getter of the model's columns and editor fields: a text, or the int 0.
void DecodeEverything(const CChannel& record, RadioModel model) {
    const auto call = [](auto&& getter) {
        try {
            getter();
        } catch (int value) {
            FuzzCheck(value == 0, "failure signal must be the int 0");
        }
    };
    const CChannel before = record;
    for (bool rx : {true, false}) {
        call([&] { record.GetFreqText(rx); });
        call([&] { record.GetToneText(rx); });
        call([&] {
            const int selection = record.GetToneSelection(rx);
            FuzzCheck(selection >= 0 && selection <= 258, "tone selection out of range");
        });
    }
    call([&] { record.GetStepText(); });
    call([&] { record.GetReverseText(); });
    call([&] { record.GetPowerText(); });
    call([&] { record.GetScrambleText(); });
    call([&] { record.GetWidthText(); });
    if (model == kTGUV2) {
        call([&] { record.GetNameText(); });
        call([&] { record.GetRangeText(); });
        call([&] { record.GetScanText(); });
    } else {
        call([&] { record.GetBusySetText(); });
    }
    FuzzCheck(std::memcmp(before.bytes, record.bytes, CChannel::kSize) == 0,
              "a getter changed the record");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the model; the rest is shaped to that model's size
    // half of the time, so that both the size check and the content are reached.
    const RadioModel model = (data[0] & 1) ? kTG6A : kTGUV2;
    std::vector<std::uint8_t> file(data + 1, data + size);
    if (data[0] & 2)
        file.resize(static_cast<std::size_t>(FileSize(model)), 0);

    const FuzzTempFile input(file);
    CDatFile dat(model);
    bool loaded = false;
    try {
        loaded = dat.Load(input.Path());
        FuzzCheck(loaded, "a regular file must open");
    } catch (int value) {
        FuzzCheck(value == 0, "failure signal must be the int 0");
        FuzzCheck(file.size() != static_cast<std::size_t>(FileSize(model)),
                  "a file of the right size was refused");
        return 0;
    }
    FuzzCheck(file.size() == static_cast<std::size_t>(FileSize(model)),
              "a file of the wrong size was accepted");

    std::vector<const CChannel*> rows;
    const CChannel* records = dat.GetImage().GetChannels();
    for (int i = 0; i < dat.GetImage().GetChannelCount(); ++i) {
        if (!records[i].IsEmpty())
            DecodeEverything(records[i], model);
        rows.push_back(&records[i]);
    }
    const FuzzTempFile output({});
    FuzzCheck(dat.Save(output.Path(), rows), "save failed");
    FuzzCheck(output.Read() == file, "save did not reproduce the file");
    return 0;
}
