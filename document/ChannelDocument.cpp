// The document's files, its history and the telling of its observers; its
// changes to the rows are in DocumentEdits.cpp.
#include "ChannelDocument.h"

#include "FileKinds.h"
#include "FrequencyRules.h"
#include "RadioConversion.h"

#include <algorithm>
#include <utility>

namespace {

// Larger than any list of channels a radio holds, written out in full.
constexpr std::uintmax_t kLargestCsvFile = 4 << 20;

std::vector<const CChannel*> Pointers(std::span<const CChannel> rows) {
    std::vector<const CChannel*> pointers;
    pointers.reserve(rows.size());
    for (const CChannel& row : rows)
        pointers.push_back(&row);
    return pointers;
}

} // namespace

CChannelDocument::CChannelDocument(RadioModel model)
    : m_nModel(model), m_pFile(std::make_unique<CDatFile>(model)) {}

// The observers hear that the rows are gone, and then observe nothing.
CChannelDocument::~CChannelDocument() {
    const std::vector<CDocumentObserver*> observers = std::exchange(m_observers, {});
    for (CDocumentObserver* observer : observers)
        observer->m_pObserved = nullptr;
    for (CDocumentObserver* observer : observers)
        observer->OnRowsReloaded();
}

void CChannelDocument::SetModel(RadioModel model) {
    if (IsLoaded() || model == m_nModel)
        return;
    m_nModel = model;
    m_pFile = std::make_unique<CDatFile>(model);
    Notify([](CDocumentObserver& observer) { observer.OnRowsReloaded(); });
}

int CChannelDocument::UnitBand() const { return ::UnitBand(m_nModel, Image()); }

bool CChannelDocument::IsModified() const { return m_bTouched || m_nDone != m_nSaved; }

std::vector<std::uint8_t> CChannelDocument::FileBytes() const {
    return m_pFile->Bytes(Pointers(m_rows));
}

void CChannelDocument::StartHistory() {
    const bool wasModified = IsModified();
    m_steps.clear();
    m_nDone = m_nSaved = 0;
    m_bTouched = false;
    Notify([](CDocumentObserver& observer) { observer.OnRowsReloaded(); });
    NotifyModified(wasModified);
}

void CChannelDocument::Stamp(const std::filesystem::path& path, std::vector<std::uint8_t> bytes) {
    std::error_code ec;
    FileStamp stamp{std::filesystem::weakly_canonical(path, ec), {}, std::move(bytes)};
    stamp.time = std::filesystem::last_write_time(path, ec);
    if (ec)
        m_stamp.reset();
    else
        m_stamp = std::move(stamp);
}

bool CChannelDocument::ChangedOnDisk(const std::filesystem::path& path) const {
    std::error_code ec;
    if (!m_stamp || std::filesystem::weakly_canonical(path, ec) != m_stamp->path || ec ||
        !std::filesystem::exists(path, ec))
        return false;
    if (std::filesystem::last_write_time(path, ec) != m_stamp->time || ec)
        return true;
    // The same size and time can still hide new bytes: a program that keeps
    // the time, or two writes within the clock's resolution.
    FileProblem problem;
    const std::vector<std::uint8_t> now = ReadFileUpTo(path, m_stamp->bytes.size(), problem);
    return problem || now != m_stamp->bytes;
}

void CChannelDocument::Adopt(std::unique_ptr<CDatFile> file) {
    m_problem = {};
    const CChannel* records = file->GetImage().GetChannels();
    m_rows.assign(records, records + ChannelCount(m_nModel));
    m_pFile = std::move(file);
}

bool CChannelDocument::Load(const std::filesystem::path& path) {
    auto file = std::make_unique<CDatFile>(m_nModel);
    m_csvProblem = {};
    try {
        const bool loaded = file->Load(path);
        m_problem = file->Problem();
        if (!loaded)
            return false;
        file->CheckDecodable();
    } catch (...) {
        m_problem = file->Problem();
        return false;
    }
    Adopt(std::move(file));
    m_path = path;
    Stamp(path, FileBytes());
    StartHistory();
    return true;
}

