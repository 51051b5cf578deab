#pragma once

#include "RadioModel.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

// A tone slot as stored: the kind selects the table (0 off, 1 CTCSS, 2 DCS
// normal, 3 DCS inverted), the index the entry. Both are the stored bytes read
// as signed 8-bit values.
struct ToneCode {
    int kind;
    int index;
};

// One channel memory: 44 bytes in exactly the layout of the DAT file. It is
// never converted into another form; copying it is a 44-byte copy. Every
// interpretation of the bytes goes through these operations. Getters of an
// empty record give the empty text; a byte that is none of its field's codes
// raises the failure signal (Failure.h).
class CChannel {
public:
    static constexpr int kSize = 44;
    // A name is six characters, padded with spaces.
    static constexpr int kNameLength = 6;

    bool IsEmpty() const;
    void Clear(RadioModel model);
    void MarkUsed(RadioModel model);

    std::string GetFreqText(bool rx) const;
    void SetFrequencies(int rx, int tx, int step, int band, RadioModel model);

    int GetStepIndex() const;
    std::string GetStepText() const;
    std::string GetRangeText() const;

    ToneCode GetTone(bool rx) const;
    void SetTone(bool rx, int kind, int index);
    std::string GetToneText(bool rx) const;
    int GetToneSelection(bool rx) const;
    void SetToneSelection(int selection, bool rx);

    std::string GetReverseText() const;
    void SetReverseText(std::string_view text);
    std::string GetPowerText() const;
    void SetPowerText(std::string_view text);
    std::string GetScrambleText() const;
    void SetScrambleText(std::string_view text);
    std::string GetWidthText() const;
    void SetWidthText(std::string_view text);
    std::string GetBusySetText() const;
    void SetBusySetText(std::string_view text);
    std::string GetScanText() const;
    void SetScanText(std::string_view text);

    std::string GetNameText() const;
    void SetNameText(std::string_view text);
    static char DecodeNameChar(int code);
    static int EncodeNameChar(char c);

    // Records are equal when every byte is.
    bool operator==(const CChannel& other) const = default;

    // The raw record, byte 0 first.
    std::uint8_t bytes[kSize];

private:
    int Signed(int offset) const { return static_cast<std::int8_t>(bytes[offset]); }
};

static_assert(sizeof(CChannel) == CChannel::kSize);
static_assert(std::is_trivially_copyable_v<CChannel>);
static_assert(std::is_standard_layout_v<CChannel>);
