#pragma once

#include "MemoryImage.h"
#include "RadioModel.h"

#include <string>

// The example DAT files that ship with Velmora, so that a new user has a file
// to open before owning a radio. Everything here is deterministic: the same
// build always produces the same bytes, which is what lets the committed
// copies be checked against this code.
namespace ExampleImages {

// Fills every byte of the image (header, all records, trailer) with the
// example channel plan for the model.
void Fill(CMemoryImage& image, RadioModel model);

// "TG-UV2-example.DAT" or "TG-6A-example.DAT".
std::string FileName(RadioModel model);

} // namespace ExampleImages
