#include "CompareDlg.h"

#include "BesidePlacer.h"
#include "ChannelListView.h"
#include "CommandRunner.h"
#include "DialogUnits.h"
#include "Failure.h"
#include "FilePaths.h"
#include "Prompts.h"
#include "RadioConversion.h"
#include "SystemClipboard.h"
#include "Translation.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The window's client area in dialog units.
constexpr int kClientWidth = 380;
constexpr int kClientHeight = 242;

struct CommandInfo {
    CompareCommand id;
    const char* name;
    const char* text;
    const char* buttonText;
    const char* key;
    void (CCompareDlg::*handler)();
};

constexpr CommandInfo kCommands[] = {
    {CompareCommand::kNextDifference, "nextDifference",
     QT_TRANSLATE_NOOP("CCompareDlg", "Next Difference"),
     QT_TRANSLATE_NOOP("CCompareDlg", "Next Difference"), "F8", &CCompareDlg::OnNextDifference},
    {CompareCommand::kPreviousDifference, "previousDifference",
     QT_TRANSLATE_NOOP("CCompareDlg", "Previous Difference"),
     QT_TRANSLATE_NOOP("CCompareDlg", "Previous Difference"), "Shift+F8",
     &CCompareDlg::OnPreviousDifference},
    {CompareCommand::kShowDifferencesOnly, "showDifferencesOnly",
     QT_TRANSLATE_NOOP("CCompareDlg", "Show Differences Only"), "", "",
     &CCompareDlg::OnShowDifferencesOnly},
    {CompareCommand::kCopy, "copyToOpenFile", QT_TRANSLATE_NOOP("CCompareDlg", "Copy to Open File"),
     "<<", "Ctrl+Left", &CCompareDlg::OnCopyToOpenFile},
    {CompareCommand::kCompareAnother, "compareAnother",
     QT_TRANSLATE_NOOP("CCompareDlg", "Compare With Another File..."), "", "Ctrl+D",
     &CCompareDlg::compareAnotherRequested},
};

// The menu, by its items; nothing draws a line.
constexpr std::optional<CompareCommand> kMenu[] = {CompareCommand::kCompareAnother,
                                                   std::nullopt,
                                                   CompareCommand::kNextDifference,
                                                   CompareCommand::kPreviousDifference,
                                                   std::nullopt,
                                                   CompareCommand::kShowDifferencesOnly,
                                                   std::nullopt,
                                                   CompareCommand::kCopy};

} // namespace

CCompareDlg::CCompareDlg(const QString& path, bool showAllColumns, const CChannelDocument& open,
                         Prompts& prompts, QWidget* owner)
    : CTemplateDlg(owner, kClientWidth, kClientHeight), m_prompts(prompts), m_open(open),
      m_other(open.Model()), m_strName(FileNameOf(path)) {
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Compare"));
    setObjectName(QStringLiteral("compareWindow"));
    m_pPlacer = new CBesidePlacer(*this);
    CreateCommands();
    CreateControls();
    m_listLeft->Channels().Show(m_open);
    m_listRight->Channels().Show(m_other);
    // Both lists show their short columns side by side, whatever the font and
    // the language: the smallest window. With all columns it starts wider,
    // as wide as the screen allows, the lists scrolling beyond.
    m_listLeft->Channels().ShowMarks({});
    m_listRight->Channels().ShowMarks({});
    const auto missing = [this] {
        return m_listLeft->MissingWidth() + m_listRight->MissingWidth();
    };
    const int shortColumns = missing();
    FinishLayout([shortColumns] { return shortColumns; });
    if (showAllColumns) {
        SetShowAllColumns(true);
        const int room = screen()->availableGeometry().width() * 9 / 10;
        resize(std::min(width() + missing() - shortColumns, std::max(width(), room)), height());
    }
    Load(path);
    Observe(&m_open);
    Compare();
}

CCompareDlg::~CCompareDlg() = default;

