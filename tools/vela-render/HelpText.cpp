#include "HelpText.h"

#include "OutputFormat.h"
#include "RenderOptions.h"

void printHelp(std::ostream& out)
{
    out << renderUsage << "\n\n"
        << "Runs audio files (WAV, RF64, AIFF, FLAC, Ogg and whatever else libsndfile reads; mono or stereo)\n"
        << "through the Vela plug-in. The output's name sets its format: " << outputNames << ".\n\n"
        << "  --set id=value     a parameter's real value, a choice text, or with tempo sync a note 1/32..1/1\n"
        << "  --preset NAME|FILE a preset of the preset folder or a preset file, before the --set values\n"
        << "  --bpm N            the tempo the host reports (120)\n"
        << "  --block N          frames per processed block (512)\n"
        << "  --tail SECONDS     exactly this much after the input; without it the echoes ring out\n"
        << "                     until quiet, 60 s at most\n"
        << "  -o FOLDER          each input rendered into FOLDER under its own name (.wav for Ogg and other\n"
           "                     formats that are only read)\n"
        << "  --list-params      the parameter list alone, for scripts\n"
        << "  --version          the version\n\n"
        << "Parameters (index, id, name, range, default, unit or choices):\n";
}
