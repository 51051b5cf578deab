#include "FileKinds.h"

#include "DatFile.h"
#include "Text.h"

bool IsCsvName(std::string_view name) {
    return name.size() >= 4 && SameIgnoringCase(name.substr(name.size() - 4), ".csv");
}

std::optional<RadioModel> RadioOfDat(std::uintmax_t size, std::optional<RadioModel> named,
                                     Message& reason) {
    const std::optional<RadioModel> bySize = ModelOfFileSize(size);
    if (named && bySize != named) {
        FileProblem problem;
        problem.kind = FileProblem::kWrongSize;
        problem.size = size;
        reason = DescribeProblem(problem, *named);
        return std::nullopt;
    }
    if (!bySize)
        reason = DescribeSizeOfNoRadio(size);
    return bySize;
}