void CCompareDlg::CreateCommands() {
    for (const CommandInfo& info : kCommands)
        AddCommand(static_cast<int>(info.id), info.name, tr(info.text),
                   *info.buttonText == '<' ? QString::fromLatin1(info.buttonText)
                   : *info.buttonText      ? tr(info.buttonText)
                                           : QString(),
                   QKeySequence::listFromString(QString::fromLatin1(info.key)),
                   [this, handler = info.handler] { (this->*handler)(); });
    QMenu* menu = MenuBar()->addMenu(tr("&Compare"));
    for (const std::optional<CompareCommand>& item : kMenu) {
        if (item)
            menu->addAction(Command(*item));
        else
            menu->addSeparator();
    }
    Command(CompareCommand::kShowDifferencesOnly)->setCheckable(true);
}

void CCompareDlg::CreateControls() {
    QWidget* client = Client();
    const CDialogUnits& units = Units();
    m_textLeft = new QLabel(
        tr("Open file: %1").arg(FileNameOf(QString::fromStdString(m_open.Path().string()))),
        client);
    PlaceControl(m_textLeft, units, 7, 4, 168, 8);
    m_textRight = new QLabel(m_strName, client);
    PlaceControl(m_textRight, units, 205, 4, 168, 8);
    m_listLeft = new CChannelListView(true, client);
    m_listLeft->setObjectName(QStringLiteral("openList"));
    m_listLeft->setAccessibleName(tr("Channels of the open file"));
    m_listLeft->setGeometry(units.Rect(7, 15, 168, 190));
    m_listRight = new CChannelListView(true, client);
    m_listRight->setObjectName(QStringLiteral("otherList"));
    m_listRight->setAccessibleName(tr("Channels of %1").arg(m_strName));
    m_listRight->setGeometry(units.Rect(205, 15, 168, 190));
    // The two lists scroll together, row beside row.
    connect(m_listLeft->verticalScrollBar(), &QScrollBar::valueChanged,
            m_listRight->verticalScrollBar(), &QScrollBar::setValue);
    connect(m_listRight->verticalScrollBar(), &QScrollBar::valueChanged,
            m_listLeft->verticalScrollBar(), &QScrollBar::setValue);
    m_btnCopy =
        AddButton(Command(CompareCommand::kCopy), "copyButton", units.Rect(179, 100, 22, 14));
    m_btnCopy->setAccessibleName(tr("Copy to Open File"));
    m_textStatus = new QLabel(client);
    m_textStatus->setObjectName(QStringLiteral("compareStatus"));
    PlaceControl(m_textStatus, units, 7, 209, 366, 8);
    m_bottom = {m_textStatus,
                AddButton(Command(CompareCommand::kPreviousDifference), "previousButton",
                          units.Rect(7, 221, 75, 14)),
                AddButton(Command(CompareCommand::kNextDifference), "nextButton",
                          units.Rect(86, 221, 75, 14))};
    m_checkOnlyDifferences = new QCheckBox(tr("Show Differences Only"), client);
    m_checkOnlyDifferences->setObjectName(QStringLiteral("onlyDifferences"));
    PlaceControl(m_checkOnlyDifferences, units, 168, 223, 100, 10);
    m_bottom.push_back(m_checkOnlyDifferences);
    QAction* only = Command(CompareCommand::kShowDifferencesOnly);
    connect(m_checkOnlyDifferences, &QCheckBox::clicked, only, &QAction::trigger);
    connect(only, &QAction::toggled, m_checkOnlyDifferences, &QCheckBox::setChecked);
    connect(m_listRight->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CCompareDlg::UpdateCopy);
}

