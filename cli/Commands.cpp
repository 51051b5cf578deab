#include "Commands.h"

#include "ChannelCheck.h"
#include "ChannelColumns.h"
#include "ChannelDocument.h"
#include "DatFile.h"
#include "FrequencyRules.h"
#include "Json.h"
#include "PlanComparison.h"
#include "RadioConversion.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <unistd.h>
#include <vector>

namespace {

// More than any DAT file has, so that a larger one is seen to be larger.
constexpr std::size_t kDatReadLimit = static_cast<std::size_t>(FileSize(kTGUV2)) + 1;

// The bytes of standard input, up to limit of them, and how many it held.
std::vector<std::uint8_t> ReadStandardInput(std::size_t limit, std::uintmax_t& total,
                                            std::string& reason) {
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    total = 0;
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            reason = "Standard input could not be read: " + std::string(std::strerror(errno)) + ".";
            return {};
        }
        if (got == 0)
            return bytes;
        total += static_cast<std::uintmax_t>(got);
        const std::size_t room = limit - std::min(limit, bytes.size());
        bytes.insert(bytes.end(), buffer, buffer + std::min(room, static_cast<std::size_t>(got)));
    }
}

std::string JsonArray(const std::vector<std::string>& objects) {
    if (objects.empty())
        return "[]\n";
    std::string json = "[\n";
    for (std::size_t i = 0; i < objects.size(); ++i)
        json += "  " + objects[i] + (i + 1 < objects.size() ? ",\n" : "\n");
    return json + "]\n";
}

std::string JsonOrNull(const std::string* text) { return text ? JsonString(*text) : "null"; }

class CRun {
public:
    CRun(const Arguments& args, std::string& out, std::string& err)
        : m_args(args), m_out(out), m_err(err) {}

    int Run();

private:
    // Notes that the file cannot be used, and why; the status becomes 2.
    // Reasons are written in English, whatever the user's language: scripts
    // read them.
    void Trouble(const std::string& file, const Message& reason) {
        Trouble(file, reason.English());
    }
    void Trouble(const std::string& file, const std::string& reason) {
        m_err += "velmora-cli: " + file + ": " + reason + "\n";
        m_status = kTrouble;
    }
    void Found() { m_status = std::max<int>(m_status, kFound); }

    struct DatBytes {
        std::vector<std::uint8_t> bytes;
        RadioModel model;
    };
    std::optional<DatBytes> ReadDat(const std::string& file);
    std::unique_ptr<CChannelDocument> LoadDat(const std::string& file);
    std::optional<CsvChannels> ReadCsv(const std::string& file, RadioModel model, int unitBand);
    // A CSV list, or a DAT file of either radio, as channels of the base's
    // radio; the document that holds them.
    std::unique_ptr<CChannelDocument> ReadList(const std::string& file,
                                               const CChannelDocument& base, CsvChannels& read);
    // Lists each entry that gave no channel as FILE:N: error: REASON.
    void ReportSkipped(const std::string& file, const CsvChannels& read);

    void Info();
    void Export();
    void Import();
    void Check();
    void Diff();

    const Arguments& m_args;
    std::string& m_out;
    std::string& m_err;
    int m_status = kNothingFound;
};

// A DAT file's radio is the one whose files have its size, unless --model
// names one; the reasons are those the window gives for the same file.
std::optional<CRun::DatBytes> CRun::ReadDat(const std::string& file) {
    FileProblem problem;
    std::uintmax_t size = 0;
    std::vector<std::uint8_t> bytes;
    if (file == "-") {
        std::string reason;
        bytes = ReadStandardInput(kDatReadLimit, size, reason);
        if (!reason.empty()) {
            Trouble(file, reason);
            return std::nullopt;
        }
    } else {
        bytes = ReadFileUpTo(file, kDatReadLimit - 1, problem);
        size = problem.kind == FileProblem::kOversized ? problem.size : bytes.size();
        if (problem && problem.kind != FileProblem::kOversized) {
            Trouble(file, DescribeProblem(problem, kTGUV2));
            return std::nullopt;
        }
    }
    Message reason;
    const std::optional<RadioModel> model = RadioOfDat(size, m_args.model, reason);
    if (!model) {
        Trouble(file, reason);
        return std::nullopt;
    }
    return DatBytes{std::move(bytes), *model};
}

