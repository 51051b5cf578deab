#include "RowEditorDlg.h"

#include "Accessibility.h"
#include "CellDelegate.h"
#include "ChannelDocument.h"
#include "CommandRunner.h"
#include "DialogUnits.h"
#include "FreqEdit.h"
#include "NameEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// The dialog's size in dialog units, and the room it keeps around its
// controls where the user's font makes them grow past it.
constexpr int kDialogWidth = 247;
constexpr int kDialogHeight = 260;
constexpr int kMargin = 7;
// Template height of the closed drop-down lists; the template's own heights
// are those of the opened lists.
constexpr int kClosedListHeight = 12;
constexpr int kLabelHeight = 8;
constexpr int kLineHeight = 8;
constexpr int kBoxHeight = 14;
constexpr int kFrequencyLength = 9;

const char* const kSettingNames[] = {"scanAdd", "busySet", "width", "scramble", "power", "reverse",
                                     "txTone",  "rxTone",  "step",  "tx",       "rx",    "name"};
static_assert(std::size(kSettingNames) == kSettingCount);

// The texts are marked for translation where they are given.
QLabel* AddLabel(QWidget* dialog, const char* text, const CDialogUnits& units, int x, int y) {
    auto* label = new QLabel(CRowEditorDlg::tr(text), dialog);
    PlaceControl(label, units, x, y, 0, kLabelHeight);
    return label;
}

QPushButton* AddButton(QWidget* dialog, const char* name, const char* text,
                       const CDialogUnits& units, QRect rect) {
    auto* button = new QPushButton(CRowEditorDlg::tr(text), dialog);
    button->setObjectName(QLatin1String(name));
    // Enter is OK wherever the focus is, also on "< Prev", where the editor
    // opens; Space presses the button that has the focus.
    button->setAutoDefault(false);
    PlaceControl(button, units, rect.x(), rect.y(), rect.width(), rect.height());
    return button;
}

// A field's name as its label gives it, without the colon.
QString FieldName(QString label) {
    while (!label.isEmpty() && (label.back() == QLatin1Char(':') || label.back().isSpace() ||
                                label.back() == QChar(0xFF1A)))
        label.chop(1);
    return label;
}

} // namespace

