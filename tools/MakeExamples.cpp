// Writes the example DAT files of both radio models, and the CSV list of the
// channels of each, into a folder:
//   velmora-examples OUTPUT-FOLDER
// The files in the repository's examples/ folder are its output; run it again
// after changing the example channel plans.

#include "ChannelCsv.h"
#include "DatFile.h"
#include "ExampleImages.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& folder, RadioModel model) {
    CDatFile file(model);
    ExampleImages::Fill(file.GetImage(), model);
    const CChannel* channels = file.GetImage().GetChannels();
    std::vector<const CChannel*> rows;
    for (int i = 0; i < file.GetImage().GetChannelCount(); ++i)
        rows.push_back(channels + i);
    const fs::path path = folder / ExampleImages::FileName(model);
    if (!file.Save(path, rows))
        throw std::runtime_error("cannot create " + path.string());
    std::cout << path.string() << '\n';
    const std::string csv = ChannelsToCsv(rows, model);
    const fs::path csvPath = fs::path(path).replace_extension(".csv");
    FileProblem problem;
    if (!WriteWholeFile(csvPath, {reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()},
                        problem))
        throw std::runtime_error("cannot create " + csvPath.string());
    std::cout << csvPath.string() << '\n';
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velmora-examples OUTPUT-FOLDER\n";
        return 2;
    }
    try {
        for (const RadioModel model : {kTGUV2, kTG6A})
            Write(argv[1], model);
    } catch (const std::exception& error) {
        std::cerr << "velmora-examples: " << error.what() << '\n';
        return 1;
    } catch (...) {
        // The model's own failure signal carries no text.
        std::cerr << "velmora-examples: a channel of the example plan has a value the radio "
                     "cannot store, or the file could not be written\n";
        return 1;
    }
    return 0;
}