std::unique_ptr<CChannelDocument> CRun::LoadDat(const std::string& file) {
    std::optional<DatBytes> read = ReadDat(file);
    if (!read)
        return nullptr;
    auto document = std::make_unique<CChannelDocument>(read->model);
    if (!document->LoadBytes(read->bytes)) {
        Trouble(file, document->ProblemText());
        return nullptr;
    }
    return document;
}

// Every line that gives no channel is kept with its reason: the command line
// lists them all, where the window shows the first thousand.
std::optional<CsvChannels> CRun::ReadCsv(const std::string& file, RadioModel model, int unitBand) {
    CChannelDocument document(model);
    CsvChannels read;
    if (!document.LoadCsv(file, unitBand, read, std::numeric_limits<std::size_t>::max())) {
        Trouble(file, document.ProblemText());
        return std::nullopt;
    }
    return read;
}

std::unique_ptr<CChannelDocument> CRun::ReadList(const std::string& file,
                                                 const CChannelDocument& base, CsvChannels& read) {
    auto list = std::make_unique<CChannelDocument>(base.Model());
    if (!list->LoadAny(file, base.UnitBand(), read, std::numeric_limits<std::size_t>::max())) {
        Trouble(file, list->ProblemText());
        return nullptr;
    }
    return list;
}

void CRun::ReportSkipped(const std::string& file, const CsvChannels& read) {
    for (const CsvSkippedLine& skipped : read.skipped)
        m_err += file + ":" + std::to_string(skipped.line) +
                 ": error: " + skipped.reason.English() + "\n";
}

void CRun::Info() {
    std::vector<std::string> objects;
    for (const std::string& file : m_args.files) {
        RadioModel model = kTGUV2;
        int inUse = 0;
        if (IsCsvName(file)) {
            model = *m_args.model;
            const std::optional<CsvChannels> read = ReadCsv(file, model, 0);
            if (!read)
                continue;
            inUse = read->channelLines;
        } else {
            const std::unique_ptr<CChannelDocument> document = LoadDat(file);
            if (!document)
                continue;
            model = document->Model();
            for (const CChannel& record : document->Records())
                inUse += record.IsEmpty() ? 0 : 1;
        }
        const std::string name(ModelName(model));
        const int rows = ChannelCount(model);
        if (m_args.json)
            objects.push_back("{\"file\": " + JsonString(file) + ", \"model\": " +
                              JsonString(name) + ", \"rows\": " + std::to_string(rows) +
                              ", \"in_use\": " + std::to_string(inUse) + "}");
        else
            m_out += file + ": " + name + ", " + std::to_string(inUse) + " of " +
                     std::to_string(rows) + " channels in use\n";
    }
    if (m_args.json)
        m_out += JsonArray(objects);
}

void CRun::Export() {
    const std::string& file = m_args.files.front();
    const std::unique_ptr<CChannelDocument> document = LoadDat(file);
    if (!document)
        return;
    if (!m_args.output)
        m_out += document->ToCsv();
    else if (!document->ExportCsv(*m_args.output))
        Trouble(*m_args.output, document->ProblemText());
}

void CRun::Import() {
    const std::string &base = m_args.files[0], &list = m_args.files[1];
    const std::unique_ptr<CChannelDocument> document = LoadDat(base);
    if (!document)
        return;
    CsvChannels read;
    if (!ReadList(list, *document, read))
        return;
    ReportSkipped(list, read);
    document->TakeCsvChannels(read, m_args.keep);
    if (!document->Save(*m_args.output))
        Trouble(*m_args.output, document->ProblemText());
    else if (read.skippedCount > 0)
        Found();
}

void CRun::Check() {
    std::vector<std::string> objects;
    for (const std::string& file : m_args.files) {
        std::vector<ChannelFinding> findings;
        if (IsCsvName(file)) {
            const std::optional<CsvChannels> read = ReadCsv(file, *m_args.model, 0);
            if (!read)
                continue;
            findings = CheckCsvChannels(*read);
        } else {
            const std::optional<DatBytes> read = ReadDat(file);
            if (!read)
                continue;
            CDatFile dat(read->model);
            dat.LoadBytes(read->bytes);
            const CMemoryImage& image = dat.GetImage();
            findings = CheckChannels(
                {image.GetChannels(), static_cast<std::size_t>(image.GetChannelCount())},
                read->model, image);
        }
        for (const ChannelFinding& finding : findings) {
            const std::string severity = finding.warning ? "warning" : "error";
            if (m_args.json)
                objects.push_back("{\"file\": " + JsonString(file) +
                                  ", \"n\": " + std::to_string(finding.n) +
                                  ", \"severity\": " + JsonString(severity) +
                                  ", \"text\": " + JsonString(finding.text.English()) + "}");
            else
                m_out += file + ":" + std::to_string(finding.n) + ": " + severity + ": " +
                         finding.text.English() + "\n";
        }
        if (!findings.empty())
            Found();
    }
    if (m_args.json)
        m_out += JsonArray(objects);
}

