// Writes the seed corpora of the fuzz harnesses, made by the project's own
// builders: usage MakeSeeds FOLDER. Each harness gets FOLDER/<harness>/.
#include "ChannelCsv.h"
#include "ChannelTransfer.h"
#include "DatBuilder.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using testing_support::Bytes;

namespace {

void Write(const fs::path& folder, const std::string& name, const Bytes& bytes) {
    fs::create_directories(folder);
    testing_support::WriteBytes(folder / name, bytes);
}

// The DAT harness reads a model-and-shape byte first, then the file.
Bytes DatInput(RadioModel model, bool shape, const Bytes& file) {
    Bytes input{static_cast<std::uint8_t>((model == kTG6A ? 1 : 0) | (shape ? 2 : 0))};
    input.insert(input.end(), file.begin(), file.end());
    return input;
}

void DatSeeds(const fs::path& folder) {
    int n = 0;
    for (RadioModel model : {kTGUV2, kTG6A}) {
        const auto name = [&](const char* what) { return std::to_string(n++) + "-" + what; };
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            Write(folder, name("decodable"),
                  DatInput(model, false, testing_support::RandomDat(model, seed, true)));
            Write(folder, name("random"),
                  DatInput(model, false, testing_support::RandomDat(model, seed)));
        }
        Write(folder, name("empty-records"),
              DatInput(model, false, testing_support::MakeDat(model)));
        Bytes shortFile = testing_support::MakeDat(model);
        shortFile.resize(shortFile.size() - 1);
        Write(folder, name("one-short"), DatInput(model, false, shortFile));
        Write(folder, name("shaped"), DatInput(model, true, {1, 14, 55, 0, 0}));
    }
}

void TextSeeds(const fs::path& folder) {
    const std::vector<std::string> texts = {
        "439.125",   "145",      "43.9125", "88.5",   "12.5",    "600.00000",
        "999999999", "0439.125", ".",       "",       "519.999", "145.001\n435.00000",
        "AB-1 +",    "ab*/_",    "  -5",    "+145.5",
    };
    int n = 0;
    for (const std::string& text : texts)
        for (int control : {0, 3, 10, 0x80 | 5}) {
            Bytes input{static_cast<std::uint8_t>(control)};
            input.insert(input.end(), text.begin(), text.end());
            Write(folder, std::to_string(n++), input);
        }
}