CRowEditorDlg::CRowEditorDlg(const CChannelDocument& document, int firstRow, int lastRow,
                             const std::vector<bool>& selected, bool newMode, Prompts& prompts,
                             QWidget* owner)
    : QDialog(owner), m_session(document.Edit(firstRow, lastRow, newMode, selected)),
      m_prompts(prompts) {
    setWindowTitle(tr("Row Editor"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setObjectName(QStringLiteral("rowEditor"));
    const CDialogUnits units(font());
    CreateControls(units);
    SetTabOrder();
    NameControlsFromLabels(*this);
    FitToControls(units);

    m_editName->setMaxLength(CChannel::kNameLength);
    m_editRx->setMaxLength(kFrequencyLength);
    m_editTx->setMaxLength(kFrequencyLength);
    ShowRowsText();
    if (!m_session.IsSingleRow()) {
        m_btnNext->setEnabled(false);
        m_btnPrev->setEnabled(false);
    }
    FillLists();
    DisableMissingSettings();
    Run([this] { LoadForm(); });
    FocusFirstControl();
}

CRowEditorDlg::~CRowEditorDlg() = default;

void CRowEditorDlg::CreateControls(const CDialogUnits& units) {
    // Placed for its longest text; ShowRowsText gives it its own.
    m_textRows =
        new QLabel(tr("Selected rows: %1 - %2").arg(kMaxChannels - 1).arg(kMaxChannels - 1), this);
    m_textRows->setObjectName(QStringLiteral("rowsText"));
    PlaceControl(m_textRows, units, 7, 4, 129, 8);
    m_btnNew = AddButton(this, "newButton", QT_TR_NOOP("New"), units, {139, 4, 32, 14});
    m_btnNew->setEnabled(false);
    m_btnPrev = AddButton(this, "prevButton", QT_TR_NOOP("< Prev"), units, {178, 4, 30, 14});
    m_btnNext = AddButton(this, "nextButton", QT_TR_NOOP("Next >"), units, {210, 4, 30, 14});
    connect(m_btnNew, &QPushButton::clicked, this, &CRowEditorDlg::OnNew);
    connect(m_btnPrev, &QPushButton::clicked, this, &CRowEditorDlg::OnPrev);
    connect(m_btnNext, &QPushButton::clicked, this, &CRowEditorDlg::OnNext);

    CreateFrequencyControls(units);
    CreateSettingControls(units);

    m_btnCancel = AddButton(this, "cancelButton", QT_TR_NOOP("Cancel"), units, {161, 239, 37, 14});
    m_btnOk = AddButton(this, "okButton", QT_TR_NOOP("OK"), units, {203, 239, 37, 14});
    m_btnOk->setDefault(true);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnOk, &QPushButton::clicked, this, &CRowEditorDlg::accept);
}

void CRowEditorDlg::CreateFrequencyControls(const CDialogUnits& units) {
    // Created first so that it lies beneath the controls it frames.
    auto* group = new QGroupBox(tr("Frequency Configuration"), this);
    PlaceControl(group, units, 7, 17, 233, 69);

    m_editRx = new CFreqEdit(this);
    m_editRx->setObjectName(QStringLiteral("rxEdit"));
    AddLabel(this, QT_TR_NOOP("RX:"), units, 18, 33)->setBuddy(m_editRx);
    PlaceControl(m_editRx, units, 50, 30, 56, kBoxHeight);
    AddLabel(this, QT_TR_NOOP("MHz"), units, 110, 33);
    AddKeepBox(kRx, tr("RX"), units, 146, 32);
    connect(m_editRx, &CFreqEdit::focusLeft, this, &CRowEditorDlg::OnRxKillFocus);

    m_editTx = new CFreqEdit(this);
    m_editTx->setObjectName(QStringLiteral("txEdit"));
    AddLabel(this, QT_TR_NOOP("TX:"), units, 18, 50)->setBuddy(m_editTx);
    PlaceControl(m_editTx, units, 50, 47, 56, kBoxHeight);
    AddLabel(this, QT_TR_NOOP("MHz"), units, 110, 50);
    AddKeepBox(kTx, tr("TX"), units, 146, 49);
    connect(m_editTx, &CFreqEdit::focusLeft, this, &CRowEditorDlg::OnTxKillFocus);

    m_comboStep = AddList("stepList", QT_TR_NOOP("Step:"), units, {17, 66}, {50, 64, 56, 100});
    AddLabel(this, QT_TR_NOOP("kHz"), units, 110, 66);
    AddKeepBox(kStep, tr("Step"), units, 146, 66);
}

void CRowEditorDlg::CreateSettingControls(const CDialogUnits& units) {
    m_editName = new CNameEdit(this);
    m_editName->setObjectName(QStringLiteral("nameEdit"));
    AddLabel(this, QT_TR_NOOP("Name:"), units, 8, 97)->setBuddy(m_editName);
    PlaceControl(m_editName, units, 57, 95, 55, kBoxHeight);
    AddKeepBox(kName, tr("Name"), units, 158, 97);

    struct ListInfo {
        QComboBox* CRowEditorDlg::*member;
        Setting setting;
        const char* name;
        const char* label;
        int y;
        int height;
    };
    const ListInfo lists[] = {
        {&CRowEditorDlg::m_comboRxTone, kRxTone, "rxToneList", QT_TR_NOOP("QT/DQT RX:"), 116, 140},
        {&CRowEditorDlg::m_comboTxTone, kTxTone, "txToneList", QT_TR_NOOP("QT/DQT TX:"), 131, 136},
        {&CRowEditorDlg::m_comboReverse, kReverse, "reverseList", QT_TR_NOOP("Reverse:"), 146, 54},
        {&CRowEditorDlg::m_comboPower, kPower, "powerList", QT_TR_NOOP("TX Power:"), 161, 46},
        {&CRowEditorDlg::m_comboScramble, kScramble, "scrambleList", QT_TR_NOOP("Scramble:"), 176,
         49},
        {&CRowEditorDlg::m_comboWidth, kWidth, "widthList", QT_TR_NOOP("W/N:"), 191, 65},
        {&CRowEditorDlg::m_comboScanAdd, kScanAdd, "scanAddList", QT_TR_NOOP("Scan Add:"), 206, 42},
        {&CRowEditorDlg::m_comboBusySet, kBusySet, "busySetList", QT_TR_NOOP("Busy Set:"), 221, 43},
    };
    for (const ListInfo& info : lists) {
        this->*info.member =
            AddList(info.name, info.label, units, {7, info.y + 2}, {57, info.y, 94, info.height});
        AddKeepBox(info.setting, FieldName(tr(info.label)), units, 158, info.y + 2);
    }
    connect(m_comboRxTone, &QComboBox::activated, this,
            [this](int position) { Run([&] { OnRxToneChosen(position); }); });
}

QCheckBox* CRowEditorDlg::AddKeepBox(Setting setting, const QString& field,
                                     const CDialogUnits& units, int x, int y) {
    auto* keep = new QCheckBox(tr("Keep multiple values"), this);
    // Twelve boxes share one text; a screen reader needs to know whose each is.
    keep->setAccessibleName(tr("Keep multiple values: %1").arg(field));
    keep->setObjectName(QLatin1String(kSettingNames[setting]) + QStringLiteral("Keep"));
    PlaceControl(keep, units, x, y, 81, 10);
    connect(keep, &QCheckBox::clicked, this,
            [this, setting](bool checked) { Run([&] { OnKeepClicked(setting, checked); }); });
    m_checkKeep[setting] = keep;
    return keep;
}

QComboBox* CRowEditorDlg::AddList(const char* name, const char* label, const CDialogUnits& units,
                                  QPoint labelAt, QRect rect) {
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(name));
    AddLabel(this, label, units, labelAt.x(), labelAt.y())->setBuddy(list);
    PlaceControl(list, units, rect.x(), rect.y(), rect.width(), kClosedListHeight);
    // The opened list keeps about the template's height.
    list->setMaxVisibleItems(std::max(1, (rect.height() - kClosedListHeight) / kLineHeight));
    return list;
}