bool CChannelDocument::LoadBytes(std::span<const std::uint8_t> bytes) {
    auto file = std::make_unique<CDatFile>(m_nModel);
    m_csvProblem = {};
    try {
        file->LoadBytes(bytes);
        file->CheckDecodable();
    } catch (...) {
        m_problem = file->Problem();
        return false;
    }
    Adopt(std::move(file));
    m_path.clear();
    m_stamp.reset();
    StartHistory();
    return true;
}

bool CChannelDocument::LoadCsv(const std::filesystem::path& path, int unitBand, CsvChannels& read,
                               std::size_t keptSkipped) {
    m_csvProblem = {};
    const std::vector<std::uint8_t> bytes = ReadFileUpTo(path, kLargestCsvFile, m_problem);
    if (m_problem)
        return false;
    read =
        ChannelsFromCsv(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                        m_nModel, unitBand, keptSkipped);
    if (!read.error.empty()) {
        m_csvProblem = read.error;
        return false;
    }
    // A header and blank lines: nothing to show, and nothing to say about
    // any line, so the file itself is the message.
    if (read.channelLines == 0 && read.skippedCount == 0) {
        m_csvProblem =
            Message(VM_TR("Messages", "%1 holds no channels.")).Arg(path.filename().string());
        return false;
    }
    m_pFile = std::make_unique<CDatFile>(m_nModel);
    m_rows = read.records;
    m_rows.resize(static_cast<std::size_t>(ChannelCount(m_nModel)));
    m_path = path;
    Stamp(path, bytes);
    StartHistory();
    return true;
}

bool CChannelDocument::LoadAny(const std::filesystem::path& path, int unitBand, CsvChannels& read,
                               std::size_t keptSkipped) {
    if (IsCsvName(path.string()))
        return LoadCsv(path, unitBand, read, keptSkipped);
    m_csvProblem = {};
    read = {};
    read.byChannel = true;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    Message reason;
    const std::optional<RadioModel> radio = ec ? std::nullopt : RadioOfDat(size, {}, reason);
    if (!radio || *radio == m_nModel) {
        if (!Load(path))
            return false;
        for (std::size_t row = 0; row < m_rows.size(); ++row) {
            read.lines.push_back(m_rows[row].IsEmpty() ? 0 : static_cast<int>(row) + 1);
            read.channelLines += m_rows[row].IsEmpty() ? 0 : 1;
        }
        read.records = m_rows;
        read.lineCount = read.channelLines;
        return true;
    }
    CDatFile other(*radio);
    try {
        if (!other.Load(path)) {
            m_problem = other.Problem();
            return false;
        }
    } catch (...) {
        m_problem = other.Problem();
        return false;
    }
    const CMemoryImage& image = other.GetImage();
    read = ConvertRadioRows(
        *radio, {image.GetChannels(), static_cast<std::size_t>(image.GetChannelCount())}, m_nModel,
        unitBand, keptSkipped);
    // Another radio's header and trailer are never carried over.
    m_pFile = std::make_unique<CDatFile>(m_nModel);
    m_rows = read.records;
    m_path = path;
    Stamp(path, other.Bytes(Pointers(
                    {image.GetChannels(), static_cast<std::size_t>(image.GetChannelCount())})));
    StartHistory();
    return true;
}

void CChannelDocument::Unload() {
    m_rows.clear();
    m_pFile = std::make_unique<CDatFile>(m_nModel);
    m_path.clear();
    m_stamp.reset();
    StartHistory();
}

bool CChannelDocument::Save(const std::filesystem::path& path) {
    if (!IsLoaded())
        return false;
    m_csvProblem = {};
    bool saved = false;
    try {
        saved = m_pFile->Save(path, Pointers(m_rows));
    } catch (...) {
    }
    m_problem = m_pFile->Problem();
    if (!saved)
        return false;
    const bool wasModified = IsModified();
    m_bTouched = false;
    m_nSaved = m_nDone;
    Stamp(path, FileBytes());
    NotifyModified(wasModified);
    return true;
}

std::string CChannelDocument::ToCsv() const { return ChannelsToCsv(Pointers(m_rows), m_nModel); }

