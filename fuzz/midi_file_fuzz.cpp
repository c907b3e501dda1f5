// Fuzz target for the MIDI file reader: any bytes as a music file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "audio/midi_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    audio::MidiFileInfo info;
    const bool header = audio::ReadMidiHeader({data, size}, info);
    const bool measured = audio::MeasureMidiLength({data, size}, info);
    // A file whose length can be measured has a good header, and no track ends before 0.
    if (measured && (!header || info.length < 0 || info.tracks < 1)) std::abort();
    return 0;
}
