#include "ToneItems.h"

#include "ToneTables.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

// The tones and codes that carry no number; the others are numbered from 01
// in table order.
constexpr std::array<std::string_view, 12> kUnnumberedCtcss = {
    "69.3",  "159.8", "165.5", "171.3", "177.3", "183.5",
    "189.9", "196.6", "199.5", "206.5", "229.1", "254.1",
};
constexpr std::array<std::string_view, 21> kUnnumberedDcs = {
    "D036N", "D053N", "D122N", "D145N", "D212N", "D225N", "D246N",
    "D255N", "D266N", "D274N", "D325N", "D332N", "D356N", "D446N",
    "D452N", "D454N", "D455N", "D462N", "D523N", "D526N", "D645N",
};

template <std::size_t N, std::size_t M>
void AddNumbered(std::vector<std::string>& items, const std::array<std::string_view, N>& table,
                 const std::array<std::string_view, M>& unnumbered, const char* word) {
    int number = 0;
    for (std::string_view text : table) {
        std::string item(text);
        if (std::find(unnumbered.begin(), unnumbered.end(), text) == unnumbered.end()) {
            char suffix[24];
            std::snprintf(suffix, sizeof suffix, "  (%s %02d)", word, ++number);
            item += suffix;
        }
        items.push_back(std::move(item));
    }
}

std::vector<std::string> MakeItems() {
    std::vector<std::string> items{"OFF"};
    AddNumbered(items, ToneTables::kCtcss, kUnnumberedCtcss, "CTCSS");
    AddNumbered(items, ToneTables::kDcsN, kUnnumberedDcs, "DCS");
    items.insert(items.end(), ToneTables::kDcsI.begin(), ToneTables::kDcsI.end());
    return items;
}

// 38 tones and 83 normal codes carry a number.
static_assert(ToneTables::kCtcss.size() - kUnnumberedCtcss.size() == 38);
static_assert(ToneTables::kDcsN.size() - kUnnumberedDcs.size() == 83);

} // namespace

std::string ToneItemText(int position) {
    static const std::vector<std::string> items = MakeItems();
    if (position < 0 || position >= static_cast<int>(items.size()))
        return {};
    return items[static_cast<std::size_t>(position)];
}

std::string ToneValueText(int selection) {
    using namespace ToneTables;
    const auto entry = [](const auto& table, int index) {
        return std::string(table[std::size_t(index)]);
    };
    if (selection == 0)
        return "OFF";
    if (selection >= kFirstCtcss && selection < kFirstDcsN)
        return entry(kCtcss, selection - kFirstCtcss);
    if (selection >= kFirstDcsN && selection < kFirstDcsI)
        return entry(kDcsN, selection - kFirstDcsN);
    if (selection >= kFirstDcsI && selection < kToneSelections)
        return entry(kDcsI, selection - kFirstDcsI);
    return {};
}

int ToneSelectionOf(std::string_view text) {
    using namespace ToneTables;
    if (text == "OFF")
        return 0;
    const auto find = [&](auto& table, int first) {
        const auto found = std::ranges::find(table, text);
        return found == table.end() ? -1 : first + static_cast<int>(found - table.begin());
    };
    for (const int selection :
         {find(kCtcss, kFirstCtcss), find(kDcsN, kFirstDcsN), find(kDcsI, kFirstDcsI)})
        if (selection >= 0)
            return selection;
    return -1;
}