bool CChannelDocument::ExportCsv(const std::filesystem::path& path) {
    m_csvProblem = {};
    const std::string csv = ToCsv();
    const std::vector<std::uint8_t> bytes(csv.begin(), csv.end());
    if (!WriteWholeFile(path, bytes, m_problem))
        return false;
    // Written over the file this document came from, it is what we last wrote.
    std::error_code ec;
    if (m_stamp && std::filesystem::weakly_canonical(path, ec) == m_stamp->path)
        Stamp(path, bytes);
    return true;
}

Message CChannelDocument::ProblemText() const {
    return m_csvProblem.empty() ? DescribeProblem(m_problem, m_nModel) : m_csvProblem;
}

// A change that moved no row and changed no record is no step, but still
// counts as a change, unless it is only an order that was already so.
ListChange CChannelDocument::Commit(std::vector<CChannel> after, const std::vector<int>& sources,
                                    RowSelection selection, bool countUnchanged) {
    ListChange change;
    change.selection = std::move(selection);
    const bool wasModified = IsModified();
    CListStep step = CListStep::Between(m_rows, sources, after);
    if (step.IsEmpty()) {
        m_bTouched = m_bTouched || countUnchanged;
        NotifyModified(wasModified);
        return change;
    }
    m_rows = std::move(after);
    m_steps.resize(m_nDone);
    if (m_nSaved != kNeverSaved && m_nSaved > m_nDone)
        m_nSaved = kNeverSaved;
    m_steps.push_back(std::move(step));
    ++m_nDone;
    if (m_steps.size() > static_cast<std::size_t>(kHistorySteps)) {
        m_steps.pop_front();
        --m_nDone;
        m_nSaved = m_nSaved == 0 || m_nSaved == kNeverSaved ? kNeverSaved : m_nSaved - 1;
    }
    m_bTouched = false;
    change.stepped = true;
    NotifyRows(m_steps.back());
    NotifyModified(wasModified);
    return change;
}

bool CChannelDocument::Undo() {
    if (!CanUndo())
        return false;
    const bool wasModified = IsModified();
    CListStep& step = m_steps[--m_nDone];
    step.Undo(m_rows);
    m_bTouched = false;
    NotifyRows(step);
    NotifyModified(wasModified);
    return true;
}

bool CChannelDocument::Redo() {
    if (!CanRedo())
        return false;
    const bool wasModified = IsModified();
    CListStep& step = m_steps[m_nDone++];
    step.Redo(m_rows);
    m_bTouched = false;
    NotifyRows(step);
    NotifyModified(wasModified);
    return true;
}

std::size_t CChannelDocument::HistorySize() const {
    std::size_t size = 0;
    for (const CListStep& step : m_steps)
        size += step.Size();
    return size;
}

void CChannelDocument::AddObserver(CDocumentObserver& observer) const {
    m_observers.push_back(&observer);
}

void CChannelDocument::RemoveObserver(CDocumentObserver& observer) const {
    std::erase(m_observers, &observer);
}

// An observer told may stop observing, or make others stop: each is told
// only while it still observes.
void CChannelDocument::Notify(const std::function<void(CDocumentObserver&)>& tell) const {
    const std::vector<CDocumentObserver*> observers = m_observers;
    for (CDocumentObserver* observer : observers)
        if (std::ranges::find(m_observers, observer) != m_observers.end())
            tell(*observer);
}

void CChannelDocument::NotifyRows(const CListStep& step) const {
    const int first = step.FirstRow(), last = step.LastRow();
    Notify([&](CDocumentObserver& observer) { observer.OnRowsChanged(first, last); });
}

void CChannelDocument::NotifyModified(bool wasModified) const {
    const bool modified = IsModified();
    if (modified != wasModified)
        Notify([&](CDocumentObserver& observer) { observer.OnModifiedChanged(modified); });
}

void CChannelDocument::SetClipboard(RowClipboard rows) {
    m_clipboard = std::move(rows);
    Notify([](CDocumentObserver& observer) { observer.OnClipboardChanged(); });
}

CDocumentObserver::~CDocumentObserver() { Observe(nullptr); }

void CDocumentObserver::Observe(const CChannelDocument* document) {
    if (document == m_pObserved)
        return;
    if (m_pObserved)
        m_pObserved->RemoveObserver(*this);
    m_pObserved = document;
    if (m_pObserved)
        m_pObserved->AddObserver(*this);
}
