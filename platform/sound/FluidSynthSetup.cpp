// Sound font lookup and synthesiser set-up shared by the player and the renderer.
#include "platform/sound/FluidSynthSetup.h"

#include "platform/core/Exceptions.h"

#include <cstdlib>
#include <filesystem>

namespace plat::fluid {

std::string SoundFontPath() {
    if (const char* chosen = std::getenv("VELMORA_SOUNDFONT"); chosen && *chosen)
        return std::filesystem::exists(chosen) ? chosen : std::string();
    // The small font the install script brings first; the distribution's default GM font after.
    static const char* const kFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                         "/usr/share/sounds/sf2/default-GM.sf2",
                                         "/usr/share/sounds/sf3/default-GM.sf3"};
    for (const char* font : kFonts)
        if (std::filesystem::exists(font))
            return font;
    return {};
}

void SilenceLibraryLog() {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
}

fluid_synth_t* NewSynthWithFont(fluid_settings_t* settings) {
    const std::string font = SoundFontPath();
    if (font.empty())
        throw Exception("no General MIDI sound font is installed");
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth)
        throw Exception("the MIDI synthesiser could not be made");
    if (fluid_synth_sfload(synth, font.c_str(), /*reset_presets=*/1) == FLUID_FAILED) {
        delete_fluid_synth(synth);
        throw Exception("the sound font " + font + " could not be loaded");
    }
    return synth;
}

bool IsMidiFile(const std::string& hostPath) {
    return fluid_is_midifile(hostPath.c_str()) != 0;
}

} // namespace plat::fluid
