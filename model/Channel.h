#pragma once

#include "RadioModel.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

// What a tone slot holds, by the table its index points into. The record
// and the CSV lists share it. A stored byte that is none of these is held as
// it is (any value of the underlying type is a valid ToneKind) and fails when
// it is shown.
enum class ToneKind : std::int8_t { kOff, kCtcss, kDcsN, kDcsI };

// A tone slot as stored: the kind selects the table, the index the entry.
// Both are the stored bytes read as signed 8-bit values.
struct ToneCode {
    ToneKind kind;
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
    // The frequency as a count of 10 Hz (Frequency.h); 0 where the text is
    // empty. Rules and lists compute with this, never with the text.
    int GetFrequency(bool rx) const;
    void SetFrequencies(int rx, int tx, int step, int band, RadioModel model);

    int GetStepIndex() const;
    std::string GetStepText() const;
    std::string GetRangeText() const;

    ToneCode GetTone(bool rx) const;
    void SetTone(bool rx, ToneKind kind, int index);
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