std::vector<QWidget*> CRowEditorDlg::TabOrder() const {
    return {
        m_btnPrev,       m_btnNext,
        m_editRx,        m_checkKeep[kRx],
        m_editTx,        m_checkKeep[kTx],
        m_comboStep,     m_checkKeep[kStep],
        m_editName,      m_checkKeep[kName],
        m_comboRxTone,   m_checkKeep[kRxTone],
        m_comboTxTone,   m_checkKeep[kTxTone],
        m_comboReverse,  m_checkKeep[kReverse],
        m_comboPower,    m_checkKeep[kPower],
        m_comboScramble, m_checkKeep[kScramble],
        m_comboWidth,    m_checkKeep[kWidth],
        m_comboScanAdd,  m_checkKeep[kScanAdd],
        m_comboBusySet,  m_checkKeep[kBusySet],
        m_btnCancel,     m_btnOk,
        m_btnNew,
    };
}

void CRowEditorDlg::SetTabOrder() {
    const std::vector<QWidget*> order = TabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void CRowEditorDlg::FocusFirstControl() {
    // As a dialog template does: the first control of the tab order that
    // takes the focus, not the default button.
    for (QWidget* control : TabOrder())
        if (control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) {
            control->setFocus();
            return;
        }
}

void CRowEditorDlg::FitToControls(const CDialogUnits& units) {
    SpreadControls(*this, units);
    QSize size = units.Size(kDialogWidth, kDialogHeight);
    const QRect used = childrenRect();
    size = size.expandedTo(
        QSize(used.right() + 1 + units.X(kMargin), used.bottom() + 1 + units.Y(kMargin)));
    setFixedSize(size);
}

// Qt selects the first item put into an empty list; here a list has no
// selection until the form gives it one, so that rows that differ show none.
void CRowEditorDlg::FillLists() {
    for (Setting setting :
         {kRxTone, kTxTone, kStep, kReverse, kPower, kScramble, kWidth, kScanAdd, kBusySet})
        FillSettingList(*List(setting), setting);
}

void CRowEditorDlg::DisableMissingSettings() {
    for (int setting = 0; setting < kSettingCount; ++setting) {
        if (Has(static_cast<Setting>(setting)))
            continue;
        Field(static_cast<Setting>(setting))->setEnabled(false);
        m_checkKeep[static_cast<std::size_t>(setting)]->setEnabled(false);
    }
}

QComboBox* CRowEditorDlg::List(Setting setting) const {
    switch (setting) {
    case kScanAdd:
        return m_comboScanAdd;
    case kBusySet:
        return m_comboBusySet;
    case kWidth:
        return m_comboWidth;
    case kScramble:
        return m_comboScramble;
    case kPower:
        return m_comboPower;
    case kReverse:
        return m_comboReverse;
    case kTxTone:
        return m_comboTxTone;
    case kRxTone:
        return m_comboRxTone;
    case kStep:
        return m_comboStep;
    default:
        return nullptr;
    }
}

QLineEdit* CRowEditorDlg::Box(Setting setting) const {
    switch (setting) {
    case kTx:
        return m_editTx;
    case kRx:
        return m_editRx;
    case kName:
        return m_editName;
    default:
        return nullptr;
    }
}

QWidget* CRowEditorDlg::Field(Setting setting) const {
    if (QComboBox* list = List(setting))
        return list;
    return Box(setting);
}

// The editor's commands have no message of their own: a record that cannot be
// decoded or stored leaves the form and the edited records as they stand.
void CRowEditorDlg::Run(const std::function<void()>& work) {
    RunCommand(m_prompts, this, {}, work);
}