namespace {

// "2 channels of club.DAT could not be compared."
QString UnreadText(int n, bool byChannel, const QString& name) {
    const QString text =
        byChannel
            ? (n == 1 ? CCompareDlg::tr("1 channel of %1 could not be compared.")
                      : CCompareDlg::tr("%n channels of %1 could not be compared.", nullptr, n))
            : (n == 1 ? CCompareDlg::tr("1 line of %1 could not be compared.")
                      : CCompareDlg::tr("%n lines of %1 could not be compared.", nullptr, n));
    return FillPattern(text, {name});
}

} // namespace

// The window is not shown yet: a file that cannot be read is told over the
// owner.
void CCompareDlg::Load(const QString& path) {
    RunCommand(
        m_prompts, parentWidget(), OpenFailed(),
        [&] {
            CsvChannels read;
            if (!m_other.LoadAny(ToFsPath(path), m_open.UnitBand(), read))
                RaiseFailure();
            if (read.otherRadio)
                m_notHeld = ColumnsNotHeld(*read.otherRadio, m_open.Model());
            for (const CsvSkippedLine& skipped : read.skipped)
                m_nBeyond += read.byChannel && skipped.line >= m_open.RowCount() ? 1 : 0;
            // Channels past the last row count as only in the other file;
            // the rest stay out of the count, and the status line says so.
            m_nUnread = read.skippedCount - m_nBeyond;
            if (read.skippedCount == 0)
                return;
            m_strUnread = UnreadText(read.skippedCount, read.byChannel, m_strName);
            m_strUnreadDetails = SkippedDetails(read.skipped, read.skippedCount, read.byChannel);
        },
        [this] { return Tr(m_other.ProblemText()); });
}

void CCompareDlg::ReportUnread() {
    if (m_strUnread.isEmpty())
        return;
    m_prompts.ShowMessage(this, std::exchange(m_strUnread, {}), {},
                          std::exchange(m_strUnreadDetails, {}));
}

void CCompareDlg::OnRowsChanged(int, int) { Compare(); }

void CCompareDlg::OnRowsReloaded() { Compare(); }

void CCompareDlg::Compare() {
    if (!Observed() || !m_open.IsLoaded() || !m_other.IsLoaded())
        return;
    m_comparison = ComparePlans(m_open.Records(), m_other.Records(), m_open.Model(), m_notHeld);
    std::vector<CChannelTableModel::RowMark> left, right;
    //: How a screen reader reads the marks of rows that differ.
    const QString onlyThere = tr("only in %1").arg(m_strName);
    for (const RowComparison& row : m_comparison.rows) {
        CChannelTableModel::RowMark mark;
        bool here = false, there = false;
        switch (row.kind) {
        case RowDifference::kChanged:
            mark = {QStringLiteral("\u2260"), tr("changed"), row.columns, false};
            here = there = true;
            break;
        case RowDifference::kOnlyLeft:
            mark = {QStringLiteral("\u2212"), tr("only here"), {}, false};
            here = true;
            break;
        case RowDifference::kOnlyRight:
            mark = {QStringLiteral("+"), onlyThere, {}, false};
            there = true;
            break;
        default:
            break;
        }
        CChannelTableModel::RowMark leftMark = mark, rightMark = mark;
        leftMark.wholeRow = here && !there;
        rightMark.wholeRow = there && !here;
        left.push_back(leftMark);
        right.push_back(rightMark);
    }
    m_listLeft->Channels().ShowMarks(std::move(left));
    m_listRight->Channels().ShowMarks(std::move(right));
    const int changed = m_comparison.Count(RowDifference::kChanged),
              here = m_comparison.Count(RowDifference::kOnlyLeft),
              there = m_comparison.Count(RowDifference::kOnlyRight) + m_nBeyond;
    const int total = changed + here + there;
    QString status =
        total == 0 ? tr("The channels are the same.")
                   : FillPattern(total == 1 ? tr("1 channel differs: %1 changed, %2 only here, %3 "
                                                 "only in %4.")
                                            : tr("%n channels differ: %1 changed, %2 only here, %3 "
                                                 "only in %4.",
                                                 nullptr, total),
                                 {QString::number(changed), QString::number(here),
                                  QString::number(there), m_strName});
    // "The same" must not hide the channels that were not compared.
    if (m_nUnread > 0)
        status += QLatin1Char(' ') + UnreadText(m_nUnread, true, m_strName);
    m_textStatus->setText(status);
    OnShowDifferencesOnly();
    UpdateCopy();
}

