// The lines the console floor shows itself, the same on every console.
// Their words live in the game's script files: the game fills this table
// once as it starts, before anything is shown; until then each is empty.
#pragma once

#include <cstddef>
#include <string_view>

struct ConsoleMessages {
    std::string_view morePrompt;       // the pager's prompt, set apart by its brackets
    std::string_view shortMorePrompt;  // the same for windows narrower than it
    std::string_view plainOptionMark;  // after an option that moves the story on, where marks are in words
    // Where marks are in words, speech is set in these quotation marks,
    // and speech quoted inside speech in the inner ones.
    std::string_view speechOpens, speechCloses, innerSpeechOpens, innerSpeechCloses;
    // German sets a comma that ends the spoken part after the closing mark,
    // and one after "!" or "?" before a speaker tag; English keeps the comma
    // inside and adds none.
    bool commaAfterClosingMark = true;
    std::string_view invalidInput;     // a read that is no 32-bit number
    std::string_view quit;             // on standard output, as the program ends
    // On standard error:
    std::string_view noConsoleWindow;   // no console window to switch to full screen
    std::string_view soundFailed;       // a sound that could not be played
    std::string_view transcriptBroken;  // the transcript stopped taking writes
    std::string_view noConsoleHandle;   // the Windows console's font could not be changed:
    std::string_view noFontInfo;        //   no handle, no font to read,
    std::string_view noFontSize;        //   or the height refused
};

ConsoleMessages& consoleMessages();

// The paging prompt that fits a window `columns` wide on one row.
inline std::string_view morePromptFor(std::size_t columns) {
    const ConsoleMessages& messages = consoleMessages();
    return columns > messages.morePrompt.size() ? messages.morePrompt : messages.shortMorePrompt;
}