void CRun::Diff() {
    const std::string &nameA = m_args.files[0], &nameB = m_args.files[1];
    const std::unique_ptr<CChannelDocument> a = LoadDat(nameA);
    if (!a)
        return;
    // B is read as rows of A's radio: another radio's file, or a list, goes
    // through the CSV rules, and what they refuse counts as a difference.
    CsvChannels read;
    const std::unique_ptr<CChannelDocument> b = ReadList(nameB, *a, read);
    if (!b)
        return;
    const RadioModel model = a->Model();
    ReportSkipped(nameB, read);
    if (read.skippedCount > 0)
        Found();
    // Headers and trailers are compared only between two files of one radio.
    std::error_code ec;
    const bool sameRadioFile =
        !IsCsvName(nameB) &&
        std::filesystem::file_size(nameB, ec) == static_cast<std::uintmax_t>(FileSize(model));
    std::vector<std::string> lines, objects;
    const auto note = [&](int channel, const std::string& kind, const std::string& line,
                          const std::string* column = nullptr, const std::string* before = nullptr,
                          const std::string* after = nullptr) {
        lines.push_back(line);
        objects.push_back(
            "{\"channel\": " + (channel < 0 ? std::string("null") : std::to_string(channel)) +
            ", \"column\": " + JsonOrNull(column) + ", \"old\": " + JsonOrNull(before) +
            ", \"new\": " + JsonOrNull(after) + ", \"kind\": " + JsonString(kind) + "}");
    };
    // What the other radio's file cannot hold is not a difference.
    const std::vector<Column> notHeld =
        read.otherRadio ? ColumnsNotHeld(*read.otherRadio, model) : std::vector<Column>{};
    PlanComparison comparison = ComparePlans(a->Records(), b->Records(), model, notHeld);
    if (sameRadioFile && !ec) {
        const PlanComparison files = CompareDocuments(*a, *b);
        comparison.headerDiffers = files.headerDiffers;
        comparison.trailerDiffers = files.trailerDiffers;
    }
    if (comparison.headerDiffers)
        note(-1, "header", "Header differs");
    const auto shown = [](const std::string& text) { return text.empty() ? "\"\"" : text; };
    for (int row = 0; row < static_cast<int>(comparison.rows.size()); ++row) {
        const RowComparison& compared = comparison.rows[static_cast<std::size_t>(row)];
        const std::string channel = "Channel " + std::to_string(row) + ": ";
        switch (compared.kind) {
        case RowDifference::kSame:
            break;
        case RowDifference::kOnlyLeft:
        case RowDifference::kOnlyRight: {
            const std::string kind =
                compared.kind == RowDifference::kOnlyRight ? "added" : "removed";
            note(row, kind, channel + kind);
            break;
        }
        case RowDifference::kOtherBytes:
            note(row, "other bytes", channel + "other bytes differ");
            break;
        case RowDifference::kChanged: {
            const ColumnTexts old = ComparedTexts(a->Record(row), model),
                              now = ComparedTexts(b->Record(row), model);
            for (const Column column : compared.columns) {
                const auto at = static_cast<std::size_t>(column);
                const std::string heading = ColumnOf(column).header;
                note(row, "changed",
                     channel + heading + ": " + shown(old[at]) + " -> " + shown(now[at]), &heading,
                     &old[at], &now[at]);
            }
            break;
        }
        }
    }
    if (comparison.trailerDiffers)
        note(-1, "trailer", "Trailer differs");
    if (m_args.json)
        m_out += JsonArray(objects);
    else
        for (const std::string& line : lines)
            m_out += line + "\n";
    if (!lines.empty())
        Found();
}

int CRun::Run() {
    const std::string& command = m_args.command;
    if (command == "info")
        Info();
    else if (command == "export")
        Export();
    else if (command == "import")
        Import();
    else if (command == "check")
        Check();
    else if (command == "diff")
        Diff();
    return m_status;
}

} // namespace

int RunCommand(const Arguments& args, std::string& out, std::string& err) {
    return CRun(args, out, err).Run();
}