QString CCompareDlg::Status() const { return m_textStatus->text(); }

bool CCompareDlg::IsDifference(int row) const {
    if (row < 0 || row >= static_cast<int>(m_comparison.rows.size()))
        return false;
    const RowDifference kind = m_comparison.rows[static_cast<std::size_t>(row)].kind;
    return kind == RowDifference::kChanged || kind == RowDifference::kOnlyLeft ||
           kind == RowDifference::kOnlyRight;
}

void CCompareDlg::OnShowDifferencesOnly() {
    const bool only = Command(CompareCommand::kShowDifferencesOnly)->isChecked();
    for (CChannelListView* list : {m_listLeft, m_listRight})
        for (int row = 0; row < list->Channels().RowCount(); ++row)
            list->setRowHidden(row, only && !IsDifference(row));
}

void CCompareDlg::OnNextDifference() { StepToDifference(1); }

void CCompareDlg::OnPreviousDifference() { StepToDifference(-1); }

// From the current row on, around the list as Find Next goes, the current
// row's own last.
void CCompareDlg::StepToDifference(int direction) {
    const int count = static_cast<int>(m_comparison.rows.size());
    if (count == 0)
        return;
    int start = m_listRight->SelectionMark();
    if (start < 0)
        start = direction > 0 ? count - 1 : 0;
    for (int step = 1; step <= count; ++step) {
        const int row = ((start + direction * step) % count + count) % count;
        if (!IsDifference(row))
            continue;
        for (CChannelListView* list : {m_listLeft, m_listRight})
            list->ShowSelection(RowSelection::Of(count, {row}, row), row);
        return;
    }
}

void CCompareDlg::UpdateCopy() {
    const std::vector<int> rows = m_listRight->SelectedRows();
    Command(CompareCommand::kCopy)->setEnabled(std::ranges::any_of(rows, [this](int row) {
        return !m_other.Record(row).IsEmpty();
    }));
}

void CCompareDlg::OnCopyToOpenFile() {
    std::vector<ChannelRow> rows;
    for (const int row : m_listRight->SelectedRows()) {
        CChannel record = m_other.Record(row);
        if (row < m_open.RowCount())
            KeepSettings(record, m_open.Record(row), m_notHeld, m_open.Model(), m_open.UnitBand());
        rows.push_back({row, record});
    }
    if (!rows.empty())
        Q_EMIT copyRequested(rows);
}

void CCompareDlg::SetShowAllColumns(bool showAll) {
    for (CChannelListView* list : {m_listLeft, m_listRight})
        list->Channels().SetShowAll(showAll);
    OnShowDifferencesOnly();
}

void CCompareDlg::OnClientResized(int dx, int dy) {
    const int half = dx / 2;
    m_listLeft->setGeometry(m_listLeft->geometry().adjusted(0, 0, half, dy));
    m_listRight->setGeometry(m_listRight->geometry().adjusted(half, 0, dx, dy));
    m_textRight->move(m_textRight->pos() + QPoint(half, 0));
    m_btnCopy->move(m_btnCopy->pos() + QPoint(half, dy / 2));
    for (QWidget* control : m_bottom)
        control->move(control->pos() + QPoint(0, dy));
}

void CCompareDlg::HandleWindowKey(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Escape)
        reject();
}

std::vector<std::pair<const char*, QString>> CCompareDlg::CommandKeys() {
    std::vector<std::pair<const char*, QString>> keys;
    for (const CommandInfo& info : kCommands)
        if (*info.key)
            keys.emplace_back(info.key, tr(info.text));
    return keys;
}
