#pragma once

#include "Frequency.h"
#include "Message.h"
#include "RadioModel.h"

#include <string>
#include <string_view>

class CMemoryImage;

// How the Row Editor reads, rounds, writes and checks frequencies. Frequencies
// are counts of 10 Hz (439.12500 MHz is 43912500); 0 means no frequency.
// Nothing here knows about windows, so every rule can be checked on its own.

// Reads typed text as MHz. Wherever the point was typed, the digits count as
// an eight-digit number with three digits before the point, or two when three
// would pass 519.99500 MHz. Only the empty text gives 0.
int ParseFrequency(std::string_view text);

// The size of a step in 10 Hz units, or 0 when the index names no step.
int StepUnits(int step);

// The value raised to the next multiple of size; a size of 0 or less leaves
// the value as it is.
int RoundUpToStep(int value, int size);

// What a frequency box shows once the user leaves it. A step index outside the
// step table (several rows with different steps) rewrites the text unrounded.
std::string NormalizeFrequencyText(std::string_view text, int step);

// The band number (1 "FM" … 5 "UHF3") whose limits hold the value, or 0.
int BandOf(int value);

// The two bands a TG-6A is built for, one per unit.
inline constexpr int kBandVhf1 = 2;
inline constexpr int kBandUhf2 = 4;

// The lowest and the highest value of a band; both belong to it.
struct BandLimits {
    int lowest;
    int highest;
};
// The limits of band number 1 … 5.
BandLimits LimitsOfBand(int band);

// The one band every channel of the image's radio must lie in: a TG-6A's
// unit band, as the image says which side of 400 MHz it works on; 0 for the
// TG-UV2, which takes all its bands.
int UnitBand(RadioModel model, const CMemoryImage& image);

// The message of the first frequency rule that the texts and step break, in
// the order the user is told about them; empty when they may be stored. Only
// a TG-6A image is asked which side of 400 MHz its radio works on.
Message FrequencyError(std::string_view rxText, std::string_view txText, int step, RadioModel model,
                       const CMemoryImage& image);
// The same rules for values; unitBand, unless 0, is the one band that both
// must lie in (a TG-6A's).
Message FrequencyValueError(int rx, int tx, int step, int unitBand = 0);

// What a typed character becomes in a frequency box: digits and backspace go
// in, a comma is taken for a point, and a point only while the text has none.
// '\0' means the character is dropped.
char FilterFrequencyChar(char typed, bool textHasPoint);
