#pragma once

#include "Channel.h"
#include "Message.h"
#include "RadioModel.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class CMemoryImage;

// The settings of a channel as the Row Editor offers them, in the order of
// its "Keep multiple values" boxes.
enum Setting {
    kScanAdd,
    kBusySet,
    kWidth,
    kScramble,
    kPower,
    kReverse,
    kTxTone,
    kRxTone,
    kStep,
    kTx,
    kRx,
    kName,
    kSettingCount
};

// Whether a model has the setting: only the TG-UV2 has a name and Scan Add,
// only the TG-6A Busy Set.
bool HasSetting(RadioModel model, Setting setting);
// RX, TX and Name are typed into boxes; every other setting is a list.
bool IsTypedSetting(Setting setting);
// The items of a setting's list in list order; for the two tone lists see
// ToneItems.h. Empty for the typed settings.
std::vector<std::string> ListItems(Setting setting);

// What one field of the form holds: a box's text, or a list's position (-1
// for none) with the text of that item; and whether its Keep box is ticked.
struct FormField {
    std::string text;
    int position = -1;
    bool keep = false;
};
using FormValues = std::array<FormField, kSettingCount>;

// The form of a new channel of the model: no frequencies, no name, step "5",
// tones "OFF", Reverse "OFF", "High", Scramble "OFF", "Wide", and Scan Add
// "On" or Busy Set "OFF".
FormValues DefaultForm(RadioModel model);

// The RX or TX frequency and the step a row is checked and stored with: its
// own where the Keep box is ticked, the form's otherwise.
int FrequencyFor(const CChannel& record, const FormValues& form, bool rx);
int StepFor(const CChannel& record, const FormValues& form);

// Writes the form into a record as the Row Editor stores a row: nothing when
// the record is empty and the RX box too; otherwise MarkUsed, the frequencies
// with offset, direction and band worked out anew (unless RX, TX and Step are
// all kept), then every setting whose Keep box is clear. Raises the failure
// signal on a value the record cannot hold, having stored what came before it.
void ApplyForm(CChannel& record, const FormValues& form, RadioModel model);

// The Row Editor's work on the rows it edits, apart from its widgets: a copy
// of every row's record, what the edited rows have in common, and what OK,
// "Next >" and "< Prev" make of the form.
class CEditSession {
public:
    // What the form shows after Load.
    enum class Form {
        kValues,   // the common values of the rows in use
        kBlank,    // no row in use: nothing to edit until "New"
        kDefaults, // no row in use, opened by New: a new channel
    };

    // What the form shows for one setting after Load.
    struct Shown {
        bool differing = false; // the rows differ: the Keep box is ticked
        std::string text;       // a box's text
        int position = -1;      // a list's position
    };

    // records holds every row's record in row order, selected every row's
    // selected state. first = last for one row; otherwise the lowest and the
    // highest selected row, and only the selected rows between them are edited.
    // The image decides which side of 400 MHz a TG-6A is on.
    CEditSession(RadioModel model, int firstRow, int lastRow, bool newMode,
                 std::vector<CChannel> records, std::vector<bool> selected,
                 const CMemoryImage& image);

    RadioModel Model() const { return m_nModel; }
    bool IsSingleRow() const { return m_bSingleRow; }
    int FirstRow() const { return m_nFirstRow; }
    int LastRow() const { return m_nLastRow; }
    // The row being edited; -1 while several rows are.
    int CurrentRow() const { return m_nCurRow; }
    // Every row's record as edited so far.
    const std::vector<CChannel>& Records() const { return m_buffer; }

    // Merges the rows being edited into their common values.
    Form Load();
    Shown ShownValue(Setting setting) const;

    // OK: the message that keeps the editor open, or empty when the edited
    // records are ready to be written back. Several rows are all checked
    // before any is written.
    Message Accept(const FormValues& form);

    // "Next >" (step 1) and "< Prev" (-1): the form goes into the current row,
    // which may then be left for its neighbour only if it is valid.
    struct Move {
        bool moved = false;
        Message error;
    };
    Move Navigate(int step, const FormValues& form);
    // Whether Next and Prev do anything: one row is edited and it exists.
    bool CanNavigate() const { return m_bSingleRow && IsInBuffer(m_nCurRow); }

private:
    struct Common {
        std::string text;
        int index = -1;
        bool differing = false;
    };

    bool IsInBuffer(int row) const { return row >= 0 && row < static_cast<int>(m_buffer.size()); }
    bool IsSelectedRow(int row) const;
    CChannel& Entry(int row) { return m_buffer[static_cast<std::size_t>(row)]; }
    bool CollectRowValues(const CChannel& record);
    void MergeText(Setting setting, const std::string& text);
    void MergeIndex(Setting setting, int index);
    void MergeName(const std::string& name);
    void Apply(int row, const FormValues& form);
    Message FormError(const FormValues& form) const;

    RadioModel m_nModel;
    int m_nFirstRow;
    int m_nLastRow;
    int m_nCurRow;
    bool m_bSingleRow;
    bool m_bNewMode;
    std::vector<CChannel> m_buffer;
    std::vector<bool> m_selected;
    const CMemoryImage& m_image;
    std::array<Common, kSettingCount> m_common{};
};