// The CSV harness reads a model byte first (bit 0 the model, the bits above
// a TG-6A's unit), then the file: lists written by Export from random
// records, and files as people, spreadsheets and other programs write them.
void CsvSeeds(const fs::path& folder) {
    using namespace std::string_literals;
    int n = 0;
    const auto write = [&](int control, const std::string& text) {
        Bytes input{static_cast<std::uint8_t>(control)};
        input.insert(input.end(), text.begin(), text.end());
        Write(folder, std::to_string(n++), input);
    };
    for (const RadioModel model : {kTGUV2, kTG6A}) {
        const Bytes dat = testing_support::RandomDat(model, 5, true);
        std::vector<CChannel> records(static_cast<std::size_t>(ChannelCount(model)));
        std::vector<const CChannel*> rows;
        for (std::size_t i = 0; i < records.size(); ++i) {
            std::memcpy(records[i].bytes, &dat[kHeaderSize + i * CChannel::kSize], CChannel::kSize);
            if (i % 3 == 0) { // frequencies the checks pass
                const int mhz = i % 2 ? 43850000 : 14550000;
                records[i] = testing_support::UsedChannel(model, mhz, mhz);
            }
            rows.push_back(&records[i]);
        }
        write(model == kTG6A ? 1 : 0, ChannelsToCsv(rows, model));
    }
    const std::string files[] = {
        "\xEF\xBB\xBFLocation,Frequency,Duplex,Offset\r\n0,145.5,-,0.6\r\n1,438.5,+,5\r\n",
        "Frequency,Location,Name,Tone,rToneFreq,cToneFreq,CrossMode,DtcsCode,RxDtcsCode,"
        "DtcsPolarity\n145.5,3,\"a,\"\"b\nc\",Cross,67.0,71.9,Tone->DTCS,023,754,RR\n",
        "Location,Frequency,Tone,DtcsCode,Power,Mode,TStep,Skip\n7,446.00625,DTCS-R,023,2.5W,NFM,"
        "6.25,S\n7,145.5,TSQL-R,88.5,low,FM,12.5,P\n",
        "Location,Frequency\n",
        "0,145.5\n",
        "Location,Frequency,Duplex,Offset,TStep\n0,462.5625,,,5.00\n1,145.5\n2,479.975\n"
        "3,438.5,split,145.5\n4,145.5,off\n5,457.513\n,,,,\n",
        "sep=;\nLocation;Frequency;Duplex;Offset\r\n1;145,6;-;0,6\r\n;;;\r\n",
        "Location\tFrequency\tName\n1\t145.5\t\"a\tb\"\n",
        "Location,Frequency,Name\n1,145.5,A\n2,145.550,\"R2 EST\n3,145.6,C\n",
        "\xFF\xFEL\0o\0c\0a\0t\0i\0o\0n\0,\0F\0r\0e\0q\0u\0e\0n\0c\0y\0\n\0"
        "1\0,\0\x3D\xD8\x00\xDE\n\0"s,
        "\xFE\xFF\0L\0o\0c\0a\0t\0i\0o\0n\0,\0F\0r\0e\0q\0u\0e\0n\0c\0y\0\r"
        "\0"
        "1\0,\0"
        "1\0"
        "4\0"
        "5\0\r\xD8\x3D"s,
    };
    // Both models, and a TG-6A of each unit.
    for (const std::string& file : files)
        for (const int control : {0, 1, 3, 5})
            write(control, file);
    // More lines without a channel than a reading keeps reasons for.
    std::string many = "Location,Frequency\n";
    for (std::size_t line = 0; line <= kCsvKeptSkippedLines; ++line)
        many += "x,145.5\n";
    write(0, many);
}

// The clipboard harness reads a model byte first, as the CSV harness does,
// then what the clipboard held: the private form of either radio, whole,
// cut short or with a count that lies, and texts as spreadsheets copy them.
void ClipboardSeeds(const fs::path& folder) {
    int n = 0;
    const auto write = [&](int control, const std::string& bytes) {
        Bytes input{static_cast<std::uint8_t>(control)};
        input.insert(input.end(), bytes.begin(), bytes.end());
        Write(folder, std::to_string(n++), input);
    };
    for (const RadioModel model : {kTGUV2, kTG6A}) {
        std::vector<ChannelRow> rows;
        for (int i = 0; i < 4; ++i)
            rows.push_back({i * 60, testing_support::UsedChannel(model, i % 2 ? 43850000 : 14550000,
                                                                 i % 2 ? 43850000 : 14550000)});
        rows.push_back({199, testing_support::EmptyChannel(model)});
        const std::string form = VelmoraChannels(model, rows);
        std::string lying = form;
        lying[6] = 9;
        for (const int control : {0, 1, 5})
            for (const std::string& bytes : {form, form.substr(0, form.size() - 3), lying})
                write(control, bytes);
    }
    for (const char* text :
         {"ID\tName\tRX Freq\tTX Freq\tQT/DQT Dec\tQT/DQT Enc\tStep\tW/N\tScan\n3\tA\t145.50000\t"
          "146.10000\tD023N\t88.5\t12.5\tNarrow\tOFF\n4\t\t438.5\t\t\t\t\t\t\n",
          "Location,Name,Frequency,Duplex,Offset\r\n1,A,145.5,split,\r\n2,B,438.5,-,5\r\n",
          "Frequency\n145.5\n"})
        for (const int control : {0, 1, 3})
            write(control, text);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const fs::path root(argv[1]);
    DatSeeds(root / "datfile");
    TextSeeds(root / "text");
    CsvSeeds(root / "csv");
    ClipboardSeeds(root / "clipboard");
    return 0;
}
